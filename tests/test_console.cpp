// The raw frame console: frames go out exactly as typed, refusals and a bad
// period are one clear line each, and the text loads and saves as UTF-8 lines.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/filedialogs.h"
#include "app/tform1.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

class TestConsole : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
    }

    void hiddenUntilAllPages()
    {
        Window plain(scriptedPath(), false);
        QVERIFY(!plain.find(QStringLiteral("GroupBox5"))->isVisibleTo(&plain.form()));
        Window all(scriptedPath(), true);
        auto *group = all.find<QGroupBox>(QStringLiteral("GroupBox5"));
        QVERIFY(group->isVisibleTo(&all.form()));
        QCOMPARE(group->title(), QStringLiteral("发送信息"));
        QCOMPARE(all.find<QPlainTextEdit>(QStringLiteral("Memo1"))->toPlainText(), QStringLiteral("AA 00 03 85 01 78 ff BB"));
        QCOMPARE(all.find<QLineEdit>(QStringLiteral("Edit6"))->text(), QStringLiteral("1000"));
        const QList<std::pair<const char *, const char *>> captions = {
            {"CheckBox3", "自动发送"}, {"Button3", "发送数据"}, {"Button6", "载入数据"},
            {"Button5", "另存为"}, {"Button7", "清空发送框"}};
        for (const auto &[name, caption] : captions)
            QCOMPARE(all.find<QAbstractButton>(QString::fromLatin1(name))->text(), QString::fromUtf8(caption));
        QCOMPARE(all.find<QLineEdit>(QStringLiteral("Edit6"))->accessibleName(), QStringLiteral("周期"));
    }

    // Sent exactly as typed, whatever lines and check byte; nothing judged.
    void sentAsTyped_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<QString>("echo");
        QTest::newRow("default") << "AA 00 03 85 01 78 ff BB" << "AA 00 03 85 01 78 FF BB" << "AA0003850178ffBB";
        QTest::newRow("two lines") << "AA 00 03\n85 01 78 ff BB" << "AA 00 03 85 01 78 FF BB" << "AA0003850178ffBB";
        QTest::newRow("wrong check byte") << "AA 00 03 85 01 78 12 BB" << "AA 00 03 85 01 78 12 BB" << "AA000385017812BB";
        QTest::newRow("no start byte") << "00 01 83 82" << "00 01 83 82" << "00018382";
    }
    void sentAsTyped()
    {
        QFETCH(QString, memo);
        QFETCH(QString, bytes);
        QFETCH(QString, echo);
        Window w(scriptedPath());
        Scripted script;
        script.respond(response(1, "83"));   // a failure answer: still no outcome line
        w.check(QStringLiteral("RadioButton4"));
        w.find<QPlainTextEdit>(QStringLiteral("Memo1"))->setPlainText(memo);
        w.setText(QStringLiteral("Edit6"), QStringLiteral("200"));
        QElapsedTimer t;
        t.start();
        w.click(QStringLiteral("Button3"));
        QVERIFY(t.elapsed() >= 200);
        QCOMPARE(script.requestsHex(), QStringList{bytes});
        QCOMPARE(w.lines(), QStringList({QStringLiteral("发送...") + echo, QStringLiteral("接收...AA0002018380BB")}));
    }

    void defaultPeriodIsOneSecond()
    {
        Window w(scriptedPath());
        QElapsedTimer t;
        t.start();
        w.click(QStringLiteral("Button3"));
        QVERIFY(t.elapsed() >= 1000);
    }

    // Not sent, one line says why, even in the debug mode; a running console
    // loop ends with it.
    void refusedFrames_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("line");
        QTest::newRow("odd digits") << "AA 00 03 85 01 78 ff B"
                                    << "发送框中的帧有 15 个十六进制数字（奇数个），不成整字节，未发送。   <time>";
        QTest::newRow("over 255 bytes") << QString(2 * 256, u'A') << "发送框中的帧有 256 字节，超过 255 字节，未发送。   <time>";
        QTest::newRow("no digits") << "  ,;  \n" << "发送框中没有十六进制数字，未发送。   <time>";
    }
    void refusedFrames()
    {
        QFETCH(QString, memo);
        QFETCH(QString, line);
        Window w(scriptedPath());
        Scripted script;
        w.check(QStringLiteral("RadioButton4"));
        w.find<QPlainTextEdit>(QStringLiteral("Memo1"))->setPlainText(memo);
        w.click(QStringLiteral("CheckBox3"));   // the loop: returns once refused
        QCOMPARE(script.requestCount(), 0);
        QCOMPARE(w.lines(), QStringList({line, ""}));
        QVERIFY(!w.find<QAbstractButton>(QStringLiteral("CheckBox3"))->isChecked());
        // A frame of exactly 255 bytes goes.
        w.find<QPlainTextEdit>(QStringLiteral("Memo1"))->setPlainText(QString(2 * 255, u'A'));
        w.setText(QStringLiteral("Edit6"), QStringLiteral("0"));
        w.click(QStringLiteral("Button3"));
        QCOMPARE(script.request(0).size(), 255);
    }

    // The frame goes out, then the period that is not a whole number ends the
    // send and the console loop, with one line between them.
    void periodNotWhole_data()
    {
        QTest::addColumn<bool>("loop");
        QTest::newRow("send once") << false;
        QTest::newRow("console loop") << true;
    }
    void periodNotWhole()
    {
        QFETCH(bool, loop);
        Window w(scriptedPath());
        Scripted script;
        w.setText(QStringLiteral("Edit6"), QStringLiteral("1.5"));
        QElapsedTimer t;
        t.start();
        w.click(loop ? QStringLiteral("CheckBox3") : QStringLiteral("Button3"));
        QVERIFY(t.elapsed() < 500);
        QCOMPARE(script.requestCount(), 1);
        QCOMPARE(w.lines(), QStringList({"周期“1.5”不是毫秒整数，已停止发送。   <time>", ""}));
        QVERIFY(!w.find<QAbstractButton>(QStringLiteral("CheckBox3"))->isChecked());
    }

    // The period spoilt during a pass: the loop itself says so, once.
    void periodSpoiltDuringLoop()
    {
        Window w(scriptedPath());
        Scripted script;
        script.respond(response(0));
        w.setText(QStringLiteral("Edit6"), QStringLiteral("200"));
        QTimer::singleShot(50, &w.form(), [&w] { w.setText(QStringLiteral("Edit6"), QStringLiteral("abc")); });
        w.click(QStringLiteral("CheckBox3"));
        QCOMPARE(script.requestCount(), 1);
        QCOMPARE(w.lines(), QStringList({"周期“abc”不是毫秒整数，已停止发送。   <time>", ""}));
    }

    void saveAndLoad()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frame"));   // no extension added
        Window w(scriptedPath());
        auto *memo = w.find<QPlainTextEdit>(QStringLiteral("Memo1"));
        memo->setPlainText(QStringLiteral("AA 00 03  \n85 01 78 ff BB 读卡"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(100, 'x'));
        }
        {
            Chooser c(path);
            w.click(QStringLiteral("Button5"));
            QCOMPARE(c.requests.size(), 1);
            QVERIFY(c.requests[0].save);
            QCOMPARE(c.requests[0].title, QStringLiteral("保存接收数据！"));
            QCOMPARE(c.requests[0].filter, QStringLiteral("文本文件(.txt)|*.txt"));
        }
        QCOMPARE(fileBytes(path), QStringLiteral("AA 00 03  \r\n85 01 78 ff BB 读卡\r\n").toUtf8());

        w.click(QStringLiteral("Button7"));
        QCOMPARE(memo->toPlainText(), QString());
        {
            Chooser c(path);
            w.click(QStringLiteral("Button6"));
            QCOMPARE(c.requests[0].title, QStringLiteral("载入数据！"));
            QCOMPARE(c.requests[0].filter, QString());
            QVERIFY(!c.requests[0].save);
        }
        QCOMPARE(memo->toPlainText(), QStringLiteral("AA 00 03  \n85 01 78 ff BB 读卡"));

        // Cancelled dialogs change nothing.
        Chooser cancel{QString()};
        w.click(QStringLiteral("Button6"));
        w.click(QStringLiteral("Button5"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("AA 00 03  \n85 01 78 ff BB 读卡"));
        QVERIFY(w.lines().isEmpty());
    }

    void unreadableAndUnwritableFiles()
    {
        QTemporaryDir dir;
        Window w(scriptedPath());
        auto *memo = w.find<QPlainTextEdit>(QStringLiteral("Memo1"));
        const QString missing = dir.filePath(QStringLiteral("no/such/file.txt"));
        Chooser c(missing);
        w.click(QStringLiteral("Button6"));
        w.click(QStringLiteral("Button5"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("AA 00 03 85 01 78 ff BB"));
        const QStringList lines = w.lines();
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines[0].startsWith(QStringLiteral("无法读取文件 ") + missing), qPrintable(lines[0]));
        QVERIFY2(lines[2].startsWith(QStringLiteral("无法写入文件 ") + missing), qPrintable(lines[2]));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestConsole test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_console.moc"
