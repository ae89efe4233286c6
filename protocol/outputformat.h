// The keyboard output format: how the reader types a card's number.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>
#include <span>

#include "link/response.h"
#include "protocol/request.h"

namespace rfid {
struct Response;
}

namespace rfid::format {

enum Code : quint8 { Set = 0x82, Read = 0x83 };

struct Format {
    quint8 code;
    const char *readText;   // what a Read logs for the code
};
// The fifteen formats, in code order.
std::span<const Format> formats();
// The Read text of a code, "" for a code outside the table.
QString readText(quint8 code);

struct Choice {
    quint8 code = 0;
    bool semicolon = false;
    bool questionMark = false;
    bool comma = false;
    bool enter = false;
    bool bigBuzzer = true;
    std::optional<HexPart> userByte;   // sent when chosen, else 00
};

// Set: code, ; ? , Enter flags, buzzer, 01, user-defined byte.
Request set(const Choice &choice);
Request read();

// What a Read answers: byte 4, then the format code and the four flags. Only
// data bytes are read: an answer without all of them is corrupted, so that its
// check or end byte is never taken for a format or a flag.
struct Settings {
    bool whole = false;
    quint8 code = 0;
    bool semicolon = false, questionMark = false, comma = false, enter = false;

    static Settings from(const Response &r);
    // The success lines; the corrupted-data line for an answer not whole.
    LogLines lines(const QString &time) const;
};

// The outcome texts of Read and Set, in the current language: each its own
// failure, both the same no-data and corrupted-data texts.
OutcomeTexts readOutcomeTexts();
OutcomeTexts setOutcomeTexts();
QString setDoneText();

} // namespace rfid::format
