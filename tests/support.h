// Test support: the window on a reader library, the scripted reader's
// controls, and log lines with their time stamps masked.
#pragma once

#include <QByteArray>
#include <QLibrary>
#include <QStringList>
#include <memory>

#include "../app/filedialogs.h"
#include "../app/logpane.h"
#include "../app/tform1.h"

class QWidget;

namespace rfid::test {

QString scriptedPath();
QString virtualPath();

// The card dumps the tests read, in tests/fixtures/dumps.
QString fixture(const QString &name);
// Empty when every dump of that folder that the tests read is there; else a
// message naming each missing path (checked first, so that none aborts a test).
QString missingFixtures();

// Bytes of hex text ("AA 00 01 ...").
QByteArray bytes(const QString &hex);
// A well-formed response frame: AA addr L status data xor BB.
QByteArray response(int status, const QString &dataHex = {}, int address = 0);

// The scripted reader, reached through the same module the window loads.
class Scripted
{
public:
    Scripted();
    void reset();
    void respond(const QByteArray &answer, int reported = -1);   // empty: no answer
    void failWrites(int count);
    int requestCount();
    QByteArray request(int index);
    QString requestHex(int index);   // upper-case, blanks between bytes
    QStringList requestsHex();

private:
    QLibrary m_lib;
};

// Resets the virtual reader to its state at load.
void resetVirtualReader();

// A main window on a reader library, with helpers to drive it.
class Window
{
public:
    explicit Window(const QString &readerPath, bool allPages = true);
    explicit Window(const WindowOptions &options);   // as given (allPages too)
    ~Window();

    TForm1 &form() { return *m_form; }
    template <typename T = QWidget> T *find(const QString &name) const
    {
        return m_form->findChild<T *>(name);
    }
    void click(const QString &button);
    void setText(const QString &edit, const QString &text);   // line edits and editable combos
    void choose(const QString &combo, const QString &item);   // by item text
    void check(const QString &box, bool on = true);            // check boxes and radio buttons
    QStringList lines() const;                                  // log lines, times as <time>
    QStringList takeLines();                                    // lines added since the last take
    void clearLog();

private:
    std::unique_ptr<TForm1> m_form;
    int m_taken = 0;
};

// The log lines of one click on button in a fresh window on the scripted
// reader, whose exchange gets answer (empty: no answer).
QStringList linesOfClick(const QString &button, const QByteArray &answer);

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

// Replaces every "hh:mm:ss AM/PM" with "<time>".
QString maskTimes(QString line);

} // namespace rfid::test
