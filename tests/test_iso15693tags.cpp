// The virtual reader's vicinity tags: who a command reaches, and the answers
// and reason codes of the tags, on a small field of two tags.
#include <QTest>

#include "iso15693_tags.h"
#include "vreader.h"

using namespace vreader;

Q_DECLARE_METATYPE(vreader::Bytes)

namespace {
const std::array<uint8_t, 8> kUidA = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0x04, 0xE0};
const std::array<uint8_t, 8> kUidB = {0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0x07, 0xE0};
const std::array<uint8_t, 8> kUidC = {0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0x07, 0xE0};

Bytes ask(VirtualReader &r, const Bytes &body)
{
    Bytes f{0xAA, 0x00, uint8_t(body.size())};
    for (uint8_t b : body)
        f.push_back(b);
    uint8_t x = 0;
    for (size_t i = 1; i < f.size(); ++i)
        x ^= f[i];
    f.push_back(x);
    f.push_back(0xBB);
    return r.handleFrame(f.data(), f.size());
}

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes uidBytes(const std::array<uint8_t, 8> &uid)
{
    return Bytes(uid.begin(), uid.end());
}

// A: 64 blocks, block n holding n n n n, block 2 locked, AFI 3D.
// B: 4 blocks at the edge of the field (answers, cannot program).
void twoTags(VirtualReader &r)
{
    Iso15693Tag a = makeIso15693Tag(kUidA, 64, 4, 0x01);
    for (size_t i = 0; i < a.data.size(); ++i)
        a.data[i] = uint8_t(i / 4);
    a.security[2] = 0x01;
    a.afi = 0x3D;
    Iso15693Tag b = makeIso15693Tag(kUidB, 4, 4, 0x01);
    b.atFieldEdge = true;
    r.state<Iso15693Field>().replaceTags({a, b});
}
} // namespace

class TestIso15693Tags : public QObject
{
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<Bytes>("request");
        QTest::addColumn<Bytes>("reply");
        const Bytes a = uidBytes(kUidA), b = uidBytes(kUidB);
        QTest::newRow("read with security status (option)")
            << join({{0x11, 0x62, 0x01, 0x02}, a}) << responseFrame(0, ok({0x00, 0x00, 1, 1, 1, 1, 0x01, 2, 2, 2, 2}));
        QTest::newRow("block beyond the tag") << join({{0x11, 0x22, 0x3F, 0x02}, a}) << responseFrame(0, fail(0x93));
        QTest::newRow("no blocks") << join({{0x11, 0x22, 0x00, 0x00}, a}) << responseFrame(0, fail(0x85));
        QTest::newRow("answer too long") << join({{0x11, 0x22, 0x00, 0x3C}, a}) << responseFrame(0, fail(0x10));
        QTest::newRow("write a locked block")
            << join({{0x12, 0x22, 0x01, 0x02}, a, {1, 2, 3, 4, 5, 6, 7, 8}}) << responseFrame(0, fail(0x94));
        QTest::newRow("write, data not a block") << join({{0x12, 0x22, 0x01, 0x01}, a, {1, 2}})
                                                 << responseFrame(0, fail(0x85));
        QTest::newRow("lock a locked block") << join({{0x13, 0x22, 0x02}, a}) << responseFrame(0, fail(0x94));
        QTest::newRow("lock beyond the tag") << join({{0x13, 0x22, 0x40}, a}) << responseFrame(0, fail(0x93));
        QTest::newRow("edge: read works") << join({{0x11, 0x22, 0x00, 0x01}, b})
                                          << responseFrame(0, ok({0x00, 0, 0, 0, 0}));
        QTest::newRow("edge: write fails") << join({{0x12, 0x22, 0x00, 0x01}, b, {1, 2, 3, 4}})
                                           << responseFrame(0, fail(0x96));
        QTest::newRow("edge: lock fails") << join({{0x13, 0x22, 0x00}, b}) << responseFrame(0, fail(0x95));
        QTest::newRow("edge: AFI lock fails") << join({{0x18, 0x22}, b}) << responseFrame(0, fail(0x95));
        QTest::newRow("unknown UID") << join({{0x1B, 0x22}, uidBytes(kUidC)}) << responseFrame(0, fail(0x83));
        QTest::newRow("addressed without UID") << Bytes{0x13, 0x22, 0x05} << responseFrame(0, fail(0x85));
        QTest::newRow("select flag, none selected") << Bytes{0x1B, 0x12} << responseFrame(0, fail(0x83));
        QTest::newRow("address and select flags") << join({{0x1B, 0x32}, a}) << responseFrame(0, fail(0x91));
        QTest::newRow("inventory flag on a read") << Bytes{0x11, 0x06, 0x00, 0x01} << responseFrame(0, fail(0x91));
        QTest::newRow("non-addressed: collision") << Bytes{0x1B, 0x02} << responseFrame(0, fail(0x84));
        QTest::newRow("system information")
            << join({{0x1B, 0x22}, a})
            << responseFrame(0, ok(join({{0x00, 0x0F}, a, {0x00, 0x3D, 0x3F, 0x03, 0x01}})));
        QTest::newRow("block security status") << join({{0x1C, 0x22, 0x01, 0x03}, a})
                                               << responseFrame(0, ok({0x00, 0x00, 0x01, 0x00}));
        QTest::newRow("inventory of every tag")
            << Bytes{0x10, 0x06, 0x00, 0x00} << responseFrame(0, ok(join({{0x02, 0x00, 0x00}, a, {0x00, 0x00}, b})));
        QTest::newRow("inventory by AFI") << Bytes{0x10, 0x16, 0x3D, 0x00}
                                          << responseFrame(0, ok(join({{0x01, 0x00, 0x00}, a})));
        QTest::newRow("inventory by UID mask") << Bytes{0x10, 0x06, 0x00, 0x0C, 0xB1, 0x02}
                                               << responseFrame(0, ok(join({{0x01, 0x00, 0x00}, b})));
        QTest::newRow("inventory, no tag matches") << Bytes{0x10, 0x16, 0x77, 0x00} << responseFrame(0, ok({0x00}));
    }
    void answers()
    {
        QFETCH(Bytes, request);
        QFETCH(Bytes, reply);
        VirtualReader r;
        twoTags(r);
        QCOMPARE(ask(r, request), reply);
    }

    // Select reaches one tag; the select flag then addresses it alone.
    void selectThenSelectFlag()
    {
        VirtualReader r;
        twoTags(r);
        QCOMPARE(ask(r, join({{0x15, 0x22}, uidBytes(kUidC)})), responseFrame(0, fail(0x83)));
        QCOMPARE(ask(r, join({{0x15, 0x22}, uidBytes(kUidA)})), responseFrame(0, ok({0x00})));
        QCOMPARE(ask(r, {0x17, 0x52, 0x99}), responseFrame(0, ok({0x00})));
        QCOMPARE(ask(r, {0x18, 0x12}), responseFrame(0, ok({0x00})));
        const auto &tags = r.state<Iso15693Field>().tags();
        QCOMPARE(tags[0].afi, uint8_t(0x99));
        QVERIFY(tags[0].afiLocked);
        QCOMPARE(tags[1].afi, uint8_t(0x00));
        // New tags: nothing is selected any more.
        r.state<Iso15693Field>().replaceTags({tags[0]});
        QCOMPARE(ask(r, {0x1B, 0x12}), responseFrame(0, fail(0x83)));
    }

    // A non-addressed command acts on every tag it reaches, even when the
    // answers collide; with one tag in the field it is answered.
    void nonAddressedReachesEveryTag()
    {
        VirtualReader r;
        Iso15693Tag a = makeIso15693Tag(kUidA, 8, 4, 0x01), b = makeIso15693Tag(kUidB, 8, 4, 0x01);
        r.state<Iso15693Field>().replaceTags({a, b});
        QCOMPARE(ask(r, {0x19, 0x02, 0x42}), responseFrame(0, fail(0x84)));
        for (const Iso15693Tag &t : r.state<Iso15693Field>().tags())
            QCOMPARE(t.dsfid, uint8_t(0x42));
        r.state<Iso15693Field>().replaceTags({a});
        QCOMPARE(ask(r, {0x19, 0x02, 0x43}), responseFrame(0, ok({0x00})));
    }
};

QTEST_MAIN(TestIso15693Tags)
#include "test_iso15693tags.moc"
