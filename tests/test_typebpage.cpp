// The ISO14443B page: its frames, the data exchange's own outcomes, the refused
// inputs, and a session against the virtual reader's Type B and ID cards.
#include <QPushButton>
#include <QTest>

#include "link/timestamp.h"
#include "pages/typebpage.h"
#include "support.h"
#include "typebcards.h"
#include "vreader.h"

using namespace rfid;
using namespace rfid::test;

namespace {
const QString kExchangeFailed = QStringLiteral("操作失败   <time>");

vreader::Bytes ask(vreader::VirtualReader &r, vreader::Bytes body)
{
    vreader::Bytes f{0xAA, 0x00, uint8_t(body.size())};
    f.insert(f.end(), body.begin(), body.end());
    uint8_t x = 0;
    for (size_t i = 1; i < f.size(); ++i)
        x ^= f[i];
    f.push_back(x);
    f.push_back(0xBB);
    return r.handleFrame(f.data(), f.size());
}
} // namespace

class TestTypeBPage : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Scripted().reset();
        resetVirtualReader();
    }

    void frames_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("frame");
        QTest::newRow("data exchange, default") << "Button36" << "" << "" << "00" << "AA 00 05 0D 03 05 00 00 0E BB";
        QTest::newRow("data exchange, empty") << "Button36" << "Edit77" << "" << "00" << "AA 00 02 0D 00 0F BB";
        QTest::newRow("data exchange, address 0a")
            << "Button36" << "" << "" << "0a" << "AA 0A 05 0D 03 05 00 00 04 BB";
        QTest::newRow("data exchange, lower case, no blanks")
            << "Button36" << "Edit77" << "a1b2" << "00" << "AA 00 04 0D 02 A1 B2 18 BB";
        QTest::newRow("Attrib, default card ID") << "Button33" << "" << "" << "00" << "AA 00 05 0B 41 30 0A 10 65 BB";
        QTest::newRow("request") << "Button31" << "" << "" << "00" << "AA 00 01 09 08 BB";
        QTest::newRow("ID number") << "Button19" << "" << "" << "00" << "AA 00 01 26 27 BB";
        QTest::newRow("file ID number") << "Button22" << "" << "" << "00" << "AA 00 01 27 26 BB";
    }
    void frames()
    {
        QFETCH(QString, button);
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, address);
        QFETCH(QString, frame);
        Window w(scriptedPath());
        Scripted script;
        w.choose(QStringLiteral("setadd"), address);
        if (!edit.isEmpty())
            w.setText(edit, text);
        script.respond(response(0));
        w.click(button);
        QCOMPARE(script.requestsHex(), QStringList{frame});
    }

    void exchangeOutcomes_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("lines");
        const QStringList corrupted{kExchangeFailed, "数据丢包，流水校验出错   <time>", ""};
        QTest::newRow("status 00 with data")
            << response(0, "50 5A 3C") << QStringList{"操作成功   <time>", "操作后的数据串为：505A3C", ""};
        QTest::newRow("status 00, no data") << response(0) << QStringList{"操作成功   <time>", "操作后的数据串为：", ""};
        QTest::newRow("83") << response(1, "83") << QStringList{kExchangeFailed, "卡不存在....", ""};
        QTest::newRow("01 is not in the table") << response(1, "01") << QStringList{kExchangeFailed};
        QTest::newRow("8F reads its own way")
            << response(1, "8F") << QStringList{kExchangeFailed, "Reader received unknown command....", ""};
        QTest::newRow("80 reads its own way") << response(1, "80") << QStringList{kExchangeFailed, "参数设置成功.....", ""};
        QTest::newRow("any status but 00 fails by byte 4")
            << response(2, "82") << QStringList{kExchangeFailed, "通讯超时 ....", ""};
        QTest::newRow("status only") << response(1) << QStringList{kExchangeFailed};
        QTest::newRow("empty answer") << QByteArray() << QStringList{kExchangeFailed, "无数据接收..", ""};
        QTest::newRow("bad check byte") << bytes("AA 00 03 00 50 5A 0C BB") << corrupted;
        QTest::newRow("bad end byte") << bytes("AA 00 03 00 50 5A 09 BC") << corrupted;
        QTest::newRow("length past the data") << bytes("AA 00 09 00 50 5A 09 BB") << corrupted;
        QTest::newRow("length short of the data") << bytes("AA 00 02 00 50 5A 09 BB") << corrupted;
    }
    void exchangeOutcomes()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, lines);
        Window w(scriptedPath());
        Scripted script;
        script.respond(answer);
        w.click(QStringLiteral("Button36"));
        QCOMPARE(w.lines(), lines);
    }

    void requestAndIdOutcomes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("request, ATQB") << "Button31" << response(0, "0C 50 5A 3C 19 E2 00 00 00 01 00 81 71")
                                       << QStringList{"操作成功   <time>", "", "卡片复位数据的长度为:0C",
                                                      "返回操作后的数据为:505A3C19E200000001008171", ""};
        QTest::newRow("request, status only")
            << "Button31" << response(0)
            << QStringList{"操作成功   <time>", "", "卡片复位数据的长度为:", "返回操作后的数据为:", ""};
        QTest::newRow("request, 8F by the reader's table") << "Button31" << response(1, "8F")
                                                           << QStringList{kExchangeFailed, "读写设备接收到了未定义的命令.....", ""};
        QTest::newRow("Attrib") << "Button33" << response(0) << QStringList{"操作成功、复位成功   <time>", ""};
        QTest::newRow("Attrib, corrupted")
            << "Button33" << bytes("AA 00 01 00 00 BB") << QStringList{"数据丢包，流水校验出错   <time>", ""};
        QTest::newRow("ID number, whatever byte 4 holds, no more than 8 bytes")
            << "Button19" << response(0, "77 01 02 03 04 05 06 07 08 09")
            << QStringList{"操作成功   <time>", "返回卡号为:0102030405060708", ""};
        QTest::newRow("file ID number fails")
            << "Button22" << response(1, "83") << QStringList{"读卡号操作失败   <time>", "卡不存在....", ""};
    }
    void requestAndIdOutcomes()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, lines);
        QCOMPARE(linesOfClick(button, answer), lines);
    }

    void refusedInputs_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("line");
        QTest::newRow("odd card ID") << "Edit76" << "41 30 0A 1" << "Button33"
                                     << "卡ID号码（Edit76）：十六进制数字个数为奇数，未发送   <time>";
        QTest::newRow("odd data") << "Edit77" << "05 00 0" << "Button36"
                                  << "数据（Edit77）：十六进制数字个数为奇数，未发送   <time>";
        QTest::newRow("249 data bytes") << "Edit77" << QString(249 * 2, u'7') << "Button36"
                                        << "数据（Edit77）：249 个字节，最多 248 个（帧最长 255 字节），未发送   <time>";
    }
    void refusedInputs()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(QString, line);
        Window w(scriptedPath());
        Scripted script;
        w.setText(edit, text);
        w.click(button);
        QCOMPARE(script.requestCount(), 0);
        QCOMPARE(w.lines(), QStringList{line});
    }

    void largestDataFillsTheWriteBuffer()
    {
        Window w(scriptedPath());
        Scripted script;
        w.setText(QStringLiteral("Edit77"), QString(248 * 2, u'7'));
        script.respond(response(0));
        w.click(QStringLiteral("Button36"));
        const QByteArray sent = script.request(0);
        QCOMPARE(sent.size(), 255);
        QCOMPARE(uchar(sent[2]), uchar(0xFA));
        QCOMPARE(uchar(sent[4]), uchar(248));
    }

    void anticollisionAndResetStayDisabled()
    {
        Window w(scriptedPath());
        Scripted script;
        for (const char *name : {"Button32", "Button34"}) {
            auto *b = w.find<QPushButton>(QString::fromLatin1(name));
            QVERIFY(b && !b->isEnabled());
            QTest::mouseClick(b, Qt::LeftButton);
        }
        QCOMPARE(script.requestCount(), 0);
        QVERIFY(w.lines().isEmpty());
    }

    void sessionOnTheVirtualReader()
    {
        Window w(virtualPath());
        // Both cards hear the default REQB in its one slot: their answers collide.
        w.click(QStringLiteral("Button36"));
        QCOMPARE(w.takeLines(), QStringList({kExchangeFailed, "接收卡数据出错....", ""}));

        // The reader's request adds slots until one card comes through.
        w.click(QStringLiteral("Button31"));
        const QStringList request = w.takeLines();
        QCOMPARE(request.value(2), QStringLiteral("卡片复位数据的长度为:0C"));
        // The ID card, whose PUPI is all zero, answers in the first slot.
        const QString atqb = request.value(3).section(u':', 1);
        QCOMPARE(atqb, QStringLiteral("500000000000000000008171"));
        const QString pupi = atqb.mid(2, 8);

        w.setText(QStringLiteral("Edit76"), pupi);
        w.click(QStringLiteral("Button33"));
        QCOMPARE(w.takeLines(), QStringList({"操作成功、复位成功   <time>", ""}));
        w.setText(QStringLiteral("Edit76"), QStringLiteral("41 30 0A 10"));
        w.click(QStringLiteral("Button33"));
        QCOMPARE(w.takeLines(), QStringList({kExchangeFailed, "卡不存在....", ""}));

        // The selected card keeps out of the REQB: the other one answers alone.
        w.click(QStringLiteral("Button36"));
        QCOMPARE(w.takeLines(), QStringList({"操作成功   <time>", "操作后的数据串为：505A3C19E200000001008171", ""}));

        w.click(QStringLiteral("Button19"));
        w.click(QStringLiteral("Button22"));
        QCOMPARE(w.takeLines(), QStringList({"操作成功   <time>", "返回卡号为:3F7A12C4085BE196", "",
                                             "操作成功   <time>", "返回卡号为:2019052100003742", ""}));
    }

    void virtualField()
    {
        using namespace vreader;
        VirtualReader r;
        // An ID card is a Type B card too: once it has answered a request,
        // Attrib selects it by its PUPI.
        const TypeBCard id = r.state<TypeBField>().cards.at(1);
        QCOMPARE(ask(r, {0x09}).at(3), uint8_t(0x00));
        QCOMPARE(ask(r, {0x0B, id.pupi[0], id.pupi[1], id.pupi[2], id.pupi[3]}), responseFrame(0, ok()));
        QVERIFY(r.state<TypeBField>().cards.at(1).state == TypeBState::Active);
        QCOMPARE(ask(r, {0x0D, 0x03, 0x05, 0x00}), responseFrame(0, fail(kBadParameter)));   // N says 3, 2 follow
        QCOMPARE(ask(r, {0x0D, 0x00}), responseFrame(0, fail(kTimeout)));   // the card hears nothing
        QCOMPARE(ask(r, {0x0B, 0x41, 0x30, 0x0A}), responseFrame(0, fail(kBadParameter)));

        // Without the ID card only its reads find no card.
        r.state<TypeBField>().cards.pop_back();
        QCOMPARE(ask(r, {0x26}), responseFrame(0, fail(kNoCard)));
        QCOMPARE(ask(r, {0x09}).at(3), uint8_t(0x00));

        // With an empty field every Type B command finds no card.
        r.state<TypeBField>().cards.clear();
        for (const Bytes &body : {Bytes{0x09}, Bytes{0x0B, 0x5A, 0x3C, 0x19, 0xE2}, Bytes{0x0D, 0x03, 0x05, 0x00, 0x00},
                                  Bytes{0x26}, Bytes{0x27}})
            QCOMPARE(ask(r, body), responseFrame(0, fail(kNoCard)));
    }
};

QTEST_MAIN(TestTypeBPage)
#include "test_typebpage.moc"
