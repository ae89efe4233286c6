// What every command family shares: a request as code and parameter bytes,
// and the shape of the lines a success logs.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QList>
#include <initializer_list>
#include <optional>

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

// A parameter field as the operator typed it, named for the log.
struct Field {
    QString name;
    QString text;
};

// The language a page's own texts are written in: the output format page's
// refusal is English like the rest of that page.
enum class Language { Chinese, English };

// An odd number of hex digits would shift every later byte of the frame, so
// such a field is refused: the line naming the first such field, in the
// current language; nothing when every field holds whole bytes.
std::optional<QString> oddFieldLine(const QList<Field> &fields, const QString &time,
                                    Language language = Language::Chinese);
// A field's name in a refusal line: what it is, then what tells it apart
// (its row or its object name) in full-width brackets.
QString fieldName(const QString &what, const QString &which);

} // namespace rfid
