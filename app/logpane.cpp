#include "logpane.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "sessionlog.h"

namespace rfid {

namespace {
constexpr int kUndoDepth = 100;

QString selectionText(QTextDocument *doc, int start, int end)
{
    QTextCursor c(doc);
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    return c.selectedText();   // blocks separated by U+2029, which insertText turns back into blocks
}
} // namespace

LogPane::LogPane(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("RichEdit1"));
    setAccessibleName(QStringLiteral("Log"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The document's own history would record every added entry; edits are
    // tracked here instead (see recordEdit).
    document()->setUndoRedoEnabled(false);
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(kFlushMs);
    connect(&m_flushTimer, &QTimer::timeout, this, &LogPane::flush);
}

void LogPane::setMaxLines(int lines)
{
    m_maxLines = qMax(1, lines);
    flush();
}

void LogPane::setSessionLog(SessionLog *log)
{
    if (log)
        log->setParent(this);
    m_sessionLog = log;
}

void LogPane::addEntry(const QString &entry)
{
    QString text = entry;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A lone CR breaks the line in the pane as well.
    m_linesAdded += 1 + text.count(u'\n') + text.count(u'\r');
    if (m_sessionLog)
        m_sessionLog->append(text);
    m_pending.append(text);
    if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

void LogPane::flush()
{
    m_flushTimer.stop();
    if (m_pending.isEmpty())
        return;
    // One paragraph per entry, as appending them one by one would give.
    // Only the last maxLines entries can stay: older ones of this batch go
    // straight to the file, never into the pane.
    const bool tooMany = m_pending.size() > m_maxLines;
    if (tooMany)
        m_pending.remove(0, m_pending.size() - m_maxLines);
    const QString text = m_pending.join(u'\n');
    m_pending.clear();
    appendBounded(text, tooMany);
}

QString LogPane::droppedNotice() const
{
    const QString kept = QStringLiteral("This pane keeps the last %1 lines; older lines leave it from the top.").arg(m_maxLines);
    if (m_sessionLog && m_sessionLog->isOpen())
        return kept + QStringLiteral(" The full log is in %1").arg(m_sessionLog->filePath());
    return kept + QStringLiteral(" No full log is kept on disk")
        + (m_sessionLog ? QStringLiteral(": ") + m_sessionLog->error() : QStringLiteral("."));
}

void LogPane::appendBounded(const QString &text, bool dropped)
{
    QTextDocument *doc = document();
    const int before = doc->characterCount();
    int appended = int(text.size()) + (doc->isEmpty() ? 0 : 1);   // a paragraph break before it
    appendPlainText(text);
    // Dropping lines costs per call as well as per line: a big pane lets 1 %
    // more gather and drops them in one go.
    const int slack = m_maxLines >= kTrimInStepsFrom ? m_maxLines / 100 : 0;
    if (!dropped && doc->blockCount() <= m_maxLines + slack)
        return;
    if (!m_noticeShown) {
        m_noticeShown = true;
        const QString notice = droppedNotice();
        appended += int(notice.size()) + 1;
        appendPlainText(notice);
    }
    // Removed here rather than by the document's own maximum block count,
    // which left the pane of a long loop at about 165 MiB instead of 95 MiB.
    if (doc->blockCount() > m_maxLines) {
        QTextCursor c(doc);
        c.setPosition(doc->findBlockByNumber(doc->blockCount() - m_maxLines).position(), QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }
    const int removed = before + appended - doc->characterCount();
    if (removed <= 0)
        return;
    // The operator's edits sit that much nearer the top now; an edit in the
    // dropped lines (and all before it) can no longer be taken back.
    qsizetype keepFrom = 0;
    for (qsizetype i = 0; i < m_undo.size(); ++i) {
        m_undo[i].start -= removed;
        m_undo[i].endAfter -= removed;
        if (m_undo[i].start < 0)
            keepFrom = i + 1;
    }
    m_undo.remove(0, keepFrom);
}

QStringList LogPane::lines()
{
    flush();
    QStringList out;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        out.append(b.text());
    return out;
}

LogPane::Region LogPane::regionAroundSelection() const
{
    // Any single operator edit (a key, a word deletion, a paste over the
    // selection) stays within the blocks touching the selection and its
    // neighbouring characters.
    QTextDocument *doc = document();
    const QTextCursor c = textCursor();
    const int last = doc->characterCount() - 1;
    const QTextBlock first = doc->findBlock(qMax(0, c.selectionStart() - 1));
    const QTextBlock lastBlock = doc->findBlock(qMin(last, c.selectionEnd() + 1));
    Region r;
    r.start = first.position();
    r.end = qMin(last, lastBlock.position() + lastBlock.length() - 1);
    r.length = doc->characterCount();
    r.text = selectionText(doc, r.start, r.end);
    return r;
}

template <typename F> void LogPane::recordEdit(F &&doEdit)
{
    flush();   // the edit's positions are those of the full text
    if (isReadOnly()) {
        doEdit();
        return;
    }
    const Region before = regionAroundSelection();
    doEdit();
    const int endAfter = before.end + document()->characterCount() - before.length;
    if (endAfter < before.start)
        return;
    if (endAfter - before.start == before.end - before.start
        && selectionText(document(), before.start, endAfter) == before.text)
        return;   // nothing changed (a cursor move, a copy)
    m_undo.append({before.start, endAfter, before.text});
    if (m_undo.size() > kUndoDepth)
        m_undo.removeFirst();
}

void LogPane::undoEdit()
{
    flush();
    if (m_undo.isEmpty())
        return;
    const Edit e = m_undo.takeLast();
    QTextCursor c(document());
    c.setPosition(e.start);
    c.setPosition(qMin(e.endAfter, document()->characterCount() - 1), QTextCursor::KeepAnchor);
    c.insertText(e.before);
    setTextCursor(c);
}

void LogPane::clearAll()
{
    m_pending.clear();   // entries added before the clearing go with it
    m_noticeShown = false;   // a pane filled again says it again
    m_flushTimer.stop();
    clear();
    m_undo.clear();
}

void LogPane::cutEdit()
{
    recordEdit([&] { cut(); });
}

void LogPane::keyPressEvent(QKeyEvent *e)
{
    if (e == QKeySequence::Undo) {
        undoEdit();
        return;
    }
    recordEdit([&] { QPlainTextEdit::keyPressEvent(e); });
}

void LogPane::inputMethodEvent(QInputMethodEvent *e)
{
    recordEdit([&] { QPlainTextEdit::inputMethodEvent(e); });
}

void LogPane::insertFromMimeData(const QMimeData *source)
{
    recordEdit([&] { QPlainTextEdit::insertFromMimeData(source); });
}

void LogPane::dropEvent(QDropEvent *e)
{
    // A drag may move text between distant places; it cannot be taken back here.
    flush();
    QPlainTextEdit::dropEvent(e);
    m_undo.clear();
}

} // namespace rfid
