#include "protocol/typeb.h"

#include <QCoreApplication>

#include "link/frame.h"
#include "link/hextext.h"
#include "link/reasons.h"
#include "link/response.h"

namespace rfid::typeb {

Request cardRequest()
{
    return request(CardRequest);
}

Request attrib(const HexPart &cardId)
{
    return request(Attrib, {cardId});
}

Request dataExchange(const HexPart &data)
{
    return request(DataExchange, {byte(quint8(data.bytes.size())), data});
}

Request readIdNumber()
{
    return request(ReadIdNumber);
}

Request readFileIdNumber()
{
    return request(ReadFileIdNumber);
}

CardAnswer CardAnswer::from(const Response &r)
{
    return {r.dataAt(4, 1), r.dataAt(5)};
}

LogLines CardAnswer::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::typeb", "操作成功   ") + time, QString(), QCoreApplication::translate("rfid::typeb", "卡片复位数据的长度为:") + bytesToHex(length),
            QCoreApplication::translate("rfid::typeb", "返回操作后的数据为:") + bytesToHex(data), QString()};
}

IdNumber IdNumber::from(const Response &r)
{
    return {r.dataAt(5, 8)};
}

LogLines IdNumber::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::typeb", "操作成功   ") + time, QCoreApplication::translate("rfid::typeb", "返回卡号为:") + bytesToHex(number), QString()};
}

QString exchangeMessage(const QString &code)
{
    if (code == QLatin1String("80"))
        return QCoreApplication::translate("rfid::typeb", "参数设置成功.....");
    if (code == QLatin1String("8F"))
        return QCoreApplication::translate("rfid::typeb", "Reader received unknown command....");
    if (code == QLatin1String("10"))
        return {};
    return falsereason(code);
}

ExchangeAnswer ExchangeAnswer::from(const Response &r)
{
    ExchangeAnswer a;
    if (r.outcome == Outcome::NoData)
        return a;
    // A damaged frame's bytes are not the card's: never shown as data.
    if (!frameIntact(r.frame) || r.frame.size() < 6) {
        a.kind = Kind::Corrupted;
        return a;
    }
    if (r.frame[3] == 0) {
        a.kind = Kind::Success;
        a.data = r.data();
        return a;
    }
    a.kind = Kind::Failure;
    // Byte 4 of a status-only answer would be its check byte: no code then.
    if (r.frame.size() > 6)
        a.code = r.byteText(4);
    return a;
}

LogLines ExchangeAnswer::lines(const QString &time) const
{
    const QString failed = failedText() + time;
    switch (kind) {
    case Kind::NoData:
        return {failed, QCoreApplication::translate("rfid::typeb", "无数据接收.."), QString()};
    case Kind::Corrupted:
        return {failed, OutcomeTexts().corrupted + time, QString()};
    case Kind::Success:
        return {QCoreApplication::translate("rfid::typeb", "操作成功   ") + time, QCoreApplication::translate("rfid::typeb", "操作后的数据串为：") + bytesToHex(data), QString()};
    case Kind::Failure:
        break;
    }
    const QString message = exchangeMessage(code);
    if (message.isEmpty())
        return {failed};
    return {failed, message, QString()};
}

QString failedText()
{
    return QCoreApplication::translate("rfid::typeb", "操作失败   ");
}

QString attribDoneText()
{
    return QCoreApplication::translate("rfid::typeb", "操作成功、复位成功   ");
}

QString idFailureText()
{
    return QCoreApplication::translate("rfid::typeb", "读卡号操作失败   ");
}

QString tooLongLine(const QString &fieldName, qsizetype bytes, const QString &time)
{
    return QCoreApplication::translate("rfid::typeb", "%1：%2 个字节，最多 %3 个（帧最长 %4 字节），未发送   %5")
        .arg(fieldName)
        .arg(bytes)
        .arg(kMaxExchangeData)
        .arg(kMaxFrameBytes)
        .arg(time);
}

} // namespace rfid::typeb
