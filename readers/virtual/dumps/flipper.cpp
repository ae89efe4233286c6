// Flipper NFC text files: "Key: value" lines, "#" comments, versions 2 to 4
// read, version 4 written.
#include <algorithm>
#include <map>

#include "dumpparse.h"

namespace dumps::detail {

namespace {

struct Line {
    int number;
    std::string key;   // as written, trimmed
    std::string_view value;
};

// Lines without a colon are junk a tool or a hand left behind: skipped.
std::vector<Line> splitLines(std::string_view content, int *lastLine)
{
    std::vector<Line> lines;
    const int count = forEachLine(content, [&](int number, std::string_view raw) {
        const size_t colon = raw.find(':');
        if (raw[0] == '#' || colon == std::string_view::npos)
            return;
        lines.push_back({number, std::string(trim(raw.substr(0, colon))), trim(raw.substr(colon + 1))});
    });
    *lastLine = std::max(count, 1);
    return lines;
}

class Fields
{
public:
    explicit Fields(std::string_view content) : m_lines(splitLines(content, &m_last)) {}

    const std::vector<Line> &lines() const { return m_lines; }
    int lastLine() const { return m_last; }

    // The first line with this key (either letter case).
    const Line *find(std::string_view key) const
    {
        for (const Line &l : m_lines)
            if (iequals(l.key, key))
                return &l;
        return nullptr;
    }
    const Line &require(std::string_view key, const char *card) const
    {
        if (const Line *l = find(key))
            return *l;
        fail(m_last, std::string("no \"") + std::string(key) + "\" line: " + card + " file names it");
    }

    Bytes bytes(const Line &l, size_t count) const
    {
        Bytes b = parseHex(l.value, l.number, l.key);
        if (b.size() != count)
            fail(l.number, l.key + " has " + std::to_string(b.size()) + " bytes, expected " + std::to_string(count));
        return b;
    }
    std::optional<uint8_t> byte(std::string_view key) const
    {
        const Line *l = find(key);
        if (!l)
            return std::nullopt;
        return bytes(*l, 1)[0];
    }
    bool flag(std::string_view key) const
    {
        const Line *l = find(key);
        if (!l)
            return false;
        if (iequals(l->value, "true"))
            return true;
        if (iequals(l->value, "false"))
            return false;
        fail(l->number, l->key + " is " + quoted(l->value) + ", expected true or false");
    }

private:
    int m_last = 1;
    std::vector<Line> m_lines;
};

// "Block 12" -> 12 with prefix "Block"; no value for other keys.
std::optional<std::string_view> numberedKey(const std::string &key, std::string_view prefix)
{
    if (!istartsWith(key, prefix) || key.size() <= prefix.size() || key[prefix.size()] != ' ')
        return std::nullopt;
    return trim(std::string_view(key).substr(prefix.size() + 1));
}

// Lines of a numbered series ("Block N", "Page N"), with N checked against the
// count; a number given twice with other data is refused.
template <typename OnItem>
void readSeries(const Fields &f, std::string_view prefix, long count, const std::string &range, OnItem onItem)
{
    std::map<long, const Line *> seen;
    for (const Line &l : f.lines()) {
        const auto digits = numberedKey(l.key, prefix);
        if (!digits)
            continue;
        const auto n = parseNumber(*digits, 1L << 20);
        if (!n && !digits->empty() && std::all_of(digits->begin(), digits->end(), [](char c) { return c >= '0' && c <= '9'; }))
            fail(l.number, l.key + " out of range: " + range);
        if (!n)
            fail(l.number, "bad " + std::string(prefix) + " number " + quoted(*digits));
        if (*n >= count)
            fail(l.number, l.key + " out of range: " + range);
        if (auto it = seen.find(*n); it != seen.end()) {
            if (trim(it->second->value) != trim(l.value))
                fail(l.number, l.key + " given twice with different data (first on line " +
                                   std::to_string(it->second->number) + ")");
            continue;
        }
        seen[*n] = &l;
        onItem(*n, l);
    }
}

void missingItems(const Fields &f, const std::vector<bool> &given, size_t needed, std::string_view what)
{
    size_t missing = 0, first = 0;
    for (size_t i = needed; i-- > 0;)
        if (!given[i])
            ++missing, first = i;
    if (missing)
        fail(f.lastLine(), "truncated: " + std::string(what) + " " + std::to_string(first) + " missing (" +
                               std::to_string(missing) + " of " + std::to_string(needed) + " missing)");
}

// Version 2 files write ATQA least significant byte first, later ones most
// significant byte first.
std::optional<uint16_t> atqaOf(const Fields &f, int version)
{
    const Line *l = f.find("ATQA");
    if (!l)
        return std::nullopt;
    const Bytes b = f.bytes(*l, 2);
    return version <= 2 ? uint16_t(b[0] | b[1] << 8) : uint16_t(b[0] << 8 | b[1]);
}

ClassicDump readClassic(const Fields &f, int version)
{
    const Line &uidLine = f.require("UID", "a Mifare Classic");
    Bytes uid = parseHex(uidLine.value, uidLine.number, "UID");
    checkUidLength(uid, uidLine.number, {4, 7}, "a Mifare Classic");

    std::optional<ClassicType> type;
    if (const Line *t = f.find("Mifare Classic type")) {
        for (ClassicType c : {ClassicType::Mini, ClassicType::K1, ClassicType::K2, ClassicType::K4})
            if (iequals(t->value, ClassicDump::typeName(c)))
                type = c;
        if (!type)
            fail(t->number, "unknown Mifare Classic type " + quoted(t->value) + " (Mini, 1K, 2K or 4K)");
    } else {
        // Older files may lack the type: the highest block tells it.
        long highest = 0;
        readSeries(f, "Block", 256, "a Classic has at most blocks 0 to 255",
                   [&](long n, const Line &) { highest = std::max(highest, n); });
        type = classicTypeHolding(int(highest));
    }

    ClassicDump d = newClassic(*type, std::move(uid));
    if (auto atqa = atqaOf(f, version))
        d.atqa = *atqa;
    if (auto sak = f.byte("SAK"))
        d.sak = *sak;

    const int count = ClassicDump::blockCount(d.type);
    const std::string range =
        std::string("a Classic ") + ClassicDump::typeName(d.type) + " has blocks 0 to " + std::to_string(count - 1);
    std::vector<bool> given(count, false);
    readSeries(f, "Block", count, range, [&](long n, const Line &l) {
        std::vector<bool> known;
        const Bytes b = parseHex(l.value, l.number, l.key, &known);
        if (b.size() != 16)
            fail(l.number, l.key + " has " + std::to_string(b.size()) + " bytes, a block has 16");
        ClassicBlock &block = d.blocks[n];
        std::copy(b.begin(), b.end(), block.bytes.begin());
        block.known = 0;
        for (int i = 0; i < 16; ++i)
            block.known |= uint16_t(known[i]) << i;
        given[n] = true;
    });
    missingItems(f, given, count, "Block");

    // Data format version 1 marks unknown keys with a map of sectors instead of "??".
    auto applyKeyMap = [&](const char *key, int from) {
        const Line *l = f.find(key);
        if (!l)
            return;
        const Bytes map = parseHex(l->value, l->number, key);
        if (map.size() > 8)
            fail(l->number, std::string(key) + " has " + std::to_string(map.size()) + " bytes, expected 8");
        uint64_t bits = 0;
        for (uint8_t b : map)
            bits = bits << 8 | b;
        for (int s = 0; s < d.sectorCount(); ++s)
            if (!((bits >> s) & 1))
                d.blocks[ClassicDump::trailerBlock(s)].known &= uint16_t(~(0x3F << from));
    };
    applyKeyMap("Key A map", 0);
    applyKeyMap("Key B map", 10);
    return d;
}

UltralightDump readUltralight(const Fields &f, const Line &deviceType, int version)
{
    UltralightDump u;
    const Line &uidLine = f.require("UID", "an NTAG/Ultralight");
    u.uid = parseHex(uidLine.value, uidLine.number, "UID");
    checkUidLength(u.uid, uidLine.number, {7}, "an NTAG/Ultralight");
    if (auto atqa = atqaOf(f, version))
        u.atqa = *atqa;
    if (auto sak = f.byte("SAK"))
        u.sak = *sak;
    if (const Line *t = f.find("NTAG/Ultralight type"))
        u.type = std::string(t->value);
    else if (!iequals(deviceType.value, "NTAG/Ultralight"))
        u.type = std::string(deviceType.value);   // older files name the chip as the device type
    if (const Line *l = f.find("Signature")) {
        const Bytes b = f.bytes(*l, 32);
        std::copy(b.begin(), b.end(), u.signature.begin());
    }
    if (const Line *l = f.find("Mifare version")) {
        const Bytes b = f.bytes(*l, 8);
        std::copy(b.begin(), b.end(), u.version.begin());
    }
    for (int i = 0; i < 3; ++i) {
        if (const Line *l = f.find("Counter " + std::to_string(i))) {
            const auto v = parseNumber(l->value, 0xFFFFFF);
            if (!v)
                fail(l->number, l->key + " is " + quoted(l->value) + ", expected a number from 0 to 16777215");
            u.counters[i] = uint32_t(*v);
        }
        if (auto t = f.byte("Tearing " + std::to_string(i)))
            u.tearing[i] = *t;
    }

    constexpr long kMaxPages = 1024;
    auto pageCount = [&](const char *key) -> std::optional<long> {
        const Line *l = f.find(key);
        if (!l)
            return std::nullopt;
        const auto n = parseNumber(l->value, kMaxPages);
        if (!n || *n < 1)
            fail(l->number, std::string(key) + " is " + quoted(l->value) + ", expected 1 to 1024");
        return n;
    };
    std::optional<long> total = pageCount("Pages total");
    std::optional<long> read = pageCount("Pages read");
    if (!total) {
        long highest = -1;
        readSeries(f, "Page", kMaxPages, "an NTAG/Ultralight has at most pages 0 to 1023",
                   [&](long n, const Line &) { highest = std::max(highest, n); });
        if (highest < 0)
            fail(f.lastLine(), "truncated: no \"Page\" lines");
        total = std::max(highest + 1, read.value_or(0));
    }
    if (read && *read > *total)
        fail(f.find("Pages read")->number, "Pages read " + std::to_string(*read) + " exceeds Pages total " +
                                               std::to_string(*total));
    u.pagesRead = int(read.value_or(*total));
    u.pages.assign(size_t(*total), {});
    std::vector<bool> given(size_t(*total), false);
    const std::string name = u.type.empty() ? std::string("this NTAG/Ultralight") : u.type;
    readSeries(f, "Page", *total, name + " has pages 0 to " + std::to_string(*total - 1), [&](long n, const Line &l) {
        const Bytes b = parseHex(l.value, l.number, l.key);
        if (b.size() != 4)
            fail(l.number, l.key + " has " + std::to_string(b.size()) + " bytes, a page has 4");
        std::copy(b.begin(), b.end(), u.pages[n].begin());
        given[n] = true;
    });
    missingItems(f, given, size_t(u.pagesRead), "Page");
    if (u.type.empty())
        u.type = ultralightTypeForPages(u.pages.size());
    return u;
}

bool isIso15693Key(const std::string &key)
{
    for (const char *k : {"Filetype", "Version", "Device type", "UID", "DSFID", "AFI", "IC Reference", "Lock DSFID",
                          "Lock AFI", "Block Count", "Block Size", "Data Content", "Security Status"})
        if (iequals(key, k))
            return true;
    return false;
}

Iso15693Dump readIso15693(const Fields &f, const Line &deviceType)
{
    Iso15693Dump v;
    v.deviceType = istartsWith(deviceType.value, "SLIX") ? std::string(deviceType.value) : "ISO15693-3";
    const Line &uidLine = f.require("UID", "an ISO 15693");
    const Bytes uid = parseHex(uidLine.value, uidLine.number, "UID");
    checkUidLength(uid, uidLine.number, {8}, "an ISO 15693");
    std::copy(uid.begin(), uid.end(), v.uid.begin());
    v.dsfid = f.byte("DSFID").value_or(0);
    v.afi = f.byte("AFI").value_or(0);
    v.icReference = f.byte("IC Reference").value_or(0);
    v.dsfidLocked = f.flag("Lock DSFID");
    v.afiLocked = f.flag("Lock AFI");

    const Line &countLine = f.require("Block Count", "an ISO 15693");
    const auto count = parseNumber(countLine.value, 256);
    if (!count || *count < 1)
        fail(countLine.number, "Block Count " + quoted(countLine.value) + " out of range: 1 to 256");
    v.blockCount = int(*count);
    const Line &sizeLine = f.require("Block Size", "an ISO 15693");
    const uint8_t size = f.bytes(sizeLine, 1)[0];
    if (size < 1 || size > 0x20)
        fail(sizeLine.number, "Block Size " + quoted(sizeLine.value) + " out of range: 01 to 20 (hex)");
    v.blockSize = size;

    const size_t needed = size_t(v.blockCount) * v.blockSize;
    const Line &dataLine = f.require("Data Content", "an ISO 15693");
    v.data = parseHex(dataLine.value, dataLine.number, "Data Content");
    if (v.data.size() != needed)
        fail(dataLine.number, std::string(v.data.size() < needed ? "truncated: " : "") + "Data Content has " +
                                  std::to_string(v.data.size()) + " bytes, " + std::to_string(v.blockCount) +
                                  " blocks of " + std::to_string(v.blockSize) + " need " + std::to_string(needed));
    v.security.assign(size_t(v.blockCount), 0);
    if (const Line *s = f.find("Security Status")) {
        v.security = parseHex(s->value, s->number, "Security Status");
        if (v.security.size() != size_t(v.blockCount))
            fail(s->number, std::string(v.security.size() < size_t(v.blockCount) ? "truncated: " : "") +
                                "Security Status has " + std::to_string(v.security.size()) + " bytes, expected " +
                                std::to_string(v.blockCount) + " (one per block)");
    }
    for (const Line &l : f.lines())
        if (!isIso15693Key(l.key))
            v.extra.emplace_back(l.key, std::string(l.value));
    return v;
}

} // namespace

Card readFlipper(std::string_view content)
{
    const Fields f(content);
    if (const Line *l = f.find("Filetype"); l && !iequals(l->value, "Flipper NFC device"))
        fail(l->number, "Filetype " + quoted(l->value) + " is not a Flipper NFC device");
    int version = 4;
    if (const Line *l = f.find("Version")) {
        const auto v = parseNumber(l->value, 1000);
        if (!v || *v < 2 || *v > 4)
            fail(l->number, "Version " + quoted(l->value) + " is not supported (2 to 4)");
        version = int(*v);
    }
    const Line &type = f.require("Device type", "a Flipper NFC");
    const std::string_view t = type.value;
    if (iequals(t, "Mifare Classic"))
        return readClassic(f, version);
    if (iequals(t, "NTAG/Ultralight") || istartsWith(t, "NTAG") || istartsWith(t, "Mifare Ultralight"))
        return readUltralight(f, type, version);
    if (istartsWith(t, "SLIX") || istartsWith(t, "ISO15693"))
        return readIso15693(f, type);
    fail(type.number, "unknown device type " + quoted(t) +
                          ": Mifare Classic, NTAG/Ultralight, SLIX and ISO15693-3 can be loaded");
}

} // namespace dumps::detail

// ---- Writing, version 4 --------------------------------------------------------

namespace dumps {

namespace {
using detail::hexText;

std::string header(const char *deviceType, const Bytes &uid)
{
    return "Filetype: Flipper NFC device\n"
           "Version: 4\n"
           "# Device type can be ISO14443-3A, ISO14443-3B, ISO14443-4A, ISO14443-4B, ISO15693-3, FeliCa, "
           "NTAG/Ultralight, Mifare Classic, Mifare DESFire, SLIX, ST25TB\n"
           "Device type: " +
           std::string(deviceType) + "\n# UID is common for all formats\nUID: " + hexText(uid) + "\n";
}

std::string nfcA(uint16_t atqa, uint8_t sak)
{
    const uint8_t a[2] = {uint8_t(atqa >> 8), uint8_t(atqa)};
    return "# ISO14443-3A specific data\nATQA: " + hexText(a, 2) + "\nSAK: " + hexText(&sak, 1) + "\n";
}

std::string write(const ClassicDump &d)
{
    std::string out = header("Mifare Classic", d.uid) + nfcA(d.atqa, d.sak);
    out += "# Mifare Classic specific data\nMifare Classic type: ";
    out += ClassicDump::typeName(d.type);
    out += "\nData format version: 2\n# Mifare Classic blocks, ?? for an unknown byte\n";
    for (size_t b = 0; b < d.blocks.size(); ++b) {
        out += "Block " + std::to_string(b) + ":";
        for (int i = 0; i < 16; ++i)
            out += d.blocks[b].isKnown(i) ? " " + hexText(&d.blocks[b].bytes[i], 1) : std::string(" ??");
        out += "\n";
    }
    return out;
}

std::string write(const UltralightDump &u)
{
    std::string out = header("NTAG/Ultralight", u.uid) + nfcA(u.atqa, u.sak);
    out += "# NTAG/Ultralight specific data\nData format version: 2\nNTAG/Ultralight type: ";
    out += u.type.empty() ? detail::ultralightTypeForPages(u.pages.size()) : u.type;
    out += "\nSignature: " + hexText(u.signature.data(), u.signature.size());
    out += "\nMifare version: " + hexText(u.version.data(), u.version.size()) + "\n";
    for (int i = 0; i < 3; ++i) {
        out += "Counter " + std::to_string(i) + ": " + std::to_string(u.counters[i]) + "\n";
        out += "Tearing " + std::to_string(i) + ": " + hexText(&u.tearing[i], 1) + "\n";
    }
    out += "Pages total: " + std::to_string(u.pages.size()) + "\n";
    out += "Pages read: " + std::to_string(u.pagesRead) + "\n";
    for (size_t p = 0; p < u.pages.size(); ++p)
        out += "Page " + std::to_string(p) + ": " + hexText(u.pages[p].data(), 4) + "\n";
    out += "Failed authentication attempts: 0\n";
    return out;
}

std::string write(const Iso15693Dump &v)
{
    const Bytes uid(v.uid.begin(), v.uid.end());
    std::string out = header(v.deviceType.c_str(), uid);
    out += "# ISO15693-3 specific data\n# Data Storage Format Identifier\nDSFID: " + hexText(&v.dsfid, 1);
    out += "\n# Application Family Identifier\nAFI: " + hexText(&v.afi, 1);
    out += "\n# IC Reference - vendor specific meaning\nIC Reference: " + hexText(&v.icReference, 1);
    out += std::string("\n# Lock Bits\nLock DSFID: ") + (v.dsfidLocked ? "true" : "false");
    out += std::string("\nLock AFI: ") + (v.afiLocked ? "true" : "false");
    out += "\n# Number of memory blocks, valid range = 1..256\nBlock Count: " + std::to_string(v.blockCount);
    const uint8_t size = uint8_t(v.blockSize);
    out += "\n# Size of a single memory block, valid range = 01...20 (hex)\nBlock Size: " + hexText(&size, 1);
    out += "\nData Content: " + hexText(v.data);
    out += "\n# Block Security Status: 01 = locked, 00 = not locked\nSecurity Status: " + hexText(v.security) + "\n";
    for (const auto &[key, value] : v.extra)
        out += key + ": " + value + "\n";
    return out;
}
} // namespace

std::string toFlipperNfc(const Card &card)
{
    return std::visit([](const auto &c) { return write(c); }, card);
}

} // namespace dumps
