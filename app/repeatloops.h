// The repeat loops: while its check box is ticked, a loop clicks its page's
// button(s) over and over with a pause between passes. One table of rows and
// one loop class serve every box, on whatever page it sits.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVector>

class QWidget;

namespace rfid {

class ReaderSession;

enum class LoopWait {
    Delay,    // ends early once the shared recdata holds something
    Delayy,   // always the full time
};

struct LoopRow {
    const char *box;
    const char *buttons[2];   // clicked in order each pass; the second may be null
    LoopWait wait;
    const char *pauseEdit;
    int offset;               // added to the pause edit's number
};

// The fourteen rows, in the order of the table of the design.
const QVector<LoopRow> &loopRows();

// One loop: runs inside its box's click handler, so a loop started during
// another's wait runs inside that wait, as the operator's clicks do.
class RepeatLoop : public QObject
{
    Q_OBJECT
public:
    RepeatLoop(ReaderSession &session, QAbstractButton *box, const QList<QAbstractButton *> &buttons, LoopWait wait,
               QLineEdit *pauseEdit, int offset, QObject *parent = nullptr);

    QAbstractButton *box() const { return m_box; }

public slots:
    // The check box's click handler (CheckBox3Click and the others).
    void run();

private:
    bool pause();

    ReaderSession &m_session;
    QPointer<QAbstractButton> m_box;
    QList<QPointer<QAbstractButton>> m_buttons;
    LoopWait m_wait;
    QPointer<QLineEdit> m_pauseEdit;
    int m_offset;
};

class RepeatLoops : public QObject
{
    Q_OBJECT
public:
    // The loops pause through the session; window holds the pause edits.
    RepeatLoops(ReaderSession &session, QWidget *window);

    // Binds each row whose box and buttons are found under root (the pause
    // edit anywhere in the window); rows with a missing widget are skipped.
    // Returns the number of loops bound.
    int bind(QWidget *root);
    const QList<RepeatLoop *> &loops() const { return m_loops; }

    // The operator changed the page: clears the boxes CheckBox1 to CheckBox11
    // in that order (not CheckBox12 to CheckBox14); a cleared box ends its
    // loop at the loop's next check.
    void pageChanged();

private:
    ReaderSession &m_session;
    QWidget *m_window;
    QList<RepeatLoop *> m_loops;
};

} // namespace rfid
