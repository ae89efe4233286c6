// The system commands page: its frames, its log lines, its refusals, and the
// reader's own settings kept by the virtual reader.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTabWidget>
#include <QTest>

#include "app/tform1.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
const QString kNoData = QStringLiteral("通讯错误，没有接收到数据..   <time>");
const QString kCorrupted = QStringLiteral("数据丢包，流水校验出错   <time>");

// "Edit4=05" entries: the texts typed before the click.
void type(Window &w, const QStringList &entries)
{
    for (const QString &e : entries) {
        const qsizetype at = e.indexOf(u'=');
        w.setText(e.left(at), e.mid(at + 1));
    }
}

QString oddLine(const QString &field)
{
    return field + QStringLiteral("：十六进制数字个数为奇数，未发送   <time>");
}
} // namespace

class TestSystemPage : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
        resetVirtualReader();
    }

    void pageCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("GroupBox3") << "GroupBox3" << "系统命令";
        QTest::newRow("GroupBox11") << "GroupBox11" << "读卡器硬件状态切换";
        QTest::newRow("Label12") << "Label12" << "设置波特率:      ";
        QTest::newRow("ComboBox5") << "ComboBox5" << "9600";
        QTest::newRow("Label30") << "Label30" << "（要设置的波特率）              ";
        QTest::newRow("Label3") << "Label3" << "读取机器ID号:         ";
        QTest::newRow("Label11") << "Label11" << "重设置机器ID号：    ";
        QTest::newRow("Edit4") << "Edit4" << "00";
        QTest::newRow("Label27") << "Label27" << "（范围0~FF）  ";
        QTest::newRow("Label7") << "Label7" << "读取机器的序列号：    ";
        QTest::newRow("Label13") << "Label13" << "重设置机器序列号：     ";
        QTest::newRow("Edit9") << "Edit9" << "FF FF FF FF FF FF FF FF";
        QTest::newRow("Label8") << "Label8" << "8个字节     ";
        QTest::newRow("Label24") << "Label24" << "led的控制：";
        QTest::newRow("Label4") << "Label4" << "  周期      ";
        QTest::newRow("Label44") << "Label44" << "次数     ";
        QTest::newRow("Label37") << "Label37" << "led-R 的控制：";
        QTest::newRow("Label38") << "Label38" << "  周期      ";
        QTest::newRow("Label6") << "Label6" << "次数     ";
        QTest::newRow("Label25") << "Label25" << "buzzer的控制：";
        QTest::newRow("Label5") << "Label5" << "  周期        ";
        QTest::newRow("Label39") << "Label39" << "次数     ";
        QTest::newRow("Label56") << "Label56" << "读卡器硬件状态切换：      ";
        QTest::newRow("Button52") << "Button52" << "主动读卡";
        QTest::newRow("Button53") << "Button53" << "被动读卡";
        QTest::newRow("Label57") << "Label57" << "程序等待时间：   ";
        QTest::newRow("Edit22") << "Edit22" << "100";
        QTest::newRow("Label58") << "Label58" << "毫秒（ms）";
        for (const char *set : {"Button12", "Button11", "Button13", "Button20", "Button23", "Button21"})
            QTest::newRow(set) << set << "设置";
        for (const char *read : {"Button4", "Button14"})
            QTest::newRow(read) << read << "读取";
        for (const char *period : {"Edit30", "Edit11", "Edit33"})
            QTest::newRow(period) << period << "16";
        for (const char *count : {"Edit31", "Edit12", "Edit34"})
            QTest::newRow(count) << count << "03";
    }
    void pageCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        Window w(scriptedPath());
        QWidget *page = w.find(QStringLiteral("TabSheet4"));
        QVERIFY(page);
        QWidget *widget = page->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QVERIFY(widget->isVisibleTo(page));
        QString shown;
        if (auto *l = qobject_cast<QLabel *>(widget))
            shown = l->text();
        else if (auto *b = qobject_cast<QAbstractButton *>(widget))
            shown = b->text();
        else if (auto *e = qobject_cast<QLineEdit *>(widget))
            shown = e->text();
        else if (auto *c = qobject_cast<QComboBox *>(widget))
            shown = c->currentText();
        else if (auto *g = qobject_cast<QGroupBox *>(widget))
            shown = g->title();
        QCOMPARE(shown, text);
    }

    void comboAndHints()
    {
        Window w(scriptedPath());
        auto *baud = w.find<QComboBox>(QStringLiteral("ComboBox5"));
        QVERIFY(baud->isEditable());
        QStringList items;
        for (int i = 0; i < baud->count(); ++i)
            items << baud->itemText(i);
        QCOMPARE(items, QStringList({"9600", "19200", "38400", "57600", "115200"}));
        QCOMPARE(baud->toolTip(), QStringLiteral("待设置的波特率"));
        QCOMPARE(w.find(QStringLiteral("Edit4"))->toolTip(), QStringLiteral("要设置的新地址 ,十六进制表示。"));
    }

    // A rate typed and confirmed with Enter is the one to send, never a new item.
    void typedBaudIsNotKept()
    {
        Window w(scriptedPath());
        auto *pages = w.find<QTabWidget>(QStringLiteral("PageControl1"));
        pages->setCurrentWidget(w.find(QStringLiteral("TabSheet4")));
        auto *baud = w.find<QComboBox>(QStringLiteral("ComboBox5"));
        baud->setFocus();
        baud->lineEdit()->selectAll();
        QTest::keyClicks(baud->lineEdit(), QStringLiteral("4800"));
        QTest::keyClick(baud->lineEdit(), Qt::Key_Return);
        QCOMPARE(baud->count(), 5);
        QCOMPARE(baud->findText(QStringLiteral("4800")), -1);
        QCOMPARE(baud->currentText(), QStringLiteral("4800"));
    }

    void tabShowsOnlyWithAllPages()
    {
        for (const bool all : {false, true}) {
            Window w(scriptedPath(), all);
            auto *pages = w.find<QTabWidget>(QStringLiteral("PageControl1"));
            const int index = pages->indexOf(w.find(QStringLiteral("TabSheet4")));
            QCOMPARE(pages->tabText(index), QStringLiteral("系统命令"));
            QCOMPARE(pages->isTabVisible(index), all);
        }
    }

    // A screen reader tells every field by its label and every button by its row.
    void accessibleNames()
    {
        Window w(scriptedPath());
        QWidget *page = w.find(QStringLiteral("TabSheet4"));
        for (QWidget *field : page->findChildren<QWidget *>()) {
            if (qobject_cast<QLineEdit *>(field) && qobject_cast<QComboBox *>(field->parent()))
                continue;   // the combo's own editor: the combo carries the name
            if (qobject_cast<QLineEdit *>(field) || qobject_cast<QComboBox *>(field))
                QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(field->objectName()));
        }
        QSet<QString> heard;
        for (QAbstractButton *b : page->findChildren<QAbstractButton *>()) {
            const QString name = b->accessibleName().isEmpty() ? b->text() : b->accessibleName();
            QVERIFY2(!heard.contains(name), qPrintable(name));
            heard.insert(name);
        }
        QCOMPARE(heard.size(), 10);
    }

    void frames_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("frame");
        QTest::newRow("LED") << "Button20" << QStringList{} << "AA 00 03 88 16 03 9E BB";
        QTest::newRow("LED-R") << "Button23" << QStringList{} << "AA 00 03 87 16 03 91 BB";
        QTest::newRow("buzzer") << "Button21" << QStringList{} << "AA 00 03 89 16 03 9F BB";
        QTest::newRow("serial number, blanks dropped")
            << "Button13" << QStringList{} << "AA 00 09 82 FF FF FF FF FF FF FF FF 8B BB";
        QTest::newRow("active reading") << "Button52" << QStringList{} << "AA 00 02 0F 01 0C BB";
        QTest::newRow("passive reading") << "Button53" << QStringList{} << "AA 00 02 0F 02 0F BB";
        QTest::newRow("read address") << "Button4" << QStringList{} << "AA 00 01 83 82 BB";
        QTest::newRow("read serial number") << "Button14" << QStringList{} << "AA 00 01 83 82 BB";
        QTest::newRow("baud 9600") << "Button12" << QStringList{} << "AA 00 02 81 00 83 BB";
        QTest::newRow("baud 19200") << "Button12" << QStringList{"ComboBox5=19200"} << "AA 00 02 81 01 82 BB";
        QTest::newRow("baud 115200") << "Button12" << QStringList{"ComboBox5=115200"} << "AA 00 02 81 04 87 BB";
        QTest::newRow("set address 00") << "Button11" << QStringList{} << "AA 00 02 80 00 82 BB";
        QTest::newRow("set address 1a, lower case") << "Button11" << QStringList{"Edit4=1a"} << "AA 00 02 80 1A 98 BB";
        QTest::newRow("LED-R as typed") << "Button23" << QStringList{"Edit11=0a", "Edit12= ff"}
                                        << "AA 00 03 87 0A FF 71 BB";
    }
    void frames()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, typed);
        QFETCH(QString, frame);
        Window w(scriptedPath());
        Scripted script;
        type(w, typed);
        script.respond(response(0, "00 00 00 00 00 00 00 00 00"));
        w.click(button);
        QCOMPARE(script.requestsHex(), QStringList{frame});
        // The mode switch is not waited for and not reported.
        if (button == QLatin1String("Button52") || button == QLatin1String("Button53"))
            QCOMPARE(w.lines(), QStringList());
        else
            QVERIFY(!w.lines().isEmpty());
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("lines");
        struct Handler {
            const char *button, *row, *failure;
            QString data;          // what a successful answer carries
            QStringList shown;     // its success lines
        };
        const Handler handlers[] = {
            {"Button12", "baud", "波特率设置失败   <time>", {}, {"波特率设置成功   <time>", ""}},
            {"Button4", "address", "操作失败        <time>", "05 0C 00", {"系统地址为 : 05   <time>", ""}},
            {"Button11", "set address", "读写器地址设置失败   <time>", {}, {"读写器地址设置成功   <time>", ""}},
            {"Button14", "serial number", "读序列号失败   <time>", "05 01 02 03 04 0A 0B 0C 0D",
             {"读序列号成功   <time>", "地址为：05", "序列号为：010203040A0B0C0D", ""}},
            {"Button13", "set serial number", "机器序列号设置失败   <time>", {}, {"机器序列号设置成功   <time>", ""}},
            {"Button20", "LED", "设置LED操作失败   <time>", {}, {"设置LED操作成功   <time>", ""}},
            {"Button23", "LED-R", "设置LED-R操作失败   <time>", {}, {"设置LED-R操作成功   <time>", ""}},
            {"Button21", "buzzer", "设置BUZ操作失败   <time>", {}, {"设置BUZ操作成功   <time>", ""}},
        };
        for (const Handler &h : handlers) {
            const QString b = QString::fromLatin1(h.button);
            QTest::addRow("%s success", h.row) << b << response(0, h.data) << h.shown;
            QTest::addRow("%s failure", h.row)
                << b << response(1, "82") << QStringList{QString::fromUtf8(h.failure), "通讯超时 ....", ""};
            QTest::addRow("%s no data", h.row) << b << QByteArray() << QStringList{kNoData, ""};
            QTest::addRow("%s corrupted", h.row) << b << response(2, "00") << QStringList{kCorrupted, ""};
        }
        QTest::newRow("failure with an unknown reason")
            << "Button20" << response(1, "42") << QStringList{"设置LED操作失败   <time>", "", ""};
        QTest::newRow("bad check byte") << "Button4" << bytes("AA 00 02 00 05 00 BB") << QStringList{kCorrupted, ""};
        // A short answer shows the digits it has, never its check and end bytes.
        QTest::newRow("serial number, short answer")
            << "Button14" << response(0, "05 01 02")
            << QStringList{"读序列号成功   <time>", "地址为：05", "序列号为：0102", ""};
    }
    void outcomes()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, lines);
        QCOMPARE(linesOfClick(button, answer), lines);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("lines");
        const QString choices = QStringLiteral("不是可选的波特率（9600、19200、38400、57600、115200）之一，未发送   <time>");
        QTest::newRow("baud not an item") << "Button12" << QStringList{"ComboBox5=4800"}
                                          << QStringList{"波特率“4800”" + choices, ""};
        QTest::newRow("baud with a blank") << "Button12" << QStringList{"ComboBox5=9600 "}
                                           << QStringList{"波特率“9600 ”" + choices, ""};
        QTest::newRow("baud empty") << "Button12" << QStringList{"ComboBox5="} << QStringList{"波特率“”" + choices, ""};
        QTest::newRow("address odd") << "Button11" << QStringList{"Edit4=5"}
                                     << QStringList{oddLine("重设置机器ID号（Edit4）")};
        QTest::newRow("serial number odd") << "Button13" << QStringList{"Edit9=FF FF FF FF FF FF FF F"}
                                           << QStringList{oddLine("重设置机器序列号（Edit9）")};
        QTest::newRow("LED count odd") << "Button20" << QStringList{"Edit31=3"}
                                       << QStringList{oddLine("led的控制 次数（Edit31）")};
        QTest::newRow("LED-R period odd") << "Button23" << QStringList{"Edit11=163"}
                                          << QStringList{oddLine("led-R 的控制 周期（Edit11）")};
        QTest::newRow("buzzer both odd, first named") << "Button21" << QStringList{"Edit33=1", "Edit34=0"}
                                                      << QStringList{oddLine("buzzer的控制 周期（Edit33）")};
    }
    void refusals()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, lines);
        Window w(scriptedPath());
        Scripted script;
        type(w, typed);
        w.click(button);
        QCOMPARE(script.requestCount(), 0);
        QCOMPARE(w.lines(), lines);
    }

    // The mode switch's answer is not taken for the next command's.
    void eachExchangeJudgesItsOwnAnswer()
    {
        Window w(scriptedPath());
        Scripted script;
        script.respond(response(0));
        w.click(QStringLiteral("Button52"));
        w.click(QStringLiteral("Button20"));   // no answer queued
        QCOMPARE(script.requestCount(), 2);
        QCOMPARE(w.lines(), QStringList({kNoData, ""}));
    }

    void serialNumberRoundTrip()
    {
        Window w(virtualPath());
        w.setText(QStringLiteral("Edit9"), QStringLiteral("01 23 45 67 89 ab cd ef"));
        w.click(QStringLiteral("Button13"));
        w.click(QStringLiteral("Button14"));
        QCOMPARE(w.lines(), QStringList({"机器序列号设置成功   <time>", "", "读序列号成功   <time>", "地址为：00",
                                         "序列号为：0123456789ABCDEF", ""}));
    }

    void newAddressIsReachedOnlyThere()
    {
        Window w(virtualPath());
        w.setText(QStringLiteral("Edit4"), QStringLiteral("05"));
        w.click(QStringLiteral("Button11"));
        QCOMPARE(w.takeLines(), QStringList({"读写器地址设置成功   <time>", ""}));
        w.click(QStringLiteral("Button4"));
        QCOMPARE(w.takeLines(), QStringList({kNoData, ""}));
        auto *setadd = w.find<QComboBox>(QStringLiteral("setadd"));
        QVERIFY(setadd->isVisibleTo(&w.form()));
        w.choose(QStringLiteral("setadd"), QStringLiteral("05"));
        w.click(QStringLiteral("Button4"));
        QCOMPARE(w.takeLines(), QStringList({"系统地址为 : 05   <time>", ""}));
        w.click(QStringLiteral("Button20"));
        QCOMPARE(w.takeLines(), QStringList({"设置LED操作成功   <time>", ""}));
    }
};

QTEST_MAIN(TestSystemPage)
#include "test_systempage.moc"
