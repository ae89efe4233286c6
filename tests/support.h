// Test support: the window on a reader library, driven by object names, and
// its log lines with their time stamps masked.
#pragma once

#include <QStringList>
#include <memory>

#include "app/filedialogs.h"
#include "app/logpane.h"
#include "session/readersession.h"
#include "devices.h"

class QWidget;

namespace rfid {
class TForm1;
struct WindowOptions;
}

namespace rfid::test {

// A main window on a reader library, with helpers to drive it.
class Window
{
public:
    explicit Window(const QString &readerPath, bool allPages = true);
    explicit Window(const WindowOptions &options);   // as given (allPages too)
    ~Window();

    TForm1 &form() { return *m_form; }
    ReaderSession &session();
    template <typename T = QWidget> T *find(const QString &name) const
    {
        return root()->findChild<T *>(name);
    }
    void click(const QString &button);
    void setText(const QString &edit, const QString &text);   // line edits and editable combos
    void choose(const QString &combo, const QString &item);   // by item text
    void check(const QString &box, bool on = true);            // check boxes and radio buttons
    QStringList lines() const;                                  // log lines, times as <time>
    QStringList takeLines();                                    // lines added since the last take
    void clearLog();

private:
    QWidget *root() const;

    std::unique_ptr<TForm1> m_form;
    int m_taken = 0;
};

// The log lines of one click on button in a fresh window on the scripted
// reader, whose exchange gets answer (empty: no answer).
QStringList linesOfClick(const QString &button, const QByteArray &answer);

// The bytes of a file, "<unreadable>" when it cannot be read.
QByteArray fileBytes(const QString &path);

// Answers the file dialogs with a chosen name and remembers what they asked.
struct Chooser {
    explicit Chooser(const QString &answer)
    {
        setFileChooser([this, answer](QWidget *, const FileRequest &r) {
            requests << r;
            return answer;
        });
    }
    ~Chooser() { setFileChooser({}); }
    QList<FileRequest> requests;
};

} // namespace rfid::test
