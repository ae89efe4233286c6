// The keyboard output format: how the reader types a card's number.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>

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
    std::optional<QByteArray> userByte;   // sent when chosen, else 00
};

// Set: code, ; ? , Enter flags, buzzer, 01, user-defined byte.
Request set(const Choice &choice);
Request read();

// What a Read answers: the format code and the four flags.
struct Settings {
    std::optional<quint8> code;
    // A flag reads "not added" only when it is exactly 00; a missing one is added.
    bool semicolon = true, questionMark = true, comma = true, enter = true;

    static Settings from(const Response &r);
    LogLines lines(const QString &time) const;
};

inline const QString kNoData = QStringLiteral("Data error，no data recevice..   ");
inline const QString kCorrupted = QStringLiteral("data error,please check data..   ");

} // namespace rfid::format
