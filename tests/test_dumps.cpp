// Card dumps: real files of the field load with their contents, malformed ones
// are refused with the file, the line and what is wrong, a card converts
// between every pair of formats and loads back the same (unknown bytes stay
// unknown or the conversion is refused), and a card's text decodes its keys,
// access conditions and lock bits.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "dumps.h"
#include "support.h"

using namespace dumps;

namespace {
const std::string kDumps = RFID_FIXTURES_DIR;

QString q(const std::string &s) { return QString::fromStdString(s); }

template <typename Container> QString hex(const Container &bytes)
{
    QStringList parts;
    for (uint8_t b : bytes)
        parts << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char(' '));
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    const size_t at = text.find(from);
    if (at == std::string::npos)
        qFatal("fixture text not found: %s", from.c_str());
    return text.replace(at, from.size(), to);
}

// The text up to (not including) the first occurrence of marker.
std::string cutAt(const std::string &text, const std::string &marker)
{
    const size_t at = text.find(marker);
    if (at == std::string::npos)
        qFatal("fixture text not found: %s", marker.c_str());
    return text.substr(0, at);
}

template <typename T> T as(const LoadResult &r)
{
    if (!r)
        qFatal("refused: %s", r.error.c_str());
    if (!std::holds_alternative<T>(*r.card))
        qFatal("loaded as another kind of card");
    return std::get<T>(*r.card);
}

QString trailer(const ClassicDump &d, int sector) { return hex(d.blocks.at(ClassicDump::trailerBlock(sector)).bytes); }

// Block by block, so that a failure names the first block that differs.
void compareCards(const Card &got, const Card &want)
{
    QCOMPARE(got.index(), want.index());
    if (const auto *c = std::get_if<ClassicDump>(&want)) {
        const auto &g = std::get<ClassicDump>(got);
        QCOMPARE(g.blocks.size(), c->blocks.size());
        for (size_t b = 0; b < c->blocks.size(); ++b) {
            QVERIFY2(g.blocks[b] == c->blocks[b], qPrintable(QStringLiteral("block %1").arg(b)));
        }
    } else if (const auto *u = std::get_if<UltralightDump>(&want)) {
        const auto &g = std::get<UltralightDump>(got);
        QCOMPARE(g.pages.size(), u->pages.size());
        for (size_t p = 0; p < u->pages.size(); ++p)
            QVERIFY2(g.pages[p] == u->pages[p], qPrintable(QStringLiteral("page %1").arg(p)));
    } else {
        const auto &v = std::get<Iso15693Dump>(want);
        const auto &g = std::get<Iso15693Dump>(got);
        QCOMPARE(hex(g.data), hex(v.data));
        QCOMPARE(hex(g.security), hex(v.security));
    }
    QVERIFY(got == want);   // and everything else: UID, ATQA, SAK, locks, extras ...
}
} // namespace

class TestDumps : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString missing = rfid::test::missingFixtures();
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }

    void classicFixtures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("uid");
        QTest::addColumn<int>("atqa");
        QTest::addColumn<int>("sak");
        QTest::addColumn<QString>("block0");
        QTest::newRow("raw 1K") << "pm3-s50-empty.bin" << int(Format::RawBinary) << int(ClassicType::K1)
                                << "01 A0 62 BD" << 0x0004 << 0x08
                                << "01 A0 62 BD 7E 08 04 00 01 1B 8C C2 D5 10 7E 1D";
        QTest::newRow("json mfcard Mini") << "pm3-s20-empty.json" << int(Format::Proxmark3Json)
                                          << int(ClassicType::Mini) << "1D 35 7A E9" << 0x0004 << 0x09
                                          << "1D 35 7A E9 BB 89 04 00 C8 46 00 20 00 00 00 17";
        QTest::newRow("flipper 1K, 7-byte UID")
            << "rfidiot-Mf1k_7b-test.nfc" << int(Format::FlipperNfc) << int(ClassicType::K1) << "00 11 22 33 44 55 66"
            << 0x0044 << 0x08 << "00 11 22 33 44 55 66 08 44 00 FF FF FF FF FF FF";
    }
    void classicFixtures()
    {
        QFETCH(QString, file);
        QFETCH(int, format);
        QFETCH(int, type);
        QFETCH(QString, uid);
        QFETCH(int, atqa);
        QFETCH(int, sak);
        QFETCH(QString, block0);
        const LoadResult r = loadDump(kDumps + "/" + file.toStdString());
        QVERIFY2(r, r.error.c_str());
        QCOMPARE(int(r.format), format);
        const auto &d = as<ClassicDump>(r);
        QCOMPARE(int(d.type), type);
        QCOMPARE(int(d.blocks.size()), ClassicDump::blockCount(d.type));
        QCOMPARE(hex(d.uid), uid);
        QCOMPARE(int(d.atqa), atqa);
        QCOMPARE(int(d.sak), sak);
        QCOMPARE(hex(d.blocks[0].bytes), block0);
        for (int s = 0; s < d.sectorCount(); ++s) {
            QCOMPARE(trailer(d, s), QStringLiteral("FF FF FF FF FF FF FF 07 80 69 FF FF FF FF FF FF"));
            QVERIFY(d.keyA(s) && d.keyB(s) && d.accessBytes(s));
        }
        for (const ClassicBlock &b : d.blocks)
            QVERIFY(b.allKnown());
    }

    void flipperClassicData()
    {
        const auto &d = as<ClassicDump>(loadDump(kDumps + "/rfidiot-Mf1k_7b-test.nfc"));
        QCOMPARE(hex(d.blocks[4].bytes), QString("11 ").repeated(16).trimmed());
        QCOMPARE(hex(d.blocks[58].bytes), QString("EE ").repeated(16).trimmed());
        QCOMPARE(hex(d.blocks[62].bytes), QString("FF ").repeated(16).trimmed());
    }

    void ntag216Fixture()
    {
        const LoadResult r = loadDump(kDumps + "/pm3-ntag216-empty.json");
        const auto &u = as<UltralightDump>(r);
        QCOMPARE(int(r.format), int(Format::Proxmark3Json));
        QCOMPARE(u.pages.size(), size_t(231));
        QCOMPARE(u.pagesRead, 231);
        QCOMPARE(q(u.type), QStringLiteral("NTAG216"));
        QCOMPARE(hex(u.uid), QStringLiteral("04 58 69 D2 9C 39 80"));
        QCOMPARE(hex(u.pages[0]), QStringLiteral("04 58 69 BD"));
        QCOMPARE(hex(u.pages[3]), QStringLiteral("E1 10 6D 00"));
        QCOMPARE(hex(u.pages[4]), QStringLiteral("03 00 FE 00"));
        QCOMPARE(hex(u.pages[227]), QStringLiteral("04 00 00 FF"));
        QCOMPARE(hex(u.pages[230]), QStringLiteral("00 00 00 00"));
        QCOMPARE(hex(u.version), QStringLiteral("00 04 04 02 01 00 13 03"));
        QCOMPARE(hex(u.signature).left(11), QStringLiteral("1F A9 FE 47"));
        QCOMPARE(int(u.tearing[2]), 0xBD);
    }

    void slixFixture()
    {
        const LoadResult r = loadDump(kDumps + "/flipper-Slix_cap_default.nfc");
        const auto &v = as<Iso15693Dump>(r);
        QCOMPARE(hex(v.uid), QStringLiteral("E0 04 01 08 49 D0 DC 81"));
        QCOMPARE(hex(v.uidLsbFirst()), QStringLiteral("81 DC D0 49 08 01 04 E0"));
        QCOMPARE(int(v.dsfid), 0x01);
        QCOMPARE(int(v.afi), 0x3D);
        QCOMPARE(int(v.icReference), 0x01);
        QVERIFY(v.afiLocked);
        QVERIFY(v.dsfidLocked);
        QCOMPARE(v.blockCount, 80);
        QCOMPARE(v.blockSize, 4);
        QCOMPARE(hex(Bytes(v.data.begin(), v.data.begin() + 4)), QStringLiteral("03 0A 82 ED"));
        QCOMPARE(hex(Bytes(v.data.end() - 4, v.data.end())), QStringLiteral("E5 FF 00 01"));
        QCOMPARE(v.security, Bytes(80, 0));
        QCOMPARE(q(v.deviceType), QStringLiteral("SLIX"));
        // The SLIX section is kept for saving: nothing of the card is lost.
        QCOMPARE(v.extra.size(), size_t(12));
        QCOMPARE(q(v.extra[3].first + "=" + v.extra[3].second), QStringLiteral("Password Privacy=0F 0F 0F 0F"));
    }

    // Comments, blank lines, either letter case, hex bytes together, "??",
    // version 2's ATQA order, CR LF and junk lines before the header and after the blocks.
    void tolerantFlipper()
    {
        const std::string text = readFile(kDumps + "/mini-messy.nfc");
        std::string crlf;
        for (char c : text)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        for (const std::string &t : {text, crlf}) {
            const LoadResult r = parseDump(t, "mini-messy.nfc");
            const auto &d = as<ClassicDump>(r);
            QCOMPARE(int(d.type), int(ClassicType::Mini));
            QCOMPARE(hex(d.uid), QStringLiteral("DE AD BE EF"));
            QCOMPARE(int(d.atqa), 0x0004);
            QCOMPARE(int(d.sak), 0x09);
            QCOMPARE(hex(d.blocks[1].bytes), QStringLiteral("00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF"));
            QCOMPARE(int(d.blocks[3].known), 0xFFC0);
            QVERIFY(!d.keyA(0));
            QVERIFY(d.keyB(0) && d.accessBytes(0));
            QCOMPARE(hex(*d.keyA(1)), QStringLiteral("A0 A1 A2 A3 A4 A5"));
            QVERIFY(!d.keyB(1));
            QVERIFY(d.keyA(2) && d.keyB(2));
        }
    }

    void tolerantJson()
    {
        const std::string json = R"({
  "Created": "proxmark3", "FileType": "MFU",
  "Card": { "UID": "04a1b2c3d4e5f6" },
  "blocks": { "1": "c3d4e5f6", "0": "04a1b2c9", "2": "00000000", "3": "E1100600", },
}
trailing words)";
        const auto &u = as<UltralightDump>(parseDump(json, "card.json"));
        QCOMPARE(u.pages.size(), size_t(4));
        QCOMPARE(hex(u.uid), QStringLiteral("04 A1 B2 C3 D4 E5 F6"));
        QCOMPARE(hex(u.pages[1]), QStringLiteral("C3 D4 E5 F6"));
    }

    // Either letter case, CR LF, blank lines and a byte order mark in .eml and MCT text.
    void tolerantTextDumps()
    {
        const Card mini = *loadDump(kDumps + "/pm3-s20-empty.json").card;
        const Card keys = *loadDump(kDumps + "/classic-keys.mct").card;
        for (const auto &[card, format] : {std::pair{mini, Format::Proxmark3Eml}, std::pair{keys, Format::MctText}}) {
            const std::string text = *encodeDump(card, format).content;
            std::string messy = "\xEF\xBB\xBF\r\n";
            for (char c : text)
                messy += c == '\n' ? std::string("\r\n\r\n") : std::string(1, char(std::tolower(c)));
            const LoadResult r = parseDump(messy, "card");
            QVERIFY2(r, r.error.c_str());
            QCOMPARE(int(r.format), int(format));
            compareCards(*r.card, card);
        }
    }

    // Sizes tell the card; block 0's BCC tells a 4-byte UID from a 7-byte one.
    void rawSizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("head");
        QTest::addColumn<int>("type");   // -1: Ultralight
        QTest::addColumn<QString>("uid");
        QTest::newRow("64: Ultralight") << 64 << "04 58 69 BD D2 9C 39 80" << -1 << "04 58 69 D2 9C 39 80";
        QTest::newRow("320: Mini") << 320 << "11 22 33 44 44" << int(ClassicType::Mini) << "11 22 33 44";
        QTest::newRow("2048: 2K") << 2048 << "11 22 33 44 44" << int(ClassicType::K2) << "11 22 33 44";
        QTest::newRow("4096: 4K, 7-byte UID") << 4096 << "04 11 22 33 44 55 66 18" << int(ClassicType::K4)
                                              << "04 11 22 33 44 55 66";
    }
    void rawSizes()
    {
        QFETCH(int, size);
        QFETCH(QString, head);
        QFETCH(int, type);
        QFETCH(QString, uid);
        std::string content(size_t(size), '\xFF');
        const QStringList h = head.split(' ');
        for (int i = 0; i < h.size(); ++i)
            content[i] = char(h[i].toInt(nullptr, 16));
        content[size - 1] = '\x5A';
        const LoadResult r = parseDump(content, "card.bin");
        QVERIFY2(r, r.error.c_str());
        QCOMPARE(int(r.format), int(Format::RawBinary));
        if (type < 0) {
            const auto &u = std::get<UltralightDump>(*r.card);
            QCOMPARE(hex(u.uid), uid);
            QCOMPARE(u.pages.size(), size_t(16));
            QCOMPARE(int(u.pages[15][3]), 0x5A);
            return;
        }
        const auto &d = std::get<ClassicDump>(*r.card);
        QCOMPARE(int(d.type), type);
        QCOMPARE(hex(d.uid), uid);
        // The last byte is the last sector's trailer (a 16-block sector on a 4K).
        const int last = d.sectorCount() - 1;
        QCOMPARE(ClassicDump::trailerBlock(last), int(d.blocks.size()) - 1);
        QCOMPARE(int(d.blocks.back().bytes[15]), 0x5A);
        QCOMPARE(*d.keyB(last), (std::array<uint8_t, 6>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x5A}));
    }

    void malformed_data()
    {
        QTest::addColumn<QString>("base");   // a fixture file, or "ntag216.nfc": the NTAG216 saved as Flipper NFC
        QTest::addColumn<QString>("from");   // replaced in the base; "" with to = "": the base as it is
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("cut");    // the text is cut before this
        QTest::addColumn<QString>("error");

        const QString c7 = "rfidiot-Mf1k_7b-test.nfc", slix = "flipper-Slix_cap_default.nfc";
        const QString s20 = "pm3-s20-empty.json", ntag = "pm3-ntag216-empty.json", nfcNtag = "ntag216.nfc";
        QTest::newRow("classic nfc: bad hex")
            << c7 << "Block 5: 11 11 11" << "Block 5: 11 G1 11" << "" << "card: line 19: bad hex \"G1\" in Block 5";
        QTest::newRow("classic nfc: block out of range")
            << c7 << "Block 63:" << "Block 64:" << ""
            << "card: line 77: Block 64 out of range: a Classic 1K has blocks 0 to 63";
        QTest::newRow("classic nfc: truncated") << c7 << "" << "" << "Block 40:"
                                                << "card: line 53: truncated: Block 40 missing (24 of 64 missing)";
        QTest::newRow("classic nfc: short block")
            << c7 << "Block 2: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
            << "Block 2: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00" << ""
            << "card: line 16: Block 2 has 15 bytes, a block has 16";
        QTest::newRow("classic nfc: one block twice")
            << c7 << "Block 12:" << "Block 11:" << ""
            << "card: line 26: Block 11 given twice with different data (first on line 25)";
        QTest::newRow("classic nfc: UID length") << c7 << "UID: 00 11 22 33 44 55 66" << "UID: 00 11 22 33 44" << ""
                                                 << "card: line 6: UID of 5 bytes: a Mifare Classic UID has 4 or 7 bytes";
        QTest::newRow("nfc: unknown device type")
            << c7 << "Device type: Mifare Classic" << "Device type: Mifare Plus" << ""
            << "card: line 4: unknown device type \"Mifare Plus\": Mifare Classic, NTAG/Ultralight, SLIX and "
               "ISO15693-3 can be loaded";
        QTest::newRow("nfc: version") << c7 << "Version: 4" << "Version: 5" << ""
                                      << "card: line 2: Version \"5\" is not supported (2 to 4)";
        QTest::newRow("nfc: other Flipper file")
            << c7 << "Filetype: Flipper NFC device" << "Filetype: Flipper SubGhz Key File" << ""
            << "card: line 1: Filetype \"Flipper SubGhz Key File\" is not a Flipper NFC device";
        QTest::newRow("slix: truncated data") << slix << "E5 FF 00 01" << "" << ""
                                              << "card: line 21: truncated: Data Content has 316 bytes, 80 blocks of "
                                                 "4 need 320";
        QTest::newRow("slix: bad hex") << slix << "Data Content: 03 0A" << "Data Content: 03 0X" << ""
                                       << "card: line 21: bad hex \"0X\" in Data Content";
        QTest::newRow("slix: block count out of range")
            << slix << "Block Count: 80" << "Block Count: 300" << ""
            << "card: line 18: Block Count \"300\" out of range: 1 to 256";
        QTest::newRow("slix: security truncated")
            << slix << "Security Status: 00 00 00" << "Security Status: 00 00" << ""
            << "card: line 23: truncated: Security Status has 79 bytes, expected 80 (one per block)";
        QTest::newRow("slix: lock flag") << slix << "Lock AFI: true" << "Lock AFI: maybe" << ""
                                         << "card: line 16: Lock AFI is \"maybe\", expected true or false";
        QTest::newRow("ultralight nfc: page out of range")
            << nfcNtag << "Page 230:" << "Page 231:" << ""
            << "card: line 253: Page 231 out of range: NTAG216 has pages 0 to 230";
        QTest::newRow("ultralight nfc: truncated") << nfcNtag << "" << "" << "Page 100:"
                                                   << "card: line 122: truncated: Page 100 missing (131 of 231 missing)";
        QTest::newRow("ultralight nfc: bad hex") << nfcNtag << "Page 3: E1 10 6D 00" << "Page 3: E1 10 6D 0"
                                                 << "" << "card: line 26: bad hex \"0\" in Page 3: odd number of digits";
        QTest::newRow("json: truncated") << s20 << "" << "" << "\"10\":"
                                         << "card: line 20: truncated: the file ends inside an object";
        QTest::newRow("json: bad hex") << s20 << "\"FFFFFFFFFFFFFF078069FFFFFFFFFFFF\""
                                       << "\"FFFFFFFFFFFFFF078069FFFFFFFFFFFZ\"" << ""
                                       << "card: line 13: bad hex \"FZ\" in block 3";
        QTest::newRow("json: block out of range")
            << s20 << "\"19\":" << "\"256\":" << ""
            << "card: line 29: block 256 out of range: a Classic has at most blocks 0 to 255";
        QTest::newRow("json: block missing") << s20 << "\"12\":" << "\"20\":" << ""
                                             << "card: line 9: truncated: block 12 missing (44 of 64 missing)";
        QTest::newRow("json: sector out of range")
            << s20 << "\"4\": {\n      \"KeyA\"" << "\"5\": {\n      \"KeyA\"" << ""
            << "card: line 80: sector 5 out of range: a Classic Mini has sectors 0 to 4";
        QTest::newRow("json: bad key hex") << s20 << "\"KeyA\": \"FFFFFFFFFFFF\"" << "\"KeyA\": \"FFFFFFFFFFF\"" << ""
                                           << "card: line 33: bad hex \"FFFFFFFFFFF\" in sector 0 KeyA: odd number of digits";
        QTest::newRow("json: unknown FileType") << s20 << "\"mfcard\"" << "\"mfdes\"" << ""
                                                << "card: line 3: unknown FileType \"mfdes\": mfcard, mfc v2, mfc v3 "
                                                   "and mfu can be loaded";
        QTest::newRow("json: bad JSON") << s20 << "\"SAK\": \"09\"" << "\"SAK\" \"09\"" << ""
                                        << "card: line 7: bad JSON: expected ':' after \"SAK\", found \"\"09\"\"";
        QTest::newRow("json mfu: short page") << ntag << "\"3\": \"E1106D00\"" << "\"3\": \"E1106D\"" << ""
                                              << "card: line 21: truncated: page 3 has 3 bytes, expected 4";
        QTest::newRow("json mfu: page out of range")
            << ntag << "\"230\":" << "\"1024\":" << ""
            << "card: line 248: page 1024 out of range: an NTAG/Ultralight has at most pages 0 to 1023";
        QTest::newRow("raw: no dump size") << "pm3-s50-empty.bin" << "" << "" << "<1000>"
                                           << "card: a binary file of 1000 bytes is no dump: a raw dump has 64, 80, "
                                              "164, 168, 180, 540 or 924 bytes (Ultralight/NTAG), 320, 1024, 2048 or "
                                              "4096 bytes (Classic)";
        QTest::newRow("text: no dump") << "SOURCES.md" << "" << "" << ""
                                       << "card: line 1: not a card dump: neither a Flipper NFC file (\"Filetype: "
                                          "Flipper NFC device\"), a Proxmark3 JSON or .eml dump, an MCT dump "
                                          "(\"+Sector: 0\") nor a raw binary dump";
        const QString eml = "mini.eml", mct = "classic-keys.mct";
        QTest::newRow("eml: bad hex") << eml << "00000000000000000000000000000000\n" << "0000000000000000000000000000000G\n"
                                      << "" << "card: line 2: bad hex \"0G\" in block 1";
        QTest::newRow("eml: short block") << eml << "FFFFFFFFFFFFFF078069FFFFFFFFFFFF\n0000"
                                          << "FFFFFFFFFFFFFF078069FFFFFFFF\n0000" << ""
                                          << "card: line 4: block 3 has 14 bytes, a block has 16";
        QTest::newRow("eml: first line") << eml << "1D357AE9BB890400C846002000000017" << "1D357AE9BB" << ""
                                         << "card: line 1: the first line has 5 bytes: an .eml dump has a Classic "
                                            "block (16 bytes) or an Ultralight/NTAG page (4 bytes) a line";
        QTest::newRow("eml: block count") << eml << "" << "" << "<627>"
                                          << "card: line 19: 19 blocks: a Classic has 20, 64, 128 or 256 (Mini, 1K, "
                                             "2K, 4K)";
        QTest::newRow("mct: sector out of range") << mct << "+Sector: 4" << "+Sector: 40" << ""
                                                  << "card: line 21: Sector 40 out of range: a Classic has at most "
                                                     "sectors 0 to 39";
        QTest::newRow("mct: sector twice") << mct << "+Sector: 3" << "+Sector: 1" << ""
                                           << "card: line 16: Sector 1 given twice (first on line 6)";
        QTest::newRow("mct: sector truncated") << mct << "" << "" << "D3F7D3F7"
                                               << "card: line 14: truncated: Sector 2 has 3 of 4 blocks";
        QTest::newRow("mct: bad unknown byte") << mct << "00112233------" << "00112233-----X" << ""
                                               << "card: line 13: bad hex \"-X\" in block 9";
        QTest::newRow("mct: UID unknown") << mct << "1122334444" << "----------" << ""
                                          << "card: line 2: the UID bytes of block 0 are unknown (\"--\")";
    }
    void malformed()
    {
        QFETCH(QString, base);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, cut);
        QFETCH(QString, error);
        std::string text;
        if (base == "ntag216.nfc")
            text = toFlipperNfc(*loadDump(kDumps + "/pm3-ntag216-empty.json").card);
        else if (base == "mini.eml")
            text = *encodeDump(*loadDump(kDumps + "/pm3-s20-empty.json").card, Format::Proxmark3Eml).content;
        else if (QFile::exists(q(kDumps + "/" + base.toStdString())))
            text = readFile(kDumps + "/" + base.toStdString());
        else
            text = readFile(kDumps + "/" + base.toStdString());
        QVERIFY(!text.empty());
        if (!from.isEmpty())
            text = replaced(text, from.toStdString(), to.toStdString());
        if (cut.startsWith('<'))
            text.resize(cut.mid(1, cut.size() - 2).toUInt());
        else if (!cut.isEmpty())
            text = cutAt(text, cut.toStdString());
        const LoadResult r = parseDump(text, "card");
        QVERIFY(!r);
        QCOMPARE(q(r.error), error);
    }

    void unreadableFile()
    {
        const LoadResult r = loadDump("/nonexistent/card.nfc");
        QVERIFY(!r);
        QCOMPARE(q(r.error), QStringLiteral("/nonexistent/card.nfc: cannot be opened"));
    }

    // Load, change what a session would write, save as Flipper NFC, load
    // again: the same card, whatever format the first file had.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *f : {"pm3-s50-empty.bin", "pm3-s20-empty.json", "rfidiot-Mf1k_7b-test.nfc",
                              "pm3-ntag216-empty.json", "flipper-Slix_cap_default.nfc"})
            QTest::newRow(f) << q(kDumps + "/" + f);
        QTest::newRow("mini-messy.nfc (?? bytes)") << q(kDumps + "/mini-messy.nfc");
        QTest::newRow("ultralight-16p.bin (no version, no signature)") << q(kDumps + "/ultralight-16p.bin");
    }
    void roundTrip()
    {
        QFETCH(QString, path);
        const LoadResult first = loadDump(path.toStdString());
        QVERIFY2(first, first.error.c_str());
        Card card = *first.card;
        if (auto *c = std::get_if<ClassicDump>(&card)) {
            c->blocks[5].bytes.fill(0xA5);
            c->blocks[7].bytes[15] = 0x42;   // a written byte is known
            c->blocks[7].known |= 0x8000;
        } else if (auto *u = std::get_if<UltralightDump>(&card)) {
            u->pages[4] = {0xDE, 0xAD, 0xBE, 0xEF};
            u->counters[2] = 70000;
        } else if (auto *v = std::get_if<Iso15693Dump>(&card)) {
            v->data[8] = 0x99;
            v->security[2] = 0x01;
            v->dsfid = 0x7E;
        }
        QTemporaryDir dir;
        const std::string saved = dir.filePath("card.nfc").toStdString();
        std::string error;
        QVERIFY2(saveFlipperNfc(card, saved, &error), error.c_str());
        const LoadResult second = loadDump(saved);
        QVERIFY2(second, second.error.c_str());
        QCOMPARE(int(second.format), int(Format::FlipperNfc));
        compareCards(*second.card, card);
        QVERIFY(!(*second.card == *first.card));   // the changes are there
    }

    void savedTextKeepsUnknownBytesAndSlixFields()
    {
        const std::string classic = toFlipperNfc(*loadDump(kDumps + "/mini-messy.nfc").card);
        QVERIFY(classic.find("\nBlock 3: ?? ?? ?? ?? ?? ?? FF 07 80 69 FF FF FF FF FF FF\n") != std::string::npos);
        QVERIFY(classic.find("\nATQA: 00 04\nSAK: 09\n") != std::string::npos);   // version 4 order
        const std::string slix = toFlipperNfc(*loadDump(kDumps + "/flipper-Slix_cap_default.nfc").card);
        for (const char *line : {"\nDevice type: SLIX\n", "\nLock AFI: true\n", "\nPassword Privacy: 0F 0F 0F 0F\n",
                                 "\nProtection Pointer: 32\n", "\nLock PPL: true\n"})
            QVERIFY2(slix.find(line) != std::string::npos, line);
    }

    void saveFailureIsReported()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("missing/card.nfc").toStdString();
        std::string error;
        QVERIFY(!saveFlipperNfc(*loadDump(kDumps + "/pm3-s20-empty.json").card, path, &error));
        QCOMPARE(q(error), q(path) + ": cannot be written");
    }

    // Every fixture written in one format, that file converted to another and
    // loaded: the same card, as far as both formats hold it, or a refusal
    // naming what the format cannot hold.
    void convertEveryPair_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("refusal");   // what the first refusing step says; "" converts
        const Format formats[] = {Format::FlipperNfc, Format::Proxmark3Json, Format::RawBinary, Format::Proxmark3Eml,
                                  Format::MctText};
        struct Fixture {
            std::string path;
            std::vector<std::pair<Format, QString>> refused;   // formats that cannot hold the card, and why
        };
        const QString unknown = "block 3 has 6 unknown bytes (and 1 more block too): %1 has no mark for an unknown "
                                "byte; write flipper or mct to keep them unknown";
        const QString unknown9 = "block 9 has 8 unknown bytes (and 5 more blocks too): %1 has no mark for an unknown "
                                 "byte; write flipper or mct to keep them unknown";
        const QString notClassic = "an NTAG/Ultralight cannot be written as MCT text: MCT text holds Classic cards only";
        const QString iso = "an ISO 15693 tag cannot be written as %1: only flipper holds one";
        const Fixture fixtures[] = {
            {kDumps + "/pm3-s50-empty.bin", {}},
            {kDumps + "/pm3-s20-empty.json", {}},
            {kDumps + "/rfidiot-Mf1k_7b-test.nfc", {}},
            {kDumps + "/classic-keys.mct", {{Format::Proxmark3Json, unknown9}, {Format::RawBinary, unknown9},
                                          {Format::Proxmark3Eml, unknown9}}},
            {kDumps + "/mini-messy.nfc", {{Format::Proxmark3Json, unknown}, {Format::RawBinary, unknown},
                                        {Format::Proxmark3Eml, unknown}}},
            {kDumps + "/pm3-ntag216-empty.json", {{Format::MctText, notClassic}}},
            {kDumps + "/ultralight-16p.bin", {{Format::MctText, notClassic}}},
            {kDumps + "/flipper-Slix_cap_default.nfc",
             {{Format::Proxmark3Json, iso}, {Format::RawBinary, iso}, {Format::Proxmark3Eml, iso},
              {Format::MctText, "an ISO 15693 tag cannot be written as MCT text: MCT text holds Classic cards only"}}},
        };
        for (const Fixture &f : fixtures) {
            auto refusal = [&](Format format) -> QString {
                for (const auto &[refused, why] : f.refused)
                    if (refused == format)
                        return why.contains("%1") ? why.arg(formatName(format)) : why;
                return {};
            };
            for (Format from : formats)
                for (Format to : formats) {
                    const QString why = !refusal(from).isEmpty() ? refusal(from) : refusal(to);
                    QTest::addRow("%s: %s to %s", QFileInfo(q(f.path)).fileName().toUtf8().constData(),
                                  formatShortName(from), formatShortName(to))
                        << q(f.path) << int(from) << int(to) << why;
                }
        }
    }
    void convertEveryPair()
    {
        QFETCH(QString, path);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, refusal);
        const LoadResult original = loadDump(path.toStdString());
        QVERIFY2(original, original.error.c_str());
        // Names that tell no format: the format comes from the argument alone.
        QTemporaryDir dir;
        const std::string first = dir.filePath("first").toStdString(), second = dir.filePath("second").toStdString();
        ConvertResult r = convertDump(path.toStdString(), first, Format(from));
        if (r)
            r = convertDump(first, second, Format(to));
        if (!refusal.isEmpty()) {
            QVERIFY(!r);
            QVERIFY2(q(r.error).endsWith(": " + refusal), r.error.c_str());
            QVERIFY(!QFile::exists(q(second)));
            return;
        }
        QVERIFY2(r, r.error.c_str());
        QCOMPARE(int(r.from), from);
        QCOMPARE(int(r.to), to);
        const LoadResult converted = loadDump(second);
        QVERIFY2(converted, converted.error.c_str());
        QCOMPARE(int(converted.format), to);
        // Raw binary and .eml keep an NTAG's memory but not its version,
        // signature and counters; everything else keeps the whole card.
        Card want = *original.card;
        auto *u = std::get_if<UltralightDump>(&want);
        const auto memoryOnly = {Format::RawBinary, Format::Proxmark3Eml};
        if (u && (std::count(memoryOnly.begin(), memoryOnly.end(), Format(from)) ||
                  std::count(memoryOnly.begin(), memoryOnly.end(), Format(to)))) {
            u->version = {};
            u->signature = {};
            u->tearing = {};
        }
        compareCards(*converted.card, want);
    }

    void unknownBytes()
    {
        QTemporaryDir dir;
        const std::string mct = dir.filePath("card.mct").toStdString();
        QVERIFY(convertDump(kDumps + "/mini-messy.nfc", mct));
        const std::string text = readFile(mct);
        QVERIFY(text.find("\n------------FF078069FFFFFFFFFFFF\n") != std::string::npos);
        QVERIFY(text.find("\nA0A1A2A3A4A5FF078069------------\n") != std::string::npos);
        const auto &d = as<ClassicDump>(loadDump(mct));
        QCOMPARE(int(d.blocks[3].known), 0xFFC0);
        QCOMPARE(int(d.blocks[7].known), 0x03FF);

        // A format without a mark for them refuses, naming the block, and writes nothing.
        const std::string bin = dir.filePath("card.bin").toStdString();
        const ConvertResult r = convertDump(mct, bin);
        QVERIFY(!r);
        QCOMPARE(q(r.error), q(bin) + ": block 3 has 6 unknown bytes (and 1 more block too): raw binary has no mark "
                                      "for an unknown byte; write flipper or mct to keep them unknown");
        QVERIFY(!QFile::exists(q(bin)));
        QVERIFY(!QFile::exists(q(bin + ".saving")));

        // Ultralight pages not read are unknown too.
        UltralightDump u = as<UltralightDump>(loadDump(kDumps + "/pm3-ntag216-empty.json"));
        u.pagesRead = 16;
        const EncodeResult e = encodeDump(u, Format::Proxmark3Eml);
        QVERIFY(!e);
        QCOMPARE(q(e.error), QStringLiteral("pages 16 to 230 were not read: Proxmark3 .eml has no mark for unknown "
                                            "bytes; write flipper to keep them unread"));
    }

    // A format that leaves out what the card has says so; one that keeps it all says nothing.
    void leftOutFields_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("sak");   // -1: as loaded
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");
        const std::string ntag = kDumps + "/pm3-ntag216-empty.json", mini = kDumps + "/pm3-s20-empty.json";
        QTest::newRow("NTAG to raw") << q(ntag) << -1 << "card.bin"
                                     << "raw binary does not keep the card's version, signature and tearing flags: "
                                        "written without them";
        QTest::newRow("NTAG to JSON") << q(ntag) << -1 << "card.json" << "";
        QTest::newRow("Classic to eml") << q(mini) << -1 << "card.eml" << "";
        QTest::newRow("Classic with another SAK to mct")
            << q(mini) << 0x88 << "card.mct" << "MCT text does not keep the card's SAK: written without it";
        QTest::newRow("Classic with another SAK to JSON") << q(mini) << 0x88 << "card.json" << "";
    }
    void leftOutFields()
    {
        QFETCH(QString, path);
        QFETCH(int, sak);
        QFETCH(QString, name);
        QFETCH(QString, warning);
        Card card = *loadDump(path.toStdString()).card;
        if (sak >= 0)
            std::get<ClassicDump>(card).sak = uint8_t(sak);
        QTemporaryDir dir;
        const std::string out = dir.filePath(name).toStdString();
        std::vector<std::string> warnings;
        std::string error;
        QVERIFY2(saveDump(card, formatByExtension(out), out, &error, &warnings), error.c_str());
        QCOMPARE(warnings.size(), size_t(warning.isEmpty() ? 0 : 1));
        if (!warning.isEmpty())
            QCOMPARE(q(warnings[0]), q(out) + ": " + warning);
    }

    // The explicit format wins; without one, the output's extension tells it.
    void extensionRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("to");   // a short name, or "" for none
        QTest::addColumn<int>("format");   // Unknown: refused
        QTest::newRow(".nfc") << "card.nfc" << "" << int(Format::FlipperNfc);
        QTest::newRow(".JSON") << "card.JSON" << "" << int(Format::Proxmark3Json);
        QTest::newRow(".bin") << "card.bin" << "" << int(Format::RawBinary);
        QTest::newRow(".mfd") << "card.mfd" << "" << int(Format::RawBinary);
        QTest::newRow(".dump") << "card.dump" << "" << int(Format::RawBinary);
        QTest::newRow(".eml") << "card.eml" << "" << int(Format::Proxmark3Eml);
        QTest::newRow(".txt") << "card.txt" << "" << int(Format::MctText);
        QTest::newRow(".mct") << "card.mct" << "" << int(Format::MctText);
        QTest::newRow("name over extension") << "card.txt" << "PM3-JSON" << int(Format::Proxmark3Json);
        QTest::newRow("name, no extension") << "card" << "eml" << int(Format::Proxmark3Eml);
        QTest::newRow("no extension") << "card" << "" << int(Format::Unknown);
        QTest::newRow("other extension") << "card.png" << "" << int(Format::Unknown);
        QTest::newRow("dot in a folder only") << "cards.nfc/card" << "" << int(Format::Unknown);
        QTest::newRow("hidden file") << ".nfc" << "" << int(Format::Unknown);
    }
    void extensionRule()
    {
        QFETCH(QString, name);
        QFETCH(QString, to);
        QFETCH(int, format);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("cards.nfc");
        const std::string out = dir.filePath(name).toStdString();
        const Format asked = to.isEmpty() ? Format::Unknown : formatByShortName(to.toStdString());
        QVERIFY(to.isEmpty() || asked != Format::Unknown);
        const ConvertResult r = convertDump(kDumps + "/pm3-s20-empty.json", out, asked);
        if (format == int(Format::Unknown)) {
            QVERIFY(!r);
            QCOMPARE(q(r.error), q(out) + ": the file name does not tell the format to write: name the format "
                                          "(flipper, pm3-json, raw, eml or mct) or end the name in .nfc, .json, "
                                          ".bin, .mfd, .dump, .eml, .txt or .mct");
            QVERIFY(!QFileInfo(q(out)).isFile());
            return;
        }
        QVERIFY2(r, r.error.c_str());
        QCOMPARE(int(r.to), format);
        QCOMPARE(int(loadDump(out).format), format);
    }

    void describeClassic()
    {
        const std::string text = describeDump(*loadDump(kDumps + "/classic-keys.mct").card);
        const char *lines[] = {
            "MIFARE Classic Mini, UID 11 22 33 44, ATQA 00 04, SAK 09, 5 sectors of 20 blocks\n",
            // The transport configuration: key B is readable, hence no key.
            "\nSector 0: key A FF FF FF FF FF FF, key B FF FF FF FF FF FF, access bits FF 07 80 69 (key B is "
            "readable: it serves as data, not as a key)\n",
            "\n  Block 1   00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  read AB, write AB, increment AB, "
            "decrement AB\n",
            "\n  Block 3   FF FF FF FF FF FF FF 07 80 69 FF FF FF FF FF FF  key A write A; access bits read A, write "
            "A; key B read A, write A\n",
            "\nSector 1: key A A0 A1 A2 A3 A4 A5, key B B0 B1 B2 B3 B4 B5, access bits 78 77 88 69\n",
            "\n  Block 5   00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  read AB, write B\n",
            "\n  Block 7   A0 A1 A2 A3 A4 A5 78 77 88 69 B0 B1 B2 B3 B4 B5  key A write B; access bits read AB, write "
            "B; key B read never, write B\n",
            // Each block group its own conditions; a value block's value.
            "\nSector 2: key A D3 F7 D3 F7 D3 F7, key B unknown, access bits E6 9D 21 69\n",
            "\n  Block 8   64 00 00 00 9B FF FF FF 64 00 00 00 04 FB 04 FB  value 100 (address 04); read AB, write B, "
            "increment B, decrement AB\n",
            "\n  Block 9   00 11 22 33 ?? ?? ?? ?? ?? ?? ?? ?? CC DD EE FF  read AB, write never, decrement AB\n",
            "\n  Block 10  00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  read AB, write AB, increment AB, "
            "decrement AB\n",
            "\n  Block 11  D3 F7 D3 F7 D3 F7 E6 9D 21 69 ?? ?? ?? ?? ?? ??  key A write B; access bits read AB, write "
            "never; key B read never, write B\n",
            "\nSector 3: key A FF FF FF FF FF FF, key B FF FF FF FF FF FF, access bits FF FF FF 69 invalid (their "
            "inverted copies disagree: a card refuses every access to the sector)\n",
            "\n  Block 12  00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  no access\n",
            "\nSector 4: key A unknown, key B unknown, access bits unknown\n",
            "\n  Block 19  ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ??  access unknown\n",
        };
        for (const char *line : lines)
            QVERIFY2(text.find(line) != std::string::npos, line);
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), 1 + 5 + 20);
    }

    void describeLocks()
    {
        UltralightDump u = as<UltralightDump>(loadDump(kDumps + "/pm3-ntag216-empty.json"));
        u.pages[2][2] = 0x10;   // static lock bit of page 4
        u.pages[226][1] = 0x20; // dynamic lock bit 13: pages 224 and 225
        u.pagesRead = 229;
        const std::string ntag = describeDump(u);
        for (const char *line :
             {"NTAG216, UID 04 58 69 D2 9C 39 80, ATQA 00 44, SAK 00, 231 pages (229 read)\n",
              "\nStatic lock bytes 10 00 (page 2), dynamic lock bytes 00 20 00 (page 226)\n",
              "\n  Page 3    E1 10 6D 00  capability container (one-time programmable)\n",
              "\n  Page 4    03 00 FE 00  locked\n", "\n  Page 5    00 00 00 00\n", "\n  Page 223  00 00 00 00\n",
              "\n  Page 224  00 00 00 00  locked\n", "\n  Page 226  00 20 00 BD  dynamic lock bytes\n",
              "\n  Page 227  04 00 00 FF  configuration\n", "\n  Page 229  ?? ?? ?? ??  not read\n"})
            QVERIFY2(ntag.find(line) != std::string::npos, line);

        Iso15693Dump v = as<Iso15693Dump>(loadDump(kDumps + "/flipper-Slix_cap_default.nfc"));
        v.security[1] = 0x01;
        v.afiLocked = false;
        const std::string slix = describeDump(v);
        for (const char *line : {"ISO 15693 (SLIX), UID E0 04 01 08 49 D0 DC 81, DSFID 01 (locked), AFI 3D, IC "
                                 "reference 01, 80 blocks of 4 bytes\n",
                                 "\n  Block 0   03 0A 82 ED\n", "\n  Block 1   86 39 61 D2  locked\n",
                                 "\nPassword Privacy: 0F 0F 0F 0F\n"})
            QVERIFY2(slix.find(line) != std::string::npos, line);
    }
};

QTEST_GUILESS_MAIN(TestDumps)
#include "test_dumps.moc"
