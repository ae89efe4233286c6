// The serial path on a real pseudo-terminal: the window opens one end with its
// serial port, the test writes the reader's bytes into the other.
#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "app/commgroup.h"
#include "app/tform1.h"
#include "link/hextext.h"
#include "protocol/outputformat.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {

QSerialPort *comm(Window &w)
{
    return w.find<QSerialPort>(QStringLiteral("Comm1"));
}

bool enabled(Window &w, const char *button)
{
    return w.find<QAbstractButton>(QString::fromLatin1(button))->isEnabled();
}

// The operator types the port's name and presses Enter.
void choosePort(Window &w, const QString &name)
{
    auto *box = w.find<QComboBox>(QStringLiteral("ComboBox1"));
    box->setEditText(name);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
}

void openOn(Window &w, const Pty &pty, const char *mode)
{
    w.check(QString::fromLatin1(mode));
    choosePort(w, pty.name);
    QVERIFY(comm(w)->isOpen());
    w.takeLines();
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

const QString kCard = QStringLiteral("卡的ID号码为： ");

// The lines added from now on, once there are at least `count` of them.
QStringList nextLines(Window &w, int count)
{
    QStringList got;
    (void)QTest::qWaitFor([&] { return (got += w.takeLines()).size() >= count; }, 5000);
    QTest::qWait(50);   // and nothing more follows
    return got + w.takeLines();
}

} // namespace

class TestSerial : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
    }

    void opensListeningAt9600_8N1()
    {
        Pty pty;
        Window w(scriptedPath());
        QVERIFY(enabled(w, "Button1") && enabled(w, "Button2"));
        choosePort(w, pty.name);
        QSerialPort *port = comm(w);
        QVERIFY(port->isOpen());
        QCOMPARE(port->openMode(), QIODevice::ReadOnly);   // the path only listens
        QVERIFY(!enabled(w, "Button1") && enabled(w, "Button2"));
        QCOMPARE(w.lines(), QStringList());

        const termios t = pty.settings();
        QCOMPARE(cfgetispeed(&t), speed_t(B9600));
        QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
        QCOMPARE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
        QCOMPARE(t.c_iflag & (IXON | IXOFF | IXANY), tcflag_t(0));

        w.click(QStringLiteral("Button2"));
        QVERIFY(!port->isOpen());
        QVERIFY(enabled(w, "Button1") && !enabled(w, "Button2"));
        w.click(QStringLiteral("Button1"));   // the chosen port again
        QVERIFY(port->isOpen());
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("held");   // already open elsewhere
        QTest::addColumn<QString>("line");
        QTest::newRow("no such port") << "/dev/nonexistent-tty" << false << "串口 %1 打开失败：";
        QTest::newRow("not a serial device") << "/dev/null" << false << "串口 %1 打开失败：";
        QTest::newRow("already open") << "" << true << "串口 %1 打开失败：";
        QTest::newRow("no port chosen") << "   " << false << "未选择串口：";
    }
    void openFailures()
    {
        QFETCH(QString, port);
        QFETCH(bool, held);
        QFETCH(QString, line);
        Pty pty;
        QSerialPort other(pty.name);
        if (held) {
            QVERIFY(other.open(QIODevice::ReadOnly));
            port = pty.name;
        }
        Window w(scriptedPath());
        w.find<QComboBox>(QStringLiteral("ComboBox1"))->setEditText(port);
        w.click(QStringLiteral("Button1"));
        line.replace(QStringLiteral("%1"), port);
        const QStringList lines = w.lines();
        QCOMPARE(lines.size(), 2);   // one entry, ending in an empty line
        QVERIFY2(lines[0].startsWith(line) && lines[0].endsWith(QStringLiteral("   <time>")), qPrintable(lines[0]));
        QVERIFY2(lines[0].size() > line.size() + 9, "the reason is named");
        QVERIFY(!comm(w)->isOpen());
        QVERIFY(enabled(w, "Button1") && enabled(w, "Button2"));
    }

    void arrivals_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("arrival");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("recdata");
        const QString detect = QStringLiteral("RadioButton19");
        QTest::newRow("S50/S70") << detect << "02 01 A1 B2 C3 D4"
                                 << QStringList{"检测到S50/S70卡", kCard + "A1B2C3D4", ""} << "";
        QTest::newRow("Ultralight") << detect << "00 02 01 02 03 04 05 06 07"
                                    << QStringList{"检测到Ultralight/desfire卡", kCard + "01020304050607", ""} << "";
        QTest::newRow("Type B") << detect << "00 03 0A 0B 0C 0D"
                                << QStringList{"检测到ISO 14443 B卡", kCard + "0A0B0C0D", ""} << "";
        QTest::newRow("ID card") << detect << "00 04 11 22 33 44 55 66 77 88"
                                 << QStringList{"中华人民共和国第二代身份证..",
                                                "身份证卡的ID号码为： 1122334455667788", ""}
                                 << "";
        QTest::newRow("15693") << detect << "00 05 E0 04 01 00 12 34 56 78"
                               << QStringList{"检测到ISO 15693卡", kCard + "E004010012345678", ""} << "";
        QTest::newRow("short report") << detect << "02 01 A1 B2"
                                      << QStringList{"检测到S50/S70卡", kCard + "A1B2", ""} << "";
        QTest::newRow("not a report") << detect << "02 07 A1 B2 C3 D4" << QStringList{} << "0207A1B2C3D4";
        QTest::newRow("read/write mode") << "RadioButton3" << "02 01 A1 B2 C3 D4" << QStringList{}
                                         << "0201A1B2C3D4";
        QTest::newRow("debug mode echoes") << "RadioButton4" << "AA 00" << QStringList{" AA 00"} << "AA00";
    }
    void arrivals()
    {
        QFETCH(QString, mode);
        QFETCH(QString, arrival);
        QFETCH(QStringList, lines);
        QFETCH(QString, recdata);
        Pty pty;
        Window w(scriptedPath());
        openOn(w, pty, qPrintable(mode));
        pty.write(bytes(arrival));
        // Delivered once the burst has been quiet for the gap; bytes land in
        // recdata on delivery, so wait for the log or for recdata.
        QTRY_VERIFY(!w.lines().isEmpty() || !w.session().recdata().isEmpty());
        QTest::qWait(50);
        QCOMPARE(w.lines(), lines);
        QCOMPARE(w.session().recdata(), recdata);
    }

    // What sits in recdata before a report does not hide the report, and the
    // report takes back only its own bytes.
    void reportAfterOtherData_data()
    {
        QTest::addColumn<bool>("usbAnswer");   // else: a stray serial arrival
        QTest::newRow("stray type 07 arrival") << false;
        QTest::newRow("USB answer") << true;
    }
    void reportAfterOtherData()
    {
        QFETCH(bool, usbAnswer);
        Pty pty;
        Window w(scriptedPath());
        openOn(w, pty, "RadioButton19");
        QString before;
        if (usbAnswer) {
            Scripted().respond(response(0, QStringLiteral("01 00")));
            w.click(QStringLiteral("Button25"));
            before = bytesToHex(response(0, QStringLiteral("01 00")));
        } else {
            pty.write(bytes(QStringLiteral("02 07 11 22")));
            before = QStringLiteral("02071122");
            QTRY_COMPARE(w.session().recdata(), before);
        }
        QCOMPARE(w.session().recdata(), before);
        w.takeLines();
        pty.write(bytes(QStringLiteral("02 01 A1 B2 C3 D4")));
        QCOMPARE(nextLines(w, 3), QStringList({"检测到S50/S70卡", kCard + "A1B2C3D4", ""}));
        QCOMPARE(w.session().recdata(), before);
        pty.write(bytes(QStringLiteral("00 05 E0 04 01 00 12 34 56 78")));
        QCOMPARE(nextLines(w, 3), QStringList({"检测到ISO 15693卡", kCard + "E004010012345678", ""}));
        QCOMPARE(w.session().recdata(), before);
    }

    // A command whose write failed waits for its own answer: a well-formed
    // frame arriving on the serial port meanwhile does not pass for it.
    void serialBytesAreNoAnswer()
    {
        Pty pty;
        Window w(scriptedPath());
        openOn(w, pty, "RadioButton3");
        Scripted().failWrites(1);
        const QByteArray frame = response(0, QStringLiteral("01 00"));
        pty.write(frame);
        w.click(QStringLiteral("Button25"));
        QCOMPARE(w.session().recdata(), bytesToHex(frame));   // it did arrive during the wait
        QVERIFY(w.lines().contains(format::readOutcomeTexts().noData + "<time>"));
    }

    void reopensAtChosenBaudRate()
    {
        Pty pty;
        Window w(scriptedPath());
        openOn(w, pty, "RadioButton19");
        w.choose(QStringLiteral("ComboBox2"), QStringLiteral("19200"));
        QSerialPort *port = comm(w);
        QVERIFY(port->isOpen());
        QCOMPARE(port->baudRate(), 19200);
        const termios t = pty.settings();
        QCOMPARE(cfgetispeed(&t), speed_t(B19200));
        QVERIFY(!enabled(w, "Button1") && enabled(w, "Button2"));
        QCOMPARE(w.takeLines(), QStringList());
        pty.write(bytes(QStringLiteral("02 01 A1 B2 C3 D4")));   // still listening
        QCOMPARE(nextLines(w, 3), QStringList({"检测到S50/S70卡", kCard + "A1B2C3D4", ""}));
    }

    void closingTheWindowClosesThePort()
    {
        Pty pty;
        Window w(scriptedPath());
        openOn(w, pty, "RadioButton19");
        w.form().close();
        QVERIFY(!comm(w)->isOpen());
        QSerialPort again(pty.name);   // the lock is released too
        QVERIFY2(again.open(QIODevice::ReadOnly), qPrintable(again.errorString()));
    }

    // The other end goes away (an adapter pulled out): said once, port closed.
    void portGoesAway()
    {
        Pty pty;
        Window w(scriptedPath());
        openOn(w, pty, "RadioButton19");
        ::close(pty.master);
        pty.master = -1;
        QTRY_VERIFY(!comm(w)->isOpen());
        QTest::qWait(200);
        const QStringList lines = w.takeLines();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(QStringLiteral("串口 %1 读取出错，已关闭：").arg(pty.name)), qPrintable(lines[0]));
        QVERIFY(enabled(w, "Button1") && !enabled(w, "Button2"));
    }

    // 1 MiB of random bytes that never pauses: the window keeps serving its
    // clock, one arrival and recdata stay capped with their fronts kept, each
    // cap is said once, and reports are still decoded from their own bytes.
    void endlessStream()
    {
        Pty pty;
        Window w(scriptedPath());
        openOn(w, pty, "RadioButton19");
        QByteArray stream(1024 * 1024, Qt::Uninitialized);
        QRandomGenerator gen(8);
        gen.fillRange(reinterpret_cast<quint32 *>(stream.data()), stream.size() / 4);
        stream[1] = char(0x77);   // the arrival is no report

        // Warm up first (fonts, log pane), so that the figure is the stream's.
        pty.write(bytes(QStringLiteral("02 01 A1 B2 C3 D4")));
        QCOMPARE(nextLines(w, 3).size(), 3);
        QTest::qWait(1100);
        const QString clockBefore = w.find<QLabel>(QStringLiteral("StatusPanel3"))->text();
        const qint64 residentBefore = residentBytes();

        QElapsedTimer clock;
        clock.start();
        QList<qint64> ticks;
        QObject context;
        connect(w.form().findChild<QTimer *>(QStringLiteral("Timer1")), &QTimer::timeout, &context,
                [&] { ticks << clock.elapsed(); });
        std::atomic<bool> written{false};
        std::thread writer([&] {
            // 4 KiB every 10 ms: about 2.5 s with no gap near 100 ms.
            for (qsizetype at = 0; at < stream.size(); at += 4096) {
                pty.write(stream.mid(at, 4096));
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            written = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(written.load(), 60000);
        writer.join();
        const qint64 streamMs = clock.elapsed();
        QTRY_VERIFY(!w.session().recdata().isEmpty());
        QTest::qWait(200);
        const qint64 residentAfter = residentBytes();

        qInfo("stream of 1 MiB over %lld ms; %lld clock ticks; resident memory grew by %lld KiB",
              streamMs, qint64(ticks.size()), (residentAfter - residentBefore) / 1024);
        QVERIFY(ticks.size() >= 2);
        QVERIFY2(ticks.first() < 1500, "the clock stalled");
        for (qsizetype i = 1; i < ticks.size(); ++i)
            QVERIFY2(ticks[i] - ticks[i - 1] < 1500, "the clock stalled");
        QVERIFY(w.find<QLabel>(QStringLiteral("StatusPanel3"))->text() != clockBefore);
        QVERIFY(residentAfter - residentBefore < 10 * 1024 * 1024);

        const QString front = bytesToHex(stream.left(ReaderSession::kArrivalCap));
        QCOMPARE(w.session().recdata(), front);
        QStringList lines = w.takeLines();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(QStringLiteral("串口一次收到的数据超过 65536 字节，其后的 983040 字节已丢弃。")),
                 qPrintable(lines[0]));

        // recdata is full: a report is still logged, and recdata keeps its front.
        for (int i = 0; i < 2; ++i) {
            pty.write(bytes(QStringLiteral("02 01 A1 B2 C3 D4")));
            lines = nextLines(w, i == 0 ? 5 : 3);
            if (i == 0) {
                QCOMPARE(lines.size(), 5);
                QVERIFY2(lines.takeFirst().startsWith(QStringLiteral("接收数据已满 65536 字节")), "said once");
                lines.removeFirst();
            }
            QCOMPARE(lines, QStringList({"检测到S50/S70卡", kCard + "A1B2C3D4", ""}));
            QCOMPARE(w.session().recdata(), front);
        }
    }
};

QTEST_MAIN(TestSerial)
#include "test_serial.moc"
