// Output format: the Set frame from a choice, the Read answer and its lines.
#include <QTest>

#include "answers.h"
#include "protocol/outputformat.h"

using namespace rfid;
using namespace rfid::test;

namespace {
format::Choice choice(quint8 code, bool semicolon, bool question, bool comma, bool enter, bool big,
                      std::optional<QByteArray> userByte = std::nullopt)
{
    return {code, semicolon, question, comma, enter, big, userByte};
}
} // namespace

class ProtocolFormat : public QObject
{
    Q_OBJECT
private slots:
    void frames_data()
    {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("frame");
        QTest::newRow("13 no. in D, semicolon, Enter")
            << format::set(choice(0x05, true, false, false, true, true)) << "AA 00 09 82 05 01 00 00 01 01 01 00 8E BB";
        QTest::newRow("user-defined byte, small buzzer")
            << format::set(choice(0x00, false, false, false, false, false, hex("2B")))
            << "AA 00 09 82 00 00 00 00 00 00 01 2B A1 BB";
        QTest::newRow("question mark and comma")
            << format::set(choice(0x0E, false, true, true, false, true)) << "AA 00 09 82 0E 00 01 01 00 01 01 00 85 BB";
        QTest::newRow("read") << format::read() << "AA 00 01 83 82 BB";
    }
    void frames()
    {
        QFETCH(Request, request);
        QFETCH(QString, frame);
        QCOMPARE(frameOf(request), frame);
    }

    void readTexts()
    {
        QCOMPARE(format::formats().size(), 15u);
        QCOMPARE(format::readText(0x0E), QStringLiteral("8 no. in D (The card last 3bytes)"));
        QCOMPARE(format::readText(0x04), QString());
    }

    void settings_data()
    {
        QTest::addColumn<Response>("answer");
        QTest::addColumn<QStringList>("lines");
        const QString p = QStringLiteral("The Output format ： ");
        QTest::newRow("13 no. in D, semicolon and Enter")
            << answer(0, "00 05 01 00 00 01 01 01 00")
            << QStringList{"Read data success    T", p + "13 no. in D", p + "add semicolon", p + "do not add , ",
                           p + "do not add ? ", p + "add enter", ""};
        QTest::newRow("code outside the table, every flag")
            << answer(0, "00 04 01 01 01 01")
            << QStringList{"Read data success    T", p, p + "add semicolon", p + "add ,", p + "add ?", p + "add enter", ""};
        // Only data bytes count: an answer short of the code and four flags is
        // corrupted, its check byte never read as a format or a flag.
        QTest::newRow("code only") << answer(0, "07 05") << QStringList{"data error,please check data..   T", ""};
        QTest::newRow("one flag short") << answer(0, "00 05 01 00 00")
                                        << QStringList{"data error,please check data..   T", ""};
    }
    void settings()
    {
        QFETCH(Response, answer);
        QTEST(format::Settings::from(answer).lines(kTime), "lines");
    }
};

QTEST_APPLESS_MAIN(ProtocolFormat)
#include "test_protocol_format.moc"
