#include "cli/exchange.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QSerialPort>

#include <cstdio>

#include "cli/output.h"
#include "cli/texts.h"
#include "link/frame.h"
#include "link/hextext.h"
#include "link/reasons.h"
#include "link/timestamp.h"
#include "session/readersession.h"

namespace rfid::cli {

namespace {
// The outcome as the exit status tells it: a whole frame whose data is short
// is corrupted, and the Type B exchange counts any status but 00 as refused.
QString outcomeName(int exit, Outcome outcome)
{
    switch (exit) {
    case Ok:
        return QStringLiteral("success");
    case Refused:
        return QStringLiteral("refused");
    default:
        break;
    }
    return outcome == Outcome::NoData ? QStringLiteral("no data") : QStringLiteral("corrupted");
}
} // namespace

int exchange(ReaderSession &session, const Plan &plan, const QString &command, Output &out)
{
    const QString frame = plan.rawFrame ? hexDigits(*plan.rawFrame).toUpper()
                                        : frameText(session.address(), plan.request.text()).toUpper();
    const QString own = plan.rawFrame ? session.SendHex(*plan.rawFrame) : session.Send(plan.request.text());
    if (!session.lastExchangeError().isEmpty()) {
        if (out.json())
            out.json({{"command", command},
                      {"request", frame},
                      {"outcome", QStringLiteral("not opened")},
                      {"reasonText", session.lastExchangeError()},
                      {"exit", NotOpened}});
        return NotOpened;
    }
    if (plan.sendOnly) {
        if (out.json())
            out.json({{"command", command}, {"request", frame}, {"outcome", QStringLiteral("sent")}, {"exit", Ok}});
        else
            out.entry(QCoreApplication::translate("rfid::ReaderSession", "发送...") + frame + QStringLiteral("   ") + timeStamp());
        return Ok;
    }
    session.sleepUnlessAnswered(plan.waitMs, own);
    const Response r = evaluate(own);
    const Judged judged = plan.judge(r, timeStamp());
    if (!out.json()) {
        for (const QString &line : judged.lines)
            out.entry(line);
        return judged.exit;
    }
    QJsonObject o{{"command", command},
                  {"request", frame},
                  {"answer", bytesToHex(r.frame)},
                  {"outcome", outcomeName(judged.exit, r.outcome)},
                  {"status", r.byteText(3)},
                  {"exit", judged.exit}};
    if (r.outcome == Outcome::Failure) {
        o.insert("reason", r.reason);
        o.insert("reasonText", falsereason(r.reason));
    }
    if (!judged.fields.isEmpty())
        o.insert("fields", judged.fields);
    out.json(o);
    return judged.exit;
}

int listenCommand(ReaderSession &session, const QStringList &words, Output &out)
{
    QString port;
    int baud = 9600;
    for (int i = 0; i < words.size(); ++i) {
        const QString &w = words[i];
        if (w == QLatin1String("--baud") || w.startsWith(QLatin1String("--baud="))) {
            const QString value = w.contains(u'=') ? w.mid(7) : words.value(++i);
            bool ok = false;
            baud = value.toInt(&ok);
            if (!ok || baud <= 0) {
                std::fprintf(stderr, "rfid-cli: %s\n", qPrintable(Texts::tr("--baud %1: a rate such as 9600.").arg(value)));
                return BadArguments;
            }
        } else if (port.isEmpty() && !w.startsWith(QLatin1String("--"))) {
            port = w;
        } else {
            std::fprintf(stderr, "rfid-cli: %s\n", qPrintable(Texts::tr("listen takes PORT [--baud N], not %1.").arg(w)));
            return BadArguments;
        }
    }
    if (port.isEmpty()) {
        std::fprintf(stderr, "rfid-cli: %s\n", qPrintable(Texts::tr("listen needs a PORT (rfid-cli listen --help).")));
        return BadArguments;
    }
    session.setAutoDetect(true);
    session.setBaudRate(baud);
    if (out.json()) {
        QObject::connect(&session, &ReaderSession::cardReported, &out,
                         [&out](const QString &title, const QString &label, const QString &id) {
                             out.json({{"command", QStringLiteral("listen")},
                                       {"outcome", QStringLiteral("card")},
                                       {"title", title},
                                       {"label", label},
                                       {"id", id},
                                       {"time", timeStamp()}});
                             out.flush();
                         });
    }
    if (!session.openPort(port))
        return NotOpened;
    // Reports come seldom and someone may be reading them as they come.
    QObject::connect(&session, &ReaderSession::logEntry, &out, &Output::flush);
    int status = Ok;
    // A port that fails while open is closed by the session: nothing more comes.
    QObject::connect(&session, &ReaderSession::portOpenChanged, QCoreApplication::instance(), [&status](bool open) {
        if (!open) {
            status = NotOpened;
            QCoreApplication::quit();
        }
    });
    QCoreApplication::exec();
    if (session.comm()->isOpen()) {
        QObject::disconnect(&session, &ReaderSession::portOpenChanged, nullptr, nullptr);
        session.closePort();
    }
    return status;
}

} // namespace rfid::cli
