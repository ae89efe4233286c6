// dump convert and dump show: card dump files, no reader needed.
#pragma once

#include <QStringList>

namespace rfid::cli {

class Output;

// words: what follows "dump". Returns the exit status.
int dumpCommand(const QStringList &words, bool help, Output &out);

} // namespace rfid::cli
