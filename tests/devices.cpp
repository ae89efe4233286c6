#include "devices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <pty.h>
#include <unistd.h>

#include "link/frame.h"
#include "link/hextext.h"

namespace rfid::test {

QString scriptedPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/librfidscripted.so");
}

QString virtualPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/librfidvirtual.so");
}

QString fixture(const QString &name)
{
    return QStringLiteral(RFID_FIXTURES_DIR "/") + name;
}

QString missingFixtures()
{
    static const char *const names[] = {
        "pm3-s50-empty.bin",        "pm3-s20-empty.json", "pm3-ntag216-empty.json", "rfidiot-Mf1k_7b-test.nfc",
        "flipper-Slix_cap_default.nfc", "field-mini.nfc", "mini-messy.nfc",        "ultralight-16p.bin",
        "classic-keys.mct",
    };
    QStringList missing;
    for (const char *name : names) {
        if (!QFileInfo(fixture(QLatin1String(name))).isReadable())
            missing << QStringLiteral("missing fixture: ") + fixture(QLatin1String(name));
    }
    return missing.join(QLatin1Char('\n'));
}

QByteArray bytes(const QString &hex)
{
    return hexToBytes(hex);
}

QByteArray response(int status, const QString &dataHex, int address)
{
    const QString body = byteHex(unsigned(address)) + byteHex(unsigned(hexDigits(dataHex).size() / 2 + 1))
        + byteHex(unsigned(status)) + hexDigits(dataHex);
    return hexToBytes(QStringLiteral("AA") + body + byteHex(xorOfHex(body)) + QStringLiteral("BB"));
}

Scripted::Scripted()
    : m_lib(scriptedPath())
{
    if (!m_lib.load())
        qFatal("scripted reader: %s", qPrintable(m_lib.errorString()));
}

void Scripted::reset()
{
    reinterpret_cast<void (*)()>(m_lib.resolve("readerScriptReset"))();
}

void Scripted::respond(const QByteArray &answer, int reported)
{
    reinterpret_cast<void (*)(const unsigned char *, int, int)>(m_lib.resolve("readerScriptRespond"))(
        reinterpret_cast<const unsigned char *>(answer.constData()), int(answer.size()), reported);
}

void Scripted::failWrites(int count)
{
    reinterpret_cast<void (*)(int)>(m_lib.resolve("readerScriptFailWrites"))(count);
}

int Scripted::requestCount()
{
    return reinterpret_cast<int (*)()>(m_lib.resolve("readerScriptRequestCount"))();
}

QByteArray Scripted::request(int index)
{
    QByteArray buffer(1024, 0);
    const int n = reinterpret_cast<int (*)(int, unsigned char *, int)>(m_lib.resolve("readerScriptRequest"))(
        index, reinterpret_cast<unsigned char *>(buffer.data()), int(buffer.size()));
    return n < 0 ? QByteArray() : buffer.left(n);
}

QString Scripted::requestHex(int index)
{
    QString hex = bytesToHex(request(index));
    QStringList pairs;
    for (int i = 0; i + 1 < hex.size(); i += 2)
        pairs << hex.mid(i, 2);
    return pairs.join(u' ');
}

QStringList Scripted::requestsHex()
{
    QStringList out;
    for (int i = 0; i < requestCount(); ++i)
        out << requestHex(i);
    return out;
}

void resetVirtualReader()
{
    QLibrary lib(virtualPath());
    if (!lib.load())
        qFatal("virtual reader: %s", qPrintable(lib.errorString()));
    reinterpret_cast<void (*)()>(lib.resolve("readerReset"))();
}

QString maskTimes(QString line)
{
    static const QRegularExpression time(QStringLiteral("(0[1-9]|1[0-2]):[0-5]\\d:[0-5]\\d [AP]M"));
    return line.replace(time, QStringLiteral("<time>"));
}

Pty::Pty()
{
    char path[256] = {};
    if (openpty(&master, &slave, path, nullptr, nullptr) != 0)
        qFatal("openpty failed");
    name = QString::fromLocal8Bit(path);
}

Pty::~Pty()
{
    ::close(master);
    ::close(slave);
}

void Pty::write(const QByteArray &bytes) const
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            qFatal("write to the pseudo-terminal failed");
        done += n;
    }
}

termios Pty::settings() const
{
    termios t{};
    tcgetattr(slave, &t);
    return t;
}

} // namespace rfid::test
