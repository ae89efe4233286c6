#include "support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "app/tform1.h"

namespace rfid::test {

Window::Window(const QString &readerPath, bool allPages)
{
    WindowOptions options;
    options.readerPath = readerPath;
    options.allPages = allPages;
    m_form = std::make_unique<TForm1>(options);
    m_form->show();
}

Window::Window(const WindowOptions &options)
{
    m_form = std::make_unique<TForm1>(options);
    m_form->show();
}

Window::~Window() = default;

ReaderSession &Window::session()
{
    return m_form->session();
}

QWidget *Window::root() const
{
    return m_form.get();
}

void Window::click(const QString &button)
{
    auto *b = find<QAbstractButton>(button);
    if (!b)
        qFatal("no button %s", qPrintable(button));
    b->click();
}

void Window::setText(const QString &edit, const QString &text)
{
    if (auto *e = find<QLineEdit>(edit)) {
        e->setText(text);
        return;
    }
    if (auto *c = find<QComboBox>(edit)) {
        c->setEditText(text);
        return;
    }
    qFatal("no edit %s", qPrintable(edit));
}

void Window::choose(const QString &combo, const QString &item)
{
    auto *c = find<QComboBox>(combo);
    if (!c || c->findText(item) < 0)
        qFatal("no combo %s with item %s", qPrintable(combo), qPrintable(item));
    c->setCurrentIndex(c->findText(item));
}

void Window::check(const QString &box, bool on)
{
    auto *b = find<QAbstractButton>(box);
    if (!b)
        qFatal("no check box %s", qPrintable(box));
    b->setChecked(on);
}

QStringList linesOfClick(const QString &button, const QByteArray &answer)
{
    Window w(scriptedPath());
    Scripted script;
    script.reset();
    script.respond(answer);
    w.click(button);
    return w.lines();
}

QStringList Window::lines() const
{
    QStringList out;
    for (const QString &l : m_form->logPane()->lines())
        out << maskTimes(l);
    // An empty pane still has its one empty block.
    if (out.size() == 1 && out.first().isEmpty())
        out.clear();
    return out;
}

QStringList Window::takeLines()
{
    const QStringList all = lines();
    const QStringList fresh = all.mid(m_taken);
    m_taken = int(all.size());
    return fresh;
}

void Window::clearLog()
{
    m_form->logPane()->clearAll();
    m_taken = 0;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace rfid::test
