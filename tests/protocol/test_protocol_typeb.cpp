// Type B: frames, including the data exchange on the common frame builder,
// answers, and the exchange's own judging and messages.
#include <QTest>

#include "answers.h"
#include "link/reasons.h"
#include "protocol/typeb.h"

using namespace rfid;
using namespace rfid::test;

class ProtocolTypeB : public QObject
{
    Q_OBJECT
private slots:
    void frames_data()
    {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QString>("frame");
        QTest::newRow("data exchange, default") << typeb::dataExchange(hex("05 00 00")) << "AA 00 05 0D 03 05 00 00 0E BB";
        QTest::newRow("data exchange, empty") << typeb::dataExchange({}) << "AA 00 02 0D 00 0F BB";
        QTest::newRow("data exchange, lower case") << typeb::dataExchange(hex("a1b2")) << "AA 00 04 0D 02 A1 B2 18 BB";
        QTest::newRow("Attrib") << typeb::attrib(hex("41 30 0A 10")) << "AA 00 05 0B 41 30 0A 10 65 BB";
        QTest::newRow("request") << typeb::cardRequest() << "AA 00 01 09 08 BB";
        QTest::newRow("ID number") << typeb::readIdNumber() << "AA 00 01 26 27 BB";
        QTest::newRow("file ID number") << typeb::readFileIdNumber() << "AA 00 01 27 26 BB";
    }
    void frames()
    {
        QFETCH(Request, request);
        QFETCH(QString, frame);
        QCOMPARE(frameOf(request), frame);
    }

    void longestExchangeFits()
    {
        const Request r = typeb::dataExchange(QByteArray(typeb::kMaxExchangeData, '\x11'));
        QCOMPARE(hexToBytes(frameText(QStringLiteral("00"), r.text())).size(), kMaxFrameBytes);
    }

    void answers()
    {
        const typeb::CardAnswer card = typeb::CardAnswer::from(answer(0, "0C 50 5A 3C"));
        QCOMPARE(card.length, hex("0C"));
        QCOMPARE(card.lines(kTime),
                 (QStringList{"操作成功   T", "", "卡片复位数据的长度为:0C", "返回操作后的数据为:505A3C", ""}));
        QCOMPARE(typeb::IdNumber::from(answer(0, "00 01 02 03 04 05 06 07 08 09")).lines(kTime),
                 (QStringList{"操作成功   T", "返回卡号为:0102030405060708", ""}));
    }

    void exchangeAnswers_data()
    {
        QTest::addColumn<Response>("answer");
        QTest::addColumn<QStringList>("lines");
        const QString failed = QStringLiteral("操作失败   T");
        QTest::newRow("no data") << evaluate({}) << QStringList{failed, "无数据接收..", ""};
        QTest::newRow("success") << answer(0, "01 02") << QStringList{"操作成功   T", "操作后的数据串为：0102", ""};
        QTest::newRow("80 reads its own way") << answer(1, "80") << QStringList{failed, "参数设置成功.....", ""};
        QTest::newRow("8F reads its own way")
            << answer(1, "8F") << QStringList{failed, "Reader received unknown command....", ""};
        QTest::newRow("8C as the reader's reasons") << answer(1, "8C") << QStringList{failed, "密码认证没通过....", ""};
        QTest::newRow("10 has no message") << answer(1, "10") << QStringList{failed};
        // Any status but 00 is a failure with its code.
        QTest::newRow("status 05") << answer(5, "8C") << QStringList{failed, "密码认证没通过....", ""};
        QTest::newRow("status only: no code") << answer(1) << QStringList{failed};
        // The transport takes a buffer without AA for no answer; the text
        // itself must not pass for data either.
        QTest::newRow("bad start") << evaluate("AB000300505A09BB") << QStringList{failed, "数据丢包，流水校验出错   T", ""};
        QTest::newRow("bad check") << evaluate("AA000300505A0CBB") << QStringList{failed, "数据丢包，流水校验出错   T", ""};
    }
    void exchangeAnswers()
    {
        QFETCH(Response, answer);
        QTEST(typeb::ExchangeAnswer::from(answer).lines(kTime), "lines");
    }

    // The exchange's table is the reader's, apart from its own three codes.
    void exchangeMessages()
    {
        for (int code = 0; code < 256; ++code) {
            const QString c = byteHex(unsigned(code));
            if (c == QLatin1String("80") || c == QLatin1String("8F") || c == QLatin1String("10"))
                continue;
            QCOMPARE(typeb::exchangeMessage(c), falsereason(c));
        }
    }
};

QTEST_APPLESS_MAIN(ProtocolTypeB)
#include "test_protocol_typeb.moc"
