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

namespace {
QString oddFieldLine(const QString &name, Language language)
{
    if (language == Language::English)
        return QStringLiteral("%1: odd number of hex digits, nothing sent   %2").arg(name, timeStamp());
    return QStringLiteral("%1：十六进制数字个数为奇数，未发送   %2").arg(name, timeStamp());
}
} // namespace

bool fieldsWhole(ReaderSession &session, const QList<Field> &fields, Language language)
{
    for (const Field &f : fields) {
        if (hasOddDigits(f.text)) {
            session.log(oddFieldLine(f.name, language));
            return false;
        }
    }
    return true;
}

QString fieldName(const QString &what, const QString &which)
{
    return what + QStringLiteral("（") + which + QStringLiteral("）");
}

} // namespace rfid
