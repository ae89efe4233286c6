// One exchange of a command with the reader, reported as log lines or JSON,
// and the serial port's card reports.
#pragma once

#include <QString>
#include <QStringList>

#include "cli/commands.h"

namespace rfid {
class ReaderSession;
}

namespace rfid::cli {

class Output;

// Sends the plan, waits for its own answer, reports it; returns its exit status.
int exchange(ReaderSession &session, const Plan &plan, const QString &command, Output &out);

// listen PORT [--baud N]: card reports until the event loop is quit.
int listenCommand(ReaderSession &session, const QStringList &words, Output &out);

} // namespace rfid::cli
