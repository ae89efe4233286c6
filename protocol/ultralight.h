// MIFARE Ultralight: serial number, page read and page write (halt is the
// Classic one).
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "protocol/classic.h"
#include "protocol/request.h"

namespace rfid::ultralight {

enum Code : quint8 { ReadPage = 0xE0, WritePage = 0xE1, ReadSerial = 0xE3 };

using classic::RequestMode;

// A page list item ("00" to "15") is a decimal page number; nothing when it is not one.
std::optional<quint8> pageNumber(const QString &item);

Request readSerial(RequestMode mode);
Request readPage(RequestMode mode, quint8 page);
// One page, where the block write carries its block count.
Request writePage(RequestMode mode, quint8 page, const HexPart &data);

// The outcome texts of the page commands, in the current language.
QString serialFailureText();
QString readFailureText();
QString writeFailureText();
// The refusal of a page command with no page chosen: the field's name, then the time.
QString noPageLine(const QString &fieldName, const QString &time);

struct Serial {
    QByteArray cardNumber;
    static Serial from(const Response &r);
    LogLines lines(const QString &time) const;
};

struct PageRead {
    QByteArray data, cardNumber;
    static PageRead from(const Response &r);
    LogLines lines(const QString &time) const;
};

struct PageWritten {
    QByteArray cardNumber;
    static PageWritten from(const Response &r);
    LogLines lines(const QString &time) const;
};

} // namespace rfid::ultralight
