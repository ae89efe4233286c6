// The repeat loops: one table, one mechanism. Rows whose page is not built yet
// are driven on stand-in boxes and buttons bound into the real window, with the
// window's real waits; the console's CheckBox3 runs on its real widgets.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/console.h"
#include "app/repeatloops.h"
#include "app/tform1.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

Q_DECLARE_METATYPE(rfid::LoopWait)

namespace {
// Stand-in widgets for every row, under one hidden parent in the window; each
// button click is recorded with its time (ms since the fixture was made).
struct StandIns {
    explicit StandIns(TForm1 &form)
        : root(new QWidget(&form))
    {
        root->hide();
        for (const LoopRow &row : loopRows()) {
            auto *box = new QCheckBox(root);
            box->setObjectName(QString::fromLatin1(row.box));
            for (const char *name : row.buttons) {
                if (!name || root->findChild<QPushButton *>(QString::fromLatin1(name)))
                    continue;
                auto *b = new QPushButton(root);
                b->setObjectName(QString::fromLatin1(name));
                QObject::connect(b, &QPushButton::clicked, root, [this, b] {
                    clicks.append({b->objectName(), clock.elapsed()});
                    if (onClick)
                        onClick(b->objectName());
                });
            }
        }
        bound = form.repeatLoops()->bind(root);
        clock.start();
    }
    QAbstractButton *box(const char *name) const { return root->findChild<QAbstractButton *>(QString::fromLatin1(name)); }
    QList<qint64> times(const QString &button) const
    {
        QList<qint64> out;
        for (const auto &[name, at] : clicks)
            if (name == button)
                out << at;
        return out;
    }

    QWidget *root;
    int bound = 0;
    QElapsedTimer clock;
    QList<std::pair<QString, qint64>> clicks;
    std::function<void(const QString &)> onClick;
};

QList<qint64> gaps(const QList<qint64> &times)
{
    QList<qint64> out;
    for (int i = 1; i < times.size(); ++i)
        out << times[i] - times[i - 1];
    return out;
}
} // namespace

class TestLoops : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
    }

    void tableAsDesigned_data()
    {
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<LoopWait>("wait");
        QTest::addColumn<QString>("pauseEdit");
        QTest::addColumn<int>("offset");
        using W = LoopWait;
        QTest::newRow("CheckBox3") << "Button3" << W::Delay << "Edit6" << 0;
        QTest::newRow("CheckBox2") << "Button8" << W::Delayy << "Edit22" << 0;
        QTest::newRow("CheckBox1") << "Button9" << W::Delayy << "Edit22" << 10;
        QTest::newRow("CheckBox4") << "Button29" << W::Delay << "Edit22" << 10;
        QTest::newRow("CheckBox12") << "Button9 Button8" << W::Delayy << "Edit22" << 10;
        QTest::newRow("CheckBox8") << "Button55" << W::Delay << "Edit22" << 10;
        QTest::newRow("CheckBox9") << "Button18" << W::Delay << "Edit22" << 50;
        QTest::newRow("CheckBox10") << "Button54" << W::Delayy << "Edit22" << 100;
        QTest::newRow("CheckBox11") << "Button31" << W::Delay << "Edit22" << 10;
        QTest::newRow("CheckBox13") << "Button19" << W::Delayy << "Edit22" << 0;
        QTest::newRow("CheckBox14") << "Button22" << W::Delayy << "Edit22" << 0;
        QTest::newRow("CheckBox5") << "Button37" << W::Delay << "Edit22" << 10;
        QTest::newRow("CheckBox6") << "Button38" << W::Delay << "Edit22" << 10;
        QTest::newRow("CheckBox7") << "Button39" << W::Delay << "Edit22" << 10;
    }
    void tableAsDesigned()
    {
        QFETCH(QString, buttons);
        QFETCH(LoopWait, wait);
        QFETCH(QString, pauseEdit);
        QFETCH(int, offset);
        QCOMPARE(loopRows().size(), 14);
        const QString box = QString::fromLatin1(QTest::currentDataTag());
        const auto row = std::find_if(loopRows().begin(), loopRows().end(),
                                      [&](const LoopRow &r) { return box == QLatin1String(r.box); });
        QVERIFY(row != loopRows().end());
        QStringList names;
        for (const char *n : row->buttons)
            if (n)
                names << QString::fromLatin1(n);
        QCOMPARE(names.join(u' '), buttons);
        QCOMPARE(row->wait, wait);
        QCOMPARE(QString::fromLatin1(row->pauseEdit), pauseEdit);
        QCOMPARE(row->offset, offset);
    }

    void pauseWithoutOverflow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset");
        QTest::addColumn<qint64>("ms");   // -1: not a whole number
        QTest::newRow("plain") << "100" << 10 << qint64(110);
        QTest::newRow("largest plus offset") << "2147483647" << 100 << qint64(2147483747);
        QTest::newRow("blanks around") << " 250 " << 0 << qint64(250);
        QTest::newRow("negative") << "-5" << 0 << qint64(-5);
        QTest::newRow("empty") << "" << 0 << qint64(-1);
        QTest::newRow("fraction") << "1.5" << 0 << qint64(-1);
        QTest::newRow("beyond 32 bits") << "2147483648" << 0 << qint64(-1);
    }
    void pauseWithoutOverflow()
    {
        QFETCH(QString, text);
        QFETCH(int, offset);
        QFETCH(qint64, ms);
        const std::optional<qint64> got = pauseMs(text, offset);
        QCOMPARE(got.value_or(-1), ms);
    }

    void rowsBindByName()
    {
        Window w(scriptedPath());
        // Every row's box and buttons exist on the window's pages.
        QCOMPARE(w.form().repeatLoops()->loops().size(), 14);
        StandIns s(w.form());
        QCOMPARE(s.bound, 14);
    }

    // A real page's loop against the virtual reader: S50/S70 "连续读" reads
    // the block over and over, a full pause after each read.
    void realPageLoop()
    {
        resetVirtualReader();
        Window w(virtualPath());
        w.setText(QStringLiteral("Edit22"), QStringLiteral("100"));
        auto *box = w.find<QAbstractButton>(QStringLiteral("CheckBox2"));
        QTimer::singleShot(1000, &w.form(), [box] { box->setChecked(false); });
        QElapsedTimer t;
        t.start();
        box->click();
        const qint64 elapsed = t.elapsed();
        const qsizetype reads = w.lines().filter(QStringLiteral("<time>")).size();
        QVERIFY2(elapsed >= 1000 && elapsed < 1400, qPrintable(QString::number(elapsed)));
        QVERIFY2(reads >= 8 && reads <= 11, qPrintable(w.lines().join(u'\n')));
    }

    // A Delayy row waits the full pause after every pass, whatever the answer.
    void delayyRowWaitsFullPause()
    {
        Window w(scriptedPath());
        StandIns s(w.form());
        w.setText(QStringLiteral("Edit22"), QStringLiteral("100"));
        QTimer::singleShot(1000, s.root, [&s] { s.box("CheckBox2")->setChecked(false); });
        s.box("CheckBox2")->click();
        const QList<qint64> at = s.times(QStringLiteral("Button8"));
        qInfo("CheckBox2, Edit22 = 100: %lld passes in 1000 ms, gaps %s", qint64(at.size()),
              qPrintable([&] { QStringList g; for (qint64 x : gaps(at)) g << QString::number(x); return g.join(u' '); }()));
        for (qint64 gap : gaps(at))
            QVERIFY2(gap >= 100, qPrintable(QString::number(gap)));
        QVERIFY(at.size() >= 7 && at.size() <= 11);
    }

    // A Delay row is paced by its exchanges: no pause while answers come, the
    // full pause while none does.
    void delayRowPacedByExchanges()
    {
        Window w(scriptedPath());
        Scripted script;
        StandIns s(w.form());
        w.setText(QStringLiteral("Edit22"), QStringLiteral("500"));
        int passes = 0;
        s.onClick = [&](const QString &) {
            w.session().SendHex(QStringLiteral("AA 00 01 83 82 BB"));
            if (++passes == 10)
                s.box("CheckBox5")->setChecked(false);
        };
        for (int i = 0; i < 10; ++i)
            script.respond(response(0));
        s.box("CheckBox5")->click();
        QCOMPARE(passes, 10);
        QVERIFY2(s.clock.elapsed() < 500, qPrintable(QString::number(s.clock.elapsed())));

        // Writes that fail leave recdata empty: each pause runs its 510 ms.
        passes = 7;
        script.failWrites(3);
        s.clicks.clear();
        s.box("CheckBox5")->click();
        QCOMPARE(passes, 10);
        for (qint64 gap : gaps(s.times(QStringLiteral("Button37"))))
            QVERIFY2(gap >= 510, qPrintable(QString::number(gap)));
        QCOMPARE(script.requestCount(), 13);
    }

    void clearingDuringPauseEndsAfterIt()
    {
        Window w(scriptedPath());
        StandIns s(w.form());
        w.setText(QStringLiteral("Edit22"), QStringLiteral("300"));
        s.onClick = [&](const QString &) {
            QTimer::singleShot(100, s.root, [&s] { s.box("CheckBox1")->setChecked(false); });
        };
        s.box("CheckBox1")->click();
        const qint64 ended = s.clock.elapsed();
        QCOMPARE(s.times(QStringLiteral("Button9")).size(), 1);
        QVERIFY2(ended >= 310, qPrintable(QString::number(ended)));
        QTest::qWait(400);
        QCOMPARE(s.clicks.size(), 1);
    }

    void newPauseTakesEffectAtTheNextPass()
    {
        Window w(scriptedPath());
        StandIns s(w.form());
        w.setText(QStringLiteral("Edit22"), QStringLiteral("100"));
        s.onClick = [&](const QString &) {
            const int n = int(s.clicks.size());
            if (n == 2)
                w.setText(QStringLiteral("Edit22"), QStringLiteral("500"));
            if (n == 3)
                s.box("CheckBox13")->setChecked(false);
        };
        s.box("CheckBox13")->click();
        const QList<qint64> g = gaps(s.times(QStringLiteral("Button19")));
        QCOMPARE(g.size(), 2);
        QVERIFY2(g[0] >= 100 && g[0] < 400, qPrintable(QString::number(g[0])));
        QVERIFY2(g[1] >= 500, qPrintable(QString::number(g[1])));
    }

    // CheckBox12: write, pause, read, pause, and again.
    void writeThenRead()
    {
        Window w(scriptedPath());
        StandIns s(w.form());
        w.setText(QStringLiteral("Edit22"), QStringLiteral("50"));
        s.onClick = [&](const QString &) {
            if (s.clicks.size() == 4)
                s.box("CheckBox12")->setChecked(false);
        };
        s.box("CheckBox12")->click();
        QStringList order;
        for (const auto &c : s.clicks)
            order << c.first;
        QCOMPARE(order, QStringList({"Button9", "Button8", "Button9", "Button8"}));
        for (int i = 1; i < s.clicks.size(); ++i)
            QVERIFY(s.clicks[i].second - s.clicks[i - 1].second >= 60);
    }

    // A loop ticked during another's wait runs inside it; a page change ends
    // the loops of boxes 1 to 11 and leaves 12 to 14 running.
    void pageChangeStopsOneToEleven()
    {
        Window w(scriptedPath());
        StandIns s(w.form());
        w.setText(QStringLiteral("Edit22"), QStringLiteral("50"));
        // Ticked without their loops; 2 and 13 are ticked by their clicks.
        for (const LoopRow &row : loopRows())
            s.box(row.box)->setChecked(qstrcmp(row.box, "CheckBox2") && qstrcmp(row.box, "CheckBox13"));
        qint64 changedAt = -1;
        QTimer::singleShot(30, s.root, [&] { s.box("CheckBox2")->click(); });   // nested loop
        QTimer::singleShot(400, s.root, [&] {
            changedAt = s.clock.elapsed();
            w.form().PageControl1Change(1);
            for (int i = 1; i <= 14; ++i) {
                auto *box = s.box(qPrintable(QStringLiteral("CheckBox%1").arg(i)));
                QCOMPARE(box->isChecked(), i >= 12);
            }
            QVERIFY(!w.find<QAbstractButton>(QStringLiteral("CheckBox3"))->isChecked());
        });
        QTimer::singleShot(800, s.root, [&] { s.box("CheckBox13")->setChecked(false); });
        s.box("CheckBox13")->click();
        QVERIFY(changedAt > 0);
        const QList<qint64> inner = s.times(QStringLiteral("Button8"));
        const QList<qint64> outer = s.times(QStringLiteral("Button19"));
        QVERIFY(inner.size() >= 3);
        QVERIFY(inner.last() < changedAt);
        QVERIFY(std::count_if(outer.begin(), outer.end(), [&](qint64 t) { return t > changedAt + 60; }) >= 3);
        QVERIFY(s.box("CheckBox12")->isChecked() && s.box("CheckBox14")->isChecked());
    }

    // The console's own loop: each pass sends the frame as typed.
    void consoleLoopSendsEachPass()
    {
        Window w(scriptedPath());
        Scripted script;
        for (int i = 0; i < 10; ++i)
            script.respond(response(0));
        w.setText(QStringLiteral("Edit6"), QStringLiteral("100"));
        auto *box = w.find<QAbstractButton>(QStringLiteral("CheckBox3"));
        QTimer::singleShot(550, &w.form(), [box] { box->setChecked(false); });
        QElapsedTimer t;
        t.start();
        box->click();
        const qint64 elapsed = t.elapsed();
        const QStringList sent = script.requestsHex();
        QVERIFY2(sent.size() >= 4 && sent.size() <= 6, qPrintable(QString::number(sent.size())));
        QCOMPARE(sent.count(QStringLiteral("AA 00 03 85 01 78 FF BB")), sent.size());
        QVERIFY(elapsed >= 550);
        QVERIFY(w.lines().isEmpty());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestLoops test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_loops.moc"
