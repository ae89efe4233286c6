#include "protocol/ultralight.h"

#include <QCoreApplication>

#include "link/hextext.h"
#include "link/response.h"

namespace rfid::ultralight {

namespace {
QByteArray modeByte(RequestMode mode)
{
    return byte(mode == RequestMode::All ? 0x01 : 0x00);
}
} // namespace

std::optional<quint8> pageNumber(const QString &item)
{
    bool ok = false;
    const int page = item.toInt(&ok, 10);
    if (!ok || page < 0 || page > 0xFF)
        return std::nullopt;
    return quint8(page);
}

Request readSerial(RequestMode mode)
{
    return request(ReadSerial, {modeByte(mode)});
}

Request readPage(RequestMode mode, quint8 page)
{
    return request(ReadPage, {modeByte(mode), byte(page)});
}

Request writePage(RequestMode mode, quint8 page, const HexPart &data)
{
    return request(WritePage, {modeByte(mode), byte(0x01), byte(page), data});
}

Serial Serial::from(const Response &r)
{
    return {r.dataAt(4, 7)};
}

LogLines Serial::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::ultralight", "读卡号 操作成功   ") + time, QCoreApplication::translate("rfid::ultralight", "卡号为:") + bytesToHex(cardNumber), QString()};
}

PageRead PageRead::from(const Response &r)
{
    return {r.dataAt(4, 16), r.dataAt(20, 7)};
}

LogLines PageRead::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::ultralight", "读卡 操作成功   ") + time, QCoreApplication::translate("rfid::ultralight", "读卡返回数据为: ") + bytesToHex(data),
            QCoreApplication::translate("rfid::ultralight", "卡ID号为:") + bytesToHex(cardNumber), QString()};
}

PageWritten PageWritten::from(const Response &r)
{
    return {r.dataAt(4, 7)};
}

LogLines PageWritten::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::ultralight", "写卡操作成功   ") + time, QCoreApplication::translate("rfid::ultralight", "卡号为:") + bytesToHex(cardNumber), QString()};
}

QString serialFailureText()
{
    return QCoreApplication::translate("rfid::ultralight", "读卡ID号操作失败   ");
}

QString readFailureText()
{
    return QCoreApplication::translate("rfid::ultralight", "读卡失败   ");
}

QString writeFailureText()
{
    return QCoreApplication::translate("rfid::ultralight", "写卡操作失败   ");
}

QString noPageLine(const QString &fieldName, const QString &time)
{
    return QCoreApplication::translate("rfid::ultralight", "%1：未选择页，未发送   ").arg(fieldName) + time;
}

} // namespace rfid::ultralight
