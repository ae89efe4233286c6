// Any bytes as the response text a handler judges: never a crash, never a read
// past the data, always one of the outcomes.
#include <cstddef>
#include <cstdint>

#include "link/hextext.h"
#include "link/response.h"
#include "protocol/classic.h"
#include "protocol/iso15693.h"
#include "protocol/outputformat.h"
#include "protocol/readersettings.h"
#include "protocol/typeb.h"
#include "protocol/ultralight.h"

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
            (void)r.dataText();
            (void)format::Settings::from(r).lines(t);
            (void)settings::Identity::from(r).addressLines(t);
            (void)settings::Identity::from(r).serialLines(t);
            (void)linesOf<typeb::CardAnswer>(r, t);
            (void)linesOf<typeb::IdNumber>(r, t);
            (void)linesOf<iso15693::Cards>(r, t);
            (void)linesOf<iso15693::Blocks>(r, t);
            (void)linesOf<iso15693::SystemInformation>(r, t);
            (void)linesOf<iso15693::BlockSecurity>(r, t);
            (void)linesOf<classic::BlocksRead>(r, t);
            (void)linesOf<classic::BlocksWritten>(r, t);
            (void)linesOf<classic::CardNumber>(r, t);
            (void)linesOf<classic::ValueInitialised>(r, t);
            (void)linesOf<classic::ValueChanged>(r, t);
            (void)linesOf<ultralight::Serial>(r, t);
            (void)linesOf<ultralight::PageRead>(r, t);
            (void)linesOf<ultralight::PageWritten>(r, t);
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
        (void)linesOf<typeb::ExchangeAnswer>(r, QStringLiteral("t"));
        for (int k = -1; k < 260; ++k)
            (void)r.byteText(k);
    }
    return 0;
}
