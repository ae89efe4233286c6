// MIFARE Classic (S50/S70): blocks, card number, values and halt.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "protocol/request.h"

namespace rfid {
struct Response;
}

namespace rfid::classic {

enum Code : quint8 {
    Halt = 0x06,
    ReadBlocks = 0x20,
    WriteBlocks = 0x21,
    ReadCardNumber = 0x25,
};

// The value commands, by their codes.
enum class ValueOp : quint8 { Initialise = 0x22, Decrement = 0x23, Increment = 0x24 };

// Idle addresses only idle cards, All also wakes halted ones.
enum class RequestMode : quint8 { Idle, All };
enum class KeyType : quint8 { A, B };

// How a block command reaches its card: request mode, the key it
// authenticates with and that key's bytes.
struct Access {
    RequestMode mode = RequestMode::Idle;
    KeyType keyType = KeyType::A;
    HexPart key;

    // Bit 0: request mode (1 All); bit 1: key type (1 key B).
    quint8 modeByte() const;
};

// Block count and start block, then the key (and the block data for a write).
Request readBlocks(const Access &access, const HexPart &count, const HexPart &start);
Request writeBlocks(const Access &access, const HexPart &count, const HexPart &start, const HexPart &data);
// The request code is REQA for Idle and WUPA for All, not the mode byte.
Request readCardNumber(RequestMode mode, bool halt);
Request halt();
// Sector, key, then the value or amount as typed.
Request value(ValueOp op, const Access &access, const HexPart &sector, const HexPart &amount);

// The outcome texts of the pages' Type A commands, in the current language.
QString failureText();
QString cardNumberFailureText();
QString haltFailureText();
QString haltDoneText();

struct BlocksRead {
    QByteArray cardNumber, blocks;
    static BlocksRead from(const Response &r);
    LogLines lines(const QString &time) const;
};

struct BlocksWritten {
    QByteArray cardNumber;
    static BlocksWritten from(const Response &r);
    LogLines lines(const QString &time) const;
};

struct CardNumber {
    std::optional<quint8> cards;   // 00 one card, 01 several; absent when short
    QByteArray number;
    static CardNumber from(const Response &r);
    LogLines lines(const QString &time) const;
};

struct ValueInitialised {
    QByteArray cardNumber;
    static ValueInitialised from(const Response &r);
    LogLines lines(const QString &time) const;
};

struct ValueChanged {
    QByteArray cardNumber, remaining;
    static ValueChanged from(const Response &r);
    LogLines lines(const QString &time) const;
};

} // namespace rfid::classic
