// The one exchange every command page uses: send a request, wait for its own
// answer, judge it and log the lines, with the page's texts.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "link/response.h"
#include "protocol/request.h"
#include "session/readersession.h"

namespace rfid {

// The lines an answer logs, whatever its outcome.
using Judge = std::function<LogLines(const Response &, const QString &time)>;
// The lines of a success.
using SuccessLines = std::function<LogLines(const Response &, const QString &time)>;

// The standard judge: a non-success outcome gives its entry with these texts,
// a success the given lines.
Judge judge(const OutcomeTexts &texts, const SuccessLines &success);
// The success of a command that answers nothing more: text, time, empty line.
SuccessLines done(const QString &text);

// Sends the request, waits up to waitMs for this exchange's own answer, then
// logs what the judge makes of it.
void run(ReaderSession &session, const Request &request, int waitMs, const Judge &judge);

// Logs each line as one entry, in order.
void logLines(ReaderSession &session, const QStringList &lines);

// Logs the refusal of a field with an odd number of hex digits (oddFieldLine).
// True when all fields hold whole bytes, which HexPart::typed then takes.
bool fieldsWhole(ReaderSession &session, const QList<Field> &fields, Language language = Language::Chinese);

} // namespace rfid
