// A card as text for a terminal: Classic sectors with their keys and each
// block's access conditions, Ultralight/NTAG pages with their lock bits, ISO
// 15693 blocks with their lock state. "??" is a byte the dump does not know.
#include <cstring>

#include "dumpparse.h"

namespace dumps {

namespace {
using detail::hexText;

std::string padded(std::string s, size_t width)
{
    if (s.size() < width)
        s.append(width - s.size(), ' ');
    return s;
}

// "Block 7  " with the numbers of a card lined up.
std::string label(const char *what, size_t n, size_t count)
{
    return padded(std::string(what) + " " + std::to_string(n), std::strlen(what) + 1 + std::to_string(count - 1).size());
}

std::string knownHex(const ClassicBlock &b)
{
    std::string out;
    for (int i = 0; i < 16; ++i)
        out += (i ? " " : "") + (b.isKnown(i) ? hexText(&b.bytes[i], 1) : std::string("??"));
    return out;
}

template <size_t N> std::string keyText(const std::optional<std::array<uint8_t, N>> &key)
{
    return key ? hexText(key->data(), N) : std::string("unknown");
}

// ---- Classic access conditions ----------------------------------------------------

// C1 C2 C3 of each of the four groups (three data groups, the trailer) as
// 0 to 7 (C1 the highest bit); no value when the inverted copies disagree.
std::optional<std::array<int, 4>> accessGroups(const std::array<uint8_t, 4> &a)
{
    std::array<int, 4> out{};
    for (int g = 0; g < 4; ++g) {
        const int c1 = (a[1] >> (4 + g)) & 1, c2 = (a[2] >> g) & 1, c3 = (a[2] >> (4 + g)) & 1;
        const int n1 = (a[0] >> g) & 1, n2 = (a[0] >> (4 + g)) & 1, n3 = (a[1] >> g) & 1;
        if (c1 == n1 || c2 == n2 || c3 == n3)
            return std::nullopt;
        out[g] = c1 << 2 | c2 << 1 | c3;
    }
    return out;
}

// Rights on a data block: read, write, increment, decrement (with transfer
// and restore); "" is never. Increment and decrement are left out when never.
const char *dataRights(int c)
{
    static const char *const text[8] = {
        "read AB, write AB, increment AB, decrement AB",   // 000
        "read AB, write never, decrement AB",              // 001
        "read AB, write never",                            // 010
        "read B, write B",                                 // 011
        "read AB, write B",                                // 100
        "read B, write never",                             // 101
        "read AB, write B, increment B, decrement AB",     // 110
        "read never, write never",                         // 111
    };
    return text[c & 7];
}

// Rights on the trailer: key A (never readable), the access bits, key B.
const char *trailerRights(int c)
{
    static const char *const text[8] = {
        "key A write A; access bits read A, write never; key B read A, write A",              // 000
        "key A write A; access bits read A, write A; key B read A, write A",                  // 001
        "key A write never; access bits read A, write never; key B read A, write never",      // 010
        "key A write B; access bits read AB, write B; key B read never, write B",             // 011
        "key A write B; access bits read AB, write never; key B read never, write B",         // 100
        "key A write never; access bits read AB, write B; key B read never, write never",     // 101
        "key A write never; access bits read AB, write never; key B read never, write never", // 110
        "key A write never; access bits read AB, write never; key B read never, write never", // 111
    };
    return text[c & 7];
}

// Where key A can read key B, key B is data, not a key.
bool keyBReadable(int trailer) { return trailer == 0 || trailer == 1 || trailer == 2; }

// A value block: the value three times (once inverted) and an address byte four times.
std::optional<std::string> valueOf(const ClassicBlock &b)
{
    if (!b.allKnown())
        return std::nullopt;
    const auto &v = b.bytes;
    for (int i = 0; i < 4; ++i)
        if (v[i] != v[i + 8] || uint8_t(~v[i]) != v[i + 4])
            return std::nullopt;
    if (v[12] != v[14] || v[13] != v[15] || uint8_t(~v[12]) != v[13])
        return std::nullopt;
    const int32_t value = int32_t(uint32_t(v[0]) | uint32_t(v[1]) << 8 | uint32_t(v[2]) << 16 | uint32_t(v[3]) << 24);
    return "value " + std::to_string(value) + " (address " + hexText(&v[12], 1) + ")";
}

std::string describe(const ClassicDump &d)
{
    const uint8_t atqa[2] = {uint8_t(d.atqa >> 8), uint8_t(d.atqa)};
    std::string out = std::string("MIFARE Classic ") + ClassicDump::typeName(d.type) + ", UID " + hexText(d.uid) +
                      ", ATQA " + hexText(atqa, 2) + ", SAK " + hexText(&d.sak, 1) + ", " +
                      std::to_string(d.sectorCount()) + " sectors of " + std::to_string(d.blocks.size()) + " blocks\n";
    for (int s = 0; s < d.sectorCount(); ++s) {
        const auto access = d.accessBytes(s);
        const auto groups = access ? accessGroups(*access) : std::nullopt;
        out += "Sector " + std::to_string(s) + ": key A " + keyText(d.keyA(s)) + ", key B " + keyText(d.keyB(s)) +
               ", access bits " + keyText(access);
        if (access && !groups)
            out += " invalid (their inverted copies disagree: a card refuses every access to the sector)";
        else if (groups && keyBReadable((*groups)[3]))
            out += " (key B is readable: it serves as data, not as a key)";
        out += "\n";
        const int first = ClassicDump::firstBlock(s), count = ClassicDump::blocksInSector(s);
        for (int i = 0; i < count; ++i) {
            const int b = first + i;
            const bool trailer = i == count - 1;
            const int group = trailer ? 3 : (count == 4 ? i : i / 5);
            std::string rights = !access ? "access unknown" : !groups ? "no access" : trailer ? trailerRights((*groups)[3]) : dataRights((*groups)[group]);
            if (b == 0)
                rights = "manufacturer block; " + rights;
            else if (const auto value = trailer ? std::nullopt : valueOf(d.blocks[b]))
                rights = *value + "; " + rights;
            out += "  " + label("Block", size_t(b), d.blocks.size()) + "  " + knownHex(d.blocks[b]) + "  " + rights + "\n";
        }
    }
    return out;
}

// ---- Ultralight / NTAG -----------------------------------------------------------

struct NtagLayout {
    size_t pages;         // the chip's page count
    size_t dynamicLock;   // page of the dynamic lock bytes
    size_t pagesPerBit;   // pages one dynamic lock bit locks, from page 16
};
// NTAG213, NTAG215, NTAG216: user memory up to the dynamic lock bytes, then
// two configuration pages, the password and its acknowledge.
constexpr NtagLayout kNtag[] = {{45, 40, 2}, {135, 130, 16}, {231, 226, 16}};

std::string describe(const UltralightDump &u)
{
    const size_t count = u.pages.size();
    const uint8_t atqa[2] = {uint8_t(u.atqa >> 8), uint8_t(u.atqa)};
    std::string out = (u.type.empty() ? detail::ultralightTypeForPages(count) : u.type) + ", UID " + hexText(u.uid) +
                      ", ATQA " + hexText(atqa, 2) + ", SAK " + hexText(&u.sak, 1) + ", " + std::to_string(count) +
                      " pages (" +
                      (size_t(u.pagesRead) == count ? std::string("all read") : std::to_string(u.pagesRead) + " read") +
                      ")\n";
    const NtagLayout *ntag = nullptr;
    for (const NtagLayout &l : kNtag)
        if (l.pages == count)
            ntag = &l;
    auto read = [&](size_t p) { return p < size_t(u.pagesRead); };
    // Static lock bits (page 2, bytes 2 and 3) lock pages 3 to 15.
    auto staticLock = [&](size_t p) -> std::optional<bool> {
        if (p < 3 || p > 15 || count < 3 || !read(2))
            return std::nullopt;
        const uint16_t bits = uint16_t(u.pages[2][2] | u.pages[2][3] << 8);
        return (bits >> p) & 1;
    };
    auto dynamicLock = [&](size_t p) -> std::optional<bool> {
        if (!ntag || p < 16 || p >= ntag->dynamicLock || !read(ntag->dynamicLock))
            return std::nullopt;
        const auto &lock = u.pages[ntag->dynamicLock];
        const size_t bit = (p - 16) / ntag->pagesPerBit;
        return (uint16_t(lock[0] | lock[1] << 8) >> bit) & 1;
    };
    if (count >= 3 && read(2))
        out += "Static lock bytes " + hexText(&u.pages[2][2], 2) + " (page 2)";
    if (ntag && read(ntag->dynamicLock))
        out += ", dynamic lock bytes " + hexText(u.pages[ntag->dynamicLock].data(), 3) + " (page " +
               std::to_string(ntag->dynamicLock) + ")";
    if (count >= 3 && read(2))
        out += "\n";
    for (size_t p = 0; p < count; ++p) {
        std::string note;
        if (p < 2)
            note = "UID";
        else if (p == 2)
            note = "UID, internal, static lock bytes";
        else if (p == 3)
            note = "capability container (one-time programmable)";
        else if (ntag && p == ntag->dynamicLock)
            note = "dynamic lock bytes";
        else if (ntag && p > ntag->dynamicLock)
            note = p == ntag->dynamicLock + 3 ? "password" : p == ntag->dynamicLock + 4 ? "password acknowledge" : "configuration";
        if (staticLock(p).value_or(false) || dynamicLock(p).value_or(false))
            note += note.empty() ? "locked" : ", locked";
        const std::string data = read(p) ? hexText(u.pages[p].data(), 4) : std::string("?? ?? ?? ??");
        if (!read(p))
            note = "not read";
        out += "  " + label("Page", p, count) + "  " + data + (note.empty() ? "" : "  " + note) + "\n";
    }
    return out;
}

// ---- ISO 15693 -----------------------------------------------------------------------

std::string describe(const Iso15693Dump &v)
{
    auto lockedByte = [](uint8_t b, bool locked) { return hexText(&b, 1) + (locked ? " (locked)" : ""); };
    std::string out = "ISO 15693 (" + v.deviceType + "), UID " + hexText(v.uid.data(), v.uid.size()) + ", DSFID " +
                      lockedByte(v.dsfid, v.dsfidLocked) + ", AFI " + lockedByte(v.afi, v.afiLocked) +
                      ", IC reference " + hexText(&v.icReference, 1) + ", " + std::to_string(v.blockCount) +
                      " blocks of " + std::to_string(v.blockSize) + " bytes\n";
    for (int b = 0; b < v.blockCount; ++b) {
        const size_t at = size_t(b) * size_t(v.blockSize);
        out += "  " + label("Block", size_t(b), size_t(v.blockCount)) + "  " +
               hexText(v.data.data() + at, size_t(v.blockSize)) + (v.blockLocked(b) ? "  locked" : "") + "\n";
    }
    for (const auto &[key, value] : v.extra)
        out += key + ": " + value + "\n";
    return out;
}
} // namespace

std::string describeDump(const Card &card)
{
    return std::visit([](const auto &c) { return describe(c); }, card);
}

} // namespace dumps
