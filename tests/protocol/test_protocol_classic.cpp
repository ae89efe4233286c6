// MIFARE Classic: frames from typed requests, answers and their lines.
#include <QTest>

#include "answers.h"
#include "protocol/classic.h"

using namespace rfid;
using namespace rfid::test;
using classic::KeyType;
using classic::RequestMode;

namespace {
const QByteArray kKey = hex("3C 5E 71 9D 2B 64");
}

class ProtocolClassic : public QObject
{
    Q_OBJECT
private slots:
    void modeByte_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("byte");
        QTest::newRow("Idle, key A") << 0 << 0 << 0x00;
        QTest::newRow("All, key A") << 1 << 0 << 0x01;
        QTest::newRow("Idle, key B") << 0 << 1 << 0x02;
        QTest::newRow("All, key B") << 1 << 1 << 0x03;
    }
    void modeByte()
    {
        QFETCH(int, mode);
        QFETCH(int, key);
        const classic::Access a{RequestMode(mode), KeyType(key), {}};
        QTEST(int(a.modeByte()), "byte");
    }

    void frames_data()
    {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("frame");
        const classic::Access idleA{RequestMode::Idle, KeyType::A, kKey};
        QTest::newRow("read blocks") << classic::readBlocks(idleA, hex("04"), hex("10"))
                                     << "AA 00 0A 20 00 04 10 3C 5E 71 9D 2B 64 FF BB";
        QTest::newRow("read blocks, start outside the list") << classic::readBlocks(idleA, hex("04"), hex("80"))
                                                             << "AA 00 0A 20 00 04 80 3C 5E 71 9D 2B 64 6F BB";
        QTest::newRow("write blocks") << classic::writeBlocks(idleA, hex("01"), hex("05"), hex("00 11"))
                                      << "AA 00 0C 21 00 01 05 3C 5E 71 9D 2B 64 00 11 F9 BB";
        QTest::newRow("halt") << classic::halt() << "AA 00 01 06 07 BB";
        QTest::newRow("read card number") << classic::readCardNumber(RequestMode::Idle, false) << "AA 00 03 25 26 00 00 BB";
        QTest::newRow("read card number, All, halt") << classic::readCardNumber(RequestMode::All, true)
                                                     << "AA 00 03 25 52 01 75 BB";
        QTest::newRow("initialise") << classic::value(classic::ValueOp::Initialise, idleA, hex("01"), hex("00 88 00 00"))
                                    << "AA 00 0D 22 00 01 3C 5E 71 9D 2B 64 00 88 00 00 67 BB";
        QTest::newRow("increment") << classic::value(classic::ValueOp::Increment, idleA, hex("01"), hex("00 20 00 00"))
                                   << "AA 00 0D 24 00 01 3C 5E 71 9D 2B 64 00 20 00 00 C9 BB";
        QTest::newRow("decrement") << classic::value(classic::ValueOp::Decrement, idleA, hex("01"), hex("00 20 00 00"))
                                   << "AA 00 0D 23 00 01 3C 5E 71 9D 2B 64 00 20 00 00 CE BB";
    }
    void frames()
    {
        QFETCH(Request, request);
        QFETCH(QString, frame);
        QCOMPARE(frameOf(request), frame);
    }

    void answers()
    {
        const Response read = answer(0, "11 22 33 44 A0 A1");
        const classic::BlocksRead blocks = classic::BlocksRead::from(read);
        QCOMPARE(blocks.cardNumber, hex("11223344"));
        QCOMPARE(blocks.blocks, hex("A0A1"));
        QCOMPARE(blocks.lines(kTime), (QStringList{"操作成功   T", "卡号为:11223344", "卡的数据为:A0A1", ""}));
        QCOMPARE(classic::BlocksWritten::from(read).lines(kTime), (QStringList{"操作成功   T", "卡号为:11223344"}));
        QCOMPARE(classic::ValueInitialised::from(read).lines(kTime),
                 (QStringList{"操作成功   T", "返回卡ID号为:11223344", ""}));
        const classic::ValueChanged changed = classic::ValueChanged::from(answer(0, "11 22 33 44 00 20 00 00"));
        QCOMPARE(changed.remaining, hex("00200000"));
        QCOMPARE(changed.lines(kTime),
                 (QStringList{"操作成功   T", "返回卡ID号为:11223344", "剩余值为为: 00200000", ""}));
        // Only data bytes: a status-only answer shows nothing, not its check byte.
        QCOMPARE(classic::BlocksRead::from(answer(0)).lines(kTime),
                 (QStringList{"操作成功   T", "卡号为:", "卡的数据为:", ""}));
    }

    void cardNumber_data()
    {
        QTest::addColumn<Response>("answer");
        QTest::addColumn<QStringList>("lines");
        const QString ok = QStringLiteral("操作成功   T");
        QTest::newRow("one card") << answer(0, "00 A1 B2 C3 D4")
                                  << QStringList{ok, "", "返回卡号为:A1B2C3D4", "检测到的卡的数量为一张卡..", ""};
        QTest::newRow("several") << answer(0, "01 A1 B2 C3 D4")
                                 << QStringList{ok, "", "返回卡号为:A1B2C3D4", "检测到的卡的数量为多张卡..", ""};
        QTest::newRow("other flag") << answer(0, "02 A1 B2 C3 D4") << QStringList{ok, "", "返回卡号为:A1B2C3D4"};
        QTest::newRow("status only") << answer(0) << QStringList{ok, "", "返回卡号为:"};
    }
    void cardNumber()
    {
        QFETCH(Response, answer);
        QTEST(classic::CardNumber::from(answer).lines(kTime), "lines");
    }
};

QTEST_APPLESS_MAIN(ProtocolClassic)
#include "test_protocol_classic.moc"
