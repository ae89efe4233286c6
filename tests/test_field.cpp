// Real cards in the virtual reader: a field file of dumps loaded at start,
// the cards used through the window, saved when the window closes and loaded
// again.
#include <QDir>
#include <QFile>
#include <QAction>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "app/cardfield.h"
#include "app/tform1.h"
#include "dumps.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
const QString kSlix = fixture(QStringLiteral("flipper-Slix_cap_default.nfc"));
const QString kS50 = fixture(QStringLiteral("pm3-s50-empty.bin"));
const QString kNtag = fixture(QStringLiteral("pm3-ntag216-empty.json"));
const QString kAuthFailed = QStringLiteral("密码认证没通过....");
// The SLIX tag's UID as a command carries it (least significant byte first).
const QString kSlixUid = QStringLiteral("81DCD049080104E0");
const QString kLocked = QStringLiteral("要操作的对象已经别锁定，不能进行修改....");

// A field file in dir naming the given dumps, one a line.
QString fieldFile(const QTemporaryDir &dir, const QStringList &dumps, const QString &name = "field.txt")
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write("# cards of the test field\n\n");
    for (const QString &d : dumps)
        f.write(d.toUtf8() + '\n');
    return path;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(content);
    return path;
}

WindowOptions options(const QString &field, const QString &saveDir = {})
{
    WindowOptions o;
    o.readerPath = virtualPath();
    o.allPages = true;
    o.fieldFile = field;
    o.saveFieldDir = saveDir;
    return o;
}

// "ComboBox11=uid" chooses an item, "Edit48=05" types into a field.
void apply(Window &w, const QStringList &settings)
{
    for (const QString &s : settings) {
        const QString name = s.section(u'=', 0, 0), value = s.section(u'=', 1);
        if (name.startsWith(QStringLiteral("ComboBox")))
            w.choose(name, value);
        else
            w.setText(name, value);
    }
}

// The program itself, offscreen.
void startTool(QProcess &tool, const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    tool.setProcessEnvironment(env);
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/rfid"), arguments);
}

// Reads blocks of the tag with the UID through the ISO15693 page; the data as hex.
QString readTagBlocks(Window &w, const QString &uid, int first, int count)
{
    apply(w, {"ComboBox10=uid", "Edit55=" + uid, "Edit14=" + QString::asprintf("%02X", first),
              "Edit13=" + QString::asprintf("%02X", count)});
    w.takeLines();
    w.click(QStringLiteral("Button38"));
    for (const QString &l : w.takeLines())
        if (l.startsWith(QStringLiteral("读卡返回数据为：")))
            return l.mid(QStringLiteral("读卡返回数据为：").size()).trimmed();
    return {};
}

void writeTagBlock(Window &w, const QString &uid, int block, const QString &data)
{
    apply(w, {"ComboBox11=uid", "Edit50=" + uid, "Edit48=" + QString::asprintf("%02X", block), "Edit49=01",
              "Edit16=" + data});
    w.takeLines();
    w.click(QStringLiteral("Button39"));
    QCOMPARE(w.takeLines().value(0), QStringLiteral("写卡操作成功   <time>"));
}

template <typename Bytes> QString hex(const Bytes &bytes, size_t n = 0)
{
    QString out;
    for (size_t i = 0; i < (n ? n : std::size(bytes)); ++i)
        out += QString::asprintf("%02X", unsigned(bytes[i]));
    return out;
}

// Reads blocks through the S50/S70 page ("Idle"); the lines it logs.
QStringList readClassic(Window &w, int start, int count, const QString &key, bool keyB = false)
{
    w.check(keyB ? QStringLiteral("keyb") : QStringLiteral("keya"));
    w.setText(QStringLiteral("ComboBox3"), QString::asprintf("%02x", start));
    w.setText(QStringLiteral("ComboBox6"), QString::asprintf("%02X", count));
    w.setText(QStringLiteral("ComboBox4"), key);
    w.takeLines();
    w.click(QStringLiteral("Button8"));
    return w.takeLines();
}

void writeClassic(Window &w, int block, const QString &key, const QString &data)
{
    w.check(QStringLiteral("keyaa"));
    w.setText(QStringLiteral("ComboBox7"), QString::asprintf("%02x", block));
    w.setText(QStringLiteral("ComboBox8"), QStringLiteral("01"));
    w.setText(QStringLiteral("ComboBox9"), key);
    w.setText(QStringLiteral("Edit3"), data);
    w.takeLines();
    w.click(QStringLiteral("Button9"));
    QCOMPARE(w.takeLines().value(0), QStringLiteral("操作成功   <time>"));
}

// Reads four pages from page through the Ultralight page; the lines it logs.
QStringList readPages(Window &w, int page)
{
    w.find<QListWidget>(QStringLiteral("ListBox1"))->setCurrentRow(page);
    w.takeLines();
    w.click(QStringLiteral("Button18"));
    return w.takeLines();
}

void writePage(Window &w, int page, const QString &data)
{
    w.find<QListWidget>(QStringLiteral("ListBox2"))->setCurrentRow(page);
    w.setText(QStringLiteral("Edit56"), data);
    w.takeLines();
    w.click(QStringLiteral("Button54"));
    QCOMPARE(w.takeLines().value(0), QStringLiteral("写卡操作成功   <time>"));
}

dumps::Card loaded(const QString &path)
{
    const dumps::LoadResult r = dumps::loadDump(path.toStdString());
    if (!r)
        qFatal("%s", r.error.c_str());
    return *r.card;
}
} // namespace

class TestField : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString missing = missingFixtures();
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }

    void init() { resetVirtualReader(); }

    // The SLIX dump in the inventory, its system information, a block write
    // and the refused AFI write (the dump has AFI locked).
    void slixTag()
    {
        QTemporaryDir dir;
        Window w(options(fieldFile(dir, {kSlix})));
        QCOMPARE(w.takeLines(),
                 QStringList({"Loaded " + kSlix + ": ISO 15693 (SLIX), 80 blocks of 4 bytes, UID E0 04 01 08 49 D0 DC 81"
                                  " (Flipper NFC)",
                              "Field " + dir.filePath("field.txt") + ": 1 of 1 cards loaded   <time>", ""}));

        w.click(QStringLiteral("Button37"));
        QCOMPARE(w.takeLines(), QStringList({"操作成功   <time>", "域内的卡片数量为：01",
                                             "域内的卡片数据为：0001" + kSlixUid,
                                             "第1张卡卡号为：E0 04 01 08 49 D0 DC 81 ", ""}));

        apply(w, {"ComboBox18=uid", "Edit41=" + kSlixUid});
        w.click(QStringLiteral("Button48"));
        const QStringList info = w.takeLines();
        QVERIFY2(info.contains(QStringLiteral("  DSFID值为： 01")), qPrintable(info.join(u'|')));
        QVERIFY(info.contains(QStringLiteral("  AFI值为： 3D")));
        // Memory size (80 blocks of 4 bytes: 4F 03), then the IC reference.
        QVERIFY(info.contains(QStringLiteral("  Other fields值为： 4F0301")));

        QCOMPARE(readTagBlocks(w, kSlixUid, 0, 2), QStringLiteral("030A82ED863961D2"));
        writeTagBlock(w, kSlixUid, 5, QStringLiteral("A1 B2 C3 D4"));
        QCOMPARE(readTagBlocks(w, kSlixUid, 5, 1), QStringLiteral("A1B2C3D4"));

        apply(w, {"ComboBox14=uid", "Edit28=" + kSlixUid});
        w.click(QStringLiteral("Button44"));
        QCOMPARE(w.takeLines(), QStringList({"写AFI操作失败   <time>", kLocked, ""}));
    }

    // Refused dumps are logged with file, line and what is wrong; the cards
    // that load are in the field all the same.
    void refusedDumps()
    {
        QTemporaryDir dir;
        const QByteArray head = "Filetype: Flipper NFC device\nVersion: 4\nDevice type: Mifare Classic\n"
                                "UID: 01 02 03 04\nATQA: 00 04\nSAK: 08\nMifare Classic type: 1K\n";
        const QString badHex = writeFile(dir, "badhex.nfc", head + "Block 0: 01 02 03 04 G1 08 04 00 00 00 00 00 00 00 00 00\n");
        const QString outOfRange = writeFile(dir, "range.nfc", head + "Block 64: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n");
        const QString truncated = writeFile(dir, "cut.json", "{\n  \"FileType\": \"mfu\",\n  \"blocks\": {\n");
        const QString odd = writeFile(dir, "odd.bin", QByteArray(1000, '\0'));
        // Loads as a dump, but a card needs its UID, lock and OTP pages.
        const QString twoPages = writeFile(dir, "two.json", R"({"FileType": "mfu", "blocks": {"0": "04112233", "1": "44556677"}})");
        const QString field = fieldFile(dir, {"badhex.nfc", kSlix, "range.nfc", "cut.json", "odd.bin", "missing.nfc", "two.json"});
        Window w(options(field));
        const QStringList lines = w.takeLines();
        const QStringList expected = {
            "Refused: " + badHex + ": line 8: bad hex \"G1\" in Block 0",
            "Loaded " + kSlix + ": ISO 15693 (SLIX), 80 blocks of 4 bytes, UID E0 04 01 08 49 D0 DC 81 (Flipper NFC)",
            "Refused: " + outOfRange + ": line 8: Block 64 out of range: a Classic 1K has blocks 0 to 63",
            "Refused: " + truncated + ": line 4: truncated: the file ends inside an object",
            "Refused: " + odd
                + ": a binary file of 1000 bytes is no dump: a raw dump has 64, 80, 164, 168, 180, 540 or 924 bytes"
                  " (Ultralight/NTAG), 320, 1024, 2048 or 4096 bytes (Classic)",
        };
        QCOMPARE(lines.mid(0, expected.size()), expected);
        QVERIFY(lines.value(5).startsWith("Refused: " + dir.filePath("missing.nfc") + ": "));
        QCOMPARE(lines.mid(6), QStringList({"Refused: " + twoPages + ": 2 pages: an Ultralight card has at least pages 0 to 3",
                                            "Field " + field + ": 1 of 7 cards loaded   <time>", ""}));

        w.click(QStringLiteral("Button37"));
        QVERIFY(w.takeLines().contains(QStringLiteral("第1张卡卡号为：E0 04 01 08 49 D0 DC 81 ")));
    }

    // A field file as editors leave it: byte order mark, CR LF, blanks around
    // a path relative to the field file's folder.
    void fieldFileForms()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "cards.txt", "\xEF\xBB\xBF# my cards\r\n\r\n   "
                                                             + QDir(dir.path()).relativeFilePath(kSlix).toUtf8() + "  \r\n");
        Window w(options(path));
        QCOMPARE(w.takeLines().value(1), "Field " + path + ": 1 of 1 cards loaded   <time>");
    }

    // A field file that cannot be read leaves the default field; a reader
    // library without the export is told so.
    void noField()
    {
        Window w(options(QStringLiteral("/nonexistent/field.txt")));
        QCOMPARE(w.takeLines(), QStringList({"/nonexistent/field.txt: the field file cannot be read (No such file or"
                                             " directory); the field keeps its cards   <time>",
                                             ""}));
        w.click(QStringLiteral("Button37"));
        QVERIFY(w.takeLines().contains(QStringLiteral("域内的卡片数量为：02")));

        WindowOptions scripted = options(QStringLiteral("field.txt"));
        scripted.readerPath = scriptedPath();
        Window s(scripted);
        QCOMPARE(s.takeLines(), QStringList({"Reader library " + scriptedPath()
                                                 + " has no card field (readerLoadField); field.txt is not used.   <time>",
                                             ""}));
    }

    // The save folder is made at start; one that cannot be used is said at
    // once, while the operator's writes can still go elsewhere.
    void saveFolderCheckedAtStart_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("made at start") << "new/saved" << "";
        QTest::newRow("cannot be made") << "/proc/nope" << "No such file or directory";
        QTest::newRow("nothing can be written in it") << "/proc" << "no file can be written in it: ";
        QTest::newRow("a file") << "file.txt" << "Not a directory";
    }
    void saveFolderCheckedAtStart()
    {
        QFETCH(QString, folder);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        writeFile(dir, "file.txt", "not a folder");
        const QString path = folder.startsWith(u'/') ? folder : dir.filePath(folder);
        Window w(options({}, path));
        const QStringList lines = w.takeLines();
        if (reason.isEmpty()) {
            QCOMPARE(lines, QStringList());
            QVERIFY(QFileInfo(path).isDir());
            QCOMPARE(QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
            return;
        }
        QCOMPARE(lines.size(), 2);
        const QString head = path + ": no folder to save the cards in (" + reason;
        QVERIFY2(lines[0].startsWith(head), qPrintable(lines[0]));
        QVERIFY(lines[0].endsWith(QStringLiteral("   <time>")));
    }

    // The program says it on the standard error too, at start.
    void unusableSaveFolderOnStandardError()
    {
        QProcess tool;
        startTool(tool, {"--reader", "virtual", "--save-field", "/proc/nope"});
        QVERIFY(tool.waitForStarted());
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += tool.readAllStandardError()).contains("/proc/nope: no folder to save"), 10000);
        QCOMPARE(tool.state(), QProcess::Running);
        tool.terminate();
        QVERIFY(tool.waitForFinished(10000));
    }

    // SIGTERM and SIGINT end the program as a window close does: the cards
    // are saved.
    void savedOnStopSignal_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void savedOnStopSignal()
    {
        QFETCH(int, signal);
        QTemporaryDir dir;
        const QString saveDir = dir.filePath("saved");
        QProcess tool;
        startTool(tool, {"--reader", "virtual", "--field", fieldFile(dir, {kSlix}), "--save-field", saveDir});
        QVERIFY(tool.waitForStarted());
        // The folder is made at start, after the signals are taken.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(saveDir).isDir(), 10000);
        QCOMPARE(::kill(pid_t(tool.processId()), signal), 0);
        QVERIFY(tool.waitForFinished(10000));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(QFile::exists(saveDir + "/flipper-Slix_cap_default.nfc"));
        QVERIFY(tool.readAllStandardError().contains("Saved " + saveDir.toUtf8()));
    }

    // Every real dump of the fixtures goes into one field.
    void everyFixtureLoads()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (const char *f : {"flipper-Slix_cap_default.nfc", "pm3-ntag216-empty.json", "pm3-s20-empty.json",
                              "pm3-s50-empty.bin", "rfidiot-Mf1k_7b-test.nfc"})
            paths << fixture(QLatin1String(f));
        Window w(options(fieldFile(dir, paths)));
        QCOMPARE(w.takeLines(),
                 QStringList({
                     "Loaded " + paths[0] + ": ISO 15693 (SLIX), 80 blocks of 4 bytes, UID E0 04 01 08 49 D0 DC 81 (Flipper NFC)",
                     "Loaded " + paths[1] + ": NTAG216, 231 pages, UID 04 58 69 D2 9C 39 80 (Proxmark3 JSON)",
                     "Loaded " + paths[2] + ": MIFARE Classic Mini, UID 1D 35 7A E9 (Proxmark3 JSON)",
                     "Loaded " + paths[3] + ": MIFARE Classic 1K, UID 01 A0 62 BD (raw binary)",
                     "Loaded " + paths[4] + ": MIFARE Classic 1K, UID 00 11 22 33 44 55 66 (Flipper NFC)",
                     "Field " + dir.filePath("field.txt") + ": 5 of 5 cards loaded   <time>",
                     "",
                 }));
    }

    // Data blocks read back as the dump holds them with the keys of its
    // trailers, and fail with another key; a trailer reads back as a card
    // answers it: key A as zeros, key B only where the access bits let it be
    // read. A sector whose key A the dump did not know refuses every key A.
    void classicBlocks_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<int>>("keyBHidden");
        QTest::addColumn<QList<int>>("keyAUnknown");
        QTest::newRow("raw binary 1K") << kS50 << QList<int>{} << QList<int>{};
        QTest::newRow("Proxmark3 JSON Mini") << fixture("pm3-s20-empty.json") << QList<int>{} << QList<int>{};
        QTest::newRow("Flipper 1K, 7-byte UID") << fixture("rfidiot-Mf1k_7b-test.nfc") << QList<int>{} << QList<int>{};
        QTest::newRow("own Mini: key B hidden, key A unknown") << fixture("field-mini.nfc") << QList<int>{1} << QList<int>{2};
    }
    void classicBlocks()
    {
        QFETCH(QString, file);
        QFETCH(QList<int>, keyBHidden);
        QFETCH(QList<int>, keyAUnknown);
        const auto dump = std::get<dumps::ClassicDump>(loaded(file));
        QTemporaryDir dir;
        Window w(options(fieldFile(dir, {file})));
        const QString cardNumber = "卡号为:" + hex(dump.uid, 4);
        const QStringList authFailed = {"读卡失败   <time>", kAuthFailed, ""};
        for (int s = 0; s < dump.sectorCount(); ++s) {
            const int first = dumps::ClassicDump::firstBlock(s);
            if (keyAUnknown.contains(s)) {
                QVERIFY(!dump.keyA(s));
                QCOMPARE(readClassic(w, first, 1, "FF FF FF FF FF FF"), authFailed);
                QCOMPARE(readClassic(w, first, 1, "00 00 00 00 00 00"), authFailed);
                continue;
            }
            const QString key = hex(*dump.keyA(s));
            QString data;
            for (int b = first; b < first + 3; ++b)
                data += hex(dump.blocks[size_t(b)].bytes);
            const auto &trailer = dump.blocks[size_t(first + 3)].bytes;
            data += QStringLiteral("000000000000") + hex(std::array{trailer[6], trailer[7], trailer[8], trailer[9]})
                + (keyBHidden.contains(s) ? QStringLiteral("000000000000") : hex(*dump.keyB(s)));
            QCOMPARE(readClassic(w, first, 4, key), QStringList({"操作成功   <time>", cardNumber, "卡的数据为:" + data, ""}));
            QString wrong = key;
            wrong[11] = wrong[11] == u'0' ? u'1' : u'0';
            QCOMPARE(readClassic(w, first, 4, wrong), authFailed);
        }
    }

    // Pages 0 to 15 read back as the dump holds them; the card's page count
    // decides where a read rolls over (an NTAG216 reads on past page 15).
    void ultralightPages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("NTAG216, 231 pages") << kNtag;
        QTest::newRow("Ultralight, 16 pages") << fixture("ultralight-16p.bin");
    }
    void ultralightPages()
    {
        QFETCH(QString, file);
        const auto dump = std::get<dumps::UltralightDump>(loaded(file));
        QTemporaryDir dir;
        Window w(options(fieldFile(dir, {file})));
        for (int p = 0; p < 16; ++p) {
            QString data;
            for (int i = 0; i < 4; ++i)
                data += hex(dump.pages[size_t(p + i) % dump.pages.size()]);
            QCOMPARE(readPages(w, p), QStringList({"读卡 操作成功   <time>", "读卡返回数据为: " + data,
                                                   "卡ID号为:" + hex(dump.uid), ""}));
        }
    }

    // Load, write through the window, save on closing, load again: the written
    // blocks are there and nothing else changed.
    void saveAndLoadAgain()
    {
        QTemporaryDir dir;
        const QString saveDir = dir.filePath("saved");
        const QString s50Key = QStringLiteral("FF FF FF FF FF FF");   // the dump's transport keys
        {
            Window w(options(fieldFile(dir, {kS50, kNtag, kSlix}), saveDir));
            writeClassic(w, 5, s50Key, QStringLiteral("00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF"));
            writeClassic(w, 62, s50Key, QStringLiteral("5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A"));
            writePage(w, 4, QStringLiteral("DE AD BE EF"));
            writeTagBlock(w, kSlixUid, 5, QStringLiteral("A1 B2 C3 D4"));
            writeTagBlock(w, kSlixUid, 79, QStringLiteral("01 02 03 04"));
            w.takeLines();
            w.form().close();
            QCOMPARE(w.takeLines(),
                     QStringList({"Saved " + saveDir + "/pm3-s50-empty.nfc: MIFARE Classic 1K, UID 01 A0 62 BD",
                                  "Saved " + saveDir + "/pm3-ntag216-empty.nfc: NTAG216, 231 pages, UID 04 58 69 D2 9C 39 80",
                                  "Saved " + saveDir + "/flipper-Slix_cap_default.nfc: ISO 15693 (SLIX), "
                                                       "80 blocks of 4 bytes, UID E0 04 01 08 49 D0 DC 81   <time>",
                                  ""}));
        }
        const QString savedClassic = saveDir + QStringLiteral("/pm3-s50-empty.nfc");
        const QString savedNtag = saveDir + QStringLiteral("/pm3-ntag216-empty.nfc");
        const QString savedSlix = saveDir + QStringLiteral("/flipper-Slix_cap_default.nfc");

        // Block by block: the original with the writes is the saved card.
        auto classic = std::get<dumps::ClassicDump>(loaded(kS50));
        classic.blocks[5].bytes = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                   0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
        classic.blocks[62].bytes.fill(0x5A);
        const auto classicAgain = std::get<dumps::ClassicDump>(loaded(savedClassic));
        QCOMPARE(classicAgain.blocks.size(), classic.blocks.size());
        for (size_t b = 0; b < classic.blocks.size(); ++b)
            QVERIFY2(classicAgain.blocks[b] == classic.blocks[b], qPrintable(QString::number(b)));
        QVERIFY(classicAgain == classic);

        auto ntag = std::get<dumps::UltralightDump>(loaded(kNtag));
        ntag.pages[4] = {0xDE, 0xAD, 0xBE, 0xEF};
        const auto ntagAgain = std::get<dumps::UltralightDump>(loaded(savedNtag));
        QCOMPARE(ntagAgain.pages.size(), ntag.pages.size());
        for (size_t p = 0; p < ntag.pages.size(); ++p)
            QVERIFY2(ntagAgain.pages[p] == ntag.pages[p], qPrintable(QString::number(p)));
        QVERIFY(ntagAgain == ntag);   // version, signature, counters as they were

        auto slix = std::get<dumps::Iso15693Dump>(loaded(kSlix));
        const uint8_t block5[] = {0xA1, 0xB2, 0xC3, 0xD4}, block79[] = {0x01, 0x02, 0x03, 0x04};
        std::copy_n(block5, 4, slix.data.begin() + 5 * 4);
        std::copy_n(block79, 4, slix.data.begin() + 79 * 4);
        const auto slixAgain = std::get<dumps::Iso15693Dump>(loaded(savedSlix));
        for (int b = 0; b < slix.blockCount; ++b) {
            const auto at = slix.data.begin() + b * 4;
            QVERIFY2(std::equal(at, at + 4, slixAgain.data.begin() + b * 4), qPrintable(QString::number(b)));
        }
        QCOMPARE(slixAgain.extra, slix.extra);   // the SLIX fields as the file had them
        QVERIFY(slixAgain == slix);

        // And through the window once more.
        resetVirtualReader();
        QTemporaryDir second;
        Window w(options(fieldFile(second, {savedClassic, savedNtag, savedSlix})));
        QCOMPARE(readClassic(w, 4, 2, s50Key).value(2).right(64),
                 hex(classic.blocks[4].bytes) + QStringLiteral("00112233445566778899AABBCCDDEEFF"));
        QCOMPARE(readPages(w, 3).value(1), "读卡返回数据为: " + hex(ntag.pages[3]) + "DEADBEEF" + hex(ntag.pages[5])
                                               + hex(ntag.pages[6]));
        QCOMPARE(readTagBlocks(w, kSlixUid, 4, 2), QStringLiteral("36420C33A1B2C3D4"));
    }

    // "Exit" from the menu closes no window; the cards are saved all the same.
    void savedOnExitFromTheMenu()
    {
        QTemporaryDir dir;
        const QString saveDir = dir.filePath("saved");
        Window w(options(fieldFile(dir, {kSlix}), saveDir));
        writeTagBlock(w, kSlixUid, 5, QStringLiteral("A1 B2 C3 D4"));
        w.find<QAction>(QStringLiteral("N4"))->trigger();
        const auto saved = std::get<dumps::Iso15693Dump>(loaded(saveDir + "/flipper-Slix_cap_default.nfc"));
        QCOMPARE(hex(saved.data, 24).right(8), QStringLiteral("A1B2C3D4"));
    }

    // Closing the window while a command waits ends the program at once; the
    // cards are saved before that.
    void savedWhenClosedDuringAWait()
    {
        QTemporaryDir dir;
        const QString saveDir = dir.filePath("saved");
        const QString field = fieldFile(dir, {kSlix});
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            Window w(options(field, saveDir));
            writeTagBlock(w, kSlixUid, 5, QStringLiteral("A1 B2 C3 D4"));
            QTimer::singleShot(50, &w.form(), [&w] { w.form().close(); });
            w.session().Delayy(5000);
            std::_Exit(3);   // not reached: the close ends the process
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(QFile::exists(saveDir + "/flipper-Slix_cap_default.nfc"));
        const auto saved = std::get<dumps::Iso15693Dump>(loaded(saveDir + "/flipper-Slix_cap_default.nfc"));
        QCOMPARE(hex(saved.data, 24).right(8), QStringLiteral("A1B2C3D4"));
    }
};

QTEST_MAIN(TestField)
#include "test_field.moc"
