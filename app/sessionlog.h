// The session log: every line that enters the log pane also goes to a file,
// one file per program start, so that the pane can stay bounded while a loop
// runs all night and no line is lost with the pane or the program.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

namespace rfid {

// What stays of earlier starts' files: with the new one at most keepFiles
// files, and the earlier ones at most keepBytes together.
struct SessionLogLimits {
    int keepFiles = 20;
    qint64 keepBytes = qint64(1) << 30;
};

class SessionLog : public QObject
{
    Q_OBJECT
public:
    using Limits = SessionLogLimits;
    // Written at least this often, and at every orderly end.
    static constexpr int kFlushMs = 1000;

    // $XDG_STATE_HOME/rfid/logs, or ~/.local/state/rfid/logs.
    static QString defaultDir();

    // Makes dir, removes the oldest files beyond limits and opens a new file
    // named by the start time. When that fails, error() says why.
    explicit SessionLog(const QString &dir, Limits limits = {}, QObject *parent = nullptr);
    ~SessionLog() override;

    bool isOpen() const { return m_file.isOpen(); }
    QString filePath() const { return m_path; }
    QString dir() const { return m_dir; }
    QString error() const { return m_error; }

    // One pane entry (lines broken by '\n', '\r' or CR LF); each of its lines
    // becomes a file line ended by CR LF. Written in batches.
    void append(const QString &entry);
    void flush();

signals:
    // Writing failed (disk full, file gone); nothing more is written.
    void failed(const QString &message);

private:
    void prune(const QString &dir, Limits limits);

    QFile m_file;
    QString m_dir;
    QString m_path;
    QString m_error;
    QByteArray m_buffer;
    QTimer m_timer;
};

} // namespace rfid
