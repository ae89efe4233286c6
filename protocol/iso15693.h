// ISO 15693 vicinity cards: inventory, blocks, select, AFI, DSFID, system
// information and block security status.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "protocol/request.h"

namespace rfid {
struct Response;
}

namespace rfid::iso15693 {

enum Command : quint8 {
    Inventory = 0x10,
    ReadBlocks = 0x11,
    WriteBlock = 0x12,
    LockBlock = 0x13,
    Select = 0x15,
    WriteAfi = 0x17,
    LockAfi = 0x18,
    WriteDsfid = 0x19,
    LockDsfid = 0x1A,
    SystemInfo = 0x1B,
    SecurityStatus = 0x1C,
};

// The request flags of the four items every row offers.
enum class Flags : quint8 {
    Ti = 0x42,        // option + high data rate
    Philips = 0x02,   // high data rate
    Uid = 0x22,       // address + high data rate: the UID goes with the command
    Other = 0x52,     // option + select + high data rate
};

struct FlagItem {
    const char *text;
    Flags flags;
};
// The items in the order the lists show them.
QList<FlagItem> flagItems();

// A command's parameters by role.
enum class Param { FirstBlock, BlockCount, Block, Uid, Afi, Dsfid, Data };
using Params = QHash<Param, HexPart>;

// The parameters a command carries with these flags, in frame order. The UID
// goes only when the flags address a card, except for Select, which always
// names its card.
QList<Param> paramsOf(Command command, Flags flags);
// The command with its flags and the values of paramsOf, in that order.
Request request(Command command, Flags flags, const Params &values);
Request inventory();

// A command's outcome texts, in the current language. doneText is empty for
// a command whose answer has lines of its own.
QString failureText(Command command);
QString doneText(Command command);

// Inventory: the card count, the records, and per whole 10-byte record (flags,
// DSFID, UID least significant byte first) the UID shown most significant first.
struct Cards {
    QByteArray count, records;
    QList<QByteArray> uids;   // as received
    static Cards from(const Response &r);
    LogLines lines(const QString &time) const;
};

struct Blocks {
    QByteArray flags, data;
    static Blocks from(const Response &r);
    LogLines lines(const QString &time) const;
};

// System information at its fixed positions, whatever the information flags.
struct SystemInformation {
    QByteArray flags, infoFlags, uid, dsfid, afi, other;
    static SystemInformation from(const Response &r);
    LogLines lines(const QString &time) const;
};

struct BlockSecurity {
    QByteArray flags, status;
    static BlockSecurity from(const Response &r);
    LogLines lines(const QString &time) const;
};

} // namespace rfid::iso15693
