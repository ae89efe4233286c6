// What every command family shares: a request as code and parameter bytes,
// and the shape of the lines a success logs.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace rfid {

struct Response;

// A command for the reader: its code and parameter bytes. The session frames
// it with the reader address. Parameters the operator typed go as typed, however
// many bytes they hold: the reader judges them.
struct Request {
    quint8 code = 0;
    QByteArray params;

    // Code and parameters as hex text, the command Send frames.
    QString text() const;
    bool operator==(const Request &) const = default;
};

// A request from its code and parameter parts, appended in order.
Request request(quint8 code, std::initializer_list<QByteArray> parts = {});
// One byte as a parameter part.
QByteArray byte(quint8 value);

// The lines a success logs, one log entry each; "" is an empty line.
using LogLines = QStringList;

// The success of a command that answers nothing more: its text and the time,
// then an empty line.
LogLines doneLines(const QString &text, const QString &time);

// The success lines of an answer type: Answer::from(r).lines(time).
template <typename Answer>
LogLines linesOf(const Response &r, const QString &time)
{
    return Answer::from(r).lines(time);
}

} // namespace rfid
