// Card reports as decoded from one arrival's own bytes, and the debug echo.
#include <QTest>

#include "link/cardreport.h"

using namespace rfid;

class TestCardReport : public QObject
{
    Q_OBJECT
private slots:
    void decodes_data()
    {
        QTest::addColumn<QString>("arrival");
        QTest::addColumn<QString>("title");   // empty: no report
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("id");
        const QString card = QStringLiteral("卡的ID号码为： ");
        // Byte 0 is not looked at; the ID has as many bytes as its type says.
        QTest::newRow("S50/S70") << "0201A1B2C3D4" << "检测到S50/S70卡" << card << "A1B2C3D4";
        QTest::newRow("Ultralight") << "FF0211223344556677" << "检测到Ultralight/desfire卡" << card
                                    << "11223344556677";
        QTest::newRow("Type B") << "000399887766" << "检测到ISO 14443 B卡" << card << "99887766";
        QTest::newRow("ID card") << "00040102030405060708" << "中华人民共和国第二代身份证.."
                                 << "身份证卡的ID号码为： " << "0102030405060708";
        QTest::newRow("15693") << "0005E0040100A1B2C3D4" << "检测到ISO 15693卡" << card << "E0040100A1B2C3D4";
        QTest::newRow("bytes past the ID are not shown") << "0201A1B2C3D4EEFF" << "检测到S50/S70卡" << card
                                                         << "A1B2C3D4";
        QTest::newRow("short report: shorter ID") << "0201A1B2" << "检测到S50/S70卡" << card << "A1B2";
        QTest::newRow("type only: empty ID") << "0205" << "检测到ISO 15693卡" << card << "";
        QTest::newRow("lower-case hex") << "0201a1b2c3d4" << "检测到S50/S70卡" << card << "a1b2c3d4";
        for (const char *type : {"00", "06", "07", "10", "FF"})
            QTest::newRow(qPrintable(QStringLiteral("type %1").arg(QLatin1String(type))))
                << QStringLiteral("02%1A1B2C3D4").arg(QLatin1String(type)) << "" << "" << "";
        QTest::newRow("one byte") << "01" << "" << "" << "";
        QTest::newRow("nothing") << "" << "" << "" << "";
    }
    void decodes()
    {
        QFETCH(QString, arrival);
        QFETCH(QString, title);
        QFETCH(QString, label);
        QFETCH(QString, id);
        const auto report = decodeCardReport(arrival);
        QCOMPARE(report.has_value(), !title.isEmpty());
        if (!report)
            return;
        QCOMPARE(report->title, title);
        QCOMPARE(report->label, label);
        QCOMPARE(report->id, id);
    }

    void echo()
    {
        QCOMPARE(serialEcho(QByteArray::fromHex("AA00")), QStringLiteral(" AA 00"));
        QCOMPARE(serialEcho(QByteArray::fromHex("0fF0")), QStringLiteral(" 0F F0"));
        QCOMPARE(serialEcho({}), QString());
    }
};

QTEST_GUILESS_MAIN(TestCardReport)
#include "test_cardreport.moc"
