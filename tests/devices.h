// Test support without a window: the reader libraries, the scripted reader's
// controls, frames as bytes, a pseudo-terminal for the serial path and log
// lines with their time stamps masked.
#pragma once

#include <QByteArray>
#include <QLibrary>
#include <QString>
#include <QStringList>

#include <termios.h>

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

// Replaces every "hh:mm:ss AM/PM" with "<time>".
QString maskTimes(QString line);

// A pseudo-terminal pair; the slave's name is what the operator types.
struct Pty {
    Pty();
    ~Pty();
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;
    // Writes all of bytes into the master end, as the reader would.
    void write(const QByteArray &bytes) const;
    termios settings() const;

    int master = -1;
    int slave = -1;
    QString name;
};

} // namespace rfid::test
