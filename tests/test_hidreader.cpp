// The hid reader library's logic through its two exports, over a fake device:
// frames split into output reports, answers gathered from input reports, and
// a reader that is missing, answers badly, or is unplugged and plugged in.
#include <QElapsedTimer>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <thread>

#include "readers/hid/descriptor.h"
#include "readers/hid/hidapidevice.h"
#include "readers/hid/process.h"
#include "readers/reader_api.h"
#include "fakehidbus.h"
#include "support.h"

using namespace rfid::test;

namespace {
const QByteArray kUnplug = "unplug";   // an input report that stands for pulling the plug

// Upper-case hex with a blank between bytes.
QString spaced(const QByteArray &b)
{
    return QString::fromLatin1(b.toHex(' ').toUpper());
}

// A vendor collection with one input and one output report of n bytes,
// numbered with id when id is not 0.
QByteArray descriptor(int n, int id = 0)
{
    QByteArray d = bytes("06 00 FF 09 01 A1 01");
    if (id)
        d += char(0x85) + QByteArray(1, char(id));
    d += bytes("15 00 26 FF 00 75 08 95") + QByteArray(1, char(n)) + bytes("09 01 81 02 09 01 91 02 C0");
    return d;
}

// bytes cut into input reports of n bytes (the last padded), each after id.
QList<QByteArray> reports(const QByteArray &data, int n, int id = 0)
{
    QList<QByteArray> out;
    for (int i = 0; i < data.size(); i += n) {
        QByteArray r = data.mid(i, n);
        r.append(QByteArray(n - r.size(), 0));
        out << (id ? QByteArray(1, char(id)) + r : r);
    }
    return out;
}

struct FakeReader : rfidhid::Device {
    std::vector<std::uint8_t> descriptorBytes;
    bool plugged = true;
    bool handleDead = false;   // the open handle died; opening again works
    bool open_ = false;
    int opens = 0;
    int failWriteAt = -1;      // index into written of a report that fails
    QList<QByteArray> written;
    std::deque<QByteArray> readable;   // input reports the reader has sent

    bool open(const std::string &name, std::vector<std::uint8_t> *d, std::string *error) override
    {
        ++opens;
        if (!plugged) {
            *error = "no reader " + name + " is plugged in";
            return false;
        }
        handleDead = false;
        open_ = true;
        *d = descriptorBytes;
        return true;
    }
    int writeReport(const std::uint8_t *report, std::size_t length) override
    {
        if (!open_ || !plugged || handleDead)
            return -1;
        written << QByteArray(reinterpret_cast<const char *>(report), qsizetype(length));
        return written.size() - 1 == failWriteAt ? -1 : int(length);
    }
    int readReport(std::uint8_t *buffer, std::size_t length, int timeoutMs) override
    {
        if (!open_ || !plugged || handleDead)
            return -1;
        if (readable.empty()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
            return 0;
        }
        const QByteArray r = readable.front();
        readable.pop_front();
        if (r == kUnplug) {
            plugged = false;
            return -1;
        }
        const auto n = std::min<std::size_t>(length, std::size_t(r.size()));
        std::memcpy(buffer, r.constData(), n);
        return int(n);
    }
    void close() override { open_ = false; }
};

// The list through the export, one line a device.
QStringList listed()
{
    const int needed = readerListDevices(nullptr, 0);
    QByteArray buffer(needed, 'x');
    if (readerListDevices(buffer.data(), int(buffer.size())) != needed || buffer.back() != '\0')
        return {"bad list"};
    return QString::fromUtf8(buffer.constData()).split(u'\n', Qt::SkipEmptyParts);
}

struct Outcome {
    int written = 0;
    QByteArray delivered;
    qint64 ms = 0;        // the read's duration
    bool within = false;  // nothing was written past the delivered bytes
};
} // namespace

class TestHidReader : public QObject
{
    Q_OBJECT

    FakeReader *m_fake = nullptr;
    QStringList m_said;

    // One exchange through the exports: the frame goes out, then the reader
    // has sent answer, then the tool's read with its 256-byte zeroed buffer.
    Outcome exchange(const QByteArray &frame, const QList<QByteArray> &answer = {})
    {
        Outcome o;
        QByteArray out = frame;
        o.written = hidWriteData(0, int(out.size()), reinterpret_cast<unsigned char *>(out.data()));
        m_fake->readable.insert(m_fake->readable.end(), answer.begin(), answer.end());
        QByteArray buffer(256, 0);
        QElapsedTimer clock;
        clock.start();
        const int n = hidReadData(0, 245, reinterpret_cast<unsigned char *>(buffer.data()));
        o.ms = clock.elapsed();
        o.delivered = buffer.left(n);
        o.within = n >= 0 && n <= 245 && buffer.mid(n) == QByteArray(256 - n, 0);
        return o;
    }

private slots:
    void init()
    {
        qputenv("RFID_HID_DEVICE", "1234:abcd");
        auto fake = std::make_unique<FakeReader>();
        m_fake = fake.get();
        const QByteArray d = descriptor(8);
        m_fake->descriptorBytes.assign(d.begin(), d.end());
        rfidhid::processLink().setDevice(std::move(fake));
        m_said.clear();
        rfidhid::processLink().setSay([this](const std::string &s) { m_said << QString::fromStdString(s); });
    }

    void exchanges_data()
    {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<QList<QByteArray>>("waiting");   // input reports there before the write
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QStringList>("reportsOut");
        QTest::addColumn<QList<QByteArray>>("answer");
        QTest::addColumn<QByteArray>("delivered");
        QTest::addColumn<bool>("timesOut");

        const QByteArray read = bytes("AA 00 01 83 82 BB");
        const QStringList readOut{"00 AA 00 01 83 82 BB 00 00"};
        const QByteArray ok = response(0, "12");
        QTest::newRow("one report each way") << descriptor(8) << QList<QByteArray>{} << read << readOut
                                             << reports(ok, 8) << ok << false;
        QTest::newRow("report ID 2") << descriptor(8, 2) << QList<QByteArray>{} << read
                                     << QStringList{"02 AA 00 01 83 82 BB 00 00"} << reports(ok, 8, 2) << ok << false;
        const QByteArray write = bytes("AA 00 0F 21 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 2F BB");
        QTest::newRow("frame over three reports")
            << descriptor(8) << QList<QByteArray>{} << write
            << QStringList{"00 AA 00 0F 21 00 01 02 03", "00 04 05 06 07 08 09 0A 0B", "00 0C 0D 2F BB 00 00 00 00"}
            << reports(ok, 8) << ok << false;
        const QByteArray longer = response(0, "11 22 33 44 55 66 77 88 99 AA BB CC");
        QTest::newRow("answer over three numbered reports")
            << descriptor(8, 5) << QList<QByteArray>{} << read << QStringList{"05 AA 00 01 83 82 BB 00 00"}
            << reports(longer, 8, 5) << longer << false;
        QTest::newRow("a late answer to an earlier command is not this one's")
            << descriptor(8) << reports(response(1, "81"), 8) << read << readOut << reports(ok, 8) << ok << false;
        QTest::newRow("answer cut short") << descriptor(8) << QList<QByteArray>{} << read << readOut
                                          << reports(longer, 8).mid(0, 1) << longer.left(8) << true;
        // Reports keep coming for a length byte of FF: the buffer's limit holds.
        QByteArray endless = bytes("AA 00 FF 00") + QByteArray(400, '\x11');
        QTest::newRow("length byte past the buffer") << descriptor(8) << QList<QByteArray>{} << read << readOut
                                                     << reports(endless, 8) << endless.left(245) << false;
        QTest::newRow("garbage is handed over at once")
            << descriptor(8) << QList<QByteArray>{} << read << readOut << QList<QByteArray>{bytes("13 37 00 FF 00 00 00 00")}
            << bytes("13 37 00 FF 00 00 00 00") << false;
        QTest::newRow("no answer") << descriptor(8) << QList<QByteArray>{} << read << readOut << QList<QByteArray>{}
                                   << QByteArray() << true;
    }
    void exchanges()
    {
        QFETCH(QByteArray, descriptor);
        QFETCH(QList<QByteArray>, waiting);
        QFETCH(QByteArray, frame);
        QFETCH(QStringList, reportsOut);
        QFETCH(QList<QByteArray>, answer);
        QFETCH(QByteArray, delivered);
        QFETCH(bool, timesOut);
        m_fake->descriptorBytes.assign(descriptor.begin(), descriptor.end());
        m_fake->readable.assign(waiting.begin(), waiting.end());

        const Outcome o = exchange(frame, answer);
        QCOMPARE(o.written, int(frame.size()));
        QVERIFY(o.within);
        QStringList out;
        for (const QByteArray &r : m_fake->written)
            out << spaced(r);
        QCOMPARE(out, reportsOut);
        QCOMPARE(spaced(o.delivered), spaced(delivered));
        if (timesOut)
            QVERIFY2(o.ms >= rfidhid::kAnswerTimeoutMs - 20 && o.ms < rfidhid::kAnswerTimeoutMs + 250,
                     qPrintable(QString::number(o.ms)));
        else
            QVERIFY2(o.ms < 200, qPrintable(QString::number(o.ms)));
    }

    void noDeviceNamed()
    {
        qunsetenv("RFID_HID_DEVICE");
        const Outcome o = exchange(bytes("AA 00 01 83 82 BB"), reports(response(0), 8));
        QCOMPARE(o.written, 0);
        QCOMPARE(o.delivered, QByteArray());
        QVERIFY(o.ms < 50);
        QCOMPARE(m_fake->opens, 0);
        QCOMPARE(m_said.size(), 1);
        QVERIFY2(m_said[0].contains("no reader is named") && m_said[0].contains("RFID_HID_DEVICE"),
                 qPrintable(m_said[0]));
    }

    // Unplugged, plugged in, pulled out mid-answer, plugged in again, and
    // swapped between two commands: every command tries the device afresh.
    void hotPlug()
    {
        const QByteArray frame = bytes("AA 00 01 83 82 BB");
        const QByteArray ok = response(0, "12");
        m_fake->plugged = false;
        for (int i = 0; i < 2; ++i) {
            const Outcome o = exchange(frame, reports(ok, 8));
            QCOMPARE(o.written, 0);
            QCOMPARE(o.delivered, QByteArray());
            QVERIFY(o.ms < 50);
        }
        QCOMPARE(m_fake->opens, 2);
        QCOMPARE(m_said, QStringList{"no reader 1234:abcd is plugged in"});   // said once

        m_fake->plugged = true;
        m_fake->readable.clear();
        QCOMPARE(exchange(frame, reports(ok, 8)).delivered, ok);
        QCOMPARE(m_fake->opens, 3);

        const QByteArray longer = response(0, "11 22 33 44 55 66 77 88 99 AA BB CC");
        Outcome o = exchange(frame, {reports(longer, 8)[0], kUnplug});
        QCOMPARE(o.written, int(frame.size()));
        QCOMPARE(o.delivered, longer.left(8));
        QVERIFY(o.ms < 50);
        QVERIFY(!m_fake->open_);
        QCOMPARE(exchange(frame).written, 0);

        m_fake->plugged = true;
        QCOMPARE(exchange(frame, reports(ok, 8)).delivered, ok);
        QCOMPARE(m_fake->opens, 5);

        // Replugged between commands: the old handle is dead, the command
        // still goes out on the new one.
        m_fake->handleDead = true;
        o = exchange(frame, reports(ok, 8));
        QCOMPARE(o.written, int(frame.size()));
        QCOMPARE(o.delivered, ok);
        QCOMPARE(m_fake->opens, 6);
    }

    // Three devices, two of one model: each gets an id that tells it apart;
    // the second is chosen and the frames go to it; it is unplugged and
    // plugged in again; RFID_HID_DEVICE overrides the choice.
    void chooseAmongDevices()
    {
        qunsetenv("RFID_HID_DEVICE");
        auto owned = std::make_unique<rfid::test::Bus>();
        rfid::test::Bus *bus = owned.get();
        const QByteArray d = descriptor(8);
        bus->descriptorBytes.assign(d.begin(), d.end());
        bus->readers.resize(3);
        bus->readers[0].info = {"/dev/hidraw1", 0x1234, 0xabcd, "A1", "Acme", "Desk Reader"};
        bus->readers[1].info = {"/dev/hidraw2", 0x1234, 0xabcd, "B2", "Acme", "Desk Reader"};
        bus->readers[2].info = {"/dev/hidraw5", 0x0c27, 0x3bfa, "", "", ""};
        rfidhid::processLink().setDevice(std::move(owned));

        const QString a = "1234:abcd:A1\tAcme Desk Reader\t1234\tabcd\tA1\t/dev/hidraw1\t";
        const QString b = "1234:abcd:B2\tAcme Desk Reader\t1234\tabcd\tB2\t/dev/hidraw2\t";
        const QString c = "0c27:3bfa\tHID device 0c27:3bfa\t0c27\t3bfa\t\t/dev/hidraw5\t";
        QCOMPARE(listed(), QStringList({a, b, c}));
        char small[8] = "x";
        QCOMPARE(readerListDevices(small, sizeof small), int(listed().join(u'\n').toUtf8().size()) + 2);
        QCOMPARE(small[0], '\0');

        QCOMPARE(readerSelectDevice("reader"), 0);
        QCOMPARE(readerSelectDevice("1234:abcd:B2"), 1);
        QCOMPARE(listed(), QStringList({a, b + "*", c}));
        const QByteArray frame = bytes("AA 00 01 83 82 BB");
        const QByteArray ok = response(0, "12");
        auto exchangeOn = [&](rfid::test::Bus::Reader &r) {
            QByteArray out = frame;
            const int written = hidWriteData(0, int(out.size()), reinterpret_cast<unsigned char *>(out.data()));
            for (const QByteArray &report : reports(ok, 8))
                r.readable.push_back(report);
            QByteArray buffer(256, 0);
            const int n = hidReadData(0, 245, reinterpret_cast<unsigned char *>(buffer.data()));
            r.readable.clear();
            return written == frame.size() ? buffer.left(n) : QByteArray("not written");
        };
        QCOMPARE(exchangeOn(bus->readers[1]), ok);
        QCOMPARE(bus->readers[1].written, QList<QByteArray>{bytes("00 AA 00 01 83 82 BB 00 00")});
        QCOMPARE(bus->readers[0].written, QList<QByteArray>{});

        bus->readers[1].plugged = false;
        QCOMPARE(listed(), QStringList({"1234:abcd\tAcme Desk Reader\t1234\tabcd\tA1\t/dev/hidraw1\t", c}));
        QCOMPARE(exchangeOn(bus->readers[1]), QByteArray("not written"));
        bus->readers[1].plugged = true;
        QCOMPARE(listed(), QStringList({a, b + "*", c}));
        QCOMPARE(exchangeOn(bus->readers[1]), ok);
        QCOMPARE(bus->readers[1].written.size(), 2);

        // Chosen by path, the other model; then the environment decides.
        QCOMPARE(readerSelectDevice("/dev/hidraw5"), 1);
        QCOMPARE(listed(), QStringList({a, b, c + "*"}));
        qputenv("RFID_HID_DEVICE", "1234:abcd");
        QCOMPARE(readerSelectDevice("1234:abcd:B2"), -1);
        QCOMPARE(listed(), QStringList({a + "*", b, c}));
        QCOMPARE(exchangeOn(bus->readers[0]), ok);
        QCOMPARE(bus->readers[0].written.size(), 1);
        QCOMPARE(bus->readers[2].written.size(), 0);
    }

    void idsOfTwinsWithoutSerial()
    {
        const auto l = rfidhid::listDevices({{"/dev/hidraw1", 1, 2, "", "", "R"}, {"/dev/hidraw2", 1, 2, "", "", "R"}},
                                            "/dev/hidraw2");
        QCOMPARE(l.size(), std::size_t(2));
        QCOMPARE(l[0].id, std::string("/dev/hidraw1"));
        QCOMPARE(l[1].id, std::string("/dev/hidraw2"));
        QVERIFY(!l[0].inUse && l[1].inUse);
    }

    void failedReportFailsTheWrite()
    {
        const QByteArray frame = bytes("AA 00 0F 21 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 2F BB");
        m_fake->failWriteAt = 1;
        const Outcome o = exchange(frame, reports(response(0), 8));
        QVERIFY(o.written != frame.size());
        QCOMPARE(o.delivered, QByteArray());   // no read after a failed write, and no wait
        QVERIFY(o.ms < 50);
        QVERIFY(!m_fake->open_);
        m_fake->failWriteAt = -1;
        m_fake->readable.clear();
        m_fake->written.clear();
        QCOMPARE(exchange(frame, reports(response(0), 8)).written, int(frame.size()));
        QCOMPARE(m_fake->written.size(), 3);
    }

    void badDescriptorIsNotOpened()
    {
        m_fake->descriptorBytes.assign({0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x08, 0x81, 0x02, 0xC0});
        const Outcome o = exchange(bytes("AA 00 01 83 82 BB"));
        QCOMPARE(o.written, 0);
        QVERIFY(!m_fake->open_);
        QCOMPARE(m_said, QStringList{"1234:abcd: the device declares no output report"});
    }

    void reportLayouts_data()
    {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<QString>("layout");   // numbered outputId outputBytes inputBytes, or the error
        QTest::newRow("no IDs") << descriptor(64) << "0 0 64 64";
        QTest::newRow("ID 2") << descriptor(32, 2) << "1 2 32 32";
        // Two output reports: the first declared carries requests.
        QTest::newRow("several reports")
            << bytes("A1 01 75 08 85 01 95 10 81 02 95 08 91 02 85 03 95 40 81 02 95 20 91 02 C0") << "1 1 8 64";
        // One report made of several items: 64 + 12 bits round up to 10 bytes.
        QTest::newRow("items add up") << bytes("75 08 95 08 91 02 75 04 95 03 91 01 75 08 95 02 81 02") << "0 0 10 2";
        QTest::newRow("push and pop")
            << bytes("75 08 95 04 A4 75 10 95 10 81 02 B4 91 02") << "0 0 4 32";
        QTest::newRow("long item skipped") << bytes("FE 02 10 91 91 75 08 95 06 91 02 81 02") << "0 0 6 6";
        QTest::newRow("no output report") << bytes("75 08 95 08 81 02") << "the device declares no output report";
        QTest::newRow("no input report") << bytes("75 08 95 08 91 02") << "the device declares no input report";
        QTest::newRow("cut inside an item") << bytes("75 08 96 08") << "report descriptor ends inside an item";
        QTest::newRow("cut inside a long item") << bytes("FE 05 10 91") << "report descriptor ends inside an item";
    }
    void reportLayouts()
    {
        QFETCH(QByteArray, descriptor);
        QFETCH(QString, layout);
        std::string error;
        const auto l = rfidhid::reportLayout({descriptor.begin(), descriptor.end()}, &error);
        const QString got = l ? QStringLiteral("%1 %2 %3 %4").arg(int(l->numbered)).arg(l->outputId).arg(l->outputBytes).arg(l->inputBytes)
                              : QString::fromStdString(error);
        QCOMPARE(got, layout);
    }

    // A reader named by VID:PID opens the interface the device list offers:
    // not its keyboard, whose LED report would take the frames.
    void interfaceChoice_data()
    {
        using I = rfidhid::Interface;
        QTest::addColumn<QList<I>>("interfaces");
        QTest::addColumn<int>("chosen");
        const I keyboard{0x01, 0x06, true}, mouse{0x01, 0x02, true}, vendor{0xFF00, 0x01, true},
            bare{0xFF00, 0x01, false};
        QTest::newRow("keyboard first") << QList<I>{keyboard, vendor} << 1;
        QTest::newRow("mouse and keypad first") << QList<I>{mouse, I{0x01, 0x07, true}, vendor} << 2;
        QTest::newRow("vendor first") << QList<I>{vendor, keyboard} << 0;
        QTest::newRow("only a keyboard carries frames") << QList<I>{bare, keyboard} << 1;
        QTest::newRow("none carries frames") << QList<I>{bare, I{0x01, 0x06, false}} << -1;
        QTest::newRow("no interface") << QList<I>{} << -1;
    }
    void interfaceChoice()
    {
        QFETCH(QList<rfidhid::Interface>, interfaces);
        QFETCH(int, chosen);
        QCOMPARE(rfidhid::chooseInterface({interfaces.begin(), interfaces.end()}), chosen);
    }

    void deviceNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed");   // "vvvv:pppp", the path, or "-" when refused
        QTest::newRow("lsusb form") << "1a2b:3C4D" << "1a2b:3c4d";
        QTest::newRow("0x prefixes") << "0x0001:0XFFFF" << "0001:ffff";
        QTest::newRow("path") << "/dev/hidraw3" << "/dev/hidraw3";
        QTest::newRow("too long") << "12345:0001" << "-";
        QTest::newRow("not hex") << "12g4:0001" << "-";
        QTest::newRow("no colon") << "hidraw3" << "-";
        QTest::newRow("empty half") << "1a2b:" << "-";
        QTest::newRow("serial") << "1a2b:3c4d:SN 0:7" << "1a2b:3c4d SN 0:7";
        QTest::newRow("empty serial") << "1a2b:3c4d:" << "-";
    }
    void deviceNames()
    {
        QFETCH(QString, text);
        QFETCH(QString, parsed);
        const auto n = rfidhid::parseDeviceName(text.toStdString());
        const QString got = !n ? QStringLiteral("-")
            : !n->path.empty() ? QString::fromStdString(n->path)
                               : QStringLiteral("%1:%2").arg(n->vendor, 4, 16, QChar(u'0')).arg(n->product, 4, 16, QChar(u'0'))
                    + (n->serial.empty() ? QString() : " " + QString::fromStdString(n->serial));
        QCOMPARE(got, parsed);
    }
};

QTEST_MAIN(TestHidReader)
#include "test_hidreader.moc"
