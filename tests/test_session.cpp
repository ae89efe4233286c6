// The reader session on its own, with no window and no Qt Widgets: an exchange
// through the run-time loaded scripted reader, the waits, and arrivals on a
// real pseudo-terminal.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include "devices.h"
#include "link/hextext.h"
#include "session/readersession.h"

using namespace rfid;
using namespace rfid::test;

namespace {

// The log entries of a session, times masked.
struct Entries {
    explicit Entries(ReaderSession &session)
    {
        QObject::connect(&session, &ReaderSession::logEntry, &context,
                         [this](const QString &entry) { all << maskTimes(entry); });
    }
    QStringList take() { return std::exchange(all, {}); }

    QObject context;
    QStringList all;
};

// The child's part of endingInsideAWait: a wait that the end interrupts.
int endInsideWait()
{
    ReaderSession session(scriptedPath());
    QTimer::singleShot(20, &session, [&session] { session.endNowIfWaiting(); });
    session.Delayy(5000);
    std::printf("RESUMED\n");
    return 3;
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
    }

    void exchangeThroughTheLibrary()
    {
        Scripted script;
        ReaderSession session(scriptedPath());
        Entries log(session);
        const QByteArray answer = response(0x00, QStringLiteral("01 02"));
        script.respond(answer);
        QCOMPARE(session.Send(QStringLiteral("83")), bytesToHex(answer));
        QCOMPARE(session.recdata(), bytesToHex(answer));
        QCOMPARE(script.requestsHex(), QStringList{"AA 00 01 83 82 BB"});
        QCOMPARE(log.take(), QStringList());

        // The address every frame carries: only the listed items are taken.
        QSignalSpy changed(&session, &ReaderSession::addressChanged);
        session.setAddress(QStringLiteral("0a"));
        session.setAddress(QStringLiteral("0A"));
        session.setAddress(QStringLiteral("21"));
        session.setAddress(QStringLiteral("0a"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(session.address(), QStringLiteral("0a"));

        // The debug echo shows both frames; no answer leaves recdata empty.
        session.setDebugEcho(true);
        script.respond({});
        QCOMPARE(session.Send(QStringLiteral("83")), QString());
        QCOMPARE(session.recdata(), QString());
        QCOMPARE(script.requestHex(1), QStringLiteral("AA 0A 01 83 88 BB"));
        // The address goes into the frame as the item reads.
        QCOMPARE(log.take(), QStringList({"发送...AA0a018388BB", "接收..."}));

        // An odd command is refused before anything is sent.
        session.setDebugEcho(false);
        QCOMPARE(session.Send(QStringLiteral("8 3 1")), QString());
        QCOMPARE(script.requestCount(), 2);
        QCOMPARE(log.take(),
                 QStringList{"Command 831 has an odd number of hex digits; nothing was sent.   <time>\r\n"});
    }

    void waits_data()
    {
        QTest::addColumn<QString>("wait");
        QTest::addColumn<QString>("recdata");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("Delayy waits it out") << "Delayy" << "AA" << 150 << 2000;
        QTest::newRow("Delay ends on recdata") << "Delay" << "AA" << 0 << 100;
        QTest::newRow("Delay without recdata") << "Delay" << "" << 150 << 2000;
        QTest::newRow("answered: no sleep") << "answered" << "" << 0 << 100;
        QTest::newRow("unanswered sleeps, recdata or not") << "unanswered" << "AA" << 150 << 2000;
    }
    void waits()
    {
        QFETCH(QString, wait);
        QFETCH(QString, recdata);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        ReaderSession session(scriptedPath());
        session.appendRecdata(recdata);
        // A wait serves events, and a wait inside it counts twice.
        QList<int> depths;
        QTimer::singleShot(10, &session, [&] {
            depths << session.waitDepth();
            QTimer::singleShot(0, &session, [&] { depths << session.waitDepth(); });
            session.Delayy(20);
            depths << session.waitDepth();
        });
        QElapsedTimer clock;
        clock.start();
        if (wait == QLatin1String("Delayy"))
            session.Delayy(150);
        else if (wait == QLatin1String("Delay"))
            session.Delay(150);
        else
            session.sleepUnlessAnswered(150, wait == QLatin1String("answered") ? QStringLiteral("AA") : QString());
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= minMs && elapsed <= maxMs, qPrintable(QString::number(elapsed)));
        QCOMPARE(session.waitDepth(), 0);
        QTRY_COMPARE(depths.size(), 3);
        if (minMs > 0)
            QCOMPARE(depths, QList<int>({1, 2, 1}));
    }

    void serialArrivals()
    {
        Pty pty;
        ReaderSession session(scriptedPath());
        Entries log(session);
        QSignalSpy open(&session, &ReaderSession::portOpenChanged);
        QVERIFY(session.openPort(pty.name));
        QCOMPARE(session.comm()->openMode(), QIODevice::ReadOnly);

        // Bytes land in recdata once the burst is quiet, ending a Delay.
        QTimer::singleShot(20, &session, [&pty] { pty.write(bytes(QStringLiteral("AA 00"))); });
        QElapsedTimer clock;
        clock.start();
        session.Delay(3000);
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(session.recdata(), QStringLiteral("AA00"));

        // A card report is logged and takes back only its own bytes.
        session.setAutoDetect(true);
        pty.write(bytes(QStringLiteral("02 01 A1 B2 C3 D4")));
        QTRY_COMPARE(log.all.size(), 2);
        QCOMPARE(log.take(), QStringList({"检测到S50/S70卡", "卡的ID号码为： A1B2C3D4\r\n"}));
        QCOMPARE(session.recdata(), QStringLiteral("AA00"));

        session.closePort();
        QVERIFY(!session.comm()->isOpen());
        QCOMPARE(open.size(), 2);
        QCOMPARE(open.at(1).at(0).toBool(), false);

        // A port that cannot be opened says why.
        QVERIFY(!session.openPort(QStringLiteral("/dev/nonexistent-tty")));
        QCOMPARE(log.all.size(), 1);
        QVERIFY2(log.all.first().startsWith(QStringLiteral("串口 /dev/nonexistent-tty 打开失败：")), qPrintable(log.all.first()));
    }

    // The end asked for inside a wait ends the process there; outside a wait
    // it does nothing.
    void endingInsideAWait()
    {
        ReaderSession session(scriptedPath());
        session.endNowIfWaiting();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("RFID_CHILD"), QStringLiteral("end-inside-wait"));
        child.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(10000));
        QVERIFY(clock.elapsed() < 4000);
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(!child.readAllStandardOutput().contains("RESUMED"));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariable("RFID_CHILD") == QLatin1String("end-inside-wait"))
        return endInsideWait();
    TestSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_session.moc"
