#include "protocol/iso15693.h"

#include <QCoreApplication>

#include "link/hextext.h"
#include "link/response.h"

namespace rfid::iso15693 {

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
    for (Param p : paramsOf(command, flags)) {
        const HexPart part = values.value(p);
        r.params += part.bytes;
        r.digits += part.digits;
    }
    return r;
}

Request inventory()
{
    return rfid::request(Inventory, {QByteArray::fromHex("060000")});
}

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(rfid::iso15693)
};
} // namespace

QString failureText(Command command)
{
    switch (command) {
    case ReadBlocks:
        return Texts::tr("读卡失败   ");
    case WriteBlock:
        return Texts::tr("写卡失败   ");
    case LockBlock:
        return Texts::tr("锁操作失败   ");
    case Select:
        return Texts::tr("选择卡操作失败   ");
    case WriteAfi:
        return Texts::tr("写AFI操作失败   ");
    case LockAfi:
        return Texts::tr("锁定AFI操作失败   ");
    case WriteDsfid:
        return Texts::tr("写DSFID操作失败   ");
    case LockDsfid:
        return Texts::tr("锁定DSFID操作失败   ");
    case SecurityStatus:
        return Texts::tr("读卡块安全位失败   ");
    case SystemInfo:
        // The same text as the inventory's, told apart for translators.
        return Texts::tr("操作失败   ", "system information");
    case Inventory:
        break;
    }
    return Texts::tr("操作失败   ", "inventory");
}

QString doneText(Command command)
{
    switch (command) {
    case WriteBlock:
        return Texts::tr("写卡操作成功   ");
    case LockBlock:
        return Texts::tr("锁操作成功   ");
    case Select:
        return Texts::tr("选择卡操作成功   ");
    case WriteAfi:
        return Texts::tr("写AFI操作成功   ");
    case LockAfi:
        return Texts::tr("锁定AFI操作成功   ");
    case WriteDsfid:
        return Texts::tr("写DSFID操作成功   ");
    case LockDsfid:
        return Texts::tr("锁定DSFID操作成功   ");
    case Inventory:
    case ReadBlocks:
    case SystemInfo:
    case SecurityStatus:
        break;
    }
    return {};
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
    LogLines lines{QCoreApplication::translate("rfid::iso15693", "操作成功   ") + time, QCoreApplication::translate("rfid::iso15693", "域内的卡片数量为：") + bytesToHex(count),
                   QCoreApplication::translate("rfid::iso15693", "域内的卡片数据为：") + bytesToHex(records)};
    for (qsizetype i = 0; i < uids.size(); ++i)
        lines << QCoreApplication::translate("rfid::iso15693", "第%1张卡卡号为：").arg(i + 1) + cdate(bytesToHex(uids[i]));
    lines << QString();
    return lines;
}

Blocks Blocks::from(const Response &r)
{
    return {r.dataAt(4, 1), r.dataAt(5)};
}

LogLines Blocks::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::iso15693", "操作成功   ") + time, QCoreApplication::translate("rfid::iso15693", "标志位为：") + bytesToHex(flags),
            QCoreApplication::translate("rfid::iso15693", "读卡返回数据为：") + bytesToHex(data), QString()};
}

SystemInformation SystemInformation::from(const Response &r)
{
    return {r.dataAt(4, 1), r.dataAt(5, 1), r.dataAt(6, 8), r.dataAt(14, 1), r.dataAt(15, 1), r.dataAt(16)};
}

LogLines SystemInformation::lines(const QString &time) const
{
    return {
        QCoreApplication::translate("rfid::iso15693", "操作成功   ") + time,
        QCoreApplication::translate("rfid::iso15693", "  Flags值为： ") + bytesToHex(flags),
        QCoreApplication::translate("rfid::iso15693", "  INFO Flags值为： ") + bytesToHex(infoFlags),
        QCoreApplication::translate("rfid::iso15693", "  卡UID值为： ") + bytesToHex(uid),
        QCoreApplication::translate("rfid::iso15693", "  DSFID值为： ") + bytesToHex(dsfid),
        QCoreApplication::translate("rfid::iso15693", "  AFI值为： ") + bytesToHex(afi),
        QCoreApplication::translate("rfid::iso15693", "  Other fields值为： ") + bytesToHex(other),
        QString(),
    };
}

BlockSecurity BlockSecurity::from(const Response &r)
{
    return {r.dataAt(4, 1), r.dataAt(5)};
}

LogLines BlockSecurity::lines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::iso15693", "操作成功   ") + time, QCoreApplication::translate("rfid::iso15693", "标志位为：") + bytesToHex(flags),
            QCoreApplication::translate("rfid::iso15693", "块安全位状态为：") + bytesToHex(status), QString()};
}

} // namespace rfid::iso15693
