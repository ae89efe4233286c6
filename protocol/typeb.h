// ISO 14443 Type B: request, Attrib, data exchange, and the two reads of the
// second-generation resident ID card.
#pragma once

#include <QByteArray>
#include <QString>

#include "protocol/request.h"

namespace rfid {
struct Response;
}

namespace rfid::typeb {

enum Code : quint8 {
    CardRequest = 0x09,
    Attrib = 0x0B,
    DataExchange = 0x0D,
    ReadIdNumber = 0x26,
    ReadFileIdNumber = 0x27,
};

// The exchange's frame carries N + 7 bytes and the write buffer holds 255.
constexpr int kMaxExchangeData = 248;

Request cardRequest();
Request attrib(const HexPart &cardId);
// N, then the N data bytes.
Request dataExchange(const HexPart &data);
Request readIdNumber();
Request readFileIdNumber();

// The outcome texts of the page's commands, in the current language.
QString failedText();
QString attribDoneText();
QString idFailureText();
// The refusal of exchange data longer than kMaxExchangeData (its length byte
// would overflow and the frame not fit the write buffer): the field's name,
// the byte count, then the time.
QString tooLongLine(const QString &fieldName, qsizetype bytes, const QString &time);

// The card request's answer: the reset data's length byte, then the data.
struct CardAnswer {
    QByteArray length, data;
    static CardAnswer from(const Response &r);
    LogLines lines(const QString &time) const;
};

// Either ID card read: the eight bytes after the first data byte.
struct IdNumber {
    QByteArray number;
    static IdNumber from(const Response &r);
    LogLines lines(const QString &time) const;
};

// The data exchange judges its answer by a rule of its own: any status but
// 00 is a failure whose byte 4 is looked up in the exchange's own messages.
struct ExchangeAnswer {
    enum class Kind { NoData, Corrupted, Success, Failure };
    Kind kind = Kind::NoData;
    QByteArray data;   // Success
    QString code;      // Failure: byte 4 as two digits, "" when the answer has none

    static ExchangeAnswer from(const Response &r);
    // The lines of every outcome, success or not.
    LogLines lines(const QString &time) const;
};

// The exchange's message for a failure code: the reader's reasons, except that
// 80 and 8F read differently and 10 has none; "" outside the table.
QString exchangeMessage(const QString &code);

} // namespace rfid::typeb
