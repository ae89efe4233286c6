// The virtual reader's field answers as real cards would (ISO/IEC 14443-3/-4,
// 15693-3, the chips' data sheets), driven through the library's exports.
// Each row is a sequence from a fresh reader: "request -> answer", the request
// as command code and parameters, the answer as status and data; both are
// framed for address 00 and compared byte for byte.
#include <QLibrary>
#include <QTest>

#include "link/frame.h"
#include "link/hextext.h"
#include "readers/reader_api.h"
#include "support.h"

using namespace rfid;
using namespace rfid::test;

namespace {
// The default cards' numbers, as the steps spell them.
const QString kClassicUid = QStringLiteral("3A 7C 91 E5");
const QString kUltralightUid = QStringLiteral("04 5A 3B 12 9C 6E 80");
const QString kIdAtqb = QStringLiteral("50 00 00 00 00 00 00 00 00 00 81 71");
const QString kPlainAtqb = QStringLiteral("50 5A 3C 19 E2 00 00 00 01 00 81 71");
const QString kIdNumber = QStringLiteral("3F 7A 12 C4 08 5B E1 96");
const QString kTag1 = QStringLiteral("31 8A 5B 2C 10 01 04 E0");
const QString kTag2 = QStringLiteral("07 9C 3F 65 08 01 04 E0");

class Exports
{
public:
    Exports()
        : m_lib(virtualPath())
    {
        if (!m_lib.load())
            qFatal("virtual reader: %s", qPrintable(m_lib.errorString()));
        m_write = reinterpret_cast<HidWriteDataFn>(m_lib.resolve("hidWriteData"));
        m_read = reinterpret_cast<HidReadDataFn>(m_lib.resolve("hidReadData"));
        m_reset = reinterpret_cast<void (*)()>(m_lib.resolve("readerReset"));
        if (!m_write || !m_read || !m_reset)
            qFatal("virtual reader: an export is missing");
    }

    // One request frame written, the response read back (empty: none).
    QByteArray exchange(QByteArray request)
    {
        const int written = m_write(0, int(request.size()), reinterpret_cast<unsigned char *>(request.data()));
        if (written != request.size())
            return QByteArrayLiteral("(write failed)");
        QByteArray buffer(kReadBufferSize, 0);
        const int n = m_read(0, kReadMaxLength, reinterpret_cast<unsigned char *>(buffer.data()));
        return buffer.left(n);
    }
    void reset() { m_reset(); }

private:
    QLibrary m_lib;
    HidWriteDataFn m_write = nullptr;
    HidReadDataFn m_read = nullptr;
    void (*m_reset)() = nullptr;
};

// Runs the steps on a reader put back to its state at load.
void run(const QStringList &steps)
{
    static Exports reader;
    reader.reset();
    for (int i = 0; i < steps.size(); ++i) {
        const QString request = steps[i].section(QStringLiteral("->"), 0, 0);
        const QString answer = hexDigits(steps[i].section(QStringLiteral("->"), 1));
        const QByteArray expected = answer.isEmpty() ? QByteArray()
                                                     : response(answer.left(2).toInt(nullptr, 16), answer.mid(2));
        const QByteArray got = reader.exchange(hexToBytes(frameText(QStringLiteral("00"), request)));
        QVERIFY2(got == expected, qPrintable(QStringLiteral("step %1 (%2): got %3, want %4")
                                                 .arg(i + 1)
                                                 .arg(steps[i], bytesToHex(got), bytesToHex(expected))));
    }
}
} // namespace

class TestVirtualField : public QObject
{
    Q_OBJECT
private slots:
    // WUPA reaches halted cards for one activation; they stay halted.
    void typeAHaltAndWakeUp_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("a halted Classic stays halted after an Ultralight read with All")
            << QStringList{"25 26 01 -> 00 01 " + kClassicUid,
                           "E0 01 04 -> 00 55 4C 54 52 41 4C 49 47 48 54 20 44 45 4D 4F 20 " + kUltralightUid,
                           "25 26 00 -> 00 00 04 5A 3B 12"};
        QTest::newRow("WUPA selects the halted Classic; the next REQA does not find it")
            << QStringList{"25 26 01 -> 00 01 " + kClassicUid, "25 52 00 -> 00 01 " + kClassicUid,
                           "25 26 00 -> 00 00 04 5A 3B 12", "20 00 01 04 3C 5E 71 9D 2B 64 -> 01 83"};
        QTest::newRow("halt goes to the card a WUPA selected, once")
            << QStringList{"E3 00 -> 00 " + kUltralightUid, "06 -> 00", "E3 00 -> 01 83",
                           "E3 01 -> 00 " + kUltralightUid, "06 -> 00", "06 -> 01 83", "E3 00 -> 01 83",
                           "25 52 00 -> 00 01 " + kClassicUid, "25 26 00 -> 00 00 " + kClassicUid};
    }
    void typeAHaltAndWakeUp()
    {
        QFETCH(QStringList, steps);
        run(steps);
    }

    // REQB through the data exchange: slots, collisions, AFI, WUPB.
    void typeBRequestSlots_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("one slot: both cards answer and collide") << QStringList{"0D 03 05 00 00 -> 01 84"};
        QTest::newRow("2 slots: the first slot holds the ID card alone")
            << QStringList{"0D 03 05 00 01 -> 00 " + kIdAtqb};
        QTest::newRow("16 slots") << QStringList{"0D 03 05 00 04 -> 00 " + kIdAtqb};
        QTest::newRow("slot codes 5-7 are not defined: no answer") << QStringList{"0D 03 05 00 07 -> 01 82"};
        QTest::newRow("AFI of another family: no answer") << QStringList{"0D 03 05 10 00 -> 01 82"};
        QTest::newRow("a halted card answers WUPB, not REQB")
            << QStringList{"0D 03 05 00 01 -> 00 " + kIdAtqb, "0D 05 50 00 00 00 00 -> 00 00",
                           "0D 03 05 00 00 -> 00 " + kPlainAtqb, "0D 03 05 00 08 -> 01 84"};
        QTest::newRow("the reader's request adds slots until one answer comes through")
            << QStringList{"09 -> 00 0C " + kIdAtqb};
    }
    void typeBRequestSlots()
    {
        QFETCH(QStringList, steps);
        run(steps);
    }

    // Attrib selects a ready card, which then keeps out of REQB until reset.
    void typeBAttribState_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("Attrib needs a card that has answered a request")
            << QStringList{"0B 5A 3C 19 E2 -> 01 83", "09 -> 00 0C " + kIdAtqb, "0B 5A 3C 19 E2 -> 00",
                           "0B 5A 3C 19 E2 -> 01 83"};
        QTest::newRow("a selected card is silent to REQB and WUPB until the field is reset")
            << QStringList{"09 -> 00 0C " + kIdAtqb, "0B 5A 3C 19 E2 -> 00", "0D 03 05 00 00 -> 00 " + kIdAtqb,
                           "0D 03 05 00 08 -> 00 " + kIdAtqb, "09 -> 00 0C " + kIdAtqb,
                           "26 -> 00 08 " + kIdNumber, "0D 03 05 00 00 -> 01 84"};
        QTest::newRow("ATTRIB on air: answered with MBLI and CID, once")
            << QStringList{"0D 03 05 00 01 -> 00 " + kIdAtqb, "0D 09 1D 5A 3C 19 E2 00 08 01 00 -> 00 00",
                           "0D 09 1D 5A 3C 19 E2 00 08 01 00 -> 01 82", "0D 03 05 00 00 -> 00 " + kIdAtqb};
        QTest::newRow("HLTB from a ready card; a halted card takes no Attrib")
            << QStringList{"09 -> 00 0C " + kIdAtqb, "0D 05 50 5A 3C 19 E2 -> 00 00", "0B 5A 3C 19 E2 -> 01 83"};
    }
    void typeBAttribState()
    {
        QFETCH(QStringList, steps);
        run(steps);
    }

    // The ID card: PUPI 0, then ISO/IEC 14443-4 blocks.
    void residentIdCard_data()
    {
        QTest::addColumn<QStringList>("steps");
        const QString read = QStringLiteral("00 36 00 00 08");
        QTest::newRow("number by I-block, block number toggling; unknown command 6D 00")
            << QStringList{"0D 03 05 00 01 -> 00 " + kIdAtqb, "0B 00 00 00 00 -> 00",
                           "0D 06 02 " + read + " -> 00 02 " + kIdNumber + " 90 00",
                           "0D 06 03 " + read + " -> 00 03 " + kIdNumber + " 90 00",
                           "0D 06 02 00 84 00 00 08 -> 00 02 6D 00"};
        QTest::newRow("the plain card keeps its PUPI and knows no command")
            << QStringList{"0D 03 05 00 01 -> 00 " + kIdAtqb, "0B 5A 3C 19 E2 -> 00",
                           "0D 06 02 " + read + " -> 00 02 6D 00"};
        QTest::newRow("a CID given by ATTRIB: blocks without it are not for the card")
            << QStringList{"09 -> 00 0C " + kIdAtqb, "0D 09 1D 00 00 00 00 00 08 01 08 -> 00 08",
                           "0D 06 02 " + read + " -> 01 82",
                           "0D 07 0A 08 " + read + " -> 00 0A 08 " + kIdNumber + " 90 00"};
        QTest::newRow("chaining, R(NAK), DESELECT")
            << QStringList{"09 -> 00 0C " + kIdAtqb, "0B 00 00 00 00 -> 00", "0D 04 12 00 36 00 -> 00 A2",
                           "0D 03 03 00 08 -> 00 03 " + kIdNumber + " 90 00",
                           "0D 01 B3 -> 00 03 " + kIdNumber + " 90 00", "0D 01 B2 -> 00 A3", "0D 01 C2 -> 00 C2",
                           "0D 06 02 " + read + " -> 01 82"};
        const QString zeros = QStringLiteral(" 00").repeated(247);
        QTest::newRow("a chain longer than any APDU: wrong length")
            << QStringList{"09 -> 00 0C " + kIdAtqb, "0B 00 00 00 00 -> 00", "0D F8 12" + zeros + " -> 00 A2",
                           "0D F8 13" + zeros + " -> 00 A3", "0D 02 02 08 -> 00 02 67 00"};
        QTest::newRow("the reader's ID reads work whatever the field's state")
            << QStringList{"09 -> 00 0C " + kIdAtqb, "0B 00 00 00 00 -> 00", "26 -> 00 08 " + kIdNumber,
                           "27 -> 00 08 20 19 05 21 00 00 37 42", "0D 03 05 00 00 -> 01 84"};
    }
    void residentIdCard()
    {
        QFETCH(QStringList, steps);
        run(steps);
    }

    // ISO 15693 Select is carried out in addressed mode only.
    void iso15693Select_data()
    {
        QTest::addColumn<QStringList>("steps");
        const QString info1 = "00 0F " + kTag1 + " 00 00 1B 03 01";
        QTest::newRow("select flag, no tag selected: no answer") << QStringList{"15 52 " + kTag1 + " -> 01 83"};
        QTest::newRow("addressed: the tag is selected and answers in select mode")
            << QStringList{"15 22 " + kTag1 + " -> 00 00", "1B 12 -> 00 " + info1};
        QTest::newRow("select flag with a tag selected: refused, the tag stays selected")
            << QStringList{"15 22 " + kTag1 + " -> 00 00", "15 52 " + kTag2 + " -> 01 91", "1B 12 -> 00 " + info1};
        QTest::newRow("addressed to another UID: the selected tag returns to ready")
            << QStringList{"15 22 " + kTag1 + " -> 00 00", "15 22 01 02 03 04 05 06 07 E0 -> 01 83",
                           "1B 12 -> 01 83"};
        QTest::newRow("not addressed: both tags refuse at once") << QStringList{"15 02 " + kTag1 + " -> 01 84"};
        QTest::newRow("address and select flags together") << QStringList{"15 32 " + kTag1 + " -> 01 91"};
    }
    void iso15693Select()
    {
        QFETCH(QStringList, steps);
        run(steps);
    }

    // Page 2 of the Ultralight: lock bytes OR-ed in, frozen bits kept.
    void ultralightLockBytes_data()
    {
        QTest::addColumn<QStringList>("steps");
        const QString pages0to1 = QStringLiteral("04 5A 3B ED 12 9C 6E 80 ");
        QTest::newRow("a frozen lock bit stays clear, the others are set, the write succeeds")
            << QStringList{"E1 00 01 02 00 00 04 00 -> 00 " + kUltralightUid,
                           "E1 00 01 02 00 00 10 04 -> 00 " + kUltralightUid,
                           "E0 00 00 -> 00 " + pages0to1 + "60 48 14 80 00 00 00 00 " + kUltralightUid,
                           "E1 00 01 0A 01 02 03 04 -> 00 " + kUltralightUid,
                           "E1 00 01 04 01 02 03 04 -> 01 94"};
        QTest::newRow("bytes 0 and 1 of page 2 are not written")
            << QStringList{"E1 00 01 02 FF FF 00 00 -> 00 " + kUltralightUid,
                           "E0 00 00 -> 00 " + pages0to1 + "60 48 00 80 00 00 00 00 " + kUltralightUid};
    }
    void ultralightLockBytes()
    {
        QFETCH(QStringList, steps);
        run(steps);
    }
};

QTEST_GUILESS_MAIN(TestVirtualField)
#include "test_virtualfield.moc"
