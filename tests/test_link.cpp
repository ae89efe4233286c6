// Hex text, frames, response judging, reasons, time stamps and the transport.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "link/frame.h"
#include "link/hextext.h"
#include "link/readerlibrary.h"
#include "link/reasons.h"
#include "link/response.h"
#include "link/timestamp.h"
#include "link/transport.h"
#include "support.h"

using namespace rfid;

class TestLink : public QObject
{
    Q_OBJECT
private slots:
    void hexText()
    {
        QCOMPARE(hexDigits(QStringLiteral("$0f 01-zz中")), QStringLiteral("0f01"));
        QCOMPARE(checkdata(QStringLiteral("A B C")), QStringLiteral("AB"));
        QCOMPARE(checkdata(QStringLiteral("aa-bb")), QStringLiteral("aabb"));
        QCOMPARE(cdate(QStringLiteral("A1B2C3D4")), QStringLiteral("D4 C3 B2 A1 "));
        QCOMPARE(cdate(QStringLiteral("12345")), QStringLiteral("45 23 "));
        QVERIFY(hasOddDigits(QStringLiteral("2B 1")));
        QVERIFY(!hasOddDigits(QStringLiteral("xx 2b")));
        QCOMPARE(bytesToHex(hexToBytes(QStringLiteral("ab 0f"))), QStringLiteral("AB0F"));
    }

    void frames_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("frame");
        QTest::newRow("spaced") << "00" << "0f 01" << "AA00020f010CBB";
        QTest::newRow("upper") << "00" << "0F01" << "AA00020F010CBB";
        QTest::newRow("dollars") << "00" << "$0f$01" << "AA00020f010CBB";
        QTest::newRow("empty") << "05" << "" << "AA050005BB";
        QTest::newRow("lower address kept") << "0a" << "83" << "AA0a018388BB";
        QTest::newRow("console default") << "00" << "85 01 78" << "AA0003850178FFBB";
    }
    void frames()
    {
        QFETCH(QString, address);
        QFETCH(QString, command);
        QFETCH(QString, frame);
        QCOMPARE(frameText(address, command), frame);
    }

    void longestFrame()
    {
        const QString f = frameText(QStringLiteral("00"), QString(500, u'1'));
        QCOMPARE(hexToBytes(f).size(), 255);
        QCOMPARE(f.mid(4, 2), QStringLiteral("FA"));
    }

    void judging_data()
    {
        QTest::addColumn<QString>("recdata");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << "" << int(Outcome::NoData) << "";
        QTest::newRow("success") << "AA00020001" "03BB" << int(Outcome::Success) << "";
        QTest::newRow("failure") << "AA0002018C" "8FBB" << int(Outcome::Failure) << "8C";
        QTest::newRow("failure without code") << "AA00010100BB" << int(Outcome::Failure) << "";
        QTest::newRow("other status") << "AA00010202BB" << int(Outcome::Corrupted) << "";
        QTest::newRow("bad xor") << "AA00020001" "04BB" << int(Outcome::Corrupted) << "";
        QTest::newRow("bad end") << "AA00020001" "03BC" << int(Outcome::Corrupted) << "";
        QTest::newRow("length past data") << "AA00090001" "03BB" << int(Outcome::Corrupted) << "";
        QTest::newRow("no status byte") << "AA000000BB" << int(Outcome::Corrupted) << "";
        QTest::newRow("zeros") << "0000000000" << int(Outcome::Corrupted) << "";
    }
    void judging()
    {
        QFETCH(QString, recdata);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        const Response r = evaluate(recdata);
        QCOMPARE(int(r.outcome), outcome);
        QCOMPARE(r.reason, reason);
    }

    void responseFields()
    {
        const Response r = evaluate(bytesToHex(test::response(0, QStringLiteral("05 0C 01 00"))));
        QCOMPARE(r.dataText(), QStringLiteral("050C0100"));
        QCOMPARE(r.byteText(5), QStringLiteral("0C"));
        QCOMPARE(r.byteText(40), QString());
    }

    void reasons()
    {
        QCOMPARE(falsereason(QStringLiteral("8C")), QStringLiteral("密码认证没通过...."));
        QCOMPARE(falsereason(QStringLiteral("89")),
                 QStringLiteral("The parameter of the command or the Format of the command Erro..."));
        QCOMPARE(falsereason(QStringLiteral("8c")), QString());
        QCOMPARE(falsereason(QStringLiteral("01")), QString());
        QCOMPARE(falsereason(QString()), QString());
    }

    void outcomeEntries()
    {
        OutcomeTexts t;
        t.failure = QStringLiteral("读卡失败   ");
        const QString time = QStringLiteral("T");
        QCOMPARE(outcomeEntry(evaluate({}), t, time), QStringLiteral("通讯错误，没有接收到数据..   T\r\n"));
        QCOMPARE(outcomeEntry(evaluate(QStringLiteral("AA0002018C8FBB")), t, time),
                 QStringLiteral("读卡失败   T\r\n密码认证没通过....\r\n"));
        QCOMPARE(outcomeEntry(evaluate(QStringLiteral("AA00020177" "74BB")), t, time),
                 QStringLiteral("读卡失败   T\r\n\r\n"));
        QCOMPARE(outcomeEntry(evaluate(QStringLiteral("AA00010202BB")), t, time),
                 QStringLiteral("数据丢包，流水校验出错   T\r\n"));
    }

    void timeStamps_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("after midnight") << QTime(0, 0, 5) << "12:00:05 AM";
        QTest::newRow("morning") << QTime(9, 7, 45) << "09:07:45 AM";
        QTest::newRow("noon") << QTime(12, 0, 0) << "12:00:00 PM";
        QTest::newRow("afternoon") << QTime(13, 30, 0) << "01:30:00 PM";
        QTest::newRow("before midnight") << QTime(23, 59, 59) << "11:59:59 PM";
    }
    void timeStamps()
    {
        QFETCH(QTime, time);
        QFETCH(QString, text);
        QCOMPARE(timeStamp(time), text);
    }

    void clock()
    {
        QCOMPARE(clockText(QDateTime(QDate(2024, 3, 5), QTime(15, 7, 45))),
                 QStringLiteral("   2024.03.05   03:07:45 PM   "));
    }

    void transportReads()
    {
        test::Scripted script;
        ReaderLibrary lib(test::scriptedPath());
        const QByteArray request = test::bytes(QStringLiteral("AA 00 01 83 82 BB"));

        // A read that delivers nothing is no answer.
        script.reset();
        QCOMPARE(exchange(lib, request).recdata, QString());
        // Bytes that do not start a frame are no answer either.
        script.reset();
        script.respond(test::bytes(QStringLiteral("00 00 00 00 00")));
        QCOMPARE(exchange(lib, request).recdata, QString());
        // A length byte of 3 takes 8 bytes, whatever follows.
        script.reset();
        script.respond(test::bytes(QStringLiteral("AA 00 03 00 01 02 00 BB EE EE")));
        QCOMPARE(exchange(lib, request).recdata, QStringLiteral("AA000300010200BB"));
        // A length byte pointing past what arrived never reads beyond it.
        script.reset();
        script.respond(test::bytes(QStringLiteral("AA 00 F0 00 01")));
        QCOMPARE(exchange(lib, request).recdata, QStringLiteral("AA00F00001"));
        // A failed write reads nothing and says so.
        script.reset();
        script.failWrites(1);
        script.respond(test::response(0));
        const ExchangeResult failed = exchange(lib, request);
        QCOMPARE(failed.error, kWriteFailed);
        QCOMPARE(failed.recdata, QString());
    }

    // A library may return a status instead of a count: the frame in the
    // buffer is the answer all the same.
    void transportReadsTheBuffer_data()
    {
        QTest::addColumn<int>("reported");
        QTest::newRow("0") << 0;
        QTest::newRow("1, a whole frame") << 1;
        QTest::newRow("more than the buffer") << 4096;
    }
    void transportReadsTheBuffer()
    {
        QFETCH(int, reported);
        test::Scripted script;
        ReaderLibrary lib(test::scriptedPath());
        const QByteArray request = test::bytes(QStringLiteral("AA 00 01 83 82 BB"));
        script.reset();
        script.respond(test::bytes(QStringLiteral("AA 00 03 00 01 02 00 BB")), reported);
        QCOMPARE(exchange(lib, request).recdata, QStringLiteral("AA000300010200BB"));
        // Still no answer when the buffer holds no frame.
        script.reset();
        script.respond(test::bytes(QStringLiteral("00 00 03 00 01 02 00 BB")), reported);
        QCOMPARE(exchange(lib, request).recdata, QString());
        // A length byte past the buffer reads no further than a read may deliver.
        script.reset();
        script.respond(test::bytes(QStringLiteral("AA 00 FF 00")), reported);
        const QString longest = exchange(lib, request).recdata;
        QCOMPARE(longest.size(), 2 * kReadMaxLength);
        QVERIFY(longest.startsWith(QStringLiteral("AA00FF00")));
    }

    void libraryErrors()
    {
        ReaderLibrary missing(QStringLiteral("/nonexistent/libreader.so"));
        ExchangeResult r = exchange(missing, QByteArray(6, 0));
        QVERIFY(r.error.startsWith(QStringLiteral("Reader library /nonexistent/libreader.so cannot be loaded")));

        ReaderLibrary half(QCoreApplication::applicationDirPath() + QStringLiteral("/librfidhalf.so"));
        r = exchange(half, QByteArray(6, 0));
        QVERIFY2(r.error.endsWith(QStringLiteral("lacks the export hidReadData")), qPrintable(r.error));
    }

    // Beside the executable in the build tree, in the private folder of an
    // installed one; a path as given.
    void libraryChoice()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString installed = installedReaderDir(bin);
        QVERIFY2(installed.startsWith(root.path() + u'/') && installed.endsWith(QStringLiteral("/rfid")),
                 qPrintable(installed));
        QVERIFY(QDir().mkpath(installed) && QDir().mkpath(bin));
        QFile(bin + QStringLiteral("/librfidvirtual.so")).open(QIODevice::WriteOnly);
        QFile(installed + QStringLiteral("/librfidhid.so")).open(QIODevice::WriteOnly);
        QCOMPARE(readerLibraryPath(QStringLiteral("virtual"), bin), bin + QStringLiteral("/librfidvirtual.so"));
        QCOMPARE(readerLibraryPath(QStringLiteral("hid"), bin), installed + QStringLiteral("/librfidhid.so"));
        QCOMPARE(readerLibraryPath(QStringLiteral("hid"), QStringLiteral("/nonexistent/bin")),
                 installedReaderDir(QStringLiteral("/nonexistent/bin")) + QStringLiteral("/librfidhid.so"));
        QCOMPARE(readerLibraryPath(QStringLiteral("./x.so"), bin), QStringLiteral("./x.so"));
    }
};

QTEST_GUILESS_MAIN(TestLink)
#include "test_link.moc"
