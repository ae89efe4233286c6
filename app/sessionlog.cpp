#include "sessionlog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace rfid {

namespace {
// Past this much the batch goes out at once, so that a fast loop keeps
// little in memory.
constexpr qsizetype kWriteAtBytes = 256 * 1024;
const QString kPattern = QStringLiteral("rfid-*.log");
} // namespace

QString SessionLog::defaultDir()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/rfid/logs");
}

SessionLog::SessionLog(const QString &dir, Limits limits, QObject *parent)
    : QObject(parent)
    , m_dir(QDir(dir).absolutePath())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kFlushMs);
    connect(&m_timer, &QTimer::timeout, this, &SessionLog::flush);
    if (!QDir().mkpath(dir)) {
        m_error = QStringLiteral("the folder %1 cannot be made").arg(dir);
        return;
    }
    prune(dir, limits);
    // Named by the start time, so that names sort as the starts did; a second
    // start within the same second gets a number.
    const QString stem = dir + QStringLiteral("/rfid-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    for (int n = 1; n < 100 && !m_file.isOpen(); ++n) {
        m_path = stem + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + QStringLiteral(".log");
        m_file.setFileName(m_path);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)
            && !QFileInfo::exists(m_path))
            break;   // not a name taken: another reason
    }
    if (!m_file.isOpen()) {
        m_error = QStringLiteral("%1 cannot be made: %2").arg(m_path, m_file.errorString());
        m_path.clear();
    }
}

SessionLog::~SessionLog()
{
    flush();
}

void SessionLog::prune(const QString &dir, Limits limits)
{
    // Newest first; the oldest go while there are too many or they are too big.
    const QFileInfoList files = QDir(dir).entryInfoList({kPattern}, QDir::Files, QDir::Time);
    qint64 bytes = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        bytes += files[i].size();
        if (i + 1 >= limits.keepFiles || bytes > limits.keepBytes)
            QFile::remove(files[i].filePath());
    }
}

void SessionLog::append(const QString &entry)
{
    if (!m_file.isOpen())
        return;
    if (entry.contains(u'\r') || entry.contains(u'\n')) {
        QString text = entry;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        m_buffer += text.toUtf8();
    } else {
        m_buffer += entry.toUtf8();
    }
    m_buffer += "\r\n";
    if (m_buffer.size() >= kWriteAtBytes)
        flush();
    else if (!m_timer.isActive())
        m_timer.start();
}

void SessionLog::flush()
{
    m_timer.stop();
    if (m_buffer.isEmpty() || !m_file.isOpen())
        return;
    const qint64 written = m_file.write(m_buffer);
    if (written != m_buffer.size()) {
        const QString message = QStringLiteral("The session log %1 cannot be written: %2; it ends here.")
                                    .arg(m_path, m_file.errorString());
        m_file.close();
        m_buffer.clear();
        emit failed(message);
        return;
    }
    m_buffer.clear();
}

} // namespace rfid
