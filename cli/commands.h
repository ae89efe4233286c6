// The command-line tool's commands: each turns its arguments into one
// exchange with the reader, with the window's wait, texts and field checks.
#pragma once

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "link/response.h"
#include "protocol/request.h"

namespace rfid::cli {

// The exit statuses.
enum Exit { Ok = 0, Refused = 1, NoAnswer = 2, BadArguments = 3, NotOpened = 4 };

// The arguments after the command's words: options by name (defaults filled
// in), flags given, and the positional words.
struct Args {
    QHash<QString, QString> values;
    QSet<QString> flags;
    QStringList positional;

    QString value(const QString &name) const { return values.value(name); }
    bool has(const QString &name) const { return flags.contains(name); }
};

// What an answer gives: its log lines (any outcome), its decoded fields and
// the exit status it stands for.
struct Judged {
    LogLines lines;
    QJsonObject fields;
    int exit = Ok;
};
using Judge = std::function<Judged(const Response &, const QString &time)>;

// One exchange, ready to go.
struct Plan {
    Request request;
    std::optional<QString> rawFrame;   // sent exactly as given instead of the request
    bool sendOnly = false;             // sent, its answer not waited for nor judged
    int waitMs = 300;
    Judge judge;
};

// A command's arguments, checked: the plan, or the line refusing them (as the
// window logs it) with the exit status.
struct Built {
    std::optional<Plan> plan;
    QString refusal;
    int exit = BadArguments;
};

struct Option {
    QString name;        // without "--"
    QString valueName;   // "" for a flag
    QString defaultValue;
    QString help;
};

struct Command {
    QString family;   // "classic"
    QString name;     // "read"; "" for a family that is a command (raw)
    QString synopsis; // positional words, e.g. "FORMAT"
    QString help;
    QList<Option> options;
    int minPositional = 0, maxPositional = 0;
    std::function<Built(const Args &)> build;

    QString words() const { return name.isEmpty() ? family : family + u' ' + name; }
};

// Every command that exchanges with the reader, family by family.
const QList<Command> &commands();

// The output formats by short stable name, in code order.
struct FormatName {
    quint8 code;
    const char *name;
};
QList<FormatName> formatNames();

} // namespace rfid::cli
