// A response as a handler judges it: one of four outcomes.
#pragma once

#include <QByteArray>
#include <QString>

namespace rfid {

enum class Outcome {
    NoData,     // nothing arrived
    Success,    // status 00
    Failure,    // status 01, reason code in byte 4
    Corrupted,  // any other status, or a frame that is not whole and intact
};

struct Response {
    Outcome outcome = Outcome::NoData;
    QByteArray frame;       // the bytes that arrived (empty for NoData)
    QString reason;         // Failure: two upper-case digits of byte 4, "" when absent

    // Byte k of the frame as two upper-case digits, "" beyond its end.
    QString byteText(int k) const;
    // Data bytes 4 .. L+2 as hex text (only meaningful on Success).
    QString dataText() const;
    QByteArray data() const;
    // Data bytes from frame byte k on (4 is the first data byte), at most n of
    // them (-1: all): a short answer gives fewer, never its check and end bytes.
    QByteArray dataAt(int k, int n = -1) const;
};

// Judges a response text (recdata): a frame is believed only when it is intact.
Response evaluate(const QString &recdata);

// Texts of the non-success outcomes of one command; time follows each text.
struct OutcomeTexts {
    QString failure;    // status 01: text + time, then the reason line
    QString noData = QStringLiteral("通讯错误，没有接收到数据..   ");
    QString corrupted = QStringLiteral("数据丢包，流水校验出错   ");
};

// The log entries for NoData, Failure and Corrupted, joined as one entry
// (CR LF between lines as the log pane takes them). Success gives "".
QString outcomeEntry(const Response &r, const OutcomeTexts &texts, const QString &time);

inline const QString kCrLf = QStringLiteral("\r\n");

} // namespace rfid
