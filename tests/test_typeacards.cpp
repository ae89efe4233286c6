// The virtual reader's Type A cards: access bits, value blocks, Ultralight
// locks and OTP, and which card a command reaches.
#include <QTest>

#include "typea_cards.h"

using namespace vreader;

Q_DECLARE_METATYPE(vreader::Bytes)

namespace {
const Bytes kPageKey{0x3C, 0x5E, 0x71, 0x9D, 0x2B, 0x64};
const Bytes kKeyB{0x8E, 0x52, 0xC6, 0x0F, 0x97, 0x3A};
const Bytes kClassicUid{0x3A, 0x7C, 0x91, 0xE5};
const Bytes kUltralightUid{0x04, 0x5A, 0x3B, 0x12, 0x9C, 0x6E, 0x80};

Bytes cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes fill(uint8_t value, size_t n = 16)
{
    return Bytes(n, value);
}

// Read, write and value parameters with mode "Idle" and key A (or B).
Bytes readParams(int start, int count, const Bytes &key, bool keyB = false)
{
    return cat({{uint8_t(keyB ? 2 : 0), uint8_t(count), uint8_t(start)}, key});
}
Bytes writeParams(int start, const Bytes &data, const Bytes &key, bool keyB = false)
{
    return cat({{uint8_t(keyB ? 2 : 0), uint8_t(data.size() / 16), uint8_t(start)}, key, data});
}
Bytes valueParams(int sector, const Bytes &key, bool keyB, int32_t amount)
{
    const auto a = uint32_t(amount);
    return cat({{uint8_t(keyB ? 2 : 0), uint8_t(sector)}, key,
                {uint8_t(a), uint8_t(a >> 8), uint8_t(a >> 16), uint8_t(a >> 24)}});
}

const ClassicCard &classic(TypeAField &f)
{
    return std::get<ClassicCard>(f.cards[0]);
}
const UltralightCard &ultralight(TypeAField &f)
{
    return std::get<UltralightCard>(f.cards[1]);
}

Bytes blockBytes(const Block &b)
{
    return Bytes(b.begin(), b.end());
}
} // namespace

class TestTypeACards : public QObject
{
    Q_OBJECT
private slots:
    void accessBits()
    {
        QCOMPARE(accessBytes({0, 0, 0, 1}), (std::array<uint8_t, 3>{0xFF, 0x07, 0x80}));
        const AccessConditions mixed{6, 4, 2, 3};
        Block t = trailer({}, mixed, 0x69, {});
        QCOMPARE(accessConditions(t), std::optional<AccessConditions>(mixed));
        t[6] ^= 0x01;
        QVERIFY(!accessConditions(t));
    }

    void layouts()
    {
        QCOMPARE(sectorCount(blankClassic(kClassicUid)), 16);
        const ClassicCard fourK = blankClassic(kClassicUid, true);
        QCOMPARE(sectorCount(fourK), 40);
        QCOMPARE(sectorOfBlock(127), 31);
        QCOMPARE(sectorOfBlock(128), 32);
        QCOMPARE(trailerOfSector(32), 143);
        QCOMPARE(trailerOfSector(39), 255);
        QCOMPARE(accessGroup(133), 1);
        QCOMPARE(accessGroup(142), 2);
        QCOMPARE(accessGroup(143), 3);
        QCOMPARE(blockBytes(fourK.blocks[0]).at(4), uint8_t(0x3A ^ 0x7C ^ 0x91 ^ 0xE5));
        // Every trailer of the big sectors holds the transport keys.
        TypeAField f;
        f.replaceCards({fourK});
        const Reply r = classicRead(f, readParams(0xFC, 4, fill(0xFF, 6)));
        QCOMPARE(r.status, uint8_t(0));
        QCOMPARE(r.data.size(), size_t(4 + 64));
    }

    // What the default card's access bits allow, key by key.
    void accessEnforced_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<Bytes>("params");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("reason");
        const Bytes data = fill(0x5A);
        QTest::newRow("block 9: key A may not write") << 0x21 << writeParams(9, data, kPageKey) << 1 << int(kLocked);
        QTest::newRow("block 9: key B writes") << 0x21 << writeParams(9, data, kKeyB, true) << 0 << 0;
        QTest::newRow("block 10 is read-only") << 0x21 << writeParams(10, data, kKeyB, true) << 1 << int(kLocked);
        QTest::newRow("block 0 is the maker's") << 0x21 << writeParams(0, data, kPageKey) << 1 << int(kLocked);
        QTest::newRow("purse: key A may not load") << 0x24 << valueParams(2, kPageKey, false, 5) << 1 << int(kLocked);
        QTest::newRow("purse: key B loads") << 0x24 << valueParams(2, kKeyB, true, 5) << 0 << 0;
        QTest::newRow("purse: key A spends") << 0x23 << valueParams(2, kPageKey, false, 5) << 0 << 0;
        QTest::newRow("wrong key") << 0x20 << readParams(8, 1, kKeyB) << 1 << int(kAuthFailed);
        QTest::newRow("second sector's key is checked too") << 0x20 << readParams(0x3A, 4, kPageKey) << 1 << int(kAuthFailed);
        QTest::newRow("past the last block") << 0x20 << readParams(0x3E, 4, kPageKey) << 1 << int(kNoSuchBlock);
        QTest::newRow("trailer: key A may not change the access bits")
            << 0x21 << writeParams(11, blockBytes(trailer({}, {0, 0, 0, 3}, 0x69, {})), kPageKey) << 1 << int(kLocked);
        QTest::newRow("trailer: broken access bits")
            << 0x21 << writeParams(11, cat({kPageKey, {0xFF, 0xFF, 0xFF, 0x69}, kKeyB}), kKeyB, true) << 1
            << int(kWriteFailed);
        QTest::newRow("increment a plain block") << 0x24 << valueParams(4, kPageKey, false, 1) << 1 << int(kBlockInitError);
        QTest::newRow("increment past the top") << 0x24 << valueParams(1, kPageKey, false, 0x7FFFFFFF) << 1 << int(kOverflow);
        QTest::newRow("no such sector") << 0x22 << valueParams(16, kPageKey, false, 1) << 1 << int(kNoSuchBlock);
    }
    void accessEnforced()
    {
        QFETCH(int, command);
        QFETCH(Bytes, params);
        QFETCH(int, status);
        QFETCH(int, reason);
        TypeAField f;
        const ClassicCard before = classic(f);
        const Reply r = command == 0x20 ? classicRead(f, params)
            : command == 0x21           ? classicWrite(f, params)
                                        : classicValue(f, uint8_t(command), params);
        QCOMPARE(int(r.status), status);
        if (status)
            QCOMPARE(r.data, Bytes{uint8_t(reason)});
        if (status)   // a refusal changes nothing
            QVERIFY(classic(f).blocks == before.blocks);
    }

    void refusedWriteChangesNothing()
    {
        TypeAField f;
        const Block block9 = classic(f).blocks[9];
        // Block 9 may be written with key B, block 10 not: neither is.
        QCOMPARE(classicWrite(f, writeParams(9, fill(0x11, 32), kKeyB, true)).data, Bytes{kLocked});
        QVERIFY(classic(f).blocks[9] == block9);
    }

    void trailerReadsMasked()
    {
        TypeAField f;
        const Reply r = classicRead(f, readParams(7, 1, kPageKey));
        QCOMPARE(r.data, cat({kClassicUid, fill(0, 6), {0x7F, 0x07, 0x88, 0x69}, fill(0, 6)}));
        // On a transport card key B is readable: as data, it opens nothing.
        TypeAField blank;
        blank.replaceCards({blankClassic(kClassicUid)});
        QCOMPARE(classicRead(blank, readParams(3, 1, fill(0xFF, 6))).data,
                 cat({kClassicUid, fill(0, 6), {0xFF, 0x07, 0x80, 0x69}, fill(0xFF, 6)}));
        QCOMPARE(classicRead(blank, readParams(4, 1, fill(0xFF, 6), true)).data, Bytes{kNotSupported});
    }

    void valueBlocksKeepTheirFormat()
    {
        TypeAField f;
        QCOMPARE(classicValue(f, 0x22, valueParams(1, kPageKey, false, 0x8800)).data, kClassicUid);
        QCOMPARE(blockBytes(classic(f).blocks[4]),
                 Bytes({0x00, 0x88, 0x00, 0x00, 0xFF, 0x77, 0xFF, 0xFF, 0x00, 0x88, 0x00, 0x00, 0x04, 0xFB, 0x04, 0xFB}));
        QCOMPARE(classicValue(f, 0x23, valueParams(1, kPageKey, false, 0x8801)).data,
                 cat({kClassicUid, {0xFF, 0xFF, 0xFF, 0xFF}}));
        QCOMPARE(valueOf(classic(f).blocks[4]), std::optional<int32_t>(-1));
        // Sector 0's value block is block 1: block 0 holds the UID.
        QCOMPARE(classicValue(f, 0x22, valueParams(0, kPageKey, false, 7)).status, uint8_t(0));
        QCOMPARE(valueOf(classic(f).blocks[1]), std::optional<int32_t>(7));
        QCOMPARE(classic(f).blocks[1][12], uint8_t(1));
    }

    void ultralightLocksAndOtp()
    {
        TypeAField f;
        const auto write = [&](int page, const Bytes &data) {
            return ultralightWrite(f, cat({{0x00, 0x01, uint8_t(page)}, data}));
        };
        QCOMPARE(write(3, {0x01, 0x00, 0x00, 0x80}).status, uint8_t(0));
        QCOMPARE(write(3, {0x02, 0x00, 0x00, 0x00}).status, uint8_t(0));
        QCOMPARE(ultralight(f).pages[3], (Page{0x03, 0x00, 0x00, 0x80}));   // OTP bits only add up
        QCOMPARE(write(0, {1, 2, 3, 4}).data, Bytes{kLocked});
        QCOMPARE(write(16, {1, 2, 3, 4}).data, Bytes{kNoSuchBlock});
        QCOMPARE(ultralightWrite(f, {0x00, 0x02, 0x05, 1, 2, 3, 4}).data, Bytes{kBadParameter});
        // Lock page 5 and the OTP page; the UID bytes of page 2 stay.
        QCOMPARE(write(2, {0x00, 0x00, 0x28, 0x00}).status, uint8_t(0));
        QCOMPARE(ultralight(f).pages[2], (Page{0x12 ^ 0x9C ^ 0x6E ^ 0x80, 0x48, 0x28, 0x80}));
        QCOMPARE(write(5, {1, 2, 3, 4}).data, Bytes{kLocked});
        QCOMPARE(write(3, {0x04, 0, 0, 0}).data, Bytes{kLocked});
        QCOMPARE(write(6, {1, 2, 3, 4}).status, uint8_t(0));
        // Block-locking bit 2 freezes the lock bits of pages 10-15: a write of
        // lock bit 10 succeeds and leaves it clear.
        QCOMPARE(write(2, {0x00, 0x00, 0x04, 0x00}).status, uint8_t(0));
        QCOMPARE(write(2, {0x00, 0x00, 0x00, 0x04}).status, uint8_t(0));
        QCOMPARE(ultralight(f).pages[2][3], uint8_t(0x80));
        QCOMPARE(write(10, {1, 2, 3, 4}).status, uint8_t(0));
    }

    void ultralightReadRollsOver()
    {
        TypeAField f;
        const Reply r = ultralightRead(f, {0x00, 0x0F});
        QCOMPARE(r.data, cat({{'L', 'O', 'C', 'K', 0x04, 0x5A, 0x3B, 0xED, 0x12, 0x9C, 0x6E, 0x80,
                               uint8_t(0x12 ^ 0x9C ^ 0x6E ^ 0x80), 0x48, 0x00, 0x80},
                              kUltralightUid}));
        QCOMPARE(ultralightRead(f, {0x00, 0x10}).data, Bytes{kNoSuchBlock});
    }

    void whichCardAnswers()
    {
        TypeAField f;
        const Bytes both = cat({{0x01}, kClassicUid});
        QCOMPARE(cardNumber(f, {0x26, 0x01}).data, both);   // then halted
        QCOMPARE(cardNumber(f, {0x26, 0x00}).data, cat({{0x00}, Bytes(kUltralightUid.begin(), kUltralightUid.begin() + 4)}));
        QCOMPARE(classicRead(f, readParams(4, 1, kPageKey)).data, Bytes{kNoCard});
        QCOMPARE(cardNumber(f, {0x52, 0x00}).data, both);   // WUPA reaches it, for this activation only
        QCOMPARE(cardNumber(f, {0x27, 0x00}).data, Bytes{kBadParameter});
        // Halt goes to the card the last command reached.
        QCOMPARE(ultralightSerial(f, {0x00}).data, kUltralightUid);
        QCOMPARE(haltCard(f, {}).status, uint8_t(0));
        QCOMPARE(ultralightSerial(f, {0x00}).data, Bytes{kNoCard});
        QCOMPARE(haltCard(f, {}).data, Bytes{kNoCard});
        QCOMPARE(classicRead(f, readParams(4, 1, kPageKey)).data, Bytes{kNoCard});   // halted still
        QCOMPARE(ultralightSerial(f, {0x01}).data, kUltralightUid);
    }

    void replacedCards()
    {
        TypeAField f;
        const Bytes longUid{0x04, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
        f.replaceCards({blankClassic(longUid)});
        QCOMPARE(cardNumber(f, {0x26, 0x00}).data, Bytes({0x00, 0x04, 0x11, 0x22, 0x33}));
        QCOMPARE(classicRead(f, readParams(1, 1, fill(0xFF, 6))).data, cat({Bytes(longUid.begin(), longUid.begin() + 4), fill(0)}));
        QCOMPARE(ultralightSerial(f, {0x00}).data, Bytes{kNoCard});
    }
};

QTEST_GUILESS_MAIN(TestTypeACards)
#include "test_typeacards.moc"
