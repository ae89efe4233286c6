// What the dump readers share: their error, hex text, and card defaults.
#pragma once

#include <string>
#include <string_view>

#include "dumps.h"

namespace dumps::detail {

// A refusal: the line it concerns (0: none, e.g. a binary file) and what is wrong.
struct DumpError {
    int line;
    std::string message;
};
[[noreturn]] void fail(int line, std::string message);

std::string_view trim(std::string_view s);
bool iequals(std::string_view a, std::string_view b);
bool istartsWith(std::string_view s, std::string_view prefix);
std::string quoted(std::string_view s);   // for messages: at most 40 characters

// Hex text to bytes. Bytes may stand apart ("0A 1b") or together ("0A1B");
// two unknownMark characters ("??") are an unknown byte where known is given
// (its value is 0). A bad token is refused with a message naming it and what
// (e.g. "Block 3").
Bytes parseHex(std::string_view text, int line, const std::string &what, std::vector<bool> *known = nullptr,
               char unknownMark = '?');
// Bytes as "0A 1B" (separator " ") or "0A1B" (separator "").
std::string hexText(const uint8_t *data, size_t size, const char *separator = " ");
inline std::string hexText(const Bytes &b, const char *separator = " ") { return hexText(b.data(), b.size(), separator); }

// Parses a non-negative decimal number; no value when it is not one or > limit.
std::optional<long> parseNumber(std::string_view text, long limit);

// A Classic card of the type, all blocks zero and known, with the ATQA and SAK
// such a card answers with (7-byte UID cards answer ATQA 0044 / 0042).
ClassicDump newClassic(ClassicType type, Bytes uid);
// The smallest Classic type with the block.
std::optional<ClassicType> classicTypeHolding(int block);
// The name Flipper files give an Ultralight/NTAG of this many pages.
std::string ultralightTypeForPages(size_t pages);
void checkUidLength(const Bytes &uid, int line, std::initializer_list<size_t> lengths, const char *card);

// Memory images (raw binary, .eml): a Classic card of the type from its blocks,
// an Ultralight/NTAG from its pages. Block 0 tells the UID.
ClassicDump classicFromBlocks(const uint8_t *blocks, ClassicType type);
UltralightDump ultralightFromPages(const uint8_t *pages, size_t count);
// A 4-byte UID is followed by its BCC, a 7-byte one is not; no value when the
// bytes that tell it are unknown.
std::optional<Bytes> uidFromBlock0(const ClassicBlock &block0);
// The smallest Classic type with the block / sector.
std::optional<ClassicType> classicTypeHoldingSector(int sector);
// Raw Ultralight/NTAG dumps of the page counts the chips have.
bool isUltralightRawSize(size_t bytes);

Card readFlipper(std::string_view content);
Card readProxmarkJson(std::string_view content);
Card readRaw(std::string_view content);
Card readEml(std::string_view content);
Card readMct(std::string_view content);
// Whether the text looks like an .eml dump (its first line is hex) or an MCT
// dump (a "+Sector:" line), so that its errors come from that reader.
bool looksLikeEml(std::string_view content);
bool looksLikeMct(std::string_view content);

// The format of a file's content, told as loading tells it.
Format detectFormat(std::string_view content);

// Writers; a card the format cannot hold is refused with fail(0, why).
std::string writeProxmarkJson(const Card &card);
std::string writeRaw(const Card &card);
std::string writeEml(const Card &card);
std::string writeMct(const Card &card);
// The card's memory for a format without a mark for unknown bytes: all Classic
// blocks or all Ultralight pages, one after the other. Refuses an ISO 15693 tag,
// unknown bytes and Ultralight pages not read, naming the first block or page.
Bytes knownMemory(const Card &card, Format format);

// Text lines one by one: number (from 1) and the trimmed text, blank lines
// skipped. Returns the number of lines, blank ones included.
template <typename OnLine> int forEachLine(std::string_view content, OnLine onLine)
{
    int number = 0;
    size_t pos = 0;
    while (pos < content.size()) {
        size_t end = content.find('\n', pos);
        if (end == std::string_view::npos)
            end = content.size();
        const std::string_view line = trim(content.substr(pos, end - pos));
        pos = end + 1;
        ++number;
        if (!line.empty())
            onLine(number, line);
    }
    return number;
}

} // namespace dumps::detail
