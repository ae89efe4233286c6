#include "repeatloops.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <climits>

#include "session/readersession.h"
#include "console.h"

namespace rfid {

const QVector<LoopRow> &loopRows()
{
    using W = LoopWait;
    static const QVector<LoopRow> rows = {
        {"CheckBox3", {"Button3", nullptr}, W::Delay, "Edit6", 0},
        {"CheckBox2", {"Button8", nullptr}, W::Delayy, "Edit22", 0},
        {"CheckBox1", {"Button9", nullptr}, W::Delayy, "Edit22", 10},
        {"CheckBox4", {"Button29", nullptr}, W::Delay, "Edit22", 10},
        {"CheckBox12", {"Button9", "Button8"}, W::Delayy, "Edit22", 10},
        {"CheckBox8", {"Button55", nullptr}, W::Delay, "Edit22", 10},
        {"CheckBox9", {"Button18", nullptr}, W::Delay, "Edit22", 50},
        {"CheckBox10", {"Button54", nullptr}, W::Delayy, "Edit22", 100},
        {"CheckBox11", {"Button31", nullptr}, W::Delay, "Edit22", 10},
        {"CheckBox13", {"Button19", nullptr}, W::Delayy, "Edit22", 0},
        {"CheckBox14", {"Button22", nullptr}, W::Delayy, "Edit22", 0},
        {"CheckBox5", {"Button37", nullptr}, W::Delay, "Edit22", 10},
        {"CheckBox6", {"Button38", nullptr}, W::Delay, "Edit22", 10},
        {"CheckBox7", {"Button39", nullptr}, W::Delay, "Edit22", 10},
    };
    return rows;
}

RepeatLoop::RepeatLoop(ReaderSession &session, QAbstractButton *box, const QList<QAbstractButton *> &buttons,
                       LoopWait wait, QLineEdit *pauseEdit, int offset, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_box(box)
    , m_wait(wait)
    , m_pauseEdit(pauseEdit)
    , m_offset(offset)
{
    for (QAbstractButton *b : buttons)
        m_buttons.append(b);
    connect(box, &QAbstractButton::clicked, this, &RepeatLoop::run);
}

void RepeatLoop::run()
{
    // Clearing the box runs this too; it finds the box cleared and returns.
    while (m_box && m_box->isChecked()) {
        for (const QPointer<QAbstractButton> &button : m_buttons) {
            if (!button)
                return;
            button->click();   // the whole handler, as the operator's click
            if (!pause())
                return;
        }
    }
}

bool RepeatLoop::pause()
{
    if (!m_pauseEdit)
        return false;
    const QString text = m_pauseEdit->text();
    const std::optional<qint64> ms = pauseMs(text, m_offset);
    if (!ms) {
        // Reported once: the console's send has already said so when it
        // cleared the box.
        if (m_box && m_box->isChecked()) {
            m_session.log(pauseRefusal(m_pauseEdit->accessibleName(), text));
            m_box->setChecked(false);
        }
        return false;
    }
    // The edit's largest number plus the offset exceeds an int: the pause is
    // waited out in parts.
    qint64 left = *ms;
    do {
        const int part = int(qMin<qint64>(left, INT_MAX));
        if (m_wait == LoopWait::Delay) {
            m_session.Delay(part);
            if (!m_session.recdata().isEmpty())
                break;
        } else {
            m_session.Delayy(part);
        }
        left -= part;
    } while (left > 0);
    return true;
}

RepeatLoops::RepeatLoops(ReaderSession &session, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_window(window)
{
    setObjectName(QStringLiteral("RepeatLoops"));
}

int RepeatLoops::bind(QWidget *root)
{
    int bound = 0;
    for (const LoopRow &row : loopRows()) {
        auto *box = root->findChild<QAbstractButton *>(QString::fromLatin1(row.box));
        auto *pauseEdit = root->findChild<QLineEdit *>(QString::fromLatin1(row.pauseEdit));
        if (!pauseEdit)
            pauseEdit = m_window->findChild<QLineEdit *>(QString::fromLatin1(row.pauseEdit));
        QList<QAbstractButton *> buttons;
        for (const char *name : row.buttons)
            if (name)
                buttons.append(root->findChild<QAbstractButton *>(QString::fromLatin1(name)));
        if (!box || !pauseEdit || buttons.contains(nullptr))
            continue;
        m_loops.append(new RepeatLoop(m_session, box, buttons, row.wait, pauseEdit, row.offset, this));
        ++bound;
    }
    return bound;
}

void RepeatLoops::pageChanged()
{
    for (int i = 1; i <= 11; ++i) {
        const QString name = QStringLiteral("CheckBox%1").arg(i);
        for (RepeatLoop *loop : std::as_const(m_loops))
            if (loop->box() && loop->box()->objectName() == name)
                loop->box()->setChecked(false);
    }
}

} // namespace rfid
