// Card structures, format detection, raw binary dumps and file access.
#include "dumps.h"

#include <bit>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "dumpparse.h"

namespace dumps {

// ---- Classic geometry -------------------------------------------------------

int ClassicDump::blockCount(ClassicType t)
{
    switch (t) {
    case ClassicType::Mini: return 20;
    case ClassicType::K1: return 64;
    case ClassicType::K2: return 128;
    case ClassicType::K4: return 256;
    }
    return 0;
}

int ClassicDump::sectorCount(ClassicType t)
{
    switch (t) {
    case ClassicType::Mini: return 5;
    case ClassicType::K1: return 16;
    case ClassicType::K2: return 32;
    case ClassicType::K4: return 40;
    }
    return 0;
}

const char *ClassicDump::typeName(ClassicType t)
{
    switch (t) {
    case ClassicType::Mini: return "Mini";
    case ClassicType::K1: return "1K";
    case ClassicType::K2: return "2K";
    case ClassicType::K4: return "4K";
    }
    return "";
}

int ClassicDump::firstBlock(int sector)
{
    return sector < 32 ? sector * 4 : 128 + (sector - 32) * 16;
}

int ClassicDump::blocksInSector(int sector)
{
    return sector < 32 ? 4 : 16;
}

int ClassicDump::sectorOfBlock(int block)
{
    return block < 128 ? block / 4 : 32 + (block - 128) / 16;
}

namespace {
template <size_t N> std::optional<std::array<uint8_t, N>> trailerPart(const ClassicDump &d, int sector, int from)
{
    const ClassicBlock &t = d.blocks.at(ClassicDump::trailerBlock(sector));
    std::array<uint8_t, N> out{};
    for (size_t i = 0; i < N; ++i) {
        if (!t.isKnown(from + int(i)))
            return std::nullopt;
        out[i] = t.bytes[from + i];
    }
    return out;
}
} // namespace

std::optional<std::array<uint8_t, 6>> ClassicDump::keyA(int sector) const { return trailerPart<6>(*this, sector, 0); }
std::optional<std::array<uint8_t, 4>> ClassicDump::accessBytes(int sector) const { return trailerPart<4>(*this, sector, 6); }
std::optional<std::array<uint8_t, 6>> ClassicDump::keyB(int sector) const { return trailerPart<6>(*this, sector, 10); }

std::array<uint8_t, 8> Iso15693Dump::uidLsbFirst() const
{
    return {uid[7], uid[6], uid[5], uid[4], uid[3], uid[2], uid[1], uid[0]};
}

const char *formatName(Format f)
{
    switch (f) {
    case Format::FlipperNfc: return "Flipper NFC";
    case Format::Proxmark3Json: return "Proxmark3 JSON";
    case Format::RawBinary: return "raw binary";
    case Format::Proxmark3Eml: return "Proxmark3 .eml";
    case Format::MctText: return "MCT text";
    case Format::Unknown: break;
    }
    return "unknown";
}

const char *formatShortName(Format f)
{
    switch (f) {
    case Format::FlipperNfc: return "flipper";
    case Format::Proxmark3Json: return "pm3-json";
    case Format::RawBinary: return "raw";
    case Format::Proxmark3Eml: return "eml";
    case Format::MctText: return "mct";
    case Format::Unknown: break;
    }
    return "";
}

Format formatByShortName(std::string_view name)
{
    for (Format f : {Format::FlipperNfc, Format::Proxmark3Json, Format::RawBinary, Format::Proxmark3Eml, Format::MctText})
        if (detail::iequals(name, formatShortName(f)))
            return f;
    return Format::Unknown;
}

Format formatByExtension(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    const std::string_view name = std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0)
        return Format::Unknown;
    const std::string_view ext = name.substr(dot + 1);
    static const std::pair<const char *, Format> table[] = {
        {"nfc", Format::FlipperNfc}, {"json", Format::Proxmark3Json}, {"bin", Format::RawBinary},
        {"mfd", Format::RawBinary},  {"dump", Format::RawBinary},     {"eml", Format::Proxmark3Eml},
        {"txt", Format::MctText},    {"mct", Format::MctText}};
    for (const auto &[e, f] : table)
        if (detail::iequals(ext, e))
            return f;
    return Format::Unknown;
}

// ---- Shared helpers ----------------------------------------------------------

namespace detail {

void fail(int line, std::string message)
{
    throw DumpError{line, std::move(message)};
}

std::string_view trim(std::string_view s)
{
    const char *blanks = " \t\r\n\f\v";
    const size_t b = s.find_first_not_of(blanks);
    if (b == std::string_view::npos)
        return {};
    return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

static char lowerChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool iequals(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerChar(a[i]) != lowerChar(b[i]))
            return false;
    return true;
}

bool istartsWith(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && iequals(s.substr(0, prefix.size()), prefix);
}

std::string quoted(std::string_view s)
{
    std::string out = "\"";
    for (char c : s.substr(0, 40))
        out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    if (s.size() > 40)
        out += "...";
    return out + "\"";
}

static int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = lowerChar(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

Bytes parseHex(std::string_view text, int line, const std::string &what, std::vector<bool> *known, char unknownMark)
{
    Bytes out;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != '\r' && text[end] != '\n')
            ++end;
        const std::string_view token = text.substr(i, end - i);
        if (token.size() % 2)
            fail(line, "bad hex " + quoted(token) + " in " + what + ": odd number of digits");
        for (size_t k = 0; k < token.size(); k += 2) {
            if (known && token[k] == unknownMark && token[k + 1] == unknownMark) {
                out.push_back(0);
                known->push_back(false);
                continue;
            }
            const int hi = hexValue(token[k]), lo = hexValue(token[k + 1]);
            if (hi < 0 || lo < 0)
                fail(line, "bad hex " + quoted(token.substr(k, 2)) + " in " + what);
            out.push_back(uint8_t(hi * 16 + lo));
            if (known)
                known->push_back(true);
        }
        i = end;
    }
    return out;
}

std::string hexText(const uint8_t *data, size_t size, const char *separator)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < size; ++i) {
        if (i)
            out += separator;
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}

std::optional<long> parseNumber(std::string_view text, long limit)
{
    if (text.empty())
        return std::nullopt;
    long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > limit)
            return std::nullopt;
    }
    return v;
}

ClassicDump newClassic(ClassicType type, Bytes uid)
{
    ClassicDump d;
    d.type = type;
    const bool longUid = uid.size() == 7;
    d.uid = std::move(uid);
    switch (type) {
    case ClassicType::Mini: d.atqa = 0x0004, d.sak = 0x09; break;
    case ClassicType::K1: d.atqa = 0x0004, d.sak = 0x08; break;
    case ClassicType::K2: d.atqa = 0x0004, d.sak = 0x19; break;
    case ClassicType::K4: d.atqa = 0x0002, d.sak = 0x18; break;
    }
    if (longUid)
        d.atqa |= 0x0040;
    d.blocks.assign(ClassicDump::blockCount(type), ClassicBlock{});
    return d;
}

std::optional<ClassicType> classicTypeHolding(int block)
{
    for (ClassicType t : {ClassicType::Mini, ClassicType::K1, ClassicType::K2, ClassicType::K4})
        if (block >= 0 && block < ClassicDump::blockCount(t))
            return t;
    return std::nullopt;
}

std::string ultralightTypeForPages(size_t pages)
{
    switch (pages) {
    case 16: return "Mifare Ultralight";
    case 20: return "Mifare Ultralight 11";
    case 41: return "Mifare Ultralight 21";
    case 42: return "NTAG203";
    case 45: return "NTAG213";
    case 135: return "NTAG215";
    case 231: return "NTAG216";
    default: return "Mifare Ultralight";
    }
}

void checkUidLength(const Bytes &uid, int line, std::initializer_list<size_t> lengths, const char *card)
{
    for (size_t n : lengths)
        if (uid.size() == n)
            return;
    std::string expected;
    for (size_t n : lengths)
        expected += (expected.empty() ? "" : " or ") + std::to_string(n);
    fail(line, "UID of " + std::to_string(uid.size()) + " bytes: " + card + " UID has " + expected + " bytes");
}

// ---- Raw binary dumps: the memory, block after block -------------------------

std::optional<Bytes> uidFromBlock0(const ClassicBlock &b)
{
    if ((b.known & 0x1F) != 0x1F)
        return std::nullopt;
    const auto &p = b.bytes;
    if ((p[0] ^ p[1] ^ p[2] ^ p[3]) == p[4])
        return Bytes(p.begin(), p.begin() + 4);
    if ((b.known & 0x7F) != 0x7F)
        return std::nullopt;
    return Bytes(p.begin(), p.begin() + 7);
}

std::optional<ClassicType> classicTypeHoldingSector(int sector)
{
    for (ClassicType t : {ClassicType::Mini, ClassicType::K1, ClassicType::K2, ClassicType::K4})
        if (sector >= 0 && sector < ClassicDump::sectorCount(t))
            return t;
    return std::nullopt;
}

ClassicDump classicFromBlocks(const uint8_t *p, ClassicType type)
{
    ClassicBlock block0;
    std::copy(p, p + 16, block0.bytes.begin());
    // All bytes are known, so block 0 always tells the UID.
    ClassicDump d = newClassic(type, *uidFromBlock0(block0));
    for (size_t b = 0; b < d.blocks.size(); ++b)
        std::copy(p + 16 * b, p + 16 * b + 16, d.blocks[b].bytes.begin());
    return d;
}

UltralightDump ultralightFromPages(const uint8_t *p, size_t count)
{
    // UID0-2 and BCC0 in page 0, UID3-6 in page 1.
    UltralightDump u;
    u.uid = {p[0], p[1], p[2], p[4], p[5], p[6], p[7]};
    u.pages.resize(count);
    for (size_t i = 0; i < count; ++i)
        std::copy(p + 4 * i, p + 4 * i + 4, u.pages[i].begin());
    u.pagesRead = int(count);
    u.type = ultralightTypeForPages(count);
    return u;
}

// The page counts ultralightTypeForPages names.
static constexpr size_t kUltralightPageCounts[] = {16, 20, 41, 42, 45, 135, 231};

bool isUltralightRawSize(size_t bytes)
{
    for (size_t pages : kUltralightPageCounts)
        if (bytes == 4 * pages)
            return true;
    return false;
}

Card readRaw(std::string_view content)
{
    const auto *p = reinterpret_cast<const uint8_t *>(content.data());
    if (isUltralightRawSize(content.size()))
        return ultralightFromPages(p, content.size() / 4);
    for (ClassicType t : {ClassicType::Mini, ClassicType::K1, ClassicType::K2, ClassicType::K4})
        if (content.size() == size_t(ClassicDump::blockCount(t)) * 16)
            return classicFromBlocks(p, t);
    fail(0, "a binary file of " + std::to_string(content.size()) +
                " bytes is no dump: a raw dump has 64, 80, 164, 168, 180, 540 or 924 bytes (Ultralight/NTAG), "
                "320, 1024, 2048 or 4096 bytes (Classic)");
}

Bytes knownMemory(const Card &card, Format format)
{
    const std::string name = formatName(format);
    if (const auto *c = std::get_if<ClassicDump>(&card)) {
        Bytes out;
        out.reserve(c->blocks.size() * 16);
        int first = -1, others = 0;
        for (size_t b = 0; b < c->blocks.size(); ++b) {
            if (c->blocks[b].allKnown())
                ;
            else if (first < 0)
                first = int(b);
            else
                ++others;
            out.insert(out.end(), c->blocks[b].bytes.begin(), c->blocks[b].bytes.end());
        }
        if (first >= 0) {
            const int unknown = 16 - std::popcount(c->blocks[first].known);
            fail(0, "block " + std::to_string(first) + " has " + std::to_string(unknown) + " unknown byte" +
                        (unknown == 1 ? "" : "s") +
                        (others ? " (and " + std::to_string(others) + " more block" + (others == 1 ? "" : "s") +
                                      " too)"
                                : std::string()) +
                        ": " + name + " has no mark for an unknown byte; write flipper or mct to keep them unknown");
        }
        return out;
    }
    if (const auto *u = std::get_if<UltralightDump>(&card)) {
        if (size_t(u->pagesRead) < u->pages.size())
            fail(0, "pages " + std::to_string(u->pagesRead) + " to " + std::to_string(u->pages.size() - 1) +
                        " were not read: " + name + " has no mark for unknown bytes; write flipper to keep them unread");
        Bytes out;
        for (const auto &page : u->pages)
            out.insert(out.end(), page.begin(), page.end());
        return out;
    }
    fail(0, "an ISO 15693 tag cannot be written as " + name + ": only flipper holds one");
}

std::string writeRaw(const Card &card)
{
    const Bytes memory = knownMemory(card, Format::RawBinary);
    if (std::holds_alternative<UltralightDump>(card) && !isUltralightRawSize(memory.size()))
        fail(0, "an Ultralight/NTAG of " + std::to_string(memory.size() / 4) +
                    " pages cannot be written as raw binary: its size would not tell the card "
                    "(16, 20, 41, 42, 45, 135 or 231 pages can)");
    std::string out(memory.begin(), memory.end());
    // Bytes that all happen to be hex text would be taken for a text dump.
    if (detectFormat(out) != Format::RawBinary)
        fail(0, "the card's bytes read as a text dump (" + std::string(formatName(detectFormat(out))) +
                    "): raw binary would not load back as this card; write another format");
    return out;
}

} // namespace detail

// ---- Detection ----------------------------------------------------------------

namespace {
// Text as JSON or a Flipper file hold it: no control bytes but blanks, and no
// bytes that never occur in UTF-8. Raw dumps nearly always hold 00 or FF.
bool looksLikeText(std::string_view s)
{
    for (unsigned char c : s) {
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v') || c == 0x7F ||
            c == 0xC0 || c == 0xC1 || c >= 0xF5)
            return false;
    }
    return true;
}

// A "Filetype:" or "Device type:" line anywhere, so that junk a tool put
// before the header does not hide the file's format.
bool hasFlipperHeader(std::string_view s)
{
    bool found = false;
    detail::forEachLine(s, [&](int, std::string_view line) {
        found = found || detail::istartsWith(line, "Filetype:") || detail::istartsWith(line, "Device type:");
    });
    return found;
}

// Without a UTF-8 byte order mark.
std::string_view textOf(std::string_view content)
{
    return content.substr(0, 3) == "\xEF\xBB\xBF" ? content.substr(3) : content;
}
} // namespace

namespace detail {
Format detectFormat(std::string_view content)
{
    const std::string_view text = textOf(content);
    const bool isText = looksLikeText(text);
    const std::string_view start = trim(text.substr(0, 64));
    if (isText && !start.empty() && start[0] == '{')
        return Format::Proxmark3Json;
    if (isText && hasFlipperHeader(text))
        return Format::FlipperNfc;
    if (isText && looksLikeMct(text))
        return Format::MctText;
    if (isText && looksLikeEml(text))
        return Format::Proxmark3Eml;
    if (!isText || isUltralightRawSize(content.size()) || content.size() == 320 || content.size() == 1024 ||
        content.size() == 2048 || content.size() == 4096)
        return Format::RawBinary;
    return Format::Unknown;
}
} // namespace detail

LoadResult parseDump(std::string_view content, const std::string &name)
{
    LoadResult r;
    const std::string_view text = textOf(content);
    r.format = detail::detectFormat(content);
    try {
        switch (r.format) {
        case Format::Proxmark3Json: r.card = detail::readProxmarkJson(text); break;
        case Format::FlipperNfc: r.card = detail::readFlipper(text); break;
        case Format::MctText: r.card = detail::readMct(text); break;
        case Format::Proxmark3Eml: r.card = detail::readEml(text); break;
        case Format::RawBinary: r.card = detail::readRaw(content); break;
        case Format::Unknown:
            detail::fail(1, "not a card dump: neither a Flipper NFC file (\"Filetype: Flipper NFC device\"), "
                            "a Proxmark3 JSON or .eml dump, an MCT dump (\"+Sector: 0\") nor a raw binary dump");
        }
    } catch (const detail::DumpError &e) {
        r.card.reset();
        r.error = name + ": " + (e.line > 0 ? "line " + std::to_string(e.line) + ": " : std::string()) + e.message;
    }
    return r;
}

LoadResult loadDump(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        LoadResult r;
        r.error = path + ": cannot be opened";
        return r;
    }
    // Real dumps are a few kilobytes; a larger file is not one.
    constexpr std::streamsize kMaxSize = 4 * 1024 * 1024;
    std::string content(kMaxSize + 1, '\0');
    in.read(content.data(), kMaxSize + 1);
    if (in.bad()) {
        LoadResult r;
        r.error = path + ": cannot be read";
        return r;
    }
    content.resize(size_t(in.gcount()));
    if (content.size() > size_t(kMaxSize)) {
        LoadResult r;
        r.error = path + ": larger than 4 MiB, not a card dump";
        return r;
    }
    return parseDump(content, path);
}

namespace {
// The fields of the card that read back different from a file of another
// format (its memory always reads back the same).
std::vector<std::string> lostFields(const Card &card, const Card &back)
{
    std::vector<std::string> lost;
    auto compare = [&](bool same, const char *name) {
        if (!same)
            lost.push_back(name);
    };
    if (const auto *c = std::get_if<ClassicDump>(&card)) {
        const auto &b = std::get<ClassicDump>(back);
        compare(c->uid == b.uid, "UID (block 0 tells another)");
        compare(c->atqa == b.atqa, "ATQA");
        compare(c->sak == b.sak, "SAK");
    } else if (const auto *u = std::get_if<UltralightDump>(&card)) {
        const auto &b = std::get<UltralightDump>(back);
        compare(u->uid == b.uid, "UID (pages 0 and 1 tell another)");
        compare(u->atqa == b.atqa, "ATQA");
        compare(u->sak == b.sak, "SAK");
        compare(u->type == b.type, "chip name");
        compare(u->version == b.version, "version");
        compare(u->signature == b.signature, "signature");
        compare(u->counters == b.counters, "counters");
        compare(u->tearing == b.tearing, "tearing flags");
    }
    return lost;
}
} // namespace

EncodeResult encodeDump(const Card &card, Format format)
{
    EncodeResult r;
    try {
        switch (format) {
        case Format::FlipperNfc: r.content = toFlipperNfc(card); break;
        case Format::Proxmark3Json: r.content = detail::writeProxmarkJson(card); break;
        case Format::RawBinary: r.content = detail::writeRaw(card); break;
        case Format::Proxmark3Eml: r.content = detail::writeEml(card); break;
        case Format::MctText: r.content = detail::writeMct(card); break;
        case Format::Unknown: detail::fail(0, "no format to write the card in"); break;
        }
    } catch (const detail::DumpError &e) {
        r.content.reset();
        r.error = e.message;
    }
    if (r.content && format != Format::FlipperNfc) {
        const LoadResult back = parseDump(*r.content, formatName(format));
        const std::vector<std::string> lost = back ? lostFields(card, *back.card) : std::vector<std::string>{};
        if (!lost.empty()) {
            std::string list;
            for (size_t i = 0; i < lost.size(); ++i)
                list += (i == 0 ? "" : i + 1 == lost.size() ? " and " : ", ") + lost[i];
            r.warnings.push_back(std::string(formatName(format)) + " does not keep the card's " + list +
                                 ": written without " + (lost.size() == 1 ? "it" : "them"));
        }
    }
    return r;
}

bool saveDump(const Card &card, Format format, const std::string &path, std::string *error,
              std::vector<std::string> *warnings)
{
    const EncodeResult encoded = encodeDump(card, format);
    if (!encoded) {
        if (error)
            *error = path + ": " + encoded.error;
        return false;
    }

    const std::string &text = *encoded.content;
    const std::string temp = path + ".saving";
    auto failed = [&](const char *why) {
        std::remove(temp.c_str());
        if (error)
            *error = path + ": " + why;
        return false;
    };
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return failed("cannot be written");
        out.write(text.data(), std::streamsize(text.size()));
        out.flush();
        if (!out)
            return failed("writing failed");
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0)
        return failed("cannot be replaced");
    if (warnings)
        for (const std::string &w : encoded.warnings)
            warnings->push_back(path + ": " + w);
    return true;
}

ConvertResult convertDump(const std::string &in, const std::string &out, Format to)
{
    ConvertResult r;
    r.to = to != Format::Unknown ? to : formatByExtension(out);
    if (r.to == Format::Unknown) {
        r.error = out + ": the file name does not tell the format to write: name the format (flipper, pm3-json, "
                        "raw, eml or mct) or end the name in .nfc, .json, .bin, .mfd, .dump, .eml, .txt or .mct";
        return r;
    }
    const LoadResult loaded = loadDump(in);
    r.from = loaded.format;
    if (!loaded) {
        r.error = loaded.error;
        return r;
    }
    r.done = saveDump(*loaded.card, r.to, out, &r.error, &r.warnings);
    return r;
}

} // namespace dumps
