// Reader settings: frames byte for byte, the Read answer, its log lines.
#include <QTest>

#include "answers.h"
#include "protocol/readersettings.h"

using namespace rfid;
using namespace rfid::test;

class ProtocolSettings : public QObject
{
    Q_OBJECT
private slots:
    void frames_data()
    {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("frame");
        QTest::newRow("LED") << settings::indicator(settings::Indicator::Led, hex("16"), hex("03"))
                             << "AA 00 03 88 16 03 9E BB";
        QTest::newRow("LED-R") << settings::indicator(settings::Indicator::LedR, hex("16"), hex("03"))
                               << "AA 00 03 87 16 03 91 BB";
        QTest::newRow("buzzer") << settings::indicator(settings::Indicator::Buzzer, hex("16"), hex("03"))
                                << "AA 00 03 89 16 03 9F BB";
        QTest::newRow("serial number") << settings::setSerial(hex("FF FF FF FF FF FF FF FF"))
                                       << "AA 00 09 82 FF FF FF FF FF FF FF FF 8B BB";
        QTest::newRow("active reading") << settings::readingMode(true) << "AA 00 02 0F 01 0C BB";
        QTest::newRow("passive reading") << settings::readingMode(false) << "AA 00 02 0F 02 0F BB";
        QTest::newRow("read") << settings::read() << "AA 00 01 83 82 BB";
        QTest::newRow("baud 9600") << settings::setBaudRate(*settings::baudCode("9600")) << "AA 00 02 81 00 83 BB";
        QTest::newRow("baud 115200") << settings::setBaudRate(*settings::baudCode("115200")) << "AA 00 02 81 04 87 BB";
        QTest::newRow("address 1a") << settings::setAddress(hex("1a")) << "AA 00 02 80 1A 98 BB";
        // Typed fields go as typed: no length check.
        QTest::newRow("address, none typed") << settings::setAddress({}) << "AA 00 01 80 81 BB";
    }
    void frames()
    {
        QFETCH(Request, request);
        QFETCH(QString, frame);
        QCOMPARE(frameOf(request), frame);
    }

    void baudCodes()
    {
        QCOMPARE(settings::baudRates().size(), 5u);
        QCOMPARE(settings::baudCode("57600"), std::optional<quint8>(0x03));
        // Only the items themselves: no trimming, no other rate.
        QCOMPARE(settings::baudCode(" 9600"), std::nullopt);
        QCOMPARE(settings::baudCode("4800"), std::nullopt);
        QCOMPARE(settings::baudCode(""), std::nullopt);
    }

    void identity_data()
    {
        QTest::addColumn<Response>("answer");
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<QStringList>("addressLines");
        QTest::addColumn<QStringList>("serialLines");
        QTest::newRow("whole") << answer(0, "0A 01 02 03 04 05 06 07 08") << hex("0A") << hex("0102030405060708")
                               << QStringList{"系统地址为 : 0A   T", ""}
                               << QStringList{"读序列号成功   T", "地址为：0A", "序列号为：0102030405060708", ""};
        // A short answer shows fewer digits, never its check and end bytes.
        QTest::newRow("status only") << answer(0) << QByteArray() << QByteArray()
                                     << QStringList{"系统地址为 :    T", ""}
                                     << QStringList{"读序列号成功   T", "地址为：", "序列号为：", ""};
        QTest::newRow("short serial") << answer(0, "05 11 22") << hex("05") << hex("1122")
                                      << QStringList{"系统地址为 : 05   T", ""}
                                      << QStringList{"读序列号成功   T", "地址为：05", "序列号为：1122", ""};
    }
    void identity()
    {
        QFETCH(Response, answer);
        const settings::Identity id = settings::Identity::from(answer);
        QTEST(id.address, "address");
        QTEST(id.serial, "serial");
        QTEST(id.addressLines(kTime), "addressLines");
        QTEST(id.serialLines(kTime), "serialLines");
    }
};

QTEST_APPLESS_MAIN(ProtocolSettings)
#include "test_protocol_settings.moc"
