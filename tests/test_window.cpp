// The main window: its frame, the standard exchange's outcomes as the log
// shows them, and the mends of the link (through the real library loading).
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

#include "app/stopsignals.h"
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
// Changes the page of the window's page control by one route of the operator,
// an accessibility client or the program; target is the page asked for by
// the routes that name one.
void takeRoute(Window &w, const QString &route, int target)
{
    auto *pages = w.find<QTabWidget>(QStringLiteral("PageControl1"));
    QTabBar *bar = pages->tabBar();
    if (route == QLatin1String("Right on the tab bar")) {
        QTest::keyClick(bar, Qt::Key_Right);
    } else if (route == QLatin1String("Ctrl+Tab")) {
        QTest::keyClick(w.form().windowHandle(), Qt::Key_Tab, Qt::ControlModifier);
    } else if (route == QLatin1String("Ctrl+Shift+Tab")) {
        QTest::keyClick(w.form().windowHandle(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (route == QLatin1String("wheel")) {
        const QPointF at = bar->rect().center();
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
    } else if (route == QLatin1String("setCurrentIndex")) {
        pages->setCurrentIndex(target);
    } else if (route == QLatin1String("accessible select tab")) {
        QAccessibleInterface *tab = QAccessible::queryAccessibleInterface(bar)->child(target);
        tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    } else if (route == QLatin1String("click on the tab")) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(target).center());
    } else {
        qFatal("no route %s", qPrintable(route));
    }
}

// How often the page-change handler ran: CheckBox5 ticks itself again each
// time it is cleared.
struct PageChangeCount {
    explicit PageChangeCount(Window &w)
        : box(w.find<QAbstractButton>(QStringLiteral("CheckBox5")))
    {
        box->setChecked(true);
        QObject::connect(box, &QAbstractButton::toggled, box, [this](bool on) {
            if (!on) {
                ++count;
                box->setChecked(true);
            }
        });
    }
    QAbstractButton *box;
    int count = 0;
};

const QStringList kRoutes = {"Right on the tab bar", "Ctrl+Tab",        "Ctrl+Shift+Tab",
                             "wheel",               "setCurrentIndex", "accessible select tab"};

// Child mode: two stop signals before the loop runs; the second ends at once.
int secondSignal()
{
    StopSignals stop;
    std::raise(SIGTERM);
    std::raise(SIGTERM);
    return 3;   // not reached
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
        // A tick a second; the margin is for slow (sanitizer) builds.
        QTRY_VERIFY_WITH_TIMEOUT(!clock->text().isEmpty(), 5000);
        const QString first = clock->text();
        static const QRegularExpression format(
            QStringLiteral("^   \\d{4}\\.\\d\\d\\.\\d\\d   (0[1-9]|1[0-2]):[0-5]\\d:[0-5]\\d [AP]M   $"));
        QVERIFY2(format.match(first).hasMatch(), qPrintable(first));
        QTRY_VERIFY_WITH_TIMEOUT(clock->text() != first, 5000);
    }

    // A screen reader reads the time itself; "Clock" is only the description.
    void clockIsReadAloud()
    {
        Window w(scriptedPath(), false);
        auto *clock = w.find<QLabel>(QStringLiteral("StatusPanel3"));
        // A tick a second; the margin is for slow (sanitizer) builds.
        QTRY_VERIFY_WITH_TIMEOUT(!clock->text().isEmpty(), 5000);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(clock);
        QCOMPARE(a->text(QAccessible::Name), clock->text());
        QCOMPARE(a->text(QAccessible::Description), QStringLiteral("Clock"));
    }

    // In the standard layout no route makes a hidden page current, and a
    // refused change is no change: the loops go on.
    void hiddenPagesStayHidden_data()
    {
        QTest::addColumn<QString>("route");
        for (const QString &route : kRoutes)
            QTest::newRow(qPrintable(route)) << route;
    }
    void hiddenPagesStayHidden()
    {
        QFETCH(QString, route);
        Window w(scriptedPath(), false);
        auto *pages = w.find<QTabWidget>(QStringLiteral("PageControl1"));
        w.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form()));
        pages->tabBar()->setFocus();
        PageChangeCount changes(w);
        takeRoute(w, route, 2);
        QCoreApplication::processEvents();
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(pages->tabBar()->currentIndex(), 0);
        QVERIFY(pages->widget(0)->isVisible());
        for (int i = 1; i < pages->count(); ++i)
            QVERIFY2(!pages->widget(i)->isVisible(), qPrintable(QString::number(i)));
        QCOMPARE(changes.count, 0);
    }

    // With every page shown each route changes the page, and the change ends
    // a running loop (CheckBox2 on S50/S70) and runs the handler exactly once.
    void everyPageChangeEndsTheLoops_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<int>("page");
        const int pages[] = {3, 3, 1, 3, 4, 5};
        for (int i = 0; i < kRoutes.size(); ++i)
            QTest::newRow(qPrintable(kRoutes[i])) << kRoutes[i] << pages[i];
        QTest::newRow("click on the tab") << "click on the tab" << 0;
    }
    void everyPageChangeEndsTheLoops()
    {
        QFETCH(QString, route);
        QFETCH(int, page);
        Window w(scriptedPath(), true);
        auto *pages = w.find<QTabWidget>(QStringLiteral("PageControl1"));
        w.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form()));
        pages->setCurrentIndex(2);
        pages->tabBar()->setFocus();
        w.setText(QStringLiteral("Edit22"), QStringLiteral("20"));
        PageChangeCount changes(w);
        auto *loop = w.find<QAbstractButton>(QStringLiteral("CheckBox2"));
        bool stoppedByTest = false;
        QTimer::singleShot(150, &w.form(), [&] { takeRoute(w, route, page); });
        QTimer::singleShot(3000, &w.form(), [&] {
            stoppedByTest = loop->isChecked();
            loop->setChecked(false);
        });
        loop->click();   // returns when the loop ends
        QVERIFY(!stoppedByTest);
        QVERIFY(!loop->isChecked());
        QCOMPARE(pages->currentIndex(), page);
        QVERIFY(pages->currentWidget()->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(changes.count, 1);
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

    // A page command's echo shows its digits as they stand: the fields as
    // typed (letter case kept, other characters dropped), the reading-mode
    // code as the page writes it.
    void echoShowsDigitsAsTyped_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("echo");
        QTest::newRow("reading mode") << "" << "" << "Button52" << "AA00020f010CBB";
        QTest::newRow("address") << "Edit4" << "1f" << "Button11" << "AA0002801f9DBB";
        QTest::newRow("key with blanks") << "ComboBox4" << "ff ff ff ff ff ff" << "Button8"
                                         << "AA000A20000410ffffffffffff3EBB";
        QTest::newRow("exchange data") << "Edit77" << "0a-0b" << "Button36" << "AA00040D020a0b0ABB";
    }
    void echoShowsDigitsAsTyped()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(QString, echo);
        Window w(scriptedPath());
        Scripted script;
        if (!edit.isEmpty())
            w.setText(edit, text);
        w.check(QStringLiteral("RadioButton4"));
        w.click(button);
        QCOMPARE(w.lines().value(0), QStringLiteral("发送...") + echo);
        QCOMPARE(script.requestsHex().value(0).remove(u' '), echo.toUpper());
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

    // The debug echo shows only frames that go out.
    void refusedFrameIsNotEchoed()
    {
        Window w(scriptedPath());
        Scripted script;
        w.check(QStringLiteral("RadioButton4"));
        w.check(QStringLiteral("RadioButton15"));
        w.check(QStringLiteral("CheckBox19"));
        w.setText(QStringLiteral("Edit23"), QString(2 * 250, u'A'));
        w.click(QStringLiteral("Button24"));
        w.session().SendHex(QStringLiteral("AA 00 01 83 82 B"));
        QCOMPARE(script.requestCount(), 0);
        const QStringList lines = w.lines();
        QVERIFY2(lines.size() == 6, qPrintable(lines.join(u'|')));
        QVERIFY(lines[0].startsWith(QStringLiteral("The frame of 263 bytes is longer than 255 bytes")));
        QCOMPARE(lines.mid(1, 3), QStringList({"", kNoDataEn, ""}));
        QVERIFY(lines[4].startsWith(QStringLiteral("The frame has an odd number of hex digits")));
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

    // A second SIGTERM or SIGINT, while the first is still being served, ends
    // the program at once.
    void secondSignalEndsAtOnce()
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("RFID_CHILD"), QStringLiteral("second-signal"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 128 + SIGTERM);
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
    if (qEnvironmentVariable("RFID_CHILD") == QLatin1String("second-signal"))
        return secondSignal();
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window.moc"
