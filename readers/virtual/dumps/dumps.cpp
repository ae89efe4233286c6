// Card structures, format detection, raw binary dumps and file access.
#include "dumps.h"

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
    case Format::Unknown: break;
    }
    return "unknown";
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

Bytes parseHex(std::string_view text, int line, const std::string &what, std::vector<bool> *known)
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
            if (known && token[k] == '?' && token[k + 1] == '?') {
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

Card readRaw(std::string_view content)
{
    const auto *p = reinterpret_cast<const uint8_t *>(content.data());
    if (content.size() == 64) {
        // Ultralight: UID0-2 and BCC0 in page 0, UID3-6 in page 1.
        UltralightDump u;
        u.uid = {p[0], p[1], p[2], p[4], p[5], p[6], p[7]};
        u.pages.resize(16);
        for (size_t i = 0; i < 16; ++i)
            std::copy(p + 4 * i, p + 4 * i + 4, u.pages[i].begin());
        u.pagesRead = 16;
        u.type = ultralightTypeForPages(16);
        return u;
    }
    std::optional<ClassicType> type;
    for (ClassicType t : {ClassicType::Mini, ClassicType::K1, ClassicType::K2, ClassicType::K4})
        if (content.size() == size_t(ClassicDump::blockCount(t)) * 16)
            type = t;
    if (!type)
        fail(0, "a binary file of " + std::to_string(content.size()) +
                    " bytes is no dump: a raw dump has 64 (Ultralight), 320, 1024, 2048 or 4096 bytes (Classic)");
    // Block 0 tells the UID's length: a 4-byte UID is followed by its BCC.
    const bool shortUid = (p[0] ^ p[1] ^ p[2] ^ p[3]) == p[4];
    ClassicDump d = newClassic(*type, Bytes(p, p + (shortUid ? 4 : 7)));
    for (size_t b = 0; b < d.blocks.size(); ++b)
        std::copy(p + 16 * b, p + 16 * b + 16, d.blocks[b].bytes.begin());
    return d;
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
    size_t pos = 0;
    while (pos < s.size()) {
        size_t end = s.find('\n', pos);
        if (end == std::string_view::npos)
            end = s.size();
        const std::string_view line = detail::trim(s.substr(pos, end - pos));
        pos = end + 1;
        if (detail::istartsWith(line, "Filetype:") || detail::istartsWith(line, "Device type:"))
            return true;
    }
    return false;
}
} // namespace

LoadResult parseDump(std::string_view content, const std::string &name)
{
    LoadResult r;
    std::string_view text = content;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    const bool isText = looksLikeText(text);
    const std::string_view start = detail::trim(text.substr(0, 64));
    try {
        if (isText && !start.empty() && start[0] == '{') {
            r.format = Format::Proxmark3Json;
            r.card = detail::readProxmarkJson(text);
        } else if (isText && hasFlipperHeader(text)) {
            r.format = Format::FlipperNfc;
            r.card = detail::readFlipper(text);
        } else if (content.size() == 64 || content.size() == 320 || content.size() == 1024 ||
                   content.size() == 2048 || content.size() == 4096 || !isText) {
            r.format = Format::RawBinary;
            r.card = detail::readRaw(content);
        } else {
            detail::fail(1, "not a card dump: neither a Flipper NFC file (\"Filetype: Flipper NFC device\"), "
                            "a Proxmark3 JSON dump nor a raw binary dump");
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

bool saveFlipperNfc(const Card &card, const std::string &path, std::string *error)
{
    const std::string text = toFlipperNfc(card);
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
    return true;
}

} // namespace dumps
