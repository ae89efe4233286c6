// Ultralight: frames, page numbers, answers and their lines.
#include <QTest>

#include "answers.h"
#include "protocol/ultralight.h"

using namespace rfid;
using namespace rfid::test;
using ultralight::RequestMode;

class ProtocolUltralight : public QObject
{
    Q_OBJECT
private slots:
    void frames_data()
    {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("frame");
        QTest::newRow("serial number") << ultralight::readSerial(RequestMode::Idle) << "AA 00 02 E3 00 E1 BB";
        QTest::newRow("serial number, All") << ultralight::readSerial(RequestMode::All) << "AA 00 02 E3 01 E0 BB";
        QTest::newRow("read page") << ultralight::readPage(RequestMode::Idle, 0) << "AA 00 03 E0 00 00 E3 BB";
        QTest::newRow("read page 10") << ultralight::readPage(RequestMode::Idle, 10) << "AA 00 03 E0 00 0A E9 BB";
        QTest::newRow("write page") << ultralight::writePage(RequestMode::Idle, 4, hex("00 00 00 00"))
                                    << "AA 00 08 E1 00 01 04 00 00 00 00 EC BB";
        QTest::newRow("write page, All") << ultralight::writePage(RequestMode::All, 4, hex("00 00 00 00"))
                                         << "AA 00 08 E1 01 01 04 00 00 00 00 ED BB";
    }
    void frames()
    {
        QFETCH(Request, request);
        QFETCH(QString, frame);
        QCOMPARE(frameOf(request), frame);
    }

    void pageNumbers()
    {
        // List items are decimal page numbers.
        QCOMPARE(ultralight::pageNumber("15"), std::optional<quint8>(15));
        QCOMPARE(ultralight::pageNumber("00"), std::optional<quint8>(0));
        QCOMPARE(ultralight::pageNumber("0A"), std::nullopt);
        QCOMPARE(ultralight::pageNumber("256"), std::nullopt);
        QCOMPARE(ultralight::pageNumber(""), std::nullopt);
    }

    void answers()
    {
        const Response serial = answer(0, "04 11 22 33 44 55 66");
        QCOMPARE(ultralight::Serial::from(serial).lines(kTime),
                 (QStringList{"读卡号 操作成功   T", "卡号为:04112233445566", ""}));
        QCOMPARE(ultralight::PageWritten::from(serial).lines(kTime),
                 (QStringList{"写卡操作成功   T", "卡号为:04112233445566", ""}));
        const Response page = answer(0, "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 04 11 22 33 44 55 66");
        const ultralight::PageRead read = ultralight::PageRead::from(page);
        QCOMPARE(read.data.size(), 16);
        QCOMPARE(read.lines(kTime), (QStringList{"读卡 操作成功   T", "读卡返回数据为: 000102030405060708090A0B0C0D0E0F",
                                                 "卡ID号为:04112233445566", ""}));
        // A short answer: the card number is what there is.
        QCOMPARE(ultralight::PageRead::from(answer(0, "00 01")).lines(kTime),
                 (QStringList{"读卡 操作成功   T", "读卡返回数据为: 0001", "卡ID号为:", ""}));
    }
};

QTEST_APPLESS_MAIN(ProtocolUltralight)
#include "test_protocol_ultralight.moc"
