#include "exchangeflow.h"

#include "link/hextext.h"
#include "link/timestamp.h"

namespace rfid {

Response sendAndWait(ReaderSession &host, const QString &command, int waitMs)
{
    const QString own = host.Send(command);
    host.sleepUnlessAnswered(waitMs, own);
    return evaluate(own);
}

bool reportOutcome(ReaderSession &host, const Response &r, const OutcomeTexts &texts)
{
    if (r.outcome == Outcome::Success)
        return true;
    host.log(outcomeEntry(r, texts, timeStamp()));
    return false;
}

void logLines(ReaderSession &host, const QStringList &lines)
{
    for (const QString &line : lines)
        host.log(line);
}

QString oddFieldLine(const QString &name, Language language)
{
    if (language == Language::English)
        return QStringLiteral("%1: odd number of hex digits, nothing sent   %2").arg(name, timeStamp());
    return QStringLiteral("%1：十六进制数字个数为奇数，未发送   %2").arg(name, timeStamp());
}

bool fieldsWhole(ReaderSession &host, std::initializer_list<Field> fields, Language language)
{
    for (const Field &f : fields) {
        if (hasOddDigits(f.text)) {
            host.log(oddFieldLine(f.name, language));
            return false;
        }
    }
    return true;
}

} // namespace rfid
