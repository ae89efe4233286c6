// The virtual reader's card field from the tool's side: a field file of dumps
// loaded at start, the cards saved back as files when the window closes. Both
// go through the reader library's own exports readerLoadField and
// readerSaveField; a library without them is told in the log, nothing more.
#pragma once

#include <QString>
#include <functional>

namespace rfid {

class ReaderLibrary;

// One log entry a call.
using LogSink = std::function<void(const QString &entry)>;

// Logs each card loaded and each dump refused, then one summary line.
// Returns the number of cards loaded, -1 when nothing could be loaded.
int loadCardField(ReaderLibrary &library, const QString &fieldFile, const LogSink &log);

// Makes dir when it is missing and checks that a file can be written in it, so
// that a folder that cannot be used is found at start, not when the cards are
// saved. Returns "" when it can be used, else the reason.
QString saveFolderProblem(const QString &dir);

// Logs each card saved or not saved. True when every card was saved.
bool saveCardField(ReaderLibrary &library, const QString &dir, const LogSink &log);

} // namespace rfid
