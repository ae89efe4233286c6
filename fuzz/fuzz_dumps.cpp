// Any bytes as a dump file: the loaders never crash or read past the input, a
// refusal always says why, and whatever loads is written in every format that
// takes it (a refusal says why) and loads back as the same card, as far as the
// format holds it; the text of the card never fails.
#include <cstdio>
#include <cstdlib>

#include "dumps.h"

namespace {
[[noreturn]] void broken(const char *what, const std::string &detail)
{
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

// The blocks or pages, which every format that takes the card holds.
bool sameMemory(const dumps::Card &a, const dumps::Card &b)
{
    if (a.index() != b.index())
        return false;
    if (const auto *c = std::get_if<dumps::ClassicDump>(&a))
        return c->blocks == std::get<dumps::ClassicDump>(b).blocks;
    if (const auto *u = std::get_if<dumps::UltralightDump>(&a))
        return u->pages == std::get<dumps::UltralightDump>(b).pages;
    return a == b;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace dumps;
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const LoadResult first = parseDump(input, "input");
    if (!first) {
        if (first.error.empty())
            std::abort();
        return 0;
    }
    const Card &card = *first.card;
    if (describeDump(card).empty())
        std::abort();
    for (Format f : {Format::FlipperNfc, Format::Proxmark3Json, Format::RawBinary, Format::Proxmark3Eml, Format::MctText}) {
        const EncodeResult saved = encodeDump(card, f);
        if (!saved) {
            if (saved.error.empty())
                std::abort();
            continue;
        }
        const LoadResult again = parseDump(*saved.content, "saved");
        if (!again)
            broken(formatName(f), "saved card refused: " + again.error + "\n" + *saved.content);
        if (again.format != f)
            broken(formatName(f), std::string("saved card loads as ") + formatName(again.format));
        // Flipper NFC holds the whole card; the others at least its memory,
        // and write what they read back the same.
        if (f == Format::FlipperNfc ? !(*again.card == card) : !sameMemory(*again.card, card))
            broken(formatName(f), "saved card loads back different:\n" + *saved.content);
        const EncodeResult twice = encodeDump(*again.card, f);
        if (!twice || *twice.content != *saved.content)
            broken(formatName(f), "saved twice differs:\n" + *saved.content);
    }
    return 0;
}
