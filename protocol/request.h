// What every command family shares: a request as code and parameter bytes,
// and the shape of the lines a success logs.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>

namespace rfid {

struct Response;

// A parameter part: its bytes, and its hex digits as they stand where the
// operator typed them (the debug echo shows the command so). Bytes the program
// makes show their digits in upper case.
struct HexPart {
    QByteArray bytes;
    QString digits;

    HexPart(const QByteArray &b = {});
    // The hex digits of text, other characters dropped, letter case kept.
    static HexPart typed(const QString &text);
};

// A command for the reader: its code and parameter bytes. The session frames
// it with the reader address. Parameters the operator typed go as typed, however
// many bytes they hold: the reader judges them.
struct Request {
    quint8 code = 0;
    QByteArray params;
    QString digits;   // code and parameters as Send gets them; empty: upper case from the bytes

    // Code and parameters as hex text, the command Send frames.
    QString text() const;
    // The bytes are the command; the digits' letter case is only how it shows.
    bool operator==(const Request &other) const { return code == other.code && params == other.params; }
};

// A request from its code and parameter parts, appended in order.
Request request(quint8 code, std::initializer_list<HexPart> parts = {});
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
