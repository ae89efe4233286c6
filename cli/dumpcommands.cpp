#include "cli/dumpcommands.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

#include "cli/commands.h"
#include "cli/output.h"
#include "cli/texts.h"
#include "readers/virtual/dumps/dumps.h"

namespace rfid::cli {

namespace {
const char *const kHelp = QT_TRANSLATE_NOOP(
    "rfid::cli",
    "Usage: rfid-cli dump convert IN OUT [--to flipper|pm3-json|raw|eml|mct]\n"
    "       rfid-cli dump show FILE\n"
    "convert: reads IN (its format told by its content) and writes OUT in the format --to names,\n"
    "  else the one OUT's extension tells (.nfc, .json, .bin/.mfd/.dump, .eml, .txt/.mct).\n"
    "  Unknown bytes stay unknown: a format that cannot mark them refuses the card.\n"
    "show: a Classic dump as sectors with keys and access conditions, an Ultralight/NTAG as\n"
    "  pages with lock bits, an ISO 15693 tag as blocks.\n");

std::string path(const QString &name)
{
    return QFile::encodeName(name).toStdString();
}

int bad(const QString &what)
{
    std::fprintf(stderr, "rfid-cli: %s\n", qPrintable(what));
    return BadArguments;
}

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

int convert(const QStringList &words, Output &out)
{
    QStringList files;
    dumps::Format to = dumps::Format::Unknown;
    for (int i = 0; i < words.size(); ++i) {
        const QString &w = words[i];
        if (w == QLatin1String("--to") || w.startsWith(QLatin1String("--to="))) {
            const QString name = w.contains(u'=') ? w.mid(5) : words.value(++i);
            to = dumps::formatByShortName(name.toStdString());
            if (to == dumps::Format::Unknown)
                return bad(Texts::tr("--to %1: one of flipper, pm3-json, raw, eml, mct.").arg(name));
        } else if (w.startsWith(QLatin1String("--"))) {
            return bad(Texts::tr("dump convert has no option %1.").arg(w));
        } else {
            files << w;
        }
    }
    if (files.size() != 2)
        return bad(Texts::tr("dump convert takes IN and OUT (rfid-cli dump --help)."));
    const dumps::ConvertResult r = dumps::convertDump(path(files[0]), path(files[1]), to);
    QJsonArray warnings;
    for (const std::string &w : r.warnings)
        warnings.append(text(w));
    if (out.json()) {
        QJsonObject o{{"command", QStringLiteral("dump convert")},
                      {"in", files[0]},
                      {"out", files[1]},
                      {"outcome", r.done ? QStringLiteral("success") : QStringLiteral("refused")},
                      {"from", QLatin1String(dumps::formatShortName(r.from))},
                      {"to", QLatin1String(dumps::formatShortName(r.to))},
                      {"warnings", warnings},
                      {"exit", r.done ? Ok : BadArguments}};
        if (!r.done)
            o.insert("reasonText", text(r.error));
        out.json(o);
    } else if (r.done) {
        out.line(QStringLiteral("%1 (%2) -> %3 (%4)")
                     .arg(files[0], QLatin1String(dumps::formatName(r.from)), files[1],
                          QLatin1String(dumps::formatName(r.to))));
        for (const std::string &w : r.warnings)
            out.line(text(w));
    } else {
        std::fprintf(stderr, "rfid-cli: %s\n", r.error.c_str());
    }
    return r.done ? Ok : BadArguments;
}

int show(const QStringList &words, Output &out)
{
    if (words.size() != 1 || words[0].startsWith(QLatin1String("--")))
        return bad(Texts::tr("dump show takes one FILE (rfid-cli dump --help)."));
    const dumps::LoadResult r = dumps::loadDump(path(words[0]));
    if (!r) {
        if (out.json())
            out.json({{"command", QStringLiteral("dump show")},
                      {"outcome", QStringLiteral("refused")},
                      {"reasonText", text(r.error)},
                      {"exit", BadArguments}});
        else
            std::fprintf(stderr, "rfid-cli: %s\n", r.error.c_str());
        return BadArguments;
    }
    const QString description = text(dumps::describeDump(*r.card));
    if (out.json())
        out.json({{"command", QStringLiteral("dump show")},
                  {"outcome", QStringLiteral("success")},
                  {"format", QLatin1String(dumps::formatShortName(r.format))},
                  {"lines", QJsonArray::fromStringList(description.split(u'\n', Qt::SkipEmptyParts))},
                  {"exit", Ok}});
    else
        out.text(description.endsWith(u'\n') ? description : description + u'\n');
    return Ok;
}
} // namespace

int dumpCommand(const QStringList &words, bool help, Output &out)
{
    const QString what = words.value(0);
    if (help) {
        out.text(Texts::tr(kHelp));
        return Ok;
    }
    if (what == QLatin1String("convert"))
        return convert(words.mid(1), out);
    if (what == QLatin1String("show"))
        return show(words.mid(1), out);
    return bad(Texts::tr("dump: convert or show (rfid-cli dump --help)."));
}

} // namespace rfid::cli
