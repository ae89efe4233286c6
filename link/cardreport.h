// What a reader on the serial port reports by itself: a presented card's type
// and ID, one report per arrival of bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace rfid {

struct CardReport {
    QString title;   // the first log line, e.g. "检测到S50/S70卡"
    QString label;   // put before the ID on the second line
    QString id;      // hex text as received; shorter when the report is short
};

// Decodes one arrival (as hex text) as a card report. Byte 1 is the type,
// 01 to 05; byte 0 is not looked at and the ID starts at byte 2. Any other
// type, or an arrival too short to hold one, is no report.
std::optional<CardReport> decodeCardReport(const QString &arrivalHex);

// The debug echo of an arrival: each byte as a blank and two upper-case digits.
QString serialEcho(const QByteArray &bytes);

} // namespace rfid
