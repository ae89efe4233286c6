// The session log on disk and the bounded log pane: every line that enters
// the pane is in the file, in order, CR LF, within a second and at the end;
// the pane keeps the last lines, says once where the full log is, and the
// operator's editing, undo and saving keep working on what it holds.
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <csignal>

#include "app/sessionlog.h"
#include "app/tform1.h"
#include "session/readersession.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
QByteArray asFile(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QAction *action(Window &w, const char *name)
{
    return w.find<QMenu>(QStringLiteral("PopupMenu1"))->findChild<QAction *>(QString::fromLatin1(name));
}
} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestSessionLog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_state;

    QString logDir() const { return m_state.filePath(QStringLiteral("rfid/logs")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_state.isValid());
        qputenv("XDG_STATE_HOME", m_state.path().toUtf8());
    }

    void boundedPaneFullFile()
    {
        WindowOptions options;
        options.readerPath = virtualPath();
        options.logLines = 10;
        Window w(options);
        LogPane *pane = w.form().logPane();
        SessionLog *file = pane->sessionLog();
        QVERIFY(file && file->isOpen());
        QCOMPARE(QFileInfo(file->filePath()).absolutePath(), logDir());
        QVERIFY2(QRegularExpression(QStringLiteral("^rfid-\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d(-\\d+)?\\.log$"))
                     .match(QFileInfo(file->filePath()).fileName()).hasMatch(),
                 qPrintable(file->filePath()));

        QStringList logged;
        for (int i = 1; i <= 6; ++i) {
            w.form().session().log(QStringLiteral("读卡 line %1").arg(i));
            logged << QStringLiteral("读卡 line %1").arg(i);
        }
        w.form().session().log(QStringLiteral("two\r\nlines\r\n"));
        logged << "two" << "lines" << "";
        QCOMPARE(pane->lines(), logged);   // 9 lines: nothing dropped yet
        w.click(QStringLiteral("Button25"));   // a real command's lines
        const qint64 added = pane->linesAdded();
        QVERIFY(added > 10);

        // The file holds every line within a second, the window still open
        // (the margin is for slow sanitizer builds).
        QTRY_VERIFY_WITH_TIMEOUT(fileBytes(file->filePath()).count("\r\n") == added, 3000);
        const QByteArray onDisk = fileBytes(file->filePath());
        QVERIFY(onDisk.startsWith(asFile(logged)));
        QCOMPARE(onDisk.count('\n'), onDisk.count("\r\n"));

        // The pane: the last lines, among them one notice naming the file.
        const QStringList shown = pane->lines();
        QCOMPARE(shown.size(), 10);
        const QStringList notices = shown.filter(QStringLiteral("The full log is in"));
        QCOMPARE(notices, QStringList{"This pane keeps the last 10 lines; older lines leave it from the top. "
                                      "The full log is in " + file->filePath()});
        QStringList withoutNotice = shown;
        withoutNotice.removeAll(notices[0]);
        QVERIFY(onDisk.endsWith(asFile(withoutNotice)));

        // The operator types into the last line; more lines push the edit up;
        // undo still takes back exactly the typing.
        pane->moveCursor(QTextCursor::End);
        pane->setFocus();
        QTest::keyClicks(pane, QStringLiteral("X"));   // one key, one edit
        QCOMPARE(pane->lines().last(), shown.last() + "X");
        for (int i = 0; i < 4; ++i)
            w.form().session().log(QStringLiteral("later %1").arg(i));
        const QStringList pushed = pane->lines();
        QCOMPARE(pushed.size(), 10);
        QCOMPARE(pushed.at(5), shown.last() + "X");
        action(w, "N15")->trigger();
        QStringList undone = pushed;
        undone[5] = shown.last();
        QCOMPARE(pane->lines(), undone);
        for (int i = 0; i < 10; ++i)
            w.form().session().log(QStringLiteral("much later %1").arg(i));
        QCOMPARE(pane->lines().filter(QStringLiteral("The full log is in")).size(), 0);   // said once, gone by now
        // An edit whose line has left the pane is not taken back somewhere else.
        QTextCursor c(pane->document());
        c.setPosition(0);
        pane->setTextCursor(c);
        QTest::keyClicks(pane, QStringLiteral("Z"));
        for (int i = 0; i < 3; ++i)
            w.form().session().log(QStringLiteral("more %1").arg(i));
        const QStringList before = pane->lines();
        action(w, "N15")->trigger();
        QCOMPARE(pane->lines(), before);

        // "保存" saves what the pane shows.
        const QString saved = m_state.filePath(QStringLiteral("saved.txt"));
        Chooser chooser(saved);
        action(w, "MenuItem2")->trigger();
        QCOMPARE(fileBytes(saved), asFile(pane->lines()));

        // "Open log folder" opens the session log's folder.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        w.find<QMenu>(QStringLiteral("PopupMenu1"))->aboutToShow();
        QVERIFY(action(w, "OpenLogFolder")->isEnabled());
        action(w, "OpenLogFolder")->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(logDir())});
    }

    // Lines logged just before the window goes are in the file: no second
    // has to pass.
    void writtenAtTheEnd()
    {
        QString path;
        {
            Window w(scriptedPath());
            w.form().session().log(QStringLiteral("last words\r\n"));
            path = w.form().logPane()->sessionLog()->filePath();
        }
        QCOMPARE(fileBytes(path), QByteArray("last words\r\n\r\n"));
    }

    // Stopped by a signal, the program ends as a window close does: the lines
    // of that end are in the file too.
    void writtenOnStopSignal()
    {
        QTemporaryDir dir;
        const QString saveDir = dir.filePath(QStringLiteral("saved"));
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), dir.path());
        tool.setProcessEnvironment(env);
        tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/rfid"),
                   {QStringLiteral("--reader"), QStringLiteral("virtual"), QStringLiteral("--save-field"), saveDir});
        QVERIFY(tool.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(saveDir).isDir(), 10000);
        QCOMPARE(::kill(pid_t(tool.processId()), SIGTERM), 0);
        QVERIFY(tool.waitForFinished(10000));
        QCOMPARE(tool.exitCode(), 0);
        const QStringList files = QDir(dir.filePath(QStringLiteral("rfid/logs"))).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        const QByteArray onDisk = fileBytes(dir.filePath(QStringLiteral("rfid/logs/")) + files[0]);
        QVERIFY2(onDisk.startsWith("Saved " + saveDir.toUtf8()) && onDisk.endsWith("\r\n"), onDisk.constData());
    }

    void oldFilesRemovedAtStart()
    {
        QTemporaryDir dir;
        // rfid-1 is the oldest; each file 40 bytes.
        for (int i = 1; i <= 5; ++i) {
            QFile f(dir.filePath(QStringLiteral("rfid-%1.log").arg(i)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(40, 'x'));
            f.flush();   // the time is set after the last write
            f.setFileTime(QDateTime::currentDateTime().addSecs(-100 + i), QFileDevice::FileModificationTime);
        }
        QFile other(dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        auto left = [&] {
            return QDir(dir.path()).entryList(QDir::Files, QDir::Name);
        };
        {
            SessionLog byCount(dir.path(), {4, 1000});
            QVERIFY(byCount.isOpen());
            QCOMPARE(left().size(), 5);   // three earlier, the new one, notes.txt
            QVERIFY(left().contains("rfid-3.log") && !left().contains("rfid-2.log") && left().contains("notes.txt"));
        }
        SessionLog bySize(dir.path(), {20, 100});   // the newest two of 40 bytes fit (the empty one costs nothing)
        QVERIFY(bySize.isOpen());
        QCOMPARE(left().filter(QStringLiteral("rfid-")).size(), 4);
        QVERIFY(left().contains("rfid-5.log") && left().contains("rfid-4.log") && !left().contains("rfid-3.log"));
    }

    void folderThatCannotBeMade()
    {
        WindowOptions options;
        options.readerPath = scriptedPath();
        options.logDir = QStringLiteral("/proc/rfid-nope/logs");
        Window w(options);
        QCOMPARE(w.lines(), QStringList{"No session log is kept: the folder /proc/rfid-nope/logs cannot be made"});
        w.find<QMenu>(QStringLiteral("PopupMenu1"))->aboutToShow();
        QVERIFY(!action(w, "OpenLogFolder")->isEnabled());
    }

    void logLinesOption_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("zero") << "0";
        QTest::newRow("not a number") << "many";
    }
    void logLinesOption()
    {
        QFETCH(QString, value);
        QProcess tool;
        tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/rfid"),
                   {QStringLiteral("--log-lines"), value});
        QVERIFY(tool.waitForFinished(10000));
        QCOMPARE(tool.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(tool.readAllStandardError()),
                 QStringLiteral("--log-lines takes a whole number of 1 or more, not \"%1\"\n").arg(value));
    }
};

QTEST_MAIN(TestSessionLog)
#include "test_sessionlog.moc"
