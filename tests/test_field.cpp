// Real cards in the virtual reader: a field file of dumps loaded at start,
// the cards used through the window, saved when the window closes and loaded
// again.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "../app/cardfield.h"
#include "dumps.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
const QString kDumps = QStringLiteral(RFID_DUMPS_DIR);
const QString kSlix = kDumps + QStringLiteral("/flipper-Slix_cap_default.nfc");
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
        const QString field = fieldFile(dir, {"badhex.nfc", kSlix, "range.nfc", "cut.json", "odd.bin", "missing.nfc"});
        Window w(options(field));
        const QStringList lines = w.takeLines();
        const QStringList expected = {
            "Refused: " + badHex + ": line 8: bad hex \"G1\" in Block 0",
            "Loaded " + kSlix + ": ISO 15693 (SLIX), 80 blocks of 4 bytes, UID E0 04 01 08 49 D0 DC 81 (Flipper NFC)",
            "Refused: " + outOfRange + ": line 8: Block 64 out of range: a Classic 1K has blocks 0 to 63",
            "Refused: " + truncated + ": line 4: truncated: the file ends inside an object",
            "Refused: " + odd
                + ": a binary file of 1000 bytes is no dump: a raw dump has 64 (Ultralight), 320, 1024, 2048 or 4096"
                  " bytes (Classic)",
        };
        QCOMPARE(lines.mid(0, expected.size()), expected);
        QVERIFY(lines.value(5).startsWith("Refused: " + dir.filePath("missing.nfc") + ": "));
        QCOMPARE(lines.mid(6), QStringList({"Field " + field + ": 1 of 6 cards loaded   <time>", ""}));

        w.click(QStringLiteral("Button37"));
        QVERIFY(w.takeLines().contains(QStringLiteral("第1张卡卡号为：E0 04 01 08 49 D0 DC 81 ")));
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

    // Load, write through the window, save on closing, load again: the written
    // blocks are there and nothing else changed.
    void saveAndLoadAgain()
    {
        QTemporaryDir dir;
        const QString saveDir = dir.filePath("saved");
        {
            Window w(options(fieldFile(dir, {kSlix}), saveDir));
            writeTagBlock(w, kSlixUid, 5, QStringLiteral("A1 B2 C3 D4"));
            writeTagBlock(w, kSlixUid, 79, QStringLiteral("01 02 03 04"));
            w.takeLines();
            w.form().close();
            QCOMPARE(w.takeLines(), QStringList({"Saved " + saveDir + "/flipper-Slix_cap_default.nfc: ISO 15693 (SLIX), "
                                                 "80 blocks of 4 bytes, UID E0 04 01 08 49 D0 DC 81   <time>",
                                                 ""}));
        }
        const QString saved = saveDir + QStringLiteral("/flipper-Slix_cap_default.nfc");
        auto expected = std::get<dumps::Iso15693Dump>(loaded(kSlix));
        const auto again = std::get<dumps::Iso15693Dump>(loaded(saved));
        const uint8_t block5[] = {0xA1, 0xB2, 0xC3, 0xD4}, block79[] = {0x01, 0x02, 0x03, 0x04};
        std::copy_n(block5, 4, expected.data.begin() + 5 * 4);
        std::copy_n(block79, 4, expected.data.begin() + 79 * 4);
        for (int b = 0; b < expected.blockCount; ++b) {
            const auto at = expected.data.begin() + b * 4;
            QVERIFY2(std::equal(at, at + 4, again.data.begin() + b * 4), qPrintable(QString::number(b)));
        }
        QCOMPARE(again.extra, expected.extra);   // the SLIX fields as the file had them
        QVERIFY(again == expected);

        // And through the window once more.
        resetVirtualReader();
        QTemporaryDir second;
        Window w(options(fieldFile(second, {saved})));
        QCOMPARE(readTagBlocks(w, kSlixUid, 4, 2), QStringLiteral("36420C33A1B2C3D4"));
    }
};

QTEST_MAIN(TestField)
#include "test_field.moc"
