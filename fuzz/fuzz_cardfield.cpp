// Any bytes as a dump in the virtual reader's field: whatever loads becomes a
// card and comes back as the same dump, and reading the whole card through
// the reader's own commands never crashes.
#include <cstdio>
#include <cstdlib>

#include "cardfield.h"

namespace {
void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const dumps::LoadResult r = dumps::parseDump(std::string_view(reinterpret_cast<const char *>(data), size), "input");
    if (!r)
        return 0;
    vreader::TypeAField field;
    if (const auto *c = std::get_if<dumps::ClassicDump>(&*r.card)) {
        const vreader::ClassicCard card = vreader::classicFromDump(*c);
        require(vreader::dumpFromClassic(card, c) == *c, "Classic card differs from its dump");
        field.replaceCards({card});
        for (int s = 0; s < c->sectorCount(); ++s) {
            const int first = dumps::ClassicDump::firstBlock(s);
            const auto &t = c->blocks[size_t(dumps::ClassicDump::trailerBlock(s))].bytes;
            for (uint8_t mode : {0x00, 0x02}) {
                vreader::Bytes p{mode, 1, uint8_t(first)};
                p.insert(p.end(), t.begin() + (mode ? 10 : 0), t.begin() + (mode ? 16 : 6));
                vreader::classicRead(field, p);
            }
        }
    } else if (const auto *u = std::get_if<dumps::UltralightDump>(&*r.card)) {
        const vreader::UltralightCard card = vreader::ultralightFromDump(*u);
        require(vreader::dumpFromUltralight(card, u) == *u, "Ultralight card differs from its dump");
        if (card.pages.size() >= 4) {
            field.replaceCards({card});
            for (size_t page = 0; page < card.pages.size() && page < 256; ++page)
                vreader::ultralightRead(field, {0x00, uint8_t(page)});
        }
    } else {
        const auto &d = std::get<dumps::Iso15693Dump>(*r.card);
        require(vreader::dumpFromTag(vreader::tagFromDump(d), &d) == d, "ISO 15693 tag differs from its dump");
    }
    return 0;
}
