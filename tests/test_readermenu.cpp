// The "Reader" menu and the reader icon of the status bar, through the window
// on real reader libraries: the hid library over a bus of fake readers (two
// listed, the second chosen gets the frames, unplugged and plugged in again),
// the virtual library that lists itself, and a library that lists nothing.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/readermenu.h"
#include "app/tform1.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
QString fakeHidPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/librfidfakehid.so");
}

// "text" for each device item, "*text" when checked; "-" for a separator.
QStringList items(Window &w)
{
    QStringList out;
    for (const QAction *a : w.form().readerMenu()->menu()->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : (a->isChecked() ? QStringLiteral("*") : QString()) + a->text());
    return out;
}

QAction *deviceItem(Window &w, const QString &id)
{
    for (QAction *a : w.form().readerMenu()->menu()->actions())
        if (a->data().toString() == id)
            return a;
    return nullptr;
}

QLabel *panel(Window &w)
{
    return w.find<QLabel>(QStringLiteral("StatusPanel1"));
}

// The panel's tool tip and accessible description, which must agree.
QString panelSays(Window &w)
{
    QLabel *p = panel(w);
    return p->toolTip() == p->accessibleDescription() ? p->toolTip() : QStringLiteral("<differ>");
}

const QString kFirst = QStringLiteral("Acme Desk Reader (1234:abcd:SN1)");
const QString kSecond = QStringLiteral("Acme Desk Reader (1234:abcd:SN2)");
} // namespace

class TestReaderMenu : public QObject
{
    Q_OBJECT

    QLibrary m_fake{fakeHidPath()};
    using Reset = void (*)(int);
    using Plug = void (*)(int, int);
    using Writes = int (*)(int);
    Reset m_reset = nullptr;
    Plug m_plug = nullptr;
    Writes m_writes = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_fake.load(), qPrintable(m_fake.errorString()));
        m_reset = reinterpret_cast<Reset>(m_fake.resolve("fakeBusReset"));
        m_plug = reinterpret_cast<Plug>(m_fake.resolve("fakeBusPlug"));
        m_writes = reinterpret_cast<Writes>(m_fake.resolve("fakeBusWrites"));
        QVERIFY(m_reset && m_plug && m_writes);
    }

    void init()
    {
        qunsetenv("RFID_HID_DEVICE");
        m_reset(2);
    }

    void chooseTheSecondAndFollowHotPlug()
    {
        Window w(fakeHidPath());
        const QList<QAction *> top = w.form().menuBar()->actions();
        QCOMPARE(top.at(2)->text(), QStringLiteral("Reader"));
        QVERIFY(top.at(2)->isEnabled());
        QCOMPARE(items(w), QStringList({kFirst, kSecond, "-", "Refresh"}));
        QCOMPARE(panelSays(w), QStringLiteral("No reader"));
        const QPixmap none = panel(w)->pixmap();
        QVERIFY(!none.isNull());
        QCOMPARE(panel(w)->text(), QString());

        deviceItem(w, "1234:abcd:SN2")->trigger();
        QCOMPARE(items(w), QStringList({kFirst, "*" + kSecond, "-", "Refresh"}));
        QCOMPARE(panelSays(w), kSecond);
        const QPixmap present = panel(w)->pixmap();
        QVERIFY(present.toImage() != none.toImage());

        // The command goes to the second reader, which answers it.
        w.check(QStringLiteral("RadioButton15"));
        w.click(QStringLiteral("Button24"));
        QCOMPARE(m_writes(0), 0);
        QVERIFY(m_writes(1) > 0);
        QCOMPARE(w.takeLines(), QStringList({"Set Up Success   <time>", ""}));

        // Pulled out: within the polling second the menu and the icon follow.
        m_plug(1, 0);
        QTRY_COMPARE_WITH_TIMEOUT(panelSays(w), QStringLiteral("No reader"), 2 * ReaderMenu::kPollMs + 500);
        QCOMPARE(panel(w)->pixmap().toImage(), none.toImage());
        QCOMPARE(items(w), QStringList({"Acme Desk Reader (1234:abcd)", "-", "Refresh"}));
        m_plug(1, 1);
        QTRY_COMPARE_WITH_TIMEOUT(panelSays(w), kSecond, 2 * ReaderMenu::kPollMs + 500);
        QCOMPARE(panel(w)->pixmap().toImage(), present.toImage());
        QCOMPARE(items(w), QStringList({kFirst, "*" + kSecond, "-", "Refresh"}));
        const int before = m_writes(1);
        w.click(QStringLiteral("Button24"));
        QVERIFY(m_writes(1) > before);
        QCOMPARE(m_writes(0), 0);
    }

    // --device chooses at start; RFID_HID_DEVICE wins over it.
    void deviceOption_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QStringList>("menu");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("option") << QByteArray() << QStringList({kFirst, "*" + kSecond, "-", "Refresh"}) << QStringList();
        QTest::newRow("variable wins")
            << QByteArray("1234:abcd:SN1") << QStringList({"*" + kFirst, kSecond, "-", "Refresh"})
            << QStringList{"The reader is fixed outside the tool (RFID_HID_DEVICE); 1234:abcd:SN2 is not taken."};
    }
    void deviceOption()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QStringList, menu);
        QFETCH(QStringList, lines);
        if (!variable.isNull())
            qputenv("RFID_HID_DEVICE", variable);
        WindowOptions options;
        options.readerPath = fakeHidPath();
        options.device = QStringLiteral("1234:abcd:SN2");
        Window w(options);
        QCOMPARE(items(w), menu);
        QCOMPARE(w.lines(), lines);
        qunsetenv("RFID_HID_DEVICE");
    }

    void virtualListsItself()
    {
        Window w(virtualPath());
        QCOMPARE(items(w), QStringList({"*Virtual reader (virtual)", "-", "Refresh"}));
        QCOMPARE(panelSays(w), QStringLiteral("Virtual reader (virtual)"));
        QCOMPARE(panel(w)->accessibleName(), QStringLiteral("Reader"));
    }

    void libraryThatListsNothing()
    {
        WindowOptions options;
        options.readerPath = scriptedPath();
        options.device = QStringLiteral("1234:abcd");
        Window w(options);
        QVERIFY(!w.form().readerMenu()->menu()->menuAction()->isEnabled());
        QVERIFY(panel(w)->pixmap().isNull());
        QCOMPARE(panel(w)->text(), QString());
        QCOMPARE(w.lines(), QStringList{"The reader library does not choose devices; 1234:abcd is not used."});
    }
};

QTEST_MAIN(TestReaderMenu)
#include "test_readermenu.moc"
