// The log pane: entries are only ever added at its end, and it stays editable.
// Added entries stay out of the undo history, so undo takes back the operator's
// own last edit and the history does not grow with the log. It holds the most
// recent lines only (maxLines); every entry also goes to the session log on
// disk, which keeps them all.
#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QVector>

#include "sessionlog.h"

namespace rfid {

class LogPane : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit LogPane(QWidget *parent = nullptr);

    // One entry at the end; CR LF (or LF) inside or at its end breaks lines, so
    // an entry ending in CR LF leaves an empty line after it. Entries reach the
    // document in batches (at most every kFlushMs, and before anything reads or
    // edits the pane), so a fast loop of commands does not lay out and paint
    // the pane once per line.
    void addEntry(const QString &entry);
    // Puts pending entries into the document now.
    void flush();
    // The pane's lines, in order.
    QStringList lines();

    static constexpr int kFlushMs = 20;
    static constexpr int kDefaultMaxLines = 200000;
    // From this many lines on, the pane may hold 1 % more between drops.
    static constexpr int kTrimInStepsFrom = 10000;

    // At most this many lines stay (1 % more in a pane of kTrimInStepsFrom
    // lines or more); older ones leave from the top, and the first time they
    // do a notice line says where the full log is.
    void setMaxLines(int lines);
    int maxLines() const { return m_maxLines; }
    // Where every entry is also written (owned by the pane from now on).
    void setSessionLog(SessionLog *log);
    SessionLog *sessionLog() const { return m_sessionLog; }
    // Lines added by entries since the start (notices not counted).
    qint64 linesAdded() const { return m_linesAdded; }

    bool canUndoEdit() const { return !m_undo.isEmpty(); }

public slots:
    void undoEdit();
    void clearAll();
    // Cut as the context menu does it: recorded, so undo takes it back.
    void cutEdit();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;
    void dropEvent(QDropEvent *e) override;

private:
    struct Edit {
        int start;          // region start
        int endAfter;       // region end after the edit
        QString before;     // region text before the edit
    };
    struct Region {
        int start, end, length;
        QString text;
    };
    Region regionAroundSelection() const;
    // Appends text at the end, dropping the oldest lines beyond maxLines;
    // dropped: entries of this batch were dropped before they showed.
    void appendBounded(const QString &text, bool dropped);
    QString droppedNotice() const;
    template <typename F> void recordEdit(F &&doEdit);

    QVector<Edit> m_undo;
    QStringList m_pending;
    QTimer m_flushTimer;
    int m_maxLines = kDefaultMaxLines;
    bool m_noticeShown = false;
    qint64 m_linesAdded = 0;
    QPointer<SessionLog> m_sessionLog;
};

} // namespace rfid
