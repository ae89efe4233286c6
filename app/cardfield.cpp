#include "cardfield.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#include "link/readerlibrary.h"
#include "link/response.h"
#include "link/timestamp.h"

namespace rfid {

namespace {
using FieldFn = int (*)(const char *, char *, int);
constexpr int kReportCapacity = 256 * 1024;

// Calls the export on path; each line of its report becomes a log entry.
int callField(ReaderLibrary &library, const char *exportName, const QString &path, const LogSink &log)
{
    const auto fn = reinterpret_cast<FieldFn>(library.optional(exportName));
    if (!fn) {
        log(QStringLiteral("Reader library %1 has no card field (%2); %3 is not used.   ")
                .arg(library.path(), QLatin1String(exportName), path)
            + timeStamp() + kCrLf);
        return -2;
    }
    QByteArray report(kReportCapacity, '\0');
    const int result = fn(QFile::encodeName(path).constData(), report.data(), int(report.size()));
    const QStringList lines = QString::fromUtf8(report.constData()).split(u'\n', Qt::SkipEmptyParts);
    for (int i = 0; i < lines.size(); ++i)
        log(i + 1 == lines.size() ? lines[i] + QStringLiteral("   ") + timeStamp() + kCrLf : lines[i]);
    return result;
}
} // namespace

int loadCardField(ReaderLibrary &library, const QString &fieldFile, const LogSink &log)
{
    const int loaded = callField(library, "readerLoadField", fieldFile, log);
    return loaded < 0 ? -1 : loaded;
}

QString saveFolderProblem(const QString &dir)
{
    std::error_code ec;
    std::filesystem::create_directories(QFile::encodeName(dir).toStdString(), ec);
    if (!QFileInfo(dir).isDir())
        return ec ? QString::fromLocal8Bit(ec.message()) : QStringLiteral("not a folder");
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".rfid-save-check-XXXXXX")));
    if (!probe.open())
        return QStringLiteral("no file can be written in it: ") + probe.errorString();
    return {};
}

bool saveCardField(ReaderLibrary &library, const QString &dir, const LogSink &log)
{
    return callField(library, "readerSaveField", dir, log) >= 0;
}

} // namespace rfid
