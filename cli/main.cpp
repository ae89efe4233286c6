// rfid-cli: the window's commands without the window, for scripts and
// production lines. Qt Core only: no display is needed.
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

#include "app/cardfield.h"
#include "app/language.h"
#include "app/stopsignals.h"
#include "cli/commands.h"
#include "cli/dumpcommands.h"
#include "cli/exchange.h"
#include "cli/output.h"
#include "cli/texts.h"
#include "link/frame.h"
#include "link/hextext.h"
#include "link/readerdevices.h"
#include "link/readerlibrary.h"
#include "link/timestamp.h"
#include "protocol/outputformat.h"
#include "session/readersession.h"

using namespace rfid;
using namespace rfid::cli;

namespace {

struct Global {
    QString reader = QStringLiteral("hid");
    QString address = QStringLiteral("00");
    QString field;
    QString device;
    bool json = false;
    bool help = false;
    std::optional<qint64> repeat = 1;   // nothing: forever
    int interval = 0;
};

const QList<Option> &globalOptions()
{
    static const QList<Option> options = {
        {QStringLiteral("reader"), QStringLiteral("virtual|hid|PATH"), QStringLiteral("hid"),
         Texts::tr("Reader library: virtual, hid (default) or a path to a library.")},
        {QStringLiteral("device"), QStringLiteral("ID"), {},
         Texts::tr("The reader to use when the library drives several (as `rfid-cli devices` lists them; for "
                        "the hid library also VID:PID or a hidraw path). RFID_HID_DEVICE wins when set.")},
        {QStringLiteral("address"), QStringLiteral("NN"), QStringLiteral("00"),
         Texts::tr("Reader address every frame carries, 00 to 20 (default 00).")},
        {QStringLiteral("field"), QStringLiteral("FILE"), {},
         Texts::tr("Virtual reader: put the cards of the dump files FILE names (one a line) into its field.")},
        {QStringLiteral("json"), {}, {}, Texts::tr("One JSON object a line per exchange instead of the log lines.")},
        {QStringLiteral("repeat"), QStringLiteral("N|forever"), QStringLiteral("1"),
         Texts::tr("Run the command N times, or until interrupted.")},
        {QStringLiteral("interval"), QStringLiteral("MS"), QStringLiteral("0"),
         Texts::tr("Pause between repeats in milliseconds (default 0).")},
        {QStringLiteral("lang"), QStringLiteral("zh|en"), {},
         Texts::tr("The language of the texts for this run (default: the one chosen in the window, else zh).")},
        {QStringLiteral("help"), {}, {}, Texts::tr("Show the help (of the command, when one is named).")},
    };
    return options;
}

QString optionLines(const QList<Option> &options)
{
    QString out;
    for (const Option &o : options) {
        QString left = QStringLiteral("  --") + o.name;
        if (!o.valueName.isEmpty())
            left += u' ' + o.valueName;
        out += left.leftJustified(30) + u' ' + o.help + u'\n';
    }
    return out;
}

QString mainHelp()
{
    QString out = Texts::tr("Usage: rfid-cli [OPTIONS] COMMAND [ARGS]\n"
        "The operator tool's commands for 13.56 MHz card readers, without the window.\n\n"
        "Options:\n");
    out += optionLines(globalOptions());
    out += QStringLiteral("  --version").leftJustified(30) + Texts::tr(" Show the version.\n\nCommands:\n");
    for (const Command &c : commands()) {
        QString line = QStringLiteral("  ") + c.words();
        if (!c.synopsis.isEmpty())
            line += u' ' + c.synopsis;
        out += line.leftJustified(34) + u' ' + c.help + u'\n';
    }
    out += Texts::tr("  format list                      The output formats by name.\n"
        "  devices                          The readers the library can open (for --device).\n"
        "  listen PORT [--baud N]           Card reports from the serial port, one a line, until interrupted.\n"
        "  dump convert IN OUT [--to FMT]   Convert a dump (flipper, pm3-json, raw, eml, mct).\n"
        "  dump show FILE                   A dump as sectors, pages or blocks.\n\n"
        "Exit status: 0 success, 1 the reader refused, 2 no answer or a corrupted one,\n"
        "3 bad arguments or a field the window would refuse, 4 the reader library or port could not be opened.\n"
        "rfid-cli COMMAND --help tells a command's options.\n");
    return out;
}

QString commandHelp(const Command &c)
{
    QString out = Texts::tr("Usage: rfid-cli [OPTIONS] %1").arg(c.words());
    if (!c.synopsis.isEmpty())
        out += u' ' + c.synopsis;
    if (!c.options.isEmpty())
        out += QStringLiteral(" [--OPTION ...]");
    out += u'\n' + c.help + u'\n';
    if (!c.options.isEmpty())
        out += Texts::tr("\nOptions:\n") + optionLines(c.options);
    out += Texts::tr("\nOptions of every command: --reader, --address, --field, --json, --repeat, --interval "
                          "(rfid-cli --help).\n");
    return out;
}

// Splits the words into global options, the command's own options and the
// positional words. Returns "" or what is wrong.
QString parse(const QStringList &words, Global *g, QStringList *rest)
{
    for (int i = 0; i < words.size(); ++i) {
        QString w = words[i];
        QString inlineValue;
        bool hasInline = false;
        if (w.startsWith(QLatin1String("--")) && w.contains(u'=')) {
            inlineValue = w.mid(w.indexOf(u'=') + 1);
            w = w.left(w.indexOf(u'='));
            hasInline = true;
        }
        const Option *global = nullptr;
        for (const Option &o : globalOptions())
            if (w == QLatin1String("--") + o.name)
                global = &o;
        if (!global) {
            rest->append(words[i]);
            continue;
        }
        QString value;
        if (!global->valueName.isEmpty()) {
            if (hasInline) {
                value = inlineValue;
            } else if (i + 1 < words.size()) {
                value = words[++i];
            } else {
                return Texts::tr("%1 needs a value (%2).").arg(w, global->valueName);
            }
        } else if (hasInline) {
            return Texts::tr("%1 takes no value.").arg(w);
        }
        const QString name = global->name;
        if (name == QLatin1String("reader")) {
            g->reader = value;
        } else if (name == QLatin1String("address")) {
            g->address = value.toLower();
            if (!ReaderSession::addressItems().contains(g->address))
                return Texts::tr("--address %1: the reader address is 00 to 20 (hex).").arg(value);
        } else if (name == QLatin1String("field")) {
            g->field = value;
        } else if (name == QLatin1String("device")) {
            g->device = value;
        } else if (name == QLatin1String("lang")) {
            if (!languageFromCode(value))
                return Texts::tr("--lang %1: zh or en.").arg(value);
        } else if (name == QLatin1String("json")) {
            g->json = true;
        } else if (name == QLatin1String("help")) {
            g->help = true;
        } else if (name == QLatin1String("repeat")) {
            bool ok = false;
            const qint64 n = value.toLongLong(&ok);
            if (value == QLatin1String("forever"))
                g->repeat.reset();
            else if (ok && n >= 1)
                g->repeat = n;
            else
                return Texts::tr("--repeat %1: a count of 1 or more, or forever.").arg(value);
        } else if (name == QLatin1String("interval")) {
            bool ok = false;
            const int ms = value.toInt(&ok);
            if (!ok || ms < 0)
                return Texts::tr("--interval %1: milliseconds, 0 or more.").arg(value);
            g->interval = ms;
        }
    }
    return {};
}

// The command's own options and positional words. Returns "" or what is wrong.
QString parseCommand(const Command &c, const QStringList &words, Args *a)
{
    for (const Option &o : c.options)
        if (!o.defaultValue.isEmpty() && !o.valueName.isEmpty())
            a->values.insert(o.name, o.defaultValue);
    for (int i = 0; i < words.size(); ++i) {
        QString w = words[i];
        if (!w.startsWith(QLatin1String("--")) || w == QLatin1String("--")) {
            a->positional.append(w);
            continue;
        }
        QString name = w.mid(2), value;
        bool hasInline = false;
        if (name.contains(u'=')) {
            value = name.mid(name.indexOf(u'=') + 1);
            name = name.left(name.indexOf(u'='));
            hasInline = true;
        }
        const Option *found = nullptr;
        for (const Option &o : c.options)
            if (o.name == name)
                found = &o;
        if (!found)
            return Texts::tr("%1 has no option --%2 (rfid-cli %1 --help).").arg(c.words(), name);
        if (found->valueName.isEmpty()) {
            if (hasInline)
                return Texts::tr("--%1 takes no value.").arg(name);
            a->flags.insert(name);
            continue;
        }
        if (!hasInline) {
            if (i + 1 >= words.size())
                return Texts::tr("--%1 needs a value (%2).").arg(name, found->valueName);
            value = words[++i];
        }
        a->values.insert(name, value);
    }
    if (a->positional.size() < c.minPositional || a->positional.size() > c.maxPositional)
        return Texts::tr("%1 takes %2 (rfid-cli %1 --help).")
            .arg(c.words(), c.synopsis.isEmpty() ? Texts::tr("no words") : c.synopsis);
    return {};
}

int badArguments(const QString &what)
{
    std::fprintf(stderr, "rfid-cli: %s\n", qPrintable(what));
    return BadArguments;
}

// Pauses ms, serving events; a stop request ends the pause at once.
void pause(int ms, StopSignals &stopSignals)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &loop, &QEventLoop::quit);
    loop.exec();
}

int formatList(Output &out)
{
    for (const FormatName &f : formatNames()) {
        if (out.json())
            out.json(QJsonObject{{"format", QString::fromLatin1(f.name)},
                                 {"code", byteHex(f.code)},
                                 {"text", format::readText(f.code)}});
        else
            out.line(QStringLiteral("%1  %2  %3")
                         .arg(QString::fromLatin1(f.name).leftJustified(16), byteHex(f.code), format::readText(f.code)));
    }
    return Ok;
}

// The library's devices, one a line (or one JSON object each).
int listDevices(ReaderLibrary &library, Output &out)
{
    const std::optional<QList<ReaderDevice>> list = listReaderDevices(library);
    if (!list) {
        out.refusal(QStringLiteral("devices"),
                    Texts::tr("The reader library %1 does not list its devices.").arg(library.path()), BadArguments);
        return BadArguments;
    }
    for (const ReaderDevice &d : *list) {
        if (out.json())
            out.json({{"id", d.id},
                      {"name", d.name},
                      {"vendor", d.vendor},
                      {"product", d.product},
                      {"serial", d.serial},
                      {"path", d.path},
                      {"inUse", d.inUse}});
        else
            out.line(QStringList{d.inUse ? QStringLiteral("*") : QStringLiteral(" "), d.id, d.name,
                                 d.vendor + u':' + d.product, d.serial, d.path}
                         .join(u'\t'));
    }
    return Ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rfid-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RFID_VERSION));

    QStringList words = QCoreApplication::arguments().mid(1);
    if (words.contains(QStringLiteral("--version"))) {
        std::printf("rfid-cli %s\n", RFID_VERSION);
        return Ok;
    }
    // Before any text is made: the window's choice unless this run names one.
    LanguageSwitch language;
    language.apply(languageOption(words).value_or(rememberedLanguage()));
    Global g;
    QStringList rest;
    if (const QString wrong = parse(words, &g, &rest); !wrong.isEmpty())
        return badArguments(wrong);
    Output out(g.json);

    const QString family = rest.value(0), name = rest.value(1);
    if (family.isEmpty()) {
        if (g.help) {
            out.text(mainHelp());
            return Ok;
        }
        return badArguments(Texts::tr("no command (rfid-cli --help lists them)."));
    }

    // Commands that need no reader.
    if (family == QLatin1String("dump"))
        return dumpCommand(rest.mid(1), g.help, out);
    if (family == QLatin1String("format") && name == QLatin1String("list")) {
        if (g.help) {
            out.text(Texts::tr("Usage: rfid-cli format list\nThe output formats: short name, code, what it types.\n"));
            return Ok;
        }
        return formatList(out);
    }

    const Command *command = nullptr;
    const bool listen = family == QLatin1String("listen");
    const bool devices = family == QLatin1String("devices");
    for (const Command &c : commands())
        if (c.family == family && (c.name.isEmpty() || c.name == name))
            command = &c;
    if (listen && g.help) {
        out.text(Texts::tr("Usage: rfid-cli listen PORT [--baud N]\n"
                                "Card reports the reader sends on the serial port PORT (such as /dev/ttyUSB0), one a\n"
                                "line, until interrupted (Ctrl+C). --baud N sets the port's rate (default 9600).\n"));
        return Ok;
    }
    if (devices && g.help) {
        out.text(Texts::tr("Usage: rfid-cli [--reader virtual|hid|PATH] devices\n"
                                "The readers the library can open now: id (what --device takes), name, USB vendor and "
                                "product, serial number, path; * marks the one commands go to.\n"));
        return Ok;
    }
    if (devices && rest.size() > 1)
        return badArguments(Texts::tr("devices takes no words."));
    if (!command && !listen && !devices) {
        bool known = false;
        for (const Command &c : commands())
            known = known || c.family == family;
        if (g.help && known) {
            QString text = Texts::tr("Commands of %1:\n").arg(family);
            for (const Command &c : commands())
                if (c.family == family)
                    text += QStringLiteral("  rfid-cli %1 %2\n").arg(c.words(), c.synopsis);
            out.text(text);
            return Ok;
        }
        return badArguments(known ? Texts::tr("%1 has no command \"%2\" (rfid-cli %1 --help).").arg(family, name)
                                  : Texts::tr("no command \"%1\" (rfid-cli --help lists them).").arg(family));
    }
    if (command && g.help) {
        out.text(commandHelp(*command));
        return Ok;
    }

    Args args;
    if (command) {
        const QStringList own = rest.mid(command->name.isEmpty() ? 1 : 2);
        if (const QString wrong = parseCommand(*command, own, &args); !wrong.isEmpty())
            return badArguments(wrong);
    }

    ReaderSession session(readerLibraryPath(g.reader, QCoreApplication::applicationDirPath()));
    QObject::connect(&session, &ReaderSession::logEntry, &out, &Output::entry);
    session.setAddress(g.address);

    StopSignals stopSignals;
    bool stopping = false;
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &app, [&] {
        stopping = true;
        QCoreApplication::quit();
    });

    if (listen)
        return listenCommand(session, rest.mid(1), out);

    const QString commandWords = command ? command->words() : family;
    QString error;
    if (!session.library().resolve(&error)) {
        out.notOpened(commandWords, error);
        return NotOpened;
    }
    if (devices)
        return listDevices(session.library(), out);
    if (!g.device.isEmpty()) {
        // The window's Reader menu says the same.
        switch (selectReaderDevice(session.library(), g.device)) {
        case DeviceChoice::Taken:
            break;
        case DeviceChoice::Fixed:
            out.entry(Texts::tr("The reader is fixed outside the tool (RFID_HID_DEVICE); %1 is not taken.")
                          .arg(g.device));
            break;
        case DeviceChoice::Unknown:
            out.notOpened(commandWords,
                          Texts::tr("The reader library does not know the device %1.").arg(g.device));
            return NotOpened;
        case DeviceChoice::Unsupported:
            out.refusal(commandWords,
                        Texts::tr("The reader library does not choose devices; %1 is not used.").arg(g.device),
                        BadArguments);
            return BadArguments;
        }
    }
    if (!g.field.isEmpty()) {
        const int loaded = loadCardField(session.library(), g.field, [&out](const QString &e) { out.entry(e); });
        if (loaded < 0)
            return BadArguments;
    }

    int status = Ok;
    for (qint64 i = 0; !g.repeat || i < *g.repeat; ++i) {
        if (stopping)
            break;
        if (i > 0 && g.interval > 0)
            pause(g.interval, stopSignals);
        if (stopping)
            break;
        // Built each time: a refusal line carries the time it was made.
        const Built built = command->build(args);
        if (!built.plan) {
            out.refusal(command->words(), built.refusal, built.exit);
            return built.exit;
        }
        const int one = exchange(session, *built.plan, command->words(), out);
        if (g.repeat != qint64(1))
            out.flush();
        if (one == NotOpened)
            return NotOpened;
        if (status == Ok)
            status = one;
    }
    return status;
}
