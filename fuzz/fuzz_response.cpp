// Any bytes as the response text a handler judges: never a crash, never a read
// past the data, always one of the outcomes.
#include <cstddef>
#include <cstdint>

#include "link/hextext.h"
#include "link/response.h"
#include "pages/classicpage.h"
#include "pages/iso15693page.h"
#include "pages/outputformat.h"
#include "pages/systempage.h"
#include "pages/typebpage.h"
#include "pages/ultralightpage.h"

using namespace rfid;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Once as the bytes a read delivered, once as arbitrary text.
    const QString asHex = bytesToHex(data, int(size));
    const QString asText = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &recdata : {asHex, asText}) {
        const Response r = evaluate(recdata);
        switch (r.outcome) {
        case Outcome::Success: {
            const QString t = QStringLiteral("12:00:00 AM");
            (void)readFormatEntry(r, t);
            (void)r.dataText();
            (void)addressEntry(r, t);
            (void)serialEntry(r, t);
            (void)requestEntry(r, t);
            (void)idNumberEntry(r, t);
            (void)inventoryLines(r, t);
            (void)readBlocksLines(r, t);
            (void)systemInfoLines(r, t);
            (void)securityStatusLines(r, t);
            (void)classicReadLines(r, t);
            (void)writeBlocksLines(r, t);
            (void)cardNumberLines(r, t);
            (void)initValueLines(r, t);
            (void)changeValueLines(r, t);
            (void)readSerialLines(r, t);
            (void)readPageLines(r, t);
            (void)writePageLines(r, t);
            break;
        }
        case Outcome::NoData:
        case Outcome::Failure:
        case Outcome::Corrupted:
            break;
        default:
            __builtin_trap();
        }
        OutcomeTexts texts;
        texts.failure = QStringLiteral("x");
        (void)outcomeEntry(r, texts, QStringLiteral("t"));
        // The data exchange judges the raw answer by a rule of its own.
        (void)dataExchangeEntry(recdata, QStringLiteral("t"));
        for (int k = -1; k < 260; ++k)
            (void)r.byteText(k);
    }
    return 0;
}
