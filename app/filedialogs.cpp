#include "filedialogs.h"

#include <QFileDialog>
#include <QSaveFile>
#include <QStringList>

namespace rfid {

namespace {
FileChooser &chooser()
{
    static FileChooser c;
    return c;
}
} // namespace

QString dialogFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return out.join(QStringLiteral(";;"));
}

QString chooseFile(QWidget *parent, const FileRequest &request)
{
    if (chooser())
        return chooser()(parent, request);
    const QString filter = dialogFilter(request.filter);
    return request.save ? QFileDialog::getSaveFileName(parent, request.title, QString(), filter)
                        : QFileDialog::getOpenFileName(parent, request.title, QString(), filter);
}

void setFileChooser(FileChooser c)
{
    chooser() = std::move(c);
}

QByteArray linesAsFile(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

QStringList linesOfFile(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.isEmpty())
        return {};
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    // Written beside the old file and then put in its place: a failed write
    // leaves the old file as it was.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);   // a writable file in a locked folder
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace rfid
