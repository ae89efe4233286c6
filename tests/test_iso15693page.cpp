// The ISO15693 page: its requests byte for byte, its log lines for each kind
// of answer, and whole sessions against the virtual reader's tags.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "link/frame.h"
#include "link/hextext.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
// The request frame of the bytes from the length byte on, at address 00.
QString frameOf(const QString &fromLength)
{
    const QString body = QStringLiteral("00 ") + fromLength;
    return QStringLiteral("AA ") + body + u' ' + byteHex(xorOfHex(hexDigits(body))) + QStringLiteral(" BB");
}

// "ComboBox10=uid" chooses an item, "Edit55=..." types into a field.
void apply(Window &w, const QStringList &settings)
{
    for (const QString &s : settings) {
        const QString name = s.section(u'=', 0, 0), value = s.section(u'=', 1);
        if (name.startsWith(QStringLiteral("ComboBox")))
            w.choose(name, value);
        else
            w.setText(name, value);
    }
}

const QString kUid = QStringLiteral("01 02 03 04 05 06 07 E0");
const QString kNoData = QStringLiteral("通讯错误，没有接收到数据..   <time>");
const QString kCorrupted = QStringLiteral("数据丢包，流水校验出错   <time>");
const QString kLocked = QStringLiteral("要操作的对象已经别锁定，不能进行修改....");
const QString kCollision = QStringLiteral("接收卡数据出错....");

// The UID of card k (from 1) as the inventory's data line shows it: the
// tag's own order, least significant byte first.
QString uidFromDataLine(const QStringList &lines, int k)
{
    for (const QString &l : lines)
        if (l.startsWith(QStringLiteral("域内的卡片数据为：")))
            return l.mid(QStringLiteral("域内的卡片数据为：").size() + 20 * (k - 1) + 4, 16);
    return {};
}
} // namespace

class TestIso15693Page : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
        resetVirtualReader();
    }

    void startItems()
    {
        Window w(scriptedPath());
        const QStringList expected = {"Philips", "TI", "Philips", "uid", "Philips", "Philips",
                                      "Philips", "Philips", "Philips", "Philips"};
        for (int i = 0; i < 10; ++i) {
            auto *c = w.find<QComboBox>(QStringLiteral("ComboBox%1").arg(10 + i));
            QCOMPARE(c->currentText(), expected[i]);
            QCOMPARE(c->count(), 4);
            QVERIFY(!c->isEditable());
        }
    }

    // Captions and labels with their trailing blanks; each field named by its label.
    void captionsAndLabels()
    {
        Window w(scriptedPath());
        const QList<QPair<QString, QString>> captions = {
            {"CheckBox5", "连续读   "}, {"Button37", "防冲突"},      {"CheckBox6", "连续读     "},
            {"Button38", "卡片读"},     {"CheckBox7", "连续写   "},  {"Button39", "卡片写"},
            {"Button40", "锁定块"},     {"Button42", "选择卡"},      {"Button44", "写AFI"},
            {"Button45", "锁定AFI"},    {"Button46", "写DSFID"},     {"Button47", "锁定DSFID"},
            {"Button48", "系统信息"},   {"Button49", "块安全位"},
        };
        for (const auto &[name, caption] : captions)
            QCOMPARE(w.find<QAbstractButton>(name)->text(), caption);
        const QList<QPair<QString, QString>> labels = {
            {"ComboBox10", "标志位    "}, {"Edit14", "起始块  "},        {"Edit13", "块数量  "},
            {"Edit55", "卡的uid信息    "}, {"Edit48", "起始块  "},       {"Edit49", "块数量  "},
            {"Edit16", "要写的数据    "},  {"Edit50", "卡uid  "},        {"Edit18", "要锁的块号           "},
            {"Edit19", "卡的uid信息  "},   {"ComboBox19", "标志位    "}, {"Edit15", "AFI"},
            {"Edit28", "卡uid  "},         {"Edit32", "卡的uid信息  "},  {"Edit17", "DSFID"},
            {"Edit36", "卡uid  "},         {"Edit38", "卡的uid信息  "},  {"Edit41", "卡的uid信息  "},
            {"Edit21", "起始块号  "},      {"Edit20", "数据长度  "},
        };
        QHash<QWidget *, QString> labelOf;
        for (QLabel *l : w.find(QStringLiteral("TabSheet6"))->findChildren<QLabel *>())
            if (l->buddy())
                labelOf[l->buddy()] = l->text();
        for (const auto &[name, label] : labels) {
            QWidget *field = w.find(name);
            QCOMPARE(labelOf.value(field), label);
            QVERIFY(field->accessibleName().startsWith(label.trimmed()));
        }
        QVERIFY(!w.find(QStringLiteral("Edit43"))->accessibleName().isEmpty());
        const QStringList texts = {"01", "05", "05", "01", "11 22 33 44", "05", "06", "08", "00", "05"};
        const QStringList edits = {"Edit14", "Edit13", "Edit48", "Edit49", "Edit16",
                                   "Edit18", "Edit15", "Edit17", "Edit21", "Edit20"};
        for (int i = 0; i < edits.size(); ++i)
            QCOMPARE(w.find<QLineEdit>(edits[i])->text(), texts[i]);
    }

    void requests_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("request");
        const QString u = kUid;
        QTest::newRow("inventory") << QStringList{} << "Button37" << "04 10 06 00 00";
        QTest::newRow("read, Philips") << QStringList{} << "Button38" << "04 11 02 01 05";
        QTest::newRow("read, uid") << QStringList{"ComboBox10=uid", "Edit55=" + u} << "Button38"
                                   << "0C 11 22 01 05 " + u;
        QTest::newRow("read, uid field empty") << QStringList{"ComboBox10=uid"} << "Button38" << "04 11 22 01 05";
        QTest::newRow("read, UID only with uid") << QStringList{"ComboBox10=Other", "Edit55=" + u} << "Button38"
                                                 << "04 11 52 01 05";
        QTest::newRow("write, TI") << QStringList{} << "Button39" << "08 12 42 05 01 11 22 33 44";
        QTest::newRow("write, uid") << QStringList{"ComboBox11=uid", "Edit50=" + u} << "Button39"
                                    << "10 12 22 05 01 " + u + " 11 22 33 44";
        QTest::newRow("write, only hex digits travel")
            << QStringList{"Edit16=a1-b2 c3,d4 55"} << "Button39" << "09 12 42 05 01 A1 B2 C3 D4 55";
        QTest::newRow("lock, default") << QStringList{} << "Button40" << "03 13 02 05";
        QTest::newRow("lock, Other") << QStringList{"ComboBox12=Other"} << "Button40" << "03 13 52 05";
        QTest::newRow("lock, uid") << QStringList{"ComboBox12=uid"} << "Button40" << "03 13 22 05";
        QTest::newRow("select, uid") << QStringList{"Edit19=" + u} << "Button42" << "0A 15 22 " + u;
        QTest::newRow("select, TI still sends the UID") << QStringList{"ComboBox13=TI", "Edit19=" + u} << "Button42"
                                                        << "0A 15 42 " + u;
        QTest::newRow("select, UID field empty") << QStringList{} << "Button42" << "02 15 22";
        QTest::newRow("write AFI, Philips") << QStringList{} << "Button44" << "03 17 02 06";
        QTest::newRow("write AFI, uid after the value")
            << QStringList{"ComboBox14=uid", "Edit28=" + u.toLower()} << "Button44" << "0B 17 22 06 " + u;
        QTest::newRow("lock AFI, TI") << QStringList{"ComboBox15=TI"} << "Button45" << "02 18 42";
        QTest::newRow("lock AFI, uid") << QStringList{"ComboBox15=uid", "Edit32=" + u} << "Button45"
                                       << "0A 18 22 " + u;
        QTest::newRow("write DSFID, Philips") << QStringList{} << "Button46" << "03 19 02 08";
        QTest::newRow("write DSFID, uid") << QStringList{"ComboBox16=uid", "Edit36=" + u} << "Button46"
                                          << "0B 19 22 08 " + u;
        QTest::newRow("lock DSFID, Other") << QStringList{"ComboBox17=Other"} << "Button47" << "02 1A 52";
        QTest::newRow("lock DSFID, uid") << QStringList{"ComboBox17=uid", "Edit38=" + u} << "Button47"
                                         << "0A 1A 22 " + u;
        QTest::newRow("system information, Philips") << QStringList{} << "Button48" << "02 1B 02";
        QTest::newRow("system information, uid") << QStringList{"ComboBox18=uid", "Edit41=" + u} << "Button48"
                                                 << "0A 1B 22 " + u;
        QTest::newRow("block security, Philips") << QStringList{} << "Button49" << "04 1C 02 00 05";
        QTest::newRow("block security, uid") << QStringList{"ComboBox19=uid", "Edit43=" + u} << "Button49"
                                             << "0C 1C 22 00 05 " + u;
    }
    void requests()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, button);
        QFETCH(QString, request);
        Window w(scriptedPath());
        Scripted script;
        script.respond(response(0, "00"));   // answered: no full wait
        apply(w, settings);
        w.click(button);
        QCOMPARE(script.requestsHex(), QStringList{frameOf(request)});
    }

    // A field with an odd number of hex digits is refused, naming it; a field
    // that does not travel with the chosen item is not looked at.
    void oddFields_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");   // "" when the command goes out
        QTest::newRow("read, UID") << QStringList{"ComboBox10=uid", "Edit55=01 02 03 0"} << "Button38"
                                   << "卡的uid信息 (卡片读)（Edit55）";
        QTest::newRow("read, UID not sent") << QStringList{"Edit55=01 02 03 0"} << "Button38" << "";
        QTest::newRow("read, first block") << QStringList{"Edit14=1"} << "Button38" << "起始块 (卡片读)（Edit14）";
        QTest::newRow("write, data") << QStringList{"Edit16=11 22 33 4"} << "Button39"
                                     << "要写的数据 (卡片写)（Edit16）";
        QTest::newRow("select, UID") << QStringList{"ComboBox13=Philips", "Edit19=E0 0"} << "Button42"
                                     << "卡的uid信息 (选择卡)（Edit19）";
        QTest::newRow("block security, unlabelled UID") << QStringList{"ComboBox19=uid", "Edit43=E"} << "Button49"
                                                        << "卡uid (块安全位)（Edit43）";
    }
    void oddFields()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, button);
        QFETCH(QString, field);
        Window w(scriptedPath());
        Scripted script;
        script.respond(response(0, "00"));
        apply(w, settings);
        w.click(button);
        if (field.isEmpty()) {
            QCOMPARE(script.requestCount(), 1);
            return;
        }
        QCOMPARE(script.requestCount(), 0);
        QCOMPARE(w.lines(), QStringList{field + "：十六进制数字个数为奇数，未发送   <time>"});
    }

    void inventoryLines_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QStringList>("lines");
        const QString ok = QStringLiteral("操作成功   <time>");
        const QString count = QStringLiteral("域内的卡片数量为：");
        const QString cards = QStringLiteral("域内的卡片数据为：");
        QTest::newRow("no records") << "00" << QStringList{ok, count + "00", cards, ""};
        QTest::newRow("incomplete tail, count disagrees")
            << "05 00 00 01 02 03 04 05 06 07 E0 00 00 11"
            << QStringList{ok, count + "05", cards + "000001020304050607E0000011",
                           "第1张卡卡号为：E0 07 06 05 04 03 02 01 ", ""};
        QTest::newRow("three records")
            << "03 00 00 01 02 03 04 05 06 07 E0 00 08 A1 A2 A3 A4 A5 A6 04 E0 00 00 B1 B2 B3 B4 B5 B6 07 E0"
            << QStringList{ok,
                           count + "03",
                           cards + "000001020304050607E00008A1A2A3A4A5A604E00000B1B2B3B4B5B607E0",
                           "第1张卡卡号为：E0 07 06 05 04 03 02 01 ",
                           "第2张卡卡号为：E0 04 A6 A5 A4 A3 A2 A1 ",
                           "第3张卡卡号为：E0 07 B6 B5 B4 B3 B2 B1 ",
                           ""};
        // Six bytes: nothing but the status; the check byte is no count.
        QTest::newRow("shorter than 7 bytes") << "" << QStringList{ok, count, cards, ""};
    }
    void inventoryLines()
    {
        QFETCH(QString, data);
        QFETCH(QStringList, lines);
        Window w(scriptedPath());
        Scripted script;
        script.respond(response(0, data));
        w.click(QStringLiteral("Button37"));
        QCOMPARE(w.lines(), lines);
    }

    void answerLines_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("lines");
        const QString ok = QStringLiteral("操作成功   <time>");
        QTest::newRow("read blocks") << "Button38" << response(0, "00 11 22 33 44 55 66 77 88")
                                     << QStringList{ok, "标志位为：00", "读卡返回数据为：1122334455667788", ""};
        QTest::newRow("read fails") << "Button38" << response(1, "93")
                                    << QStringList{"读卡失败   <time>", "要操作的BLOCK不存在....", ""};
        QTest::newRow("write") << "Button39" << response(0, "00") << QStringList{"写卡操作成功   <time>", ""};
        QTest::newRow("write fails") << "Button39" << response(1, "94")
                                     << QStringList{"写卡失败   <time>", kLocked, ""};
        QTest::newRow("lock fails") << "Button40" << response(1, "95")
                                    << QStringList{"锁操作失败   <time>", "锁定操作不成功....", ""};
        QTest::newRow("select") << "Button42" << response(0, "00") << QStringList{"选择卡操作成功   <time>", ""};
        QTest::newRow("select, other status") << "Button42" << response(2, "00") << QStringList{kCorrupted, ""};
        QTest::newRow("inventory fails") << "Button37" << response(1, "83")
                                         << QStringList{"操作失败   <time>", "卡不存在....", ""};
        QTest::newRow("inventory, no answer") << "Button37" << QByteArray() << QStringList{kNoData, ""};
        QTest::newRow("write AFI") << "Button44" << response(0, "00") << QStringList{"写AFI操作成功   <time>", ""};
        QTest::newRow("lock AFI fails") << "Button45" << response(1, "94")
                                        << QStringList{"锁定AFI操作失败   <time>", kLocked, ""};
        QTest::newRow("write DSFID fails") << "Button46" << response(1, "96")
                                           << QStringList{"写DSFID操作失败   <time>", "写操作不成功....", ""};
        QTest::newRow("lock DSFID") << "Button47" << response(0, "00")
                                    << QStringList{"锁定DSFID操作成功   <time>", ""};
        QTest::newRow("system information")
            << "Button48" << response(0, "00 0F 01 02 03 04 05 06 07 E0 08 06 1B 03 01")
            << QStringList{ok,
                           "  Flags值为： 00",
                           "  INFO Flags值为： 0F",
                           "  卡UID值为： 01020304050607E0",
                           "  DSFID值为： 08",
                           "  AFI值为： 06",
                           "  Other fields值为： 1B0301",
                           ""};
        // 14 bytes: the positions stay fixed; what is missing shows nothing.
        QTest::newRow("system information, short")
            << "Button48" << response(0, "01 03 01 02 03 04 05 06")
            << QStringList{ok,
                           "  Flags值为： 01",
                           "  INFO Flags值为： 03",
                           "  卡UID值为： 010203040506",
                           "  DSFID值为： ",
                           "  AFI值为： ",
                           "  Other fields值为： ",
                           ""};
        QTest::newRow("system information fails")
            << "Button48" << response(1, "83") << QStringList{"操作失败   <time>", "卡不存在....", ""};
        QTest::newRow("block security") << "Button49" << response(0, "00 00 00 01 00 00")
                                        << QStringList{ok, "标志位为：00", "块安全位状态为：0000010000", ""};
        QTest::newRow("block security fails") << "Button49" << response(1, "93")
                                              << QStringList{"读卡块安全位失败   <time>", "要操作的BLOCK不存在....", ""};
    }
    void answerLines()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, lines);
        QCOMPARE(linesOfClick(button, answer), lines);
    }

    // A row judges only its own exchange: an earlier answer is not read again.
    void noAnswerAfterAnAnswer()
    {
        Window w(scriptedPath());
        Scripted script;
        script.respond(response(0, "00 11 22 33 44"));
        w.click(QStringLiteral("Button38"));
        w.takeLines();
        w.click(QStringLiteral("Button38"));
        QCOMPARE(w.takeLines(), QStringList({kNoData, ""}));
    }

    void inventoryListsBothTags()
    {
        Window w(virtualPath());
        w.click(QStringLiteral("Button37"));
        QCOMPARE(w.lines(), QStringList({"操作成功   <time>", "域内的卡片数量为：02",
                                         "域内的卡片数据为：0000318A5B2C100104E00000079C3F65080104E0",
                                         "第1张卡卡号为：E0 04 01 10 2C 5B 8A 31 ",
                                         "第2张卡卡号为：E0 04 01 08 65 3F 9C 07 ", ""}));
    }

    // What each row does with its defaults in the default field (the README
    // explains it): non-addressed commands reach both tags and collide.
    void defaultClicks_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("read") << "Button38" << QStringList{"读卡失败   <time>", kCollision, ""};
        QTest::newRow("write") << "Button39" << QStringList{"写卡失败   <time>", kCollision, ""};
        QTest::newRow("lock") << "Button40" << QStringList{"锁操作失败   <time>", kCollision, ""};
        QTest::newRow("select without UID")
            << "Button42" << QStringList{"选择卡操作失败   <time>", "输入参数或者输入命令格式错误....", ""};
        QTest::newRow("write AFI") << "Button44" << QStringList{"写AFI操作失败   <time>", kCollision, ""};
        QTest::newRow("system information") << "Button48" << QStringList{"操作失败   <time>", kCollision, ""};
        QTest::newRow("block security") << "Button49" << QStringList{"读卡块安全位失败   <time>", kCollision, ""};
    }
    void defaultClicks()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, lines);
        Window w(virtualPath());
        w.click(button);
        QCOMPARE(w.lines(), lines);
    }

    void writeReadAndLockABlock()
    {
        Window w(virtualPath());
        w.click(QStringLiteral("Button37"));
        const QString second = uidFromDataLine(w.takeLines(), 2);
        const QString first = uidFromDataLine(w.lines(), 1);
        QCOMPARE(second, QStringLiteral("079C3F65080104E0"));

        apply(w, {"ComboBox11=uid", "Edit50=" + second, "Edit16=A1 B2 C3 D4"});
        w.click(QStringLiteral("Button39"));
        apply(w, {"ComboBox10=uid", "Edit55=" + second, "Edit14=04", "Edit13=02"});
        w.click(QStringLiteral("Button38"));
        QCOMPARE(w.takeLines(), QStringList({"写卡操作成功   <time>", "", "操作成功   <time>", "标志位为：00",
                                             "读卡返回数据为：00000000A1B2C3D4", ""}));

        // Select the tag, lock its block with the select flag ("Other").
        w.setText(QStringLiteral("Edit19"), second);
        w.click(QStringLiteral("Button42"));
        w.choose(QStringLiteral("ComboBox12"), QStringLiteral("Other"));
        w.click(QStringLiteral("Button40"));
        w.setText(QStringLiteral("Edit16"), QStringLiteral("01 02 03 04"));
        w.click(QStringLiteral("Button39"));
        QCOMPARE(w.takeLines(), QStringList({"选择卡操作成功   <time>", "", "锁操作成功   <time>", "",
                                             "写卡失败   <time>", kLocked, ""}));

        // The lock shows on that tag only; its data is as written.
        apply(w, {"ComboBox19=uid", "Edit21=04", "Edit20=03", "Edit43=" + second});
        w.click(QStringLiteral("Button49"));
        w.setText(QStringLiteral("Edit43"), first);
        w.click(QStringLiteral("Button49"));
        w.click(QStringLiteral("Button38"));
        QCOMPARE(w.takeLines(), QStringList({"操作成功   <time>", "标志位为：00", "块安全位状态为：000100", "",
                                             "操作成功   <time>", "标志位为：00", "块安全位状态为：000000", "",
                                             "操作成功   <time>", "标志位为：00",
                                             "读卡返回数据为：00000000A1B2C3D4", ""}));
    }

    void afiAndDsfidInTheSystemInformation()
    {
        Window w(virtualPath());
        w.click(QStringLiteral("Button37"));
        const QString uid = uidFromDataLine(w.takeLines(), 1);
        apply(w, {"ComboBox14=uid", "Edit15=3D", "Edit28=" + uid, "ComboBox15=uid", "Edit32=" + uid,
                  "ComboBox16=uid", "Edit17=01", "Edit36=" + uid, "ComboBox17=uid", "Edit38=" + uid,
                  "ComboBox18=uid", "Edit41=" + uid});
        for (const char *b : {"Button44", "Button45", "Button46", "Button47", "Button48", "Button44"})
            w.click(QString::fromLatin1(b));
        QCOMPARE(w.takeLines(), QStringList({"写AFI操作成功   <time>", "", "锁定AFI操作成功   <time>", "",
                                             "写DSFID操作成功   <time>", "", "锁定DSFID操作成功   <time>", "",
                                             "操作成功   <time>", "  Flags值为： 00", "  INFO Flags值为： 0F",
                                             "  卡UID值为： 318A5B2C100104E0", "  DSFID值为： 01",
                                             "  AFI值为： 3D", "  Other fields值为： 1B0301", "",
                                             "写AFI操作失败   <time>", kLocked, ""}));
    }
};

QTEST_MAIN(TestIso15693Page)
#include "test_iso15693page.moc"
