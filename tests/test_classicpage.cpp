// The S50/S70 page: its frames, its log lines for every outcome, the refusal
// of half bytes, and the Classic card of the virtual reader through the window.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
const QString kOk = QStringLiteral("操作成功   <time>");
const QString kFail = QStringLiteral("读卡失败   <time>");

struct Command {
    const char *button;
    QString failure;        // first line on status 01
    QString successData;    // a success answer's data
    QStringList success;    // its lines
};

QList<Command> commands()
{
    return {
        {"Button8", kFail, "3A7C91E5 0102", {kOk, "卡号为:3A7C91E5", "卡的数据为:0102", ""}},
        {"Button9", kFail, "3A7C91E5", {kOk, "卡号为:3A7C91E5"}},
        {"Button16", "HALT操作失败   <time>", "", {"HALT操作成功   <time>", ""}},
        {"Button29", "读卡号操作失败   <time>", "01 3A7C91E5",
         {kOk, "", "返回卡号为:3A7C91E5", "检测到的卡的数量为多张卡..", ""}},
        {"Button26", kFail, "3A7C91E5", {kOk, "返回卡ID号为:3A7C91E5", ""}},
        {"Button10", kFail, "3A7C91E5 00200000", {kOk, "返回卡ID号为:3A7C91E5", "剩余值为为: 00200000", ""}},
        {"Button15", kFail, "3A7C91E5 00A80000", {kOk, "返回卡ID号为:3A7C91E5", "剩余值为为: 00A80000", ""}},
    };
}
} // namespace

class TestClassicPage : public QObject
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
        const QList<QPair<QString, QString>> captions = {
            {"CheckBox2", "连续读      "}, {"CheckBox1", "连续写        "}, {"CheckBox4", "连续读        "},
            {"CheckBox12", "CheckBox12"}, {"Button8", "读卡"}, {"Button9", "写卡"}, {"Button16", "Halt"},
            {"Button29", "读卡号"}, {"Button26", "初始化"}, {"Button10", "加值"}, {"Button15", "减值"}};
        for (const auto &[name, caption] : captions)
            QCOMPARE(w.find<QAbstractButton>(name)->text(), caption);
        QCOMPARE(w.find<QComboBox>(QStringLiteral("ComboBox3"))->count(), 64);
        QCOMPARE(w.find<QComboBox>(QStringLiteral("ComboBox3"))->itemText(63), QStringLiteral("3f"));
        QWidget *page = w.find(QStringLiteral("TabSheet2"));
        QStringList names;
        for (QWidget *field : page->findChildren<QWidget *>()) {
            if (!qobject_cast<QLineEdit *>(field) && !qobject_cast<QComboBox *>(field) && !qobject_cast<QAbstractButton *>(field))
                continue;
            if (qobject_cast<QLineEdit *>(field) && qobject_cast<QComboBox *>(field->parentWidget()))
                continue;   // a combo's own edit
            const QString name = field->accessibleName().isEmpty() ? qobject_cast<QAbstractButton *>(field)
                    ? qobject_cast<QAbstractButton *>(field)->text() : QString() : field->accessibleName();
            QVERIFY2(!name.isEmpty(), qPrintable(field->objectName()));
            names << name;
        }
        QCOMPARE(names.size(), QSet<QString>(names.begin(), names.end()).size());
    }

    void defaultFrames_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("frame");
        QTest::newRow("read blocks") << "Button8" << "AA 00 0A 20 00 04 10 3C 5E 71 9D 2B 64 FF BB";
        QTest::newRow("write blocks") << "Button9"
                                      << "AA 00 1A 21 00 01 10 3C 5E 71 9D 2B 64 FF FF FF FF FF FF FF FF FF FF FF FF "
                                         "FF FF FF FF EB BB";
        QTest::newRow("halt") << "Button16" << "AA 00 01 06 07 BB";
        QTest::newRow("read card number") << "Button29" << "AA 00 03 25 26 00 00 BB";
        QTest::newRow("initialise") << "Button26" << "AA 00 0D 22 00 01 3C 5E 71 9D 2B 64 00 88 00 00 67 BB";
        QTest::newRow("increment") << "Button10" << "AA 00 0D 24 00 01 3C 5E 71 9D 2B 64 00 20 00 00 C9 BB";
        QTest::newRow("decrement") << "Button15" << "AA 00 0D 23 00 01 3C 5E 71 9D 2B 64 00 20 00 00 CE BB";
    }
    void defaultFrames()
    {
        QFETCH(QString, button);
        QFETCH(QString, frame);
        Window w(scriptedPath());
        Scripted script;
        script.respond(response(0));
        w.click(button);
        QCOMPARE(script.requestsHex(), QStringList{frame});
    }

    // Each group forms its parameter byte from its own radio pairs.
    void modeBytes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QString>("bytes");   // request bytes 4 and 5
        QTest::newRow("Idle, Key A") << "Button8" << QStringList{} << "00 04";
        QTest::newRow("All, Key A") << "Button8" << QStringList{"reqa"} << "01 04";
        QTest::newRow("Idle, Key B") << "Button8" << QStringList{"keyb"} << "02 04";
        QTest::newRow("All, Key B") << "Button8" << QStringList{"reqa", "keyb"} << "03 04";
        QTest::newRow("write: All, Key B") << "Button9" << QStringList{"reqaa", "keybb"} << "03 01";
        QTest::newRow("write ignores the read pairs") << "Button9" << QStringList{"reqa", "keyb"} << "00 01";
        QTest::newRow("initialise: All") << "Button26" << QStringList{"reqaaa"} << "01 01";
        QTest::newRow("increment: Key B") << "Button10" << QStringList{"keybbbb"} << "02 01";
        QTest::newRow("decrement: All, Key B") << "Button15" << QStringList{"reqaaaaa", "keybbbbb"} << "03 01";
        QTest::newRow("card number: All is WUPA") << "Button29" << QStringList{"reqa5"} << "52 00";
        QTest::newRow("card number: halt flag") << "Button29" << QStringList{"yeshalt"} << "26 01";
    }
    void modeBytes()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, ticks);
        QFETCH(QString, bytes);
        Window w(scriptedPath());
        Scripted script;
        for (const QString &t : ticks)
            w.check(t);
        w.click(button);
        QCOMPARE(script.requestHex(0).mid(12, 5), bytes);
    }

    void typedFieldsAsTyped()
    {
        Window w(scriptedPath());
        Scripted script;
        w.setText(QStringLiteral("ComboBox3"), QStringLiteral("80"));
        w.setText(QStringLiteral("ComboBox4"), QStringLiteral("3c5e719d2b64"));
        w.click(QStringLiteral("Button8"));
        w.setText(QStringLiteral("ComboBox8"), QStringLiteral("02"));
        w.click(QStringLiteral("Button9"));
        // A start block outside the list goes out as typed; the reader decides
        // about a count that does not match the data.
        QCOMPARE(script.requestHex(0), QStringLiteral("AA 00 0A 20 00 04 80 3C 5E 71 9D 2B 64 6F BB"));
        QCOMPARE(script.requestHex(1).mid(12, 8), QStringLiteral("00 02 10"));
        QCOMPARE(script.request(1).size(), 31);
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("lines");
        for (const Command &c : commands()) {
            const QString b = QString::fromLatin1(c.button);
            QTest::addRow("%s success", c.button) << b << response(0, c.successData) << c.success;
            QTest::addRow("%s failure", c.button)
                << b << response(1, "8C") << QStringList{c.failure, "密码认证没通过....", ""};
            QTest::addRow("%s no data", c.button) << b << QByteArray() << QStringList{"通讯错误，没有接收到数据..   <time>", ""};
            QTest::addRow("%s corrupted", c.button) << b << response(2, "00") << QStringList{"数据丢包，流水校验出错   <time>", ""};
        }
        QTest::newRow("read ends after the card number")
            << "Button8" << response(0, "3A7C91E5") << QStringList{kOk, "卡号为:3A7C91E5", "卡的数据为:", ""};
        QTest::newRow("card number: one card")
            << "Button29" << response(0, "00 3A7C91E5") << QStringList{kOk, "", "返回卡号为:3A7C91E5", "检测到的卡的数量为一张卡..", ""};
        QTest::newRow("card number: other flag")
            << "Button29" << response(0, "02 3A7C91E5") << QStringList{kOk, "", "返回卡号为:3A7C91E5"};
        QByteArray badXor = response(0, "3A7C91E5");
        badXor[badXor.size() - 2] = char(badXor[badXor.size() - 2] ^ 1);
        QTest::newRow("bad check byte") << "Button9" << badXor << QStringList{"数据丢包，流水校验出错   <time>", ""};
    }
    void outcomes()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, lines);
        QCOMPARE(linesOfClick(button, answer), lines);
    }

    // A half byte would shift every later byte of the frame: nothing is sent.
    void oddFieldsRefused_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("read key") << "Button8" << "ComboBox4" << "3C 5E 71 9D 2B 6" << "密钥（读卡）";
        QTest::newRow("read start") << "Button8" << "ComboBox3" << "1" << "起始块（读卡）";
        QTest::newRow("write key, data odd too") << "Button9" << "ComboBox9" << "3C5E719D2B640" << "密钥（写卡）";
        QTest::newRow("write data") << "Button9" << "Edit3" << "FF FF F" << "块数据（写卡）";
        QTest::newRow("initial value") << "Button26" << "Edit59" << "00 88 0" << "初始值（初始化）";
        QTest::newRow("increment sector") << "Button10" << "Edit1" << "1" << "扇区（加值）";
        QTest::newRow("decrement key") << "Button15" << "Edit7" << "3C5E719D2B6" << "密钥（减值）";
    }
    void oddFieldsRefused()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, name);
        Window w(scriptedPath());
        Scripted script;
        w.setText(field, text);
        if (field == QLatin1String("ComboBox9"))
            w.setText(QStringLiteral("Edit3"), QStringLiteral("FF FF F"));
        w.click(button);
        QCOMPARE(script.requestCount(), 0);
        QCOMPARE(w.lines(), QStringList{name + QStringLiteral("：十六进制数字个数为奇数，未发送   <time>")});
    }

    void addressPairReachesEveryPage()
    {
        Window w(scriptedPath());
        Scripted script;
        auto *setadd = w.find<QComboBox>(QStringLiteral("setadd"));
        QVERIFY(!w.find<QRadioButton>(QStringLiteral("RadioButton1"))->isChecked());
        QVERIFY(!w.find<QRadioButton>(QStringLiteral("RadioButton2"))->isChecked());
        w.click(QStringLiteral("RadioButton1"));
        QCOMPARE(setadd->currentText(), QStringLiteral("11"));
        const QStringList buttons = {"Button16", "Button29", "Button8", "Button55", "Button18", "Button54", "Button25"};
        for (const QString &b : buttons)
            w.click(b);
        const QStringList frames = script.requestsHex();
        QCOMPARE(frames.size(), buttons.size());
        for (const QString &f : frames)
            QVERIFY2(f.startsWith(QLatin1String("AA 11 ")), qPrintable(f));
        QCOMPARE(frames.first(), QStringLiteral("AA 11 01 06 16 BB"));
        w.click(QStringLiteral("RadioButton2"));
        w.click(QStringLiteral("Button16"));
        QCOMPARE(script.requestsHex().last(), QStringLiteral("AA 10 01 06 17 BB"));
    }

    // The Classic card of the virtual reader, through the window.

    void writeThenReadBack()
    {
        Window w(virtualPath());
        const QString data = QStringLiteral("00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF");
        w.setText(QStringLiteral("ComboBox7"), QStringLiteral("05"));
        w.setText(QStringLiteral("Edit3"), data);
        w.click(QStringLiteral("Button9"));
        w.setText(QStringLiteral("ComboBox3"), QStringLiteral("05"));
        w.setText(QStringLiteral("ComboBox6"), QStringLiteral("01"));
        w.click(QStringLiteral("Button8"));
        QCOMPARE(w.lines(), QStringList({kOk, "卡号为:3A7C91E5", kOk, "卡号为:3A7C91E5",
                                         "卡的数据为:" + QString(data).remove(u' '), ""}));
    }

    void defaultClicksSucceed()
    {
        Window w(virtualPath());
        for (const char *b : {"Button8", "Button9", "Button26", "Button10", "Button15", "Button29", "Button16"}) {
            w.click(b);
            const QStringList lines = w.takeLines();
            QVERIFY2(lines.first().startsWith(QStringLiteral("操作成功")) || lines.first().startsWith(QStringLiteral("HALT操作成功")),
                     qPrintable(QString::fromLatin1(b) + u' ' + lines.join(u'|')));
        }
    }

    void valueFollows()
    {
        Window w(virtualPath());
        w.click(QStringLiteral("Button26"));
        w.click(QStringLiteral("Button10"));
        w.click(QStringLiteral("Button15"));
        w.click(QStringLiteral("Button15"));
        QCOMPARE(w.lines(), QStringList({kOk, "返回卡ID号为:3A7C91E5", "",
                                         kOk, "返回卡ID号为:3A7C91E5", "剩余值为为: 00A80000", "",
                                         kOk, "返回卡ID号为:3A7C91E5", "剩余值为为: 00880000", "",
                                         kOk, "返回卡ID号为:3A7C91E5", "剩余值为为: 00680000", ""}));
    }

    void wrongKey()
    {
        Window w(virtualPath());
        w.choose(QStringLiteral("ComboBox4"), QStringLiteral("6B 27 E9 40 D3 18"));
        w.click(QStringLiteral("Button8"));
        QCOMPARE(w.lines(), QStringList({kFail, "密码认证没通过....", ""}));
    }

    void haltedAnswersOnlyAll()
    {
        Window w(virtualPath());
        w.click(QStringLiteral("Button8"));
        w.click(QStringLiteral("Button16"));
        w.takeLines();
        w.click(QStringLiteral("Button8"));
        QCOMPARE(w.takeLines(), QStringList({kFail, "卡不存在....", ""}));
        w.check(QStringLiteral("reqa"));
        w.click(QStringLiteral("Button8"));
        QCOMPARE(w.takeLines().first(), kOk);
    }
};

QTEST_MAIN(TestClassicPage)
#include "test_classicpage.moc"
