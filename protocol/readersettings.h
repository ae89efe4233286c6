// The reader's own settings: baud rate, address, serial number, indicators
// and the reading mode.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>

#include "protocol/request.h"

namespace rfid {
struct Response;
}

namespace rfid::settings {

enum Code : quint8 {
    ReadingMode = 0x0F,
    SetAddress = 0x80,
    SetBaudRate = 0x81,
    SetSerial = 0x82,
    Read = 0x83,   // answers the address and the serial number
};

// The three signals the reader gives, by their command codes.
enum class Indicator : quint8 { LedR = 0x87, Led = 0x88, Buzzer = 0x89 };

struct BaudRate {
    const char *text;
    quint8 code;
};
// The rates in the order the page lists them.
std::span<const BaudRate> baudRates();
// The code of a rate's text (compared exactly); nothing for any other text.
std::optional<quint8> baudCode(const QString &text);

Request setBaudRate(quint8 code);
Request setAddress(const HexPart &address);
Request setSerial(const HexPart &serial);
Request indicator(Indicator which, const HexPart &period, const HexPart &count);
Request readingMode(bool active);
Request read();

// What Read answers: the address is the first data byte and the serial number
// the eight after it; a short answer gives fewer bytes.
struct Identity {
    QByteArray address;
    QByteArray serial;

    static Identity from(const Response &r);
    LogLines addressLines(const QString &time) const;
    LogLines serialLines(const QString &time) const;
};

// The outcome texts of the settings commands, in the current language. Read
// fails with its own text for each of the two values it is asked for.
QString baudFailureText();
QString baudDoneText();
QString addressReadFailureText();
QString addressFailureText();
QString addressDoneText();
QString serialReadFailureText();
QString serialFailureText();
QString serialDoneText();
QString indicatorFailureText(Indicator which);
QString indicatorDoneText(Indicator which);

// The line logged when the baud-rate text is none of the rates.
QString unknownBaudLine(const QString &text, const QString &time);

} // namespace rfid::settings
