// The real hid reader library on a machine without a reader: both exports
// fail at once and say why, and the tool started on it (its default) logs the
// failed write and the missing answer without waiting long.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>

#include <unistd.h>

#include "link/readerdevices.h"
#include "link/readerlibrary.h"
#include "readers/reader_api.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
constexpr int kTimeoutMs = 500;   // the library's answer time-out

QString hidPath()
{
    return readerLibraryPath(QStringLiteral("hid"), QCoreApplication::applicationDirPath());
}

// What the code run by f writes to stderr.
template <typename F> QString stderrOf(F f)
{
    QTemporaryFile file;
    if (!file.open())
        qFatal("no temporary file");
    std::fflush(stderr);
    const int saved = dup(2);
    dup2(file.handle(), 2);
    f();
    std::fflush(stderr);
    dup2(saved, 2);
    ::close(saved);
    file.seek(0);
    return QString::fromUtf8(file.readAll());
}
} // namespace

class TestHidLibrary : public QObject
{
    Q_OBJECT
private slots:
    void noReader_data()
    {
        QTest::addColumn<QByteArray>("device");   // RFID_HID_DEVICE; null: unset
        QTest::addColumn<QString>("said");
        QTest::newRow("unset") << QByteArray() << "rfidhid: no reader is named: set RFID_HID_DEVICE";
        QTest::newRow("absent IDs") << QByteArray("ffff:fffe") << "rfidhid: no reader ffff:fffe is plugged in";
        QTest::newRow("absent path") << QByteArray("/dev/hidraw-absent") << "rfidhid: /dev/hidraw-absent does not exist";
        QTest::newRow("not a hidraw node") << QByteArray("/dev/null") << "rfidhid: /dev/null is not a hidraw node";
        QTest::newRow("malformed") << QByteArray("reader") << "rfidhid: RFID_HID_DEVICE=reader is neither VID:PID";
    }
    void noReader()
    {
        QFETCH(QByteArray, device);
        QFETCH(QString, said);
        if (device.isNull())
            qunsetenv("RFID_HID_DEVICE");
        else
            qputenv("RFID_HID_DEVICE", device);
        QLibrary lib(hidPath());
        QVERIFY2(lib.load(), qPrintable(lib.errorString()));
        auto write = reinterpret_cast<HidWriteDataFn>(lib.resolve("hidWriteData"));
        auto read = reinterpret_cast<HidReadDataFn>(lib.resolve("hidReadData"));
        QVERIFY(write && read);

        unsigned char frame[] = {0xAA, 0x00, 0x01, 0x83, 0x82, 0xBB};
        QByteArray buffer(256, 0);
        int written = -1, delivered = -1;
        QElapsedTimer clock;
        clock.start();
        const QString err = stderrOf([&] {
            written = write(0, int(sizeof frame), frame);
            delivered = read(0, 245, reinterpret_cast<unsigned char *>(buffer.data()));
        });
        const qint64 ms = clock.elapsed();
        QCOMPARE(written, 0);
        QCOMPARE(delivered, 0);
        QCOMPARE(buffer, QByteArray(256, 0));
        qInfo("both exports without a reader: %lld ms", ms);
        QVERIFY2(ms < kTimeoutMs, qPrintable(QString::number(ms)));
        QVERIFY2(err.startsWith(said), qPrintable(err));
        qunsetenv("RFID_HID_DEVICE");
    }

    // The virtual library lists itself and takes only itself; the hid library
    // lists whatever is plugged in here and refuses a malformed id; a library
    // without the exports does not list.
    void deviceExports()
    {
        qunsetenv("RFID_HID_DEVICE");
        const QString dir = QCoreApplication::applicationDirPath();
        ReaderLibrary virt(readerLibraryPath(QStringLiteral("virtual"), dir));
        QCOMPARE(listReaderDevices(virt), QList<ReaderDevice>({{"virtual", "Virtual reader", {}, {}, {}, {}, true}}));
        QCOMPARE(selectReaderDevice(virt, QStringLiteral("virtual")), DeviceChoice::Taken);
        QCOMPARE(selectReaderDevice(virt, QStringLiteral("1234:abcd")), DeviceChoice::Unknown);

        ReaderLibrary hid(hidPath());
        const auto found = listReaderDevices(hid);
        QVERIFY(found);
        for (const ReaderDevice &d : *found)
            QVERIFY2(!d.id.isEmpty() && !d.inUse, qPrintable(d.id));   // nothing is chosen yet
        QCOMPARE(selectReaderDevice(hid, QStringLiteral("reader")), DeviceChoice::Unknown);
        qputenv("RFID_HID_DEVICE", "ffff:fffe");
        QCOMPARE(selectReaderDevice(hid, QStringLiteral("ffff:fffd")), DeviceChoice::Fixed);
        qunsetenv("RFID_HID_DEVICE");
        QCOMPARE(selectReaderDevice(hid, QString()), DeviceChoice::Taken);   // none chosen, as at start

        ReaderLibrary scripted(dir + QStringLiteral("/librfidscripted.so"));
        QVERIFY(!listReaderDevices(scripted));
        QCOMPARE(selectReaderDevice(scripted, QStringLiteral("virtual")), DeviceChoice::Unsupported);
    }

    void windowWithoutReader()
    {
        qunsetenv("RFID_HID_DEVICE");
        Window w(hidPath());
        w.check(QStringLiteral("RadioButton15"));
        QElapsedTimer clock;
        clock.start();
        w.click(QStringLiteral("Button24"));
        const qint64 ms = clock.elapsed();
        QCOMPARE(w.lines(), QStringList({"Non data receiving,Please check the equipment....",
                                         "Data error，no data recevice..   <time>", ""}));
        qInfo("Set without a reader: both lines after %lld ms", ms);
        QVERIFY2(ms < kTimeoutMs, qPrintable(QString::number(ms)));
    }

    // Started without options, the tool runs on the hid library and stays up.
    void toolStartsOnItsDefault()
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("RFID_HID_DEVICE"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        tool.setProcessEnvironment(env);
        tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/rfid"), {});
        QVERIFY(tool.waitForStarted());
        QVERIFY(!tool.waitForFinished(1500));
        QCOMPARE(tool.state(), QProcess::Running);
        tool.kill();
        tool.waitForFinished();
    }
};

QTEST_MAIN(TestHidLibrary)
#include "test_hidlibrary.moc"
