// rfid-cli run as a process: the frames it sends against the window's for the
// same fields, its exit statuses and JSON per outcome, repeats and their
// pacing, and the dump commands on the fixtures.
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "readers/virtual/dumps/dumps.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {

struct Run {
    int exit = -1;
    QString out, err;
    QStringList requests;   // the scripted reader's, as upper-case hex
    qint64 ms = 0;

    QList<QJsonObject> json() const
    {
        QList<QJsonObject> objects;
        for (const QString &line : out.split(u'\n', Qt::SkipEmptyParts))
            objects << QJsonDocument::fromJson(line.toUtf8()).object();
        return objects;
    }
};

// Runs the tool; on the scripted reader its requests are recorded and answers
// (hex frames, "" for none) queued.
Run cli(const QStringList &args, const QStringList &answers = {}, bool scripted = true)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("requests"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("RFID_SCRIPT_LOG"), log);
    if (!answers.isEmpty())
        env.insert(QStringLiteral("RFID_SCRIPT_ANSWERS"), answers.join(u','));
    p.setProcessEnvironment(env);
    QStringList all;
    if (scripted)
        all << QStringLiteral("--reader") << scriptedPath();
    all << args;
    QElapsedTimer clock;
    clock.start();
    p.start(QStringLiteral(RFID_CLI_PATH), all);
    if (!p.waitForFinished(60000))
        qFatal("rfid-cli did not finish");
    Run r;
    r.ms = clock.elapsed();
    r.exit = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    QFile f(log);
    if (f.open(QIODevice::ReadOnly))
        r.requests = QString::fromLatin1(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return r;
}

QString hexOf(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex()).toUpper();
}

QString compact(QString hex)
{
    return hex.remove(u' ').toUpper();
}

// What the operator does in the window before the click: set a field's
// text, choose a combo item, check a box.
struct Step {
    enum Kind { Text, Choose, Check } kind;
    QString name, value;
};

// The same command in the window and on the command line.
struct FrameCase {
    const char *tag;
    QStringList args;
    QList<Step> steps;
    QString button;
};

QList<FrameCase> frameCases()
{
    using S = Step;
    const QString uid = QStringLiteral("E0 04 01 08 65 3F 9C 07");
    return {
        {"format read", {"format", "read"}, {}, "Button25"},
        {"format set",
         {"format", "set", "hex8", "--semicolon", "--enter", "--buzzer", "small", "--user-byte", "2B"},
         {{S::Check, "RadioButton6", {}}, {S::Check, "CheckBox16", {}}, {S::Check, "CheckBox15", {}},
          {S::Check, "RadioButton20", {}}, {S::Check, "CheckBox19", {}}, {S::Text, "Edit23", "2B"}},
         "Button24"},
        {"baud", {"reader", "baud", "115200"}, {{S::Text, "ComboBox5", "115200"}}, "Button12"},
        {"address read", {"reader", "address"}, {}, "Button4"},
        {"address set", {"reader", "address", "set", "1F"}, {{S::Text, "Edit4", "1F"}}, "Button11"},
        {"serial set",
         {"reader", "serial", "set", "01 02 03 04 05 06 07 08"},
         {{S::Text, "Edit9", "01 02 03 04 05 06 07 08"}},
         "Button13"},
        {"led-r", {"reader", "led-r", "--period", "20", "--count", "05"},
         {{S::Text, "Edit11", "20"}, {S::Text, "Edit12", "05"}}, "Button23"},
        {"buzzer", {"reader", "buzzer"}, {}, "Button21"},
        {"classic read",
         {"classic", "read", "--start", "08", "--count", "02", "--key", "FF FF FF FF FF FF", "--all", "--key-b"},
         {{S::Choose, "ComboBox3", "08"}, {S::Choose, "ComboBox6", "02"}, {S::Text, "ComboBox4", "FF FF FF FF FF FF"},
          {S::Check, "reqa", {}}, {S::Check, "keyb", {}}},
         "Button8"},
        {"classic write",
         {"classic", "write", "--start", "05", "--data", "00112233445566778899AABBCCDDEEFF"},
         {{S::Choose, "ComboBox7", "05"}, {S::Text, "Edit3", "00112233445566778899AABBCCDDEEFF"}},
         "Button9"},
        {"classic dec",
         {"classic", "dec", "--sector", "02", "--value", "00 00 01 00", "--key-b"},
         {{S::Text, "Edit10", "02"}, {S::Text, "Edit8", "00 00 01 00"}, {S::Check, "keybbbbb", {}}},
         "Button15"},
        {"classic value-init", {"classic", "value-init"}, {}, "Button26"},
        {"card number", {"classic", "card-number", "--all", "--halt"},
         {{S::Check, "reqa5", {}}, {S::Check, "yeshalt", {}}}, "Button29"},
        {"ultralight write", {"ultralight", "write", "--data", "01 02 03 04"}, {{S::Text, "Edit56", "01 02 03 04"}},
         "Button54"},
        {"ultralight read", {"ultralight", "read"}, {}, "Button18"},
        {"typeb attrib", {"typeb", "attrib", "--card-id", "01 02 03 04"}, {{S::Text, "Edit76", "01 02 03 04"}},
         "Button33"},
        {"typeb exchange", {"typeb", "exchange", "--data", "00 84 00 00 08"}, {{S::Text, "Edit77", "00 84 00 00 08"}},
         "Button36"},
        {"typeb id", {"typeb", "file-id"}, {}, "Button22"},
        {"iso inventory", {"iso15693", "inventory"}, {}, "Button37"},
        {"iso read by uid",
         {"iso15693", "read", "--flags", "uid", "--uid", uid, "--first", "02", "--count", "03"},
         {{S::Choose, "ComboBox10", "uid"}, {S::Text, "Edit55", uid}, {S::Text, "Edit14", "02"},
          {S::Text, "Edit13", "03"}},
         "Button38"},
        {"iso select", {"iso15693", "select", "--uid", uid}, {{S::Text, "Edit19", uid}}, "Button42"},
        {"iso afi", {"iso15693", "afi", "--afi", "07"}, {{S::Text, "Edit15", "07"}}, "Button44"},
        {"iso security", {"iso15693", "security", "--flags", "ti"}, {{S::Choose, "ComboBox19", "TI"}}, "Button49"},
    };
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    // The tool reads the language chosen in the window: none here, unless a test sets it.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); }
    void init() { Scripted().reset(); }

    void sameFramesAsTheWindow_data()
    {
        QTest::addColumn<int>("index");
        const QList<FrameCase> cases = frameCases();
        for (int i = 0; i < cases.size(); ++i)
            QTest::newRow(cases[i].tag) << i;
    }

    void sameFramesAsTheWindow()
    {
        QFETCH(int, index);
        const FrameCase c = frameCases().at(index);
        Window w(scriptedPath());
        for (const Step &s : c.steps) {
            if (s.kind == Step::Text)
                w.setText(s.name, s.value);
            else if (s.kind == Step::Choose)
                w.choose(s.name, s.value);
            else
                w.check(s.name);
        }
        Scripted script;
        script.reset();
        w.click(c.button);
        QCOMPARE(script.requestCount(), 1);
        const Run r = cli(c.args);
        QCOMPARE(r.requests, QStringList{compact(script.requestHex(0))});
    }

    // The address every frame carries, and a raw frame sent exactly as given.
    void addressAndRawFrame()
    {
        QCOMPARE(cli({"--address", "1A", "format", "read"}).requests, QStringList{"AA1A018398BB"});
        QCOMPARE(cli({"raw", "aa 00 01 83 82 bb"}).requests, QStringList{"AA00018382BB"});
        // The console's refusal, nothing sent.
        const Run odd = cli({"raw", "AA0"});
        QCOMPARE(odd.exit, 3);
        QVERIFY(odd.requests.isEmpty());
        QVERIFY2(odd.out.contains(QStringLiteral("奇数个")), qPrintable(odd.out));
        QCOMPARE(cli({"--address", "21", "format", "read"}).exit, 3);
    }

    // Each outcome: exit status, the JSON fields, and the window's lines.
    void outcomes_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("line");
        const QString ok = hexOf(response(0x00, "3A7C91E5 000102030405060708090A0B0C0D0E0F"));
        QTest::newRow("success") << ok << 0 << "success" << "00" << "" << "卡号为:3A7C91E5";
        QTest::newRow("refused") << hexOf(response(0x01, "85")) << 1 << "refused" << "01" << "85"
                                 << "读卡失败   <time>";
        QTest::newRow("no data") << "" << 2 << "no data" << "" << "" << "通讯错误，没有接收到数据..   <time>";
        QTest::newRow("corrupted") << "AA0002008586BB" << 2 << "corrupted" << "00" << ""
                                   << "数据丢包，流水校验出错   <time>";
    }

    void outcomes()
    {
        QFETCH(QString, answer);
        QFETCH(int, exit);
        QFETCH(QString, outcome);
        QFETCH(QString, status);
        QFETCH(QString, reason);
        QFETCH(QString, line);

        const Run text = cli({"classic", "read"}, {answer});
        QCOMPARE(text.exit, exit);
        QVERIFY2(maskTimes(text.out).split(u'\n').contains(line), qPrintable(text.out));

        const Run json = cli({"--json", "classic", "read"}, {answer});
        QCOMPARE(json.exit, exit);
        const QList<QJsonObject> objects = json.json();
        QCOMPARE(objects.size(), 1);
        const QJsonObject o = objects[0];
        QCOMPARE(o["command"].toString(), QStringLiteral("classic read"));
        QCOMPARE(o["request"].toString(), json.requests.value(0));
        QCOMPARE(o["answer"].toString(), answer);
        QCOMPARE(o["outcome"].toString(), outcome);
        QCOMPARE(o["status"].toString(), status);
        QCOMPARE(o["exit"].toInt(), exit);
        QCOMPARE(o["reason"].toString(), reason);
        if (!reason.isEmpty())
            QCOMPARE(o["reasonText"].toString(), QStringLiteral("输入参数或者输入命令格式错误...."));
        if (outcome == QLatin1String("success")) {
            QCOMPARE(o["fields"].toObject()["uid"].toString(), QStringLiteral("3A7C91E5"));
            QCOMPARE(o["fields"].toObject()["blocks"].toArray(), QJsonArray{"000102030405060708090A0B0C0D0E0F"});
        }
    }

    // Refused before anything is sent: the window's line, status 3; a
    // library that cannot be loaded: status 4.
    void refusals()
    {
        const Run odd = cli({"classic", "write", "--data", "FFF"});
        QCOMPARE(odd.exit, 3);
        QVERIFY(odd.requests.isEmpty());
        QCOMPARE(maskTimes(odd.out.trimmed()), QStringLiteral("块数据（写卡）：十六进制数字个数为奇数，未发送   <time>"));
        const Run json = cli({"--json", "iso15693", "read", "--flags", "uid", "--uid", "E00"});
        QCOMPARE(json.exit, 3);
        QCOMPARE(maskTimes(json.json().value(0)["reasonText"].toString()),
                 QStringLiteral("卡的uid信息 (卡片读)（Edit55）：十六进制数字个数为奇数，未发送   <time>"));
        const Run baud = cli({"reader", "baud", "1200"});
        QCOMPARE(baud.exit, 3);
        QVERIFY(baud.out.contains(QStringLiteral("不是可选的波特率")));
        QCOMPARE(cli({"format", "set", "nosuch"}).exit, 3);
        QCOMPARE(cli({"classic", "read", "--nosuch", "1"}).exit, 3);
        QCOMPARE(cli({"classic", "nosuch"}).exit, 3);
        const Run missing = cli({"--reader", "/nonexistent/reader.so", "--json", "format", "read"}, {}, false);
        QCOMPARE(missing.exit, 4);
        QCOMPARE(missing.json().value(0)["outcome"].toString(), QStringLiteral("not opened"));
        // The typed exchange's own rule: any status but 00 is the card's refusal.
        const Run exchange = cli({"--json", "typeb", "exchange"}, {hexOf(response(0x02, "80"))});
        QCOMPARE(exchange.exit, 1);
        QCOMPARE(exchange.json().value(0)["fields"].toObject()["code"].toString(), QStringLiteral("80"));
        // A format answer short of its data bytes is corrupted.
        const Run shortFormat = cli({"--json", "format", "read"}, {hexOf(response(0x00, "00 0C"))});
        QCOMPARE(shortFormat.exit, 2);
        QCOMPARE(shortFormat.json().value(0)["outcome"].toString(), QStringLiteral("corrupted"));
        QCOMPARE(exchange.json().value(0)["outcome"].toString(), QStringLiteral("refused"));
    }

    // Decoded fields of each command family's answers, from the virtual reader's cards.
    void decodedFields_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("format") << QStringList{"format", "read"} << "format" << QJsonValue("hex8");
        QTest::newRow("serial") << QStringList{"reader", "serial", "read"} << "serial" << QJsonValue("0C00000001010100");
        QTest::newRow("value") << QStringList{"classic", "inc"} << "value" << QJsonValue("00A80000");
        QTest::newRow("pages") << QStringList{"ultralight", "read", "--page", "04"} << "pages"
                               << QJsonValue(QJsonArray{"554C5452", "414C4947", "48542044", "454D4F20"});
        QTest::newRow("id card") << QStringList{"typeb", "id"} << "id" << QJsonValue("3F7A12C4085BE196");
        QTest::newRow("15693 info")
            << QStringList{"iso15693", "info", "--flags", "uid", "--uid", "318A5B2C100104E0"} << "uid"
            << QJsonValue("E00401102C5B8A31");
    }

    void decodedFields()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, field);
        QFETCH(QJsonValue, value);
        const Run r = cli(QStringList{"--reader", "virtual", "--json"} + args, {}, false);
        QCOMPARE(r.exit, 0);
        QCOMPARE(r.json().value(0)["fields"].toObject()[field], value);
    }

    // The library's devices, and the one chosen, as the window's Reader menu.
    void devices()
    {
        const Run list = cli({"--reader", "virtual", "--json", "devices"}, {}, false);
        QCOMPARE(list.exit, 0);
        QCOMPARE(list.json().value(0)["id"].toString(), QStringLiteral("virtual"));
        QCOMPARE(cli({"--reader", "virtual", "--device", "virtual", "format", "read"}, {}, false).exit, 0);
        const Run unknown = cli({"--reader", "virtual", "--device", "nope", "format", "read"}, {}, false);
        QCOMPARE(unknown.exit, 4);
        QVERIFY(unknown.out.contains(QStringLiteral("does not know the device nope")));
        // A library that does not choose devices sends nothing.
        const Run unsupported = cli({"--device", "x", "format", "read"});
        QCOMPARE(unsupported.exit, 3);
        QVERIFY(unsupported.requests.isEmpty());
    }

    // The virtual reader: decoded fields of a real exchange.
    void virtualReader()
    {
        const Run r = cli({"--reader", "virtual", "--json", "iso15693", "inventory"}, {}, false);
        QCOMPARE(r.exit, 0);
        const QJsonObject fields = r.json().value(0)["fields"].toObject();
        QVERIFY(!fields["uids"].toArray().isEmpty());
        QVERIFY(fields["uids"].toArray().at(0).toString().startsWith(QStringLiteral("E0")));
    }

    // The virtual reader's field from a field file, as the window loads it.
    void fieldFile()
    {
        QTemporaryDir dir;
        QFile list(dir.filePath(QStringLiteral("field.txt")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(fixture(QStringLiteral("field-mini.nfc")).toUtf8() + '\n');
        list.close();
        const Run r = cli({"--reader", "virtual", "--field", list.fileName(), "--json", "classic", "card-number"}, {},
                          false);
        QCOMPARE(r.exit, 0);
        QCOMPARE(r.json().value(0)["fields"].toObject()["uid"].toString(), QStringLiteral("5C217A90"));
        QVERIFY(r.err.contains(QStringLiteral("1 of 1 cards loaded")));
        QCOMPARE(cli({"--reader", "virtual", "--field", dir.filePath("none.txt"), "classic", "halt"}, {}, false).exit, 3);
    }

    // forever ends at a stop signal, in a pause, with what it has printed.
    void repeatForeverUntilStopped()
    {
        QProcess p;
        p.start(QStringLiteral(RFID_CLI_PATH), {"--reader", "virtual", "--json", "--repeat", "forever", "--interval",
                                                "100000", "format", "read"});
        QVERIFY(p.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(p.bytesAvailable() > 0, 5000);
        QElapsedTimer clock;
        clock.start();
        p.terminate();
        QVERIFY(p.waitForFinished(5000));
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput().count('\n'), 1);
    }

    void repeatPacedAsAsked()
    {
        const Run r = cli({"--json", "--repeat", "5", "--interval", "200", "classic", "halt"},
                          QStringList(5, hexOf(response(0x00))));
        QCOMPARE(r.exit, 0);
        QCOMPARE(r.requests.size(), 5);
        QCOMPARE(r.json().size(), 5);
        // Four pauses between five exchanges; start-up and answers take little.
        QVERIFY2(r.ms >= 800 && r.ms < 2500, qPrintable(QString::number(r.ms)));

        const Run fast = cli({"--repeat", "50", "--interval", "0", "classic", "halt"},
                             QStringList(50, hexOf(response(0x00))));
        QCOMPARE(fast.requests.size(), 50);
        QVERIFY2(fast.ms < 2500, qPrintable(QString::number(fast.ms)));
        // The first exchange that does not succeed decides the status; the rest still run.
        const Run mixed = cli({"--repeat", "3", "classic", "halt"},
                              {hexOf(response(0x00)), hexOf(response(0x01, "85")), ""});
        QCOMPARE(mixed.requests.size(), 3);
        QCOMPARE(mixed.exit, 1);
        QCOMPARE(cli({"--repeat", "0", "classic", "halt"}).exit, 3);
    }

    // Every pair of formats a card can go into, through the tool.
    void dumpRoundTrips_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("formats");
        const QStringList all = {"flipper", "pm3-json", "raw", "eml", "mct"};
        QTest::newRow("classic 1K") << "pm3-s50-empty.bin" << all;
        QTest::newRow("classic mini") << "pm3-s20-empty.json" << all;
        QTest::newRow("ultralight") << "ultralight-16p.bin" << QStringList{"flipper", "pm3-json", "raw", "eml"};
        // Unknown bytes: only the formats that can mark them.
        QTest::newRow("unknown bytes") << "classic-keys.mct" << QStringList{"flipper", "mct"};
    }

    void dumpRoundTrips()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, formats);
        const dumps::LoadResult original = dumps::loadDump(fixture(file).toStdString());
        QVERIFY(original);
        QTemporaryDir dir;
        for (const QString &from : formats) {
            const QString first = dir.filePath(QStringLiteral("first.") + from);
            QCOMPARE(cli({"dump", "convert", fixture(file), first, "--to", from}, {}, false).exit, 0);
            for (const QString &to : formats) {
                if (to == from)
                    continue;
                const QString second = dir.filePath(QStringLiteral("second.") + to);
                const Run r = cli({"dump", "convert", first, second, "--to", to}, {}, false);
                QVERIFY2(r.exit == 0, qPrintable(from + u' ' + to + u' ' + r.err));
                const dumps::LoadResult back = dumps::loadDump(second.toStdString());
                QVERIFY(back);
                QVERIFY2(*back.card == *original.card, qPrintable(from + u' ' + to));
            }
        }
    }

    void dumpRefusalsAndShow()
    {
        QTemporaryDir dir;
        // Raw binary has no mark for unknown bytes: refused, nothing written.
        const QString out = dir.filePath(QStringLiteral("out.bin"));
        const Run refused = cli({"dump", "convert", fixture("classic-keys.mct"), out}, {}, false);
        QCOMPARE(refused.exit, 3);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(cli({"dump", "convert", fixture("classic-keys.mct"), dir.filePath("x.unknown")}, {}, false).exit, 3);
        // The output's extension tells the format.
        const QString eml = dir.filePath(QStringLiteral("s50.eml"));
        QCOMPARE(cli({"--json", "dump", "convert", fixture("pm3-s50-empty.bin"), eml}, {}, false).json().value(0)["to"],
                 QJsonValue("eml"));

        const Run show = cli({"dump", "show", fixture("classic-keys.mct")}, {}, false);
        QCOMPARE(show.exit, 0);
        QVERIFY2(show.out.contains(QStringLiteral("Sector 1: key A A0 A1 A2 A3 A4 A5, key B B0 B1 B2 B3 B4 B5")),
                 qPrintable(show.out));
        QVERIFY(show.out.contains(QStringLiteral("Sector 2: key A D3 F7 D3 F7 D3 F7, key B unknown")));
        QCOMPARE(cli({"dump", "show", dir.filePath("none.nfc")}, {}, false).exit, 3);
    }

    void help()
    {
        const Run main = cli({"--help"}, {}, false);
        QCOMPARE(main.exit, 0);
        for (const char *family : {"format read", "reader baud", "classic read", "ultralight write", "typeb exchange",
                                   "iso15693 inventory", "raw", "listen", "dump convert", "devices"})
            QVERIFY2(main.out.contains(QLatin1String(family)), family);
        const Run read = cli({"classic", "read", "--help"}, {}, false);
        QCOMPARE(read.exit, 0);
        QVERIFY(read.out.contains(QStringLiteral("--key KEY")));
        QVERIFY(read.requests.isEmpty());
        QCOMPARE(cli({}, {}, false).exit, 3);
    }

    // The texts follow --lang, else the language chosen in the window; the
    // lines the window also logs are its own, in either language.
    void language()
    {
        const QString failure = hexOf(response(0x01, "85"));
        const QString tooLong = QString(QStringLiteral("00")).repeated(249);
        struct Case {
            QStringList args;
            QString answer, zh, en;
        };
        const QList<Case> cases = {
            {{"classic", "read"}, failure, "读卡失败   <time>", "Read failed   <time>"},
            {{"classic", "write", "--data", "FFF"}, {}, "块数据（写卡）：十六进制数字个数为奇数，未发送   <time>",
             "block data (Write): odd number of hex digits, nothing sent   <time>"},
            {{"iso15693", "info"}, failure, "操作失败   <time>", "System information failed   <time>"},
            {{"iso15693", "read", "--count", "5"}, {}, "块数量 (卡片读)（Edit13）：十六进制数字个数为奇数，未发送   <time>",
             "Blocks (Read) (Edit13): odd number of hex digits, nothing sent   <time>"},
            {{"reader", "led-r"}, failure, "设置LED-R操作失败   <time>", "Setting LED-R failed   <time>"},
            {{"typeb", "exchange", "--data", tooLong}, {},
             "数据（Edit77）：249 个字节，最多 248 个（帧最长 255 字节），未发送   <time>",
             "Data (Edit77): 249 bytes, at most 248 (a frame is at most 255 bytes), nothing sent   <time>"},
        };
        auto firstLine = [](const Run &r) { return maskTimes(r.out.section(u'\n', 0, 0)); };
        for (const Case &c : cases) {
            const QStringList answers = c.answer.isEmpty() ? QStringList() : QStringList{c.answer};
            QCOMPARE(firstLine(cli(c.args, answers)), c.zh);
            QCOMPARE(firstLine(cli(QStringList{"--lang", "en"} + c.args, answers)), c.en);
            QCOMPARE(firstLine(cli(QStringList{"--lang=zh"} + c.args, answers)), c.zh);
        }
        const Run json = cli({"--lang", "en", "--json", "classic", "read"}, {failure});
        QCOMPARE(json.json().value(0)["reasonText"].toString(), QStringLiteral("Parameter or command format error...."));
        QVERIFY(cli({"--lang", "en", "--help"}, {}, false).out.contains(QStringLiteral("--lang zh|en")));

        // The window's choice, kept in the settings, until --lang says otherwise.
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("RFID"), QStringLiteral("RFID"));
        settings.setValue(QStringLiteral("ui/language"), QStringLiteral("en"));
        settings.sync();
        QCOMPARE(firstLine(cli(cases[0].args, {failure})), cases[0].en);
        QCOMPARE(firstLine(cli(QStringList{"--lang", "zh"} + cases[0].args, {failure})), cases[0].zh);
        settings.remove(QStringLiteral("ui/language"));
        settings.sync();

        // Every command in English on the virtual reader, its help too: no Chinese left.
        const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{303F}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
        const QStringList every = {
            "format read", "format set hex8", "format list", "reader baud 1200", "reader address", "reader serial",
            "reader address set 0", "reader led", "reader mode active", "classic read", "classic write",
            "classic inc --value 1", "classic card-number", "classic halt", "ultralight serial", "ultralight read",
            "ultralight write --data 1", "ultralight read --page x", "typeb request", "typeb attrib", "typeb exchange",
            "typeb id", "typeb anticollision", "iso15693 inventory", "iso15693 read", "iso15693 write --flags uid",
            "iso15693 select", "iso15693 afi --afi 1", "iso15693 info", "iso15693 security", "raw AA0003850178ffBB",
            "raw AA00", "devices", "nosuch", "classic nosuch", "classic read --nosuch"};
        for (const QString &words : every) {
            for (const QStringList &extra : {QStringList(), QStringList{"--help"}, QStringList{"--json"}}) {
                const Run r = cli(QStringList{"--lang", "en", "--reader", "virtual"} + words.split(u' ') + extra, {},
                                  false);
                QVERIFY2(!(r.out + r.err).contains(chinese), qPrintable(words + u'\n' + r.out + r.err));
            }
        }

        const Run bad = cli({"--lang", "fr", "classic", "read"});
        QCOMPARE(bad.exit, 3);
        QVERIFY(bad.requests.isEmpty());
        QVERIFY2(bad.err.contains(QStringLiteral("--lang fr")), qPrintable(bad.err));
    }

    // Card reports from a pseudo-terminal, one a line, until interrupted.
    void listen()
    {
        Pty pty;
        QProcess p;
        p.start(QStringLiteral(RFID_CLI_PATH), {"--json", "listen", pty.name});
        QVERIFY(p.waitForStarted());
        QTest::qWait(500);
        pty.write(bytes("02 01 3A 7C 91 E5"));
        QTRY_VERIFY_WITH_TIMEOUT(p.bytesAvailable() > 0 || p.state() != QProcess::Running, 5000);
        p.terminate();
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 0);
        const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput().split('\n').value(0)).object();
        QCOMPARE(o["outcome"].toString(), QStringLiteral("card"));
        QCOMPARE(o["id"].toString(), QStringLiteral("3A7C91E5"));

        QProcess missing;
        missing.start(QStringLiteral(RFID_CLI_PATH), {"listen", "/dev/nonexistent-port"});
        QVERIFY(missing.waitForFinished(5000));
        QCOMPARE(missing.exitCode(), 4);
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TestCli)
#include "test_cli.moc"
