// Proxmark3 .eml dumps: the memory as hex text, one Classic block (16 bytes) or
// one Ultralight/NTAG page (4 bytes) a line, nothing else.
#include "dumpparse.h"

namespace dumps::detail {

bool looksLikeEml(std::string_view content)
{
    bool first = true, hex = false;
    forEachLine(content, [&](int, std::string_view line) {
        if (!first)
            return;
        first = false;
        hex = line.find_first_not_of("0123456789abcdefABCDEF \t") == std::string_view::npos;
    });
    return hex;
}

Card readEml(std::string_view content)
{
    constexpr size_t kMaxPages = 1024;
    Bytes memory;
    size_t width = 0, lines = 0;
    int lastLine = 1;
    forEachLine(content, [&](int number, std::string_view line) {
        lastLine = number;
        const std::string what = width == 0 ? std::string("the first line")
                                            : (width == 16 ? "block " : "page ") + std::to_string(lines);
        const Bytes b = parseHex(line, number, what);
        if (width == 0) {
            if (b.size() != 16 && b.size() != 4)
                fail(number, "the first line has " + std::to_string(b.size()) +
                                 " bytes: an .eml dump has a Classic block (16 bytes) or an Ultralight/NTAG page "
                                 "(4 bytes) a line");
            width = b.size();
        } else if (b.size() != width) {
            fail(number, what + " has " + std::to_string(b.size()) + " bytes, " +
                             (width == 16 ? "a block has 16" : "a page has 4"));
        }
        if (++lines > (width == 16 ? size_t(ClassicDump::blockCount(ClassicType::K4)) : kMaxPages))
            fail(number, width == 16 ? "more than 256 blocks: a Classic has at most blocks 0 to 255"
                                     : "more than 1024 pages: an NTAG/Ultralight has at most pages 0 to 1023");
        memory.insert(memory.end(), b.begin(), b.end());
    });
    if (width == 4) {
        if (lines < 2)
            fail(lastLine, "truncated: one page; pages 0 and 1 hold the UID");
        return ultralightFromPages(memory.data(), lines);
    }
    for (ClassicType t : {ClassicType::Mini, ClassicType::K1, ClassicType::K2, ClassicType::K4})
        if (lines == size_t(ClassicDump::blockCount(t)))
            return classicFromBlocks(memory.data(), t);
    fail(lastLine, std::to_string(lines) + " blocks: a Classic has 20, 64, 128 or 256 (Mini, 1K, 2K, 4K)");
}

std::string writeEml(const Card &card)
{
    const Bytes memory = knownMemory(card, Format::Proxmark3Eml);
    const size_t width = std::holds_alternative<ClassicDump>(card) ? 16 : 4;
    if (memory.size() < 2 * width)
        fail(0, "an Ultralight/NTAG of one page cannot be written as .eml: pages 0 and 1 tell the UID");
    std::string out;
    for (size_t i = 0; i < memory.size(); i += width)
        out += hexText(memory.data() + i, width, "") + "\n";
    return out;
}

} // namespace dumps::detail
