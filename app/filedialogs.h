// The open and save dialogs, behind one seam so that tests can choose the file.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace rfid {

struct FileRequest {
    bool save = false;
    QString title;
    QString filter;   // "description|pattern|description|pattern...", empty for none
};

// Returns the chosen file name, as typed; empty when the operator cancels.
using FileChooser = std::function<QString(QWidget *parent, const FileRequest &request)>;

QString chooseFile(QWidget *parent, const FileRequest &request);
// Replaces the dialogs (an empty chooser puts the real dialogs back).
void setFileChooser(FileChooser chooser);

// "a|*.x|b|*.y" in the dialogs' own notation: "a (*.x);;b (*.y)".
QString dialogFilter(const QString &filter);

// The lines of a text as a file's lines: each ended by CR LF, in UTF-8.
QByteArray linesAsFile(const QStringList &lines);
// The lines of a file's bytes (UTF-8, any line ends); a last line break does
// not start another line, and a byte order mark is dropped.
QStringList linesOfFile(const QByteArray &bytes);
// Writes bytes to path, replacing what was there; on failure returns false
// with the reason in *error.
bool writeFile(const QString &path, const QByteArray &bytes, QString *error);

} // namespace rfid
