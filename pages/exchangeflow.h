// The standard exchange that every command page uses with its own texts.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

#include "link/response.h"
#include "session/readersession.h"

namespace rfid {

// Send, then Delay on this exchange's own answer; the answer judged.
Response sendAndWait(ReaderSession &host, const QString &command, int waitMs = 300);

// Logs the entry of a non-success outcome; returns true on Success, when the
// caller logs its own success lines.
bool reportOutcome(ReaderSession &host, const Response &r, const OutcomeTexts &texts);

// Logs each line as one entry, in order.
void logLines(ReaderSession &host, const QStringList &lines);

// A parameter field as the operator typed it, named for the log.
struct Field {
    QString name;
    QString text;
};

enum class Language { Chinese, English };

// An odd number of hex digits would shift every later byte of the frame, so
// such a field is refused: one line naming the first such field. True when all
// fields hold whole bytes.
bool fieldsWhole(ReaderSession &host, std::initializer_list<Field> fields, Language language = Language::Chinese);
QString oddFieldLine(const QString &name, Language language);

} // namespace rfid
