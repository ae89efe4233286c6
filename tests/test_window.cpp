// The main window: its frame, the standard exchange's outcomes as the log
// shows them, and the mends of the link (through the real library loading).
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include "app/tform1.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
double processorSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

const QString kSetOk = QStringLiteral("Set Up Success   <time>");
const QString kNoDataEn = QStringLiteral("Data error，no data recevice..   <time>");

// Child mode: the window is closed while a handler waits; the program must end
// there, with nothing more sent.
int closeDuringWait()
{
    Window w(scriptedPath());
    Scripted script;
    script.reset();   // no answers: Set waits its full 300 ms
    w.check(QStringLiteral("RadioButton15"));
    QTimer::singleShot(100, &w.form(), [&w] { w.form().close(); });
    w.click(QStringLiteral("Button24"));
    std::printf("RESUMED\n");
    std::fflush(stdout);
    w.click(QStringLiteral("Button24"));
    return 3;
}
} // namespace

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
    }

    void windowLayout()
    {
        Window w(scriptedPath(), false);
        QCOMPARE(w.form().windowTitle(), QStringLiteral("RFID"));
        auto *pages = w.find<QTabWidget>(QStringLiteral("PageControl1"));
        QCOMPARE(pages->count(), 6);
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(pages->tabText(0), QStringLiteral("USB reader intelligent setting  "));
        QVERIFY(pages->isTabVisible(0));
        for (int i = 1; i < 6; ++i)
            QVERIFY(!pages->isTabVisible(i));
        const QStringList hidden = {QStringLiteral("GroupBox1"), QStringLiteral("GroupBox4")};
        for (const QString &name : hidden)
            QVERIFY2(!w.find(name)->isVisibleTo(&w.form()), qPrintable(name));
        QVERIFY(w.find(QStringLiteral("GroupBox27"))->isVisibleTo(&w.form()));
        QCOMPARE(w.find(QStringLiteral("GroupBox27"))->findChildren<QRadioButton *>().size(), 15 + 2);
        QCOMPARE(w.find<QLabel>(QStringLiteral("StatusPanel0"))->text(), QStringLiteral("  RFID"));
        QCOMPARE(w.find<QLabel>(QStringLiteral("StatusPanel2"))->text(), QStringLiteral(" DEMO V 6.0"));
        auto *setadd = w.find<QComboBox>(QStringLiteral("setadd"));
        QCOMPARE(setadd->count(), 33);
        QCOMPARE(setadd->currentText(), QStringLiteral("00"));
        QCOMPARE(setadd->itemText(10), QStringLiteral("0a"));
        QCOMPARE(setadd->itemText(32), QStringLiteral("20"));
        QCOMPARE(w.find<QComboBox>(QStringLiteral("ComboBox2"))->currentText(), QStringLiteral("9600"));
        QVERIFY(w.find<QRadioButton>(QStringLiteral("RadioButton3"))->isChecked());
        QVERIFY(!w.find(QStringLiteral("RichEdit1"))->accessibleName().isEmpty());
        QVERIFY(w.lines().isEmpty());
    }

    void allPagesShowsEverything()
    {
        Window w(scriptedPath(), true);
        auto *pages = w.find<QTabWidget>(QStringLiteral("PageControl1"));
        for (int i = 0; i < 6; ++i)
            QVERIFY(pages->isTabVisible(i));
        QVERIFY(w.find(QStringLiteral("GroupBox1"))->isVisibleTo(&w.form()));
        QVERIFY(w.find(QStringLiteral("GroupBox4"))->isVisibleTo(&w.form()));
    }

    void clockTicks()
    {
        Window w(scriptedPath(), false);
        auto *clock = w.find<QLabel>(QStringLiteral("StatusPanel3"));
        QCOMPARE(clock->text(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(!clock->text().isEmpty(), 1500);
        const QString first = clock->text();
        static const QRegularExpression format(
            QStringLiteral("^   \\d{4}\\.\\d\\d\\.\\d\\d   (0[1-9]|1[0-2]):[0-5]\\d:[0-5]\\d [AP]M   $"));
        QVERIFY2(format.match(first).hasMatch(), qPrintable(first));
        QTRY_VERIFY_WITH_TIMEOUT(clock->text() != first, 1500);
    }

    void pauseGuard()
    {
        Window w(scriptedPath());
        auto *pause = w.find<QLineEdit>(QStringLiteral("Edit22"));
        QCOMPARE(pause->text(), QStringLiteral("100"));
        pause->clear();
        QCOMPARE(pause->text(), QStringLiteral("100"));
        pause->selectAll();
        QTest::keyClicks(pause, QStringLiteral("-"));
        QCOMPARE(pause->text(), QStringLiteral("100"));
        pause->selectAll();
        QTest::keyClicks(pause, QStringLiteral("250"));
        QCOMPARE(pause->text(), QStringLiteral("250"));
        pause->setText(QStringLiteral("99999999999"));
        QCOMPARE(pause->text(), QStringLiteral("100"));
    }

    void sendFramesTheCommand()
    {
        Window w(scriptedPath());
        Scripted script;
        w.session().Send(QStringLiteral("0f 01"));
        w.choose(QStringLiteral("setadd"), QStringLiteral("0a"));
        w.check(QStringLiteral("RadioButton4"));
        w.session().Send(QStringLiteral("83"));
        QCOMPARE(script.requestsHex(), QStringList({"AA 00 02 0F 01 0C BB", "AA 0A 01 83 88 BB"}));
        // The echo shows the address as the combo does, then what came back.
        QCOMPARE(w.lines(), QStringList({"发送...AA0a018388BB", "接收..."}));
    }

    // Each outcome of the standard exchange, through Set on the output format page.
    void outcomes_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("lines");
        const QString fail = QStringLiteral("Set up format false   <time>");
        QTest::newRow("status 00") << response(0) << QStringList{kSetOk, ""};
        QTest::newRow("status 01 known") << response(1, "81") << QStringList{fail, "参数设置失败....", ""};
        QTest::newRow("status 01 unknown") << response(1, "77") << QStringList{fail, "", ""};
        QTest::newRow("other status") << response(2) << QStringList{"data error,please check data..   <time>", ""};
        QByteArray badXor = response(0);
        badXor[badXor.size() - 2] = char(badXor[badXor.size() - 2] ^ 1);
        QTest::newRow("corrupted") << badXor << QStringList{"data error,please check data..   <time>", ""};
        QTest::newRow("no data") << QByteArray() << QStringList{kNoDataEn, ""};
        QTest::newRow("zero buffer") << QByteArray(10, 0) << QStringList{kNoDataEn, ""};
    }
    void outcomes()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, lines);
        Window w(scriptedPath());
        Scripted script;
        script.respond(answer);
        w.check(QStringLiteral("RadioButton15"));
        w.click(QStringLiteral("Button24"));
        QCOMPARE(w.lines(), lines);
    }

    void corruptedDataStillEchoes()
    {
        Window w(scriptedPath());
        Scripted script;
        script.respond(bytes(QStringLiteral("AA 00 09 00 05 0C BB")));
        w.check(QStringLiteral("RadioButton4"));
        w.click(QStringLiteral("Button25"));
        QCOMPARE(w.lines(), QStringList({"发送...AA00018382BB", "接收...AA000900050CBB", "data error,please check data..   <time>", ""}));
    }

    void failedWriteIsNotAnEarlierAnswer()
    {
        Window w(scriptedPath());
        Scripted script;
        script.respond(response(0));
        w.check(QStringLiteral("RadioButton15"));
        w.click(QStringLiteral("Button24"));
        script.failWrites(1);
        w.click(QStringLiteral("Button24"));
        QCOMPARE(w.lines(), QStringList({kSetOk, "", "Non data receiving,Please check the equipment....", kNoDataEn, ""}));
        QCOMPARE(w.session().recdata(), QString());
    }

    void missingLibrary()
    {
        Window w(QStringLiteral("/nonexistent/librfidnone.so"));
        w.check(QStringLiteral("RadioButton15"));
        w.click(QStringLiteral("Button24"));
        w.click(QStringLiteral("Button25"));
        const QStringList lines = w.lines();
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[0].startsWith(QStringLiteral("Reader library /nonexistent/librfidnone.so cannot be loaded: ")));
        QCOMPARE(lines.mid(1, 2), QStringList({kNoDataEn, ""}));
        QCOMPARE(lines[3], lines[0]);

        Window half(QCoreApplication::applicationDirPath() + QStringLiteral("/librfidhalf.so"));
        half.click(QStringLiteral("Button25"));
        QVERIFY(half.lines().first().endsWith(QStringLiteral("lacks the export hidReadData")));
    }

    void refusedBeforeSending()
    {
        Window w(scriptedPath());
        Scripted script;
        // No format chosen.
        w.click(QStringLiteral("Button24"));
        // An odd user-defined byte.
        w.check(QStringLiteral("RadioButton15"));
        w.check(QStringLiteral("CheckBox19"));
        w.setText(QStringLiteral("Edit23"), QStringLiteral("2B1"));
        w.click(QStringLiteral("Button24"));
        // A frame over 255 bytes.
        w.setText(QStringLiteral("Edit23"), QString(2 * 250, u'A'));
        w.click(QStringLiteral("Button24"));
        QCOMPARE(script.requestCount(), 0);
        const QStringList lines = w.lines();
        QVERIFY2(lines.value(0).startsWith(QStringLiteral("No output format chosen")), qPrintable(lines.join('\n')));
        QVERIFY(lines.value(2).startsWith(QStringLiteral("User-defined byte (Edit23): odd number of hex digits")));
        QVERIFY(lines.value(3).startsWith(QStringLiteral("The frame of 263 bytes is longer than 255 bytes")));
    }

    // A click served during another handler's wait does not lend it its answer.
    void nestedClickDuringWait()
    {
        Window w(scriptedPath());
        Scripted script;
        script.respond(QByteArray());   // Set: no answer, waits 300 ms
        script.respond(response(0, "00 05 01 00 00 01"));
        w.check(QStringLiteral("RadioButton15"));
        QTimer::singleShot(50, &w.form(), [&w] { w.click(QStringLiteral("Button25")); });
        w.click(QStringLiteral("Button24"));
        const QStringList lines = w.lines();
        QCOMPARE(lines.first(), QStringLiteral("Read data success    <time>"));
        QCOMPARE(lines.mid(lines.size() - 2), QStringList({kNoDataEn, ""}));
    }

    void waitWithoutAnswerCostsNoProcessor()
    {
        Window w(scriptedPath());
        QVERIFY(QTest::qWaitForWindowExposed(&w.form()));
        QTest::qWait(50);   // the first paint is not the wait's cost
        const double before = processorSeconds();
        QElapsedTimer t;
        t.start();
        w.session().sleepUnlessAnswered(300, QString());
        const qint64 elapsed = t.elapsed();
        const double used = processorSeconds() - before;
        QVERIFY(elapsed >= 299);
        qInfo("Delay(300) without answer: %.1f ms of processor in %lld ms (%.2f %%)", used * 1000, elapsed,
              100.0 * used * 1000 / double(elapsed));
        QVERIFY(used * 1000 < 0.05 * 300);
        // A wait whose answer is there returns after one pass.
        t.restart();
        w.session().sleepUnlessAnswered(5000, QStringLiteral("AA"));
        QVERIFY(t.elapsed() < 100);
        t.restart();
        w.session().Delayy(0);
        QVERIFY(t.elapsed() < 100);
    }

    void closingDuringWaitEndsAtOnce()
    {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("requests.txt"));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("RFID_CHILD"), QStringLiteral("close-during-wait"));
        env.insert(QStringLiteral("RFID_SCRIPT_LOG"), log);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(!child.readAllStandardOutput().contains("RESUMED"));
        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().count('\n'), 1);
    }

    void logPaneKeepsOperatorUndo()
    {
        Window w(scriptedPath());
        LogPane *pane = w.form().logPane();
        w.session().log(QStringLiteral("first\r\n"));
        pane->setFocus();
        pane->moveCursor(QTextCursor::End);
        QTest::keyClicks(pane, QStringLiteral("note"));
        for (int i = 0; i < 50; ++i)
            w.session().log(QStringLiteral("line %1").arg(i));
        QVERIFY(pane->lines().contains(QStringLiteral("note")));
        // Undo takes back the last key of the operator, not an added line.
        pane->undoEdit();
        QVERIFY(pane->lines().contains(QStringLiteral("not")));
        QCOMPARE(pane->lines().last(), QStringLiteral("line 49"));
        QCOMPARE(pane->document()->availableUndoSteps(), 0);
        for (int i = 0; i < 3; ++i)
            pane->undoEdit();
        QCOMPARE(pane->lines().mid(0, 3), QStringList({"first", "", "line 0"}));
        QCOMPARE(pane->lines().size(), 52);
        QVERIFY(!pane->canUndoEdit());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariable("RFID_CHILD") == QLatin1String("close-during-wait"))
        return closeDuringWait();
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window.moc"
