// MCT text dumps of Classic cards: "+Sector: N" lines, each followed by the
// sector's blocks as 32 hex digits; "--" is a byte that could not be read.
#include <map>

#include "dumpparse.h"

namespace dumps::detail {

namespace {
constexpr std::string_view kHeader = "+Sector:";

struct Sector {
    int line = 0;               // of its header
    bool notRead = false;       // a "*" line in place of the blocks
    std::vector<ClassicBlock> blocks;
};
} // namespace

bool looksLikeMct(std::string_view content)
{
    bool found = false;
    forEachLine(content, [&](int, std::string_view line) { found = found || istartsWith(line, kHeader); });
    return found;
}

Card readMct(std::string_view content)
{
    std::map<long, Sector> sectors;
    long current = -1;
    int lastLine = 1;
    // A sector's blocks end at the next header or the end of the file.
    auto complete = [&](int line) {
        if (current < 0)
            return;
        const Sector &s = sectors[current];
        const size_t needed = size_t(ClassicDump::blocksInSector(int(current)));
        if (!s.notRead && s.blocks.size() != needed)
            fail(line, "truncated: Sector " + std::to_string(current) + " has " + std::to_string(s.blocks.size()) +
                           " of " + std::to_string(needed) + " blocks");
    };
    forEachLine(content, [&](int number, std::string_view line) {
        lastLine = number;
        if (istartsWith(line, kHeader)) {
            complete(number);
            const std::string_view digits = trim(line.substr(kHeader.size()));
            const auto n = parseNumber(digits, 1L << 20);
            if (!n)
                fail(number, "bad sector number " + quoted(digits));
            if (*n >= ClassicDump::sectorCount(ClassicType::K4))
                fail(number, "Sector " + std::to_string(*n) + " out of range: a Classic has at most sectors 0 to 39");
            if (auto it = sectors.find(*n); it != sectors.end())
                fail(number, "Sector " + std::to_string(*n) + " given twice (first on line " +
                                 std::to_string(it->second.line) + ")");
            current = *n;
            sectors[current].line = number;
            return;
        }
        if (current < 0)
            fail(number, "block data before the first \"+Sector: N\" line");
        Sector &s = sectors[current];
        const std::string sector = "Sector " + std::to_string(current);
        if (line[0] == '*') {   // the sector could not be read: its bytes stay unknown
            if (!s.blocks.empty())
                fail(number, sector + " is marked not read after some of its blocks");
            s.notRead = true;
            return;
        }
        if (s.notRead)
            fail(number, sector + " is marked not read and has blocks too");
        const int index = int(s.blocks.size());
        const int block = ClassicDump::firstBlock(int(current)) + index;
        if (index >= ClassicDump::blocksInSector(int(current)))
            fail(number, sector + " has more than " + std::to_string(index) + " blocks");
        const std::string what = "block " + std::to_string(block);
        std::vector<bool> known;
        const Bytes b = parseHex(line, number, what, &known, '-');
        if (b.size() != 16)
            fail(number, what + " has " + std::to_string(b.size()) + " bytes, a block has 16");
        ClassicBlock c;
        std::copy(b.begin(), b.end(), c.bytes.begin());
        c.known = 0;
        for (int i = 0; i < 16; ++i)
            c.known |= uint16_t(known[i]) << i;
        s.blocks.push_back(c);
    });
    complete(lastLine);
    if (sectors.empty())
        fail(lastLine, "no \"+Sector: N\" line");

    const auto first = sectors.find(0);
    if (first == sectors.end() || first->second.blocks.empty())
        fail(lastLine, "sector 0 not read: block 0 tells the UID");
    const auto uid = uidFromBlock0(first->second.blocks[0]);
    if (!uid)
        fail(first->second.line + 1, "the UID bytes of block 0 are unknown (\"--\")");
    ClassicDump d = newClassic(*classicTypeHoldingSector(int(sectors.rbegin()->first)), *uid);
    // Sectors the file leaves out are unknown, like those marked not read.
    for (ClassicBlock &b : d.blocks)
        b.known = 0;
    for (const auto &[n, s] : sectors)
        std::copy(s.blocks.begin(), s.blocks.end(), d.blocks.begin() + ClassicDump::firstBlock(int(n)));
    return d;
}

std::string writeMct(const Card &card)
{
    const auto *d = std::get_if<ClassicDump>(&card);
    if (!d)
        fail(0, std::string(std::holds_alternative<UltralightDump>(card) ? "an NTAG/Ultralight" : "an ISO 15693 tag") +
                    " cannot be written as MCT text: MCT text holds Classic cards only");
    if (!uidFromBlock0(d->blocks.at(0)))
        fail(0, "block 0 has unknown UID bytes: MCT text tells the UID by block 0; write flipper to keep them unknown");
    std::string out;
    for (int s = 0; s < d->sectorCount(); ++s) {
        out += std::string(kHeader) + " " + std::to_string(s) + "\n";
        for (int b = ClassicDump::firstBlock(s); b <= ClassicDump::trailerBlock(s); ++b) {
            const ClassicBlock &block = d->blocks[b];
            for (int i = 0; i < 16; ++i)
                out += block.isKnown(i) ? hexText(&block.bytes[i], 1) : std::string("--");
            out += "\n";
        }
    }
    return out;
}

} // namespace dumps::detail
