// ISO 15693: where each command carries its parameters and the UID, frames
// byte for byte, and the answers' lines.
#include <QTest>

#include "answers.h"
#include "protocol/iso15693.h"

using namespace rfid;
using namespace rfid::test;
using iso15693::Flags;
using iso15693::Param;

namespace {
const char *const kUid = "E0 04 01 00 12 34 56 78";

// Every parameter set, so that a frame shows which of them the command carries.
iso15693::Params all()
{
    return {{Param::FirstBlock, hex("01")}, {Param::BlockCount, hex("05")}, {Param::Block, hex("07")},
            {Param::Uid, hex(kUid)},        {Param::Afi, hex("06")},        {Param::Dsfid, hex("08")},
            {Param::Data, hex("11 22 33 44")}};
}

QString frame(const QString &fromLength)
{
    const QString body = QStringLiteral("00 ") + fromLength;
    return QStringLiteral("AA ") + body + u' ' + byteHex(xorOfHex(body)) + QStringLiteral(" BB");
}
} // namespace

class ProtocolIso15693 : public QObject
{
    Q_OBJECT
private slots:
    void frames_data()
    {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("frame");
        const QString u = QString::fromLatin1(kUid);
        using namespace iso15693;
        QTest::newRow("inventory") << iso15693::inventory() << frame("04 10 06 00 00");
        QTest::newRow("read, Philips") << request(ReadBlocks, Flags::Philips, all()) << frame("04 11 02 01 05");
        QTest::newRow("read, uid") << request(ReadBlocks, Flags::Uid, all()) << frame("0C 11 22 01 05 " + u);
        QTest::newRow("read, Other: no UID") << request(ReadBlocks, Flags::Other, all()) << frame("04 11 52 01 05");
        QTest::newRow("write, TI") << request(WriteBlock, Flags::Ti, all()) << frame("08 12 42 01 05 11 22 33 44");
        QTest::newRow("write, uid before the data")
            << request(WriteBlock, Flags::Uid, all()) << frame("10 12 22 01 05 " + u + " 11 22 33 44");
        QTest::newRow("lock, uid: never a UID") << request(LockBlock, Flags::Uid, all()) << frame("03 13 22 07");
        QTest::newRow("select, TI: always the UID") << request(Select, Flags::Ti, all()) << frame("0A 15 42 " + u);
        QTest::newRow("select, UID empty") << request(Select, Flags::Uid, {}) << frame("02 15 22");
        QTest::newRow("write AFI, uid after the value")
            << request(WriteAfi, Flags::Uid, all()) << frame("0B 17 22 06 " + u);
        QTest::newRow("lock AFI, TI") << request(LockAfi, Flags::Ti, all()) << frame("02 18 42");
        QTest::newRow("write DSFID, uid") << request(WriteDsfid, Flags::Uid, all()) << frame("0B 19 22 08 " + u);
        QTest::newRow("lock DSFID, uid") << request(LockDsfid, Flags::Uid, all()) << frame("0A 1A 22 " + u);
        QTest::newRow("system information, Philips") << request(SystemInfo, Flags::Philips, all()) << frame("02 1B 02");
        QTest::newRow("block security, uid")
            << request(SecurityStatus, Flags::Uid, all()) << frame("0C 1C 22 01 05 " + u);
    }
    void frames()
    {
        QFETCH(Request, request);
        QFETCH(QString, frame);
        QCOMPARE(frameOf(request), frame);
    }

    void flagItems()
    {
        const QList<iso15693::FlagItem> items = iso15693::flagItems();
        QCOMPARE(items.size(), 4);
        QCOMPARE(QString::fromLatin1(items[2].text), QStringLiteral("uid"));
        QCOMPARE(items[2].flags, Flags::Uid);
    }

    void inventory_data()
    {
        QTest::addColumn<Response>("answer");
        QTest::addColumn<QStringList>("lines");
        const QString ok = QStringLiteral("操作成功   T"), count = QStringLiteral("域内的卡片数量为："),
                      cards = QStringLiteral("域内的卡片数据为：");
        QTest::newRow("two records")
            << answer(0, "02 00 00 01 02 03 04 05 06 07 E0 00 08 A1 A2 A3 A4 A5 A6 04 E0")
            << QStringList{ok, count + "02", cards + "000001020304050607E00008A1A2A3A4A5A604E0",
                           "第1张卡卡号为：E0 07 06 05 04 03 02 01 ", "第2张卡卡号为：E0 04 A6 A5 A4 A3 A2 A1 ", ""};
        QTest::newRow("incomplete tail: no card line")
            << answer(0, "01 00 00 01 02 03") << QStringList{ok, count + "01", cards + "0000010203", ""};
        QTest::newRow("status only") << answer(0) << QStringList{ok, count, cards, ""};
    }
    void inventory()
    {
        QFETCH(Response, answer);
        QTEST(iso15693::Cards::from(answer).lines(kTime), "lines");
    }

    void answers()
    {
        QCOMPARE(iso15693::Blocks::from(answer(0, "00 11 22 33 44")).lines(kTime),
                 (QStringList{"操作成功   T", "标志位为：00", "读卡返回数据为：11223344", ""}));
        QCOMPARE(iso15693::BlockSecurity::from(answer(0, "00 01 00")).lines(kTime),
                 (QStringList{"操作成功   T", "标志位为：00", "块安全位状态为：0100", ""}));
        const iso15693::SystemInformation info = iso15693::SystemInformation::from(
            answer(0, "00 0F 78 56 34 12 00 01 04 E0 08 06 3F 03 88"));
        QCOMPARE(info.uid, hex("7856341200 0104E0"));
        QCOMPARE(info.lines(kTime), (QStringList{"操作成功   T", "  Flags值为： 00", "  INFO Flags值为： 0F",
                                                 "  卡UID值为： 78563412000104E0", "  DSFID值为： 08", "  AFI值为： 06",
                                                 "  Other fields值为： 3F0388", ""}));
        // Fixed positions: a short answer shows empty fields, never its check byte.
        QCOMPARE(iso15693::SystemInformation::from(answer(0, "00")).lines(kTime),
                 (QStringList{"操作成功   T", "  Flags值为： 00", "  INFO Flags值为： ", "  卡UID值为： ",
                              "  DSFID值为： ", "  AFI值为： ", "  Other fields值为： ", ""}));
    }
};

QTEST_APPLESS_MAIN(ProtocolIso15693)
#include "test_protocol_iso15693.moc"
