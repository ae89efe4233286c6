// The Ultralight page: its frames, decimal page lists, log lines for every
// outcome, and the Ultralight card of the virtual reader through the window.
#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "pages/ultralightpage.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
const QString kUid = QStringLiteral("045A3B129C6E80");
} // namespace

class TestUltralightPage : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
        resetVirtualReader();
    }

    // The repeat loops find these by name; a screen reader tells every field apart.
    void controls()
    {
        Window w(scriptedPath());
        const QList<QPair<QString, QString>> captions = {{"CheckBox8", "连续读      "}, {"CheckBox9", "连续读      "},
                                                         {"CheckBox10", "连续写      "}, {"Button55", "Read"},
                                                         {"Button17", "Halt"}, {"Button18", "读卡"}, {"Button54", "Write"}};
        for (const auto &[name, caption] : captions)
            QCOMPARE(w.find<QAbstractButton>(name)->text(), caption);
        QWidget *page = w.find(QStringLiteral("TabSheet3"));
        QStringList names;
        for (QWidget *field : page->findChildren<QWidget *>()) {
            if (!qobject_cast<QLineEdit *>(field) && !qobject_cast<QListWidget *>(field) && !qobject_cast<QAbstractButton *>(field))
                continue;
            const auto *button = qobject_cast<QAbstractButton *>(field);
            const QString name = !field->accessibleName().isEmpty() ? field->accessibleName() : button ? button->text() : QString();
            QVERIFY2(!name.isEmpty(), qPrintable(field->objectName()));
            names << name;
        }
        QCOMPARE(names.size(), QSet<QString>(names.begin(), names.end()).size());
    }

    void frames_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QString>("frame");
        QTest::newRow("serial number") << "Button55" << QStringList{} << "AA 00 02 E3 00 E1 BB";
        QTest::newRow("halt") << "Button17" << QStringList{} << "AA 00 01 06 07 BB";
        QTest::newRow("read page") << "Button18" << QStringList{} << "AA 00 03 E0 00 00 E3 BB";
        QTest::newRow("write page") << "Button54" << QStringList{} << "AA 00 08 E1 00 01 04 00 00 00 00 EC BB";
        QTest::newRow("serial number, All") << "Button55" << QStringList{"Ula"} << "AA 00 02 E3 01 E0 BB";
        QTest::newRow("read page, All") << "Button18" << QStringList{"Ulaa"} << "AA 00 03 E0 01 00 E2 BB";
        QTest::newRow("write page, All") << "Button54" << QStringList{"Ulaaa"}
                                         << "AA 00 08 E1 01 01 04 00 00 00 00 ED BB";
    }
    void frames()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, ticks);
        QFETCH(QString, frame);
        Window w(scriptedPath());
        Scripted script;
        for (const QString &t : ticks)
            w.check(t);
        w.click(button);
        QCOMPARE(script.requestsHex(), QStringList{frame});
    }

    void pagesAreDecimal_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("page");
        QTest::newRow("09") << "09" << "09";
        QTest::newRow("10") << "10" << "0A";
        QTest::newRow("15") << "15" << "0F";
    }
    void pagesAreDecimal()
    {
        QFETCH(QString, item);
        QFETCH(QString, page);
        Window w(scriptedPath());
        Scripted script;
        for (const char *list : {"ListBox1", "ListBox2"}) {
            auto *l = w.find<QListWidget>(QString::fromLatin1(list));
            l->setCurrentItem(l->findItems(item, Qt::MatchExactly).first());
        }
        w.click(QStringLiteral("Button18"));
        w.setText(QStringLiteral("Edit56"), QStringLiteral("1a2b3c4d"));
        w.click(QStringLiteral("Button54"));
        QCOMPARE(script.requestHex(0).mid(15, 2), page);
        QCOMPARE(script.requestHex(1).mid(18, 14), page + QStringLiteral(" 1A 2B 3C 4D"));
        if (item == QLatin1String("10"))
            QCOMPARE(script.requestHex(0), QStringLiteral("AA 00 03 E0 00 0A E9 BB"));
    }

    void startSelection()
    {
        Window w(scriptedPath());
        QCOMPARE(w.find<QListWidget>(QStringLiteral("ListBox1"))->currentItem()->text(), QStringLiteral("00"));
        QCOMPARE(w.find<QListWidget>(QStringLiteral("ListBox2"))->currentItem()->text(), QStringLiteral("04"));
        QCOMPARE(w.find<QListWidget>(QStringLiteral("ListBox2"))->count(), 16);
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("lines");
        const struct {
            const char *button;
            QString failure, successData;
            QStringList success;
        } commands[] = {
            {"Button55", "读卡ID号操作失败   <time>", kUid, {"读卡号 操作成功   <time>", "卡号为:" + kUid, ""}},
            {"Button17", "HALT操作失败   <time>", "", {"HALT操作成功   <time>", ""}},
            {"Button18", "读卡失败   <time>", "00112233445566778899AABBCCDDEEFF" + kUid,
             {"读卡 操作成功   <time>", "读卡返回数据为: 00112233445566778899AABBCCDDEEFF", "卡ID号为:" + kUid, ""}},
            {"Button54", "写卡操作失败   <time>", kUid, {"写卡操作成功   <time>", "卡号为:" + kUid, ""}},
        };
        for (const auto &c : commands) {
            const QString b = QString::fromLatin1(c.button);
            QTest::addRow("%s success", c.button) << b << response(0, c.successData) << c.success;
            QTest::addRow("%s failure", c.button) << b << response(1, "94")
                                                  << QStringList{c.failure, "要操作的对象已经别锁定，不能进行修改....", ""};
            QTest::addRow("%s no data", c.button) << b << QByteArray() << QStringList{"通讯错误，没有接收到数据..   <time>", ""};
            QTest::addRow("%s corrupted", c.button) << b << response(7) << QStringList{"数据丢包，流水校验出错   <time>", ""};
        }
        QTest::newRow("short read") << "Button18" << response(0, "0011")
                                    << QStringList{"读卡 操作成功   <time>", "读卡返回数据为: 0011", "卡ID号为:", ""};
    }
    void outcomes()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, lines);
        QCOMPARE(linesOfClick(button, answer), lines);
    }

    void oddDataRefused()
    {
        Window w(scriptedPath());
        Scripted script;
        w.setText(QStringLiteral("Edit56"), QStringLiteral("11 22 33 4"));
        w.click(QStringLiteral("Button54"));
        QCOMPARE(script.requestCount(), 0);
        QCOMPARE(w.lines(), QStringList{"页数据（写卡）：十六进制数字个数为奇数，未发送   <time>"});
    }

    // The Ultralight card of the virtual reader, through the window.

    void writeThenReadBack()
    {
        Window w(virtualPath());
        auto *read = w.find<QListWidget>(QStringLiteral("ListBox1"));
        auto *write = w.find<QListWidget>(QStringLiteral("ListBox2"));
        write->setCurrentRow(10);
        w.setText(QStringLiteral("Edit56"), QStringLiteral("de ad be ef"));
        w.click(QStringLiteral("Button54"));
        read->setCurrentRow(10);
        w.click(QStringLiteral("Button18"));
        // Page 15 is locked on the default card; the read rolls over to page 0.
        write->setCurrentRow(15);
        w.click(QStringLiteral("Button54"));
        read->setCurrentRow(14);
        w.click(QStringLiteral("Button18"));
        QCOMPARE(w.lines(), QStringList({"写卡操作成功   <time>", "卡号为:" + kUid, "",
                                         "读卡 操作成功   <time>", "读卡返回数据为: DEADBEEF000000000000000000000000",
                                         "卡ID号为:" + kUid, "",
                                         "写卡操作失败   <time>", "要操作的对象已经别锁定，不能进行修改....", "",
                                         "读卡 操作成功   <time>", "读卡返回数据为: 000000004C4F434B045A3BED129C6E80",
                                         "卡ID号为:" + kUid, ""}));
    }

    void haltedAnswersOnlyAll()
    {
        Window w(virtualPath());
        w.click(QStringLiteral("Button55"));
        w.click(QStringLiteral("Button17"));
        w.takeLines();
        w.click(QStringLiteral("Button55"));
        QCOMPARE(w.takeLines(), QStringList({"读卡ID号操作失败   <time>", "卡不存在....", ""}));
        w.check(QStringLiteral("Ula"));
        w.click(QStringLiteral("Button55"));
        QCOMPARE(w.takeLines(), QStringList({"读卡号 操作成功   <time>", "卡号为:" + kUid, ""}));
    }

    void defaultClicksSucceed()
    {
        Window w(virtualPath());
        const QStringList firstWords = {"读卡号 操作成功", "读卡 操作成功", "写卡操作成功", "HALT操作成功"};
        const char *buttons[] = {"Button55", "Button18", "Button54", "Button17"};
        for (int i = 0; i < 4; ++i) {
            w.click(QString::fromLatin1(buttons[i]));
            const QStringList lines = w.takeLines();
            QVERIFY2(lines.first().startsWith(firstWords[i]), qPrintable(lines.join(u'|')));
        }
    }
};

QTEST_MAIN(TestUltralightPage)
#include "test_ultralightpage.moc"
