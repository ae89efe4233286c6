#include "protocol/iso15693.h"

#include "link/hextext.h"
#include "link/response.h"

namespace rfid::iso15693 {

namespace {
const QString kDone = QStringLiteral("操作成功   ");
} // namespace

QList<FlagItem> flagItems()
{
    return {{"TI", Flags::Ti}, {"Philips", Flags::Philips}, {"uid", Flags::Uid}, {"Other", Flags::Other}};
}

QList<Param> paramsOf(Command command, Flags flags)
{
    QList<Param> uid;
    if (flags == Flags::Uid)
        uid = {Param::Uid};
    switch (command) {
    case ReadBlocks:
    case SecurityStatus:
        return QList<Param>{Param::FirstBlock, Param::BlockCount} + uid;
    case WriteBlock:
        return QList<Param>{Param::FirstBlock, Param::BlockCount} + uid + QList<Param>{Param::Data};
    case LockBlock:
        return {Param::Block};
    case Select:
        return {Param::Uid};
    case WriteAfi:
        return QList<Param>{Param::Afi} + uid;
    case WriteDsfid:
        return QList<Param>{Param::Dsfid} + uid;
    case LockAfi:
    case LockDsfid:
    case SystemInfo:
        return uid;
    case Inventory:
        break;
    }
    return {};
}

Request request(Command command, Flags flags, const Params &values)
{
    Request r = rfid::request(command, {byte(quint8(flags))});
    for (Param p : paramsOf(command, flags))
        r.params += values.value(p);
    return r;
}

Request inventory()
{
    return rfid::request(Inventory, {QByteArray::fromHex("060000")});
}

Cards Cards::from(const Response &r)
{
    Cards c{r.dataAt(4, 1), r.dataAt(5), {}};
    // An incomplete tail gets no card.
    for (qsizetype i = 0; (i + 1) * 10 <= c.records.size(); ++i)
        c.uids << c.records.mid(i * 10 + 2, 8);
    return c;
}

LogLines Cards::lines(const QString &time) const
{
    LogLines lines{kDone + time, QStringLiteral("域内的卡片数量为：") + bytesToHex(count),
                   QStringLiteral("域内的卡片数据为：") + bytesToHex(records)};
    for (qsizetype i = 0; i < uids.size(); ++i)
        lines << QStringLiteral("第%1张卡卡号为：").arg(i + 1) + cdate(bytesToHex(uids[i]));
    lines << QString();
    return lines;
}

Blocks Blocks::from(const Response &r)
{
    return {r.dataAt(4, 1), r.dataAt(5)};
}

LogLines Blocks::lines(const QString &time) const
{
    return {kDone + time, QStringLiteral("标志位为：") + bytesToHex(flags),
            QStringLiteral("读卡返回数据为：") + bytesToHex(data), QString()};
}

SystemInformation SystemInformation::from(const Response &r)
{
    return {r.dataAt(4, 1), r.dataAt(5, 1), r.dataAt(6, 8), r.dataAt(14, 1), r.dataAt(15, 1), r.dataAt(16)};
}

LogLines SystemInformation::lines(const QString &time) const
{
    return {
        kDone + time,
        QStringLiteral("  Flags值为： ") + bytesToHex(flags),
        QStringLiteral("  INFO Flags值为： ") + bytesToHex(infoFlags),
        QStringLiteral("  卡UID值为： ") + bytesToHex(uid),
        QStringLiteral("  DSFID值为： ") + bytesToHex(dsfid),
        QStringLiteral("  AFI值为： ") + bytesToHex(afi),
        QStringLiteral("  Other fields值为： ") + bytesToHex(other),
        QString(),
    };
}

BlockSecurity BlockSecurity::from(const Response &r)
{
    return {r.dataAt(4, 1), r.dataAt(5)};
}

LogLines BlockSecurity::lines(const QString &time) const
{
    return {kDone + time, QStringLiteral("标志位为：") + bytesToHex(flags),
            QStringLiteral("块安全位状态为：") + bytesToHex(status), QString()};
}

} // namespace rfid::iso15693
