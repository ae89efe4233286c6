#include "protocol/classic.h"

#include <QCoreApplication>

#include "link/hextext.h"
#include "link/response.h"

namespace rfid::classic {

quint8 Access::modeByte() const
{
    return (mode == RequestMode::All ? 0x01 : 0x00) | (keyType == KeyType::B ? 0x02 : 0x00);
}

Request readBlocks(const Access &a, const HexPart &count, const HexPart &start)
{
    return request(ReadBlocks, {byte(a.modeByte()), count, start, a.key});
}

Request writeBlocks(const Access &a, const HexPart &count, const HexPart &start, const HexPart &data)
{
    return request(WriteBlocks, {byte(a.modeByte()), count, start, a.key, data});
}

Request readCardNumber(RequestMode mode, bool halt)
{
    return request(ReadCardNumber, {byte(mode == RequestMode::All ? 0x52 : 0x26), byte(halt ? 0x01 : 0x00)});
}

Request halt()
{
    return request(Halt);
}

Request value(ValueOp op, const Access &a, const HexPart &sector, const HexPart &amount)
{
    return request(quint8(op), {byte(a.modeByte()), sector, a.key, amount});
}

BlocksRead BlocksRead::from(const Response &r)
{
    return {r.dataAt(4, 4), r.dataAt(8)};
}

LogLines BlocksRead::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::classic", "操作成功   ") + time, QCoreApplication::translate("rfid::classic", "卡号为:") + bytesToHex(cardNumber),
            QCoreApplication::translate("rfid::classic", "卡的数据为:") + bytesToHex(blocks), QString()};
}

BlocksWritten BlocksWritten::from(const Response &r)
{
    return {r.dataAt(4, 4)};
}

LogLines BlocksWritten::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::classic", "操作成功   ") + time, QCoreApplication::translate("rfid::classic", "卡号为:") + bytesToHex(cardNumber)};
}

CardNumber CardNumber::from(const Response &r)
{
    const QByteArray flag = r.dataAt(4, 1);
    CardNumber c;
    if (!flag.isEmpty())
        c.cards = quint8(flag[0]);
    c.number = r.dataAt(5, 4);
    return c;
}

LogLines CardNumber::lines(const QString &time) const
{
    LogLines lines{QCoreApplication::translate("rfid::classic", "操作成功   ") + time, QString(), QCoreApplication::translate("rfid::classic", "返回卡号为:") + bytesToHex(number)};
    if (cards == 0x00)
        lines << QCoreApplication::translate("rfid::classic", "检测到的卡的数量为一张卡..") << QString();
    else if (cards == 0x01)
        lines << QCoreApplication::translate("rfid::classic", "检测到的卡的数量为多张卡..") << QString();
    return lines;
}

ValueInitialised ValueInitialised::from(const Response &r)
{
    return {r.dataAt(4, 4)};
}

LogLines ValueInitialised::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::classic", "操作成功   ") + time, QCoreApplication::translate("rfid::classic", "返回卡ID号为:") + bytesToHex(cardNumber), QString()};
}

ValueChanged ValueChanged::from(const Response &r)
{
    return {r.dataAt(4, 4), r.dataAt(8, 4)};
}

LogLines ValueChanged::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::classic", "操作成功   ") + time, QCoreApplication::translate("rfid::classic", "返回卡ID号为:") + bytesToHex(cardNumber),
            QCoreApplication::translate("rfid::classic", "剩余值为为: ") + bytesToHex(remaining), QString()};
}

QString failureText()
{
    return QCoreApplication::translate("rfid::classic", "读卡失败   ");
}

QString cardNumberFailureText()
{
    return QCoreApplication::translate("rfid::classic", "读卡号操作失败   ");
}

QString haltFailureText()
{
    return QCoreApplication::translate("rfid::classic", "HALT操作失败   ");
}

QString haltDoneText()
{
    return QCoreApplication::translate("rfid::classic", "HALT操作成功   ");
}

} // namespace rfid::classic
