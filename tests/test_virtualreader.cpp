// The reader emulator's frame handling and its own settings.
#include <QTest>

#include "vreader.h"

using namespace vreader;

namespace {
Bytes request(uint8_t address, const Bytes &body)
{
    Bytes f{0xAA, address, uint8_t(body.size())};
    for (uint8_t b : body)
        f.push_back(b);
    uint8_t x = 0;
    for (size_t i = 1; i < f.size(); ++i)
        x ^= f[i];
    f.push_back(x);
    f.push_back(0xBB);
    return f;
}

Bytes ask(VirtualReader &r, const Bytes &frame)
{
    return r.handleFrame(frame.data(), frame.size());
}
} // namespace

class TestVirtualReader : public QObject
{
    Q_OBJECT
private slots:
    void badFramesAreRefused()
    {
        VirtualReader r;
        const Bytes refusal = responseFrame(0, fail(kBadParameter));
        Bytes f = request(0, {0x83});
        f[0] = 0xAB;
        QCOMPARE(ask(r, f), refusal);
        f = request(0, {0x83});
        f.back() = 0xBC;
        QCOMPARE(ask(r, f), refusal);
        f = request(0, {0x83});
        f[2] = 2;
        QCOMPARE(ask(r, f), refusal);
        f = request(0, {0x83});
        f[4] ^= 1;
        QCOMPARE(ask(r, f), refusal);
        QCOMPARE(ask(r, {0xAA, 0x00}), refusal);
    }

    void unknownCommand()
    {
        VirtualReader r;
        QCOMPARE(ask(r, request(0, {0x55, 0x01})), responseFrame(0, fail(kUnknownCommand)));
    }

    void recordRoundTrip()
    {
        VirtualReader r;
        const Bytes set = {0x82, 0x05, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01, 0x00};
        QCOMPARE(ask(r, request(0, set)), responseFrame(0, ok()));
        QCOMPARE(ask(r, request(0, {0x83})),
                 responseFrame(0, ok({0x00, 0x05, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01, 0x00})));
        QCOMPARE(ask(r, request(0, {0x82, 0x01})), responseFrame(0, fail(kBadParameter)));
    }

    void otherAddressGetsNoAnswer()
    {
        VirtualReader r;
        QCOMPARE(ask(r, request(0, {0x80, 0x05})), responseFrame(5, ok()));
        QVERIFY(ask(r, request(0, {0x83})).empty());
        QCOMPARE(ask(r, request(5, {0x83})).at(4), uint8_t(0x05));
    }

    void settings()
    {
        VirtualReader r;
        QCOMPARE(ask(r, request(0, {0x81, 0x04})), responseFrame(0, ok()));
        QCOMPARE(r.baudCode, uint8_t(0x04));
        QCOMPARE(ask(r, request(0, {0x81, 0x05})), responseFrame(0, fail(kOverflow)));
        QCOMPARE(ask(r, request(0, {0x88, 0x16, 0x03})), responseFrame(0, ok()));
        QCOMPARE(r.led.period, uint8_t(0x16));
        // Each indicator keeps its own period and count.
        QCOMPARE(ask(r, request(0, {0x87, 0x20, 0x05})), responseFrame(0, ok()));
        QCOMPARE(ask(r, request(0, {0x89, 0x30, 0x07})), responseFrame(0, ok()));
        QCOMPARE(r.led.count, uint8_t(0x03));
        QCOMPARE(r.ledR.period, uint8_t(0x20));
        QCOMPARE(r.ledR.count, uint8_t(0x05));
        QCOMPARE(r.buzzer.period, uint8_t(0x30));
        QCOMPARE(r.buzzer.count, uint8_t(0x07));
        QCOMPARE(ask(r, request(0, {0x89, 0x30})), responseFrame(0, fail(kBadParameter)));
        QCOMPARE(r.buzzer.period, uint8_t(0x30));
        QCOMPARE(ask(r, request(0, {0x0F, 0x01})), responseFrame(0, ok()));
        QCOMPARE(r.readingMode, uint8_t(0x01));
        QCOMPARE(ask(r, request(0, {0x0F, 0x03})), responseFrame(0, fail(kBadParameter)));
    }
};

QTEST_GUILESS_MAIN(TestVirtualReader)
#include "test_virtualreader.moc"
