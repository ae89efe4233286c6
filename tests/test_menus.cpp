// The main menu, the skins, the help window and the log pane's context menu,
// saving the log included; "Exit" during a loop in a child process.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/filedialogs.h"
#include "app/menus.h"
#include "app/skins.h"
#include "app/tform1.h"
#include "app/tform2.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
QAction *action(Window &w, const char *name)
{
    auto *a = w.find<QAction>(QString::fromLatin1(name));
    if (!a)
        qFatal("no action %s", name);
    return a;
}

QStringList menuTexts(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + u'=' + a->text());
    return out;
}

// Child modes: "Exit" or closing the window while the console loop waits, and
// "Exit" with nothing running.
int exitChild(const QString &mode)
{
    Window w(scriptedPath());
    if (mode.endsWith(QLatin1String("-during-loop"))) {
        w.setText(QStringLiteral("Edit6"), QStringLiteral("50"));
        QTimer::singleShot(300, &w.form(), [&w, mode] {
            if (mode.startsWith(QLatin1String("exit")))
                action(w, "N4")->trigger();
            else
                w.form().close();
        });
        w.click(QStringLiteral("CheckBox3"));
        std::printf("RESUMED\n");
        std::fflush(stdout);
        w.click(QStringLiteral("Button3"));
        return 3;
    }
    QTimer::singleShot(50, &w.form(), [&w] { action(w, "N4")->trigger(); });
    const int rc = QApplication::exec();
    std::printf("LOOP ENDED %d\n", rc);
    return 0;
}
} // namespace

class TestMenus : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
    }

    void menusAsDesigned()
    {
        Window w(scriptedPath());
        const QList<QAction *> top = w.form().menuBar()->actions();
        QStringList titles;
        for (const QAction *a : top)
            titles << a->text();
        QCOMPARE(titles, QStringList({"System", "Stype", "Reader", "About"}));
        QCOMPARE(menuTexts(top[0]->menu()), QStringList({"N4=Exit"}));
        QCOMPARE(menuTexts(top[1]->menu()), QStringList({"N11=Stype one", "N12=Stype two", "N13=Stype three",
                                                         "N14=Stype four", "N51=Stype five", "N61=Stype six"}));
        QVERIFY(!top[2]->isEnabled());   // the scripted reader lists no devices
        QCOMPARE(menuTexts(top[3]->menu()), QStringList({"N5=Help"}));
        auto *popup = w.find<QMenu>(QStringLiteral("PopupMenu1"));
        QCOMPARE(menuTexts(popup), QStringList({"MenuItem1=清空", "MenuItem2=保存", "-", "N15=撤消", "N20=全选", "-",
                                                "N17=剪切", "N18=复制", "N19=粘贴...", "-",
                                                "OpenLogFolder=Open log folder"}));
        QCOMPARE(w.find(QStringLiteral("RichEdit1"))->contextMenuPolicy(), Qt::CustomContextMenu);
    }

    void skins()
    {
        QCOMPARE(skinStore().size(), 6);
        QStringList names;
        QSet<QString> sheets;
        for (const StoredSkin &s : skinStore()) {
            names << s.name;
            sheets.insert(s.styleSheet);
        }
        QCOMPARE(names, QStringList({"skin1", "skin2", "skin3", "skin4", "Skin5", "Skin6"}));
        QCOMPARE(sheets.size(), 6);

        for (int round = 0; round < 2; ++round) {   // the second window: a restart
            Window w(scriptedPath());
            SkinData *sd = w.form().skinData();
            QCOMPARE(sd->skinName(), QStringLiteral("Skin5"));
            QCOMPARE(w.form().styleSheet(), skinStore()[4].styleSheet);
            const char *items[] = {"N11", "N12", "N13", "N14", "N51", "N61"};
            for (int i = 0; i < 6; ++i) {
                action(w, items[i])->trigger();
                QCOMPARE(sd->skinIndex(), i);
                QCOMPARE(w.form().styleSheet(), skinStore()[i].styleSheet);
            }
            QVERIFY(!sd->loadFromCollection(6));
            QVERIFY(!sd->loadFromCollection(-1));
            QCOMPARE(sd->skinName(), QStringLiteral("Skin6"));
            QCOMPARE(w.form().styleSheet(), skinStore()[5].styleSheet);
        }
    }

    // Each Help shows a fresh one-label window, modally; closing destroys it.
    void helpWindow()
    {
        Window w(scriptedPath());
        QList<QObject *> shown;
        int destroyed = 0;
        for (int i = 0; i < 2; ++i) {
            QTimer::singleShot(50, &w.form(), [&] {
                auto *help = qobject_cast<TForm2 *>(QApplication::activeModalWidget());
                QVERIFY(help);
                shown << help;
                connect(help, &QObject::destroyed, [&destroyed] { ++destroyed; });
                QCOMPARE(help->windowTitle(), QStringLiteral("RFID"));
                QCOMPARE(help->size(), QSize(448, 261));
                const QList<QLabel *> labels = help->findChildren<QLabel *>();
                QCOMPARE(labels.size(), 1);
                QCOMPARE(labels[0]->text(), QStringLiteral("Output format setting          "));
                help->close();
            });
            action(w, "N5")->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(shown.size(), 2);
        QCOMPARE(destroyed, 2);
        QVERIFY(!w.form().menus()->helpWindow());
    }

    void clearThenLogStartsAtTop()
    {
        Window w(scriptedPath());
        w.session().log(QStringLiteral("one\r\n"));
        w.session().log(QStringLiteral("two"));
        action(w, "MenuItem1")->trigger();
        QVERIFY(w.lines().isEmpty());
        w.session().log(QStringLiteral("three\r\n"));
        QCOMPARE(w.form().logPane()->lines(), QStringList({"three", ""}));
    }

    void editItemsOnThePane()
    {
        Window w(scriptedPath());
        LogPane *pane = w.form().logPane();
        w.session().log(QStringLiteral("读卡 alpha"));
        w.session().log(QStringLiteral("beta"));
        // Select all, copy.
        action(w, "N20")->trigger();
        QCOMPARE(pane->textCursor().selectedText(), QStringLiteral("读卡 alpha\u2029beta"));
        action(w, "N18")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("读卡 alpha\nbeta"));
        // Cut the first word; undo brings it back.
        QTextCursor c(pane->document());
        c.setPosition(0);
        c.setPosition(2, QTextCursor::KeepAnchor);
        pane->setTextCursor(c);
        action(w, "N17")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("读卡"));
        QCOMPARE(pane->lines(), QStringList({" alpha", "beta"}));
        action(w, "N15")->trigger();
        QCOMPARE(pane->lines(), QStringList({"读卡 alpha", "beta"}));
        // Paste at the caret; undo takes it back.
        pane->moveCursor(QTextCursor::End);
        action(w, "N19")->trigger();
        QCOMPARE(pane->lines(), QStringList({"读卡 alpha", "beta读卡"}));
        action(w, "N15")->trigger();
        QCOMPARE(pane->lines(), QStringList({"读卡 alpha", "beta"}));
    }

    // The saved log is the pane's lines, each ended by CR LF, in UTF-8,
    // replacing an older file under the name as typed.
    void savedLogRoundTrips()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(4096, 'x'));
        }
        Window w(scriptedPath());
        Scripted script;
        script.respond(response(0));
        w.check(QStringLiteral("RadioButton15"));
        w.click(QStringLiteral("Button24"));
        w.session().log(QStringLiteral("读卡成功 ID 01020304\r\n"));
        w.session().log(QStringLiteral("  trailing blanks   "));
        const QStringList lines = w.form().logPane()->lines();
        Chooser c(path);
        action(w, "MenuItem2")->trigger();
        QCOMPARE(c.requests.size(), 1);
        QCOMPARE(c.requests[0].title, QStringLiteral("保存接收数据！"));
        QCOMPARE(c.requests[0].filter, QStringLiteral("文本文件(.txt)|*.txt"));
        QVERIFY(c.requests[0].save);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray saved = f.readAll();
        QCOMPARE(saved, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        QVERIFY(saved.contains("读卡成功 ID 01020304\r\n\r\n  trailing blanks   \r\n"));
        QCOMPARE(linesOfFile(saved), lines);
        QCOMPARE(w.form().logPane()->lines(), lines);   // the pane is as it was
    }

    void logThatCannotBeWritten()
    {
        QTemporaryDir dir;
        Window w(scriptedPath());
        w.session().log(QStringLiteral("kept\r\n"));
        {
            Chooser cancel{QString()};
            action(w, "MenuItem2")->trigger();
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        const QString bad = dir.filePath(QStringLiteral("missing/log.txt"));
        Chooser c(bad);
        action(w, "MenuItem2")->trigger();
        const QStringList lines = w.lines();
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.mid(0, 2), QStringList({"kept", ""}));
        QVERIFY2(lines[2].startsWith(QStringLiteral("日志无法保存到 ") + bad + QStringLiteral("：")), qPrintable(lines[2]));
        QVERIFY(lines[2].endsWith(QStringLiteral("<time>")));
    }

    void exitEndsTheProgram_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("during a loop") << "exit-during-loop";
        QTest::newRow("window closed during a loop") << "close-during-loop";
        QTest::newRow("idle") << "exit-idle";
    }
    void exitEndsTheProgram()
    {
        QFETCH(QString, mode);
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("requests.txt"));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("RFID_CHILD"), mode);
        env.insert(QStringLiteral("RFID_SCRIPT_LOG"), log);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const QByteArray out = child.readAllStandardOutput();
        QVERIFY(!out.contains("RESUMED"));
        QFile f(log);
        if (mode == QLatin1String("exit-idle")) {
            QVERIFY(out.contains("LOOP ENDED 0"));
            QVERIFY(!f.exists());
            return;
        }
        // The loop sent every 50 ms or so until "Exit", and nothing after.
        QVERIFY(f.open(QIODevice::ReadOnly));
        const qsizetype sent = f.readAll().count('\n');
        QVERIFY2(sent >= 2 && sent <= 7, qPrintable(QString::number(sent)));
    }

    // Not a check: with RFID_SKIN_SHOTS=folder (under a real display) it
    // writes one screenshot of each skin, with the Stype menu open.
    void skinScreenshots()
    {
        const QString folder = qEnvironmentVariable("RFID_SKIN_SHOTS");
        if (folder.isEmpty())
            QSKIP("RFID_SKIN_SHOTS not set");
        Window w(virtualPath(), false);
        w.form().move(0, 0);
        // The console as well: Chinese captions, a multi-line edit.
        w.find(QStringLiteral("GroupBox5"))->show();
        w.check(QStringLiteral("CheckBox3"));   // a ticked box, without its loop
        QVERIFY(QTest::qWaitForWindowExposed(&w.form()));
        w.form().logPane()->appendPlainText(QStringLiteral("Read data success    10:15:07 AM\n\n读卡成功 卡号：01020304   10:15:08 AM\n"));
        // A popup closes at once without a window manager to give it the
        // pointer, so the open Stype menu is drawn onto the window's picture
        // where it opens.
        QMenuBar *bar = w.form().menuBar();
        QMenu *stype = bar->actions().at(1)->menu();
        for (int i = 0; i < skinStore().size(); ++i) {
            w.form().skinData()->loadFromCollection(i);
            w.form().Timer1Timer();
            QTest::qWait(200);
            QPixmap shot = w.form().grab();
            stype->ensurePolished();
            stype->adjustSize();
            stype->setActiveAction(stype->actions().at(i));
            const QPixmap menu = stype->grab();
            QPainter p(&shot);
            p.drawPixmap(bar->mapTo(&w.form(), bar->actionGeometry(bar->actions().at(1)).bottomLeft()), menu);
            p.end();
            QVERIFY(shot.save(QDir(folder).filePath(QStringLiteral("%1.png").arg(skinStore()[i].name))));
        }
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString child = qEnvironmentVariable("RFID_CHILD");
    if (!child.isEmpty())
        return exitChild(child);
    TestMenus test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_menus.moc"
