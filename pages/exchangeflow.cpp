#include "pages/exchangeflow.h"

#include "link/hextext.h"
#include "link/timestamp.h"

namespace rfid {

Judge judge(const OutcomeTexts &texts, const SuccessLines &success)
{
    return [texts, success](const Response &r, const QString &time) -> LogLines {
        if (r.outcome == Outcome::Success)
            return success(r, time);
        return {outcomeEntry(r, texts, time)};
    };
}

SuccessLines done(const QString &text)
{
    return [text](const Response &, const QString &time) { return doneLines(text, time); };
}

void run(ReaderSession &session, const Request &request, int waitMs, const Judge &judge)
{
    const QString own = session.Send(request.text());
    session.sleepUnlessAnswered(waitMs, own);
    logLines(session, judge(evaluate(own), timeStamp()));
}

void logLines(ReaderSession &session, const QStringList &lines)
{
    for (const QString &line : lines)
        session.log(line);
}

bool fieldsWhole(ReaderSession &session, const QList<Field> &fields, Language language)
{
    const std::optional<QString> refusal = oddFieldLine(fields, timeStamp(), language);
    if (refusal)
        session.log(*refusal);
    return !refusal;
}

} // namespace rfid
