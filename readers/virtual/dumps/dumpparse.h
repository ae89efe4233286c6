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
// "??" is an unknown byte where known is given (its value is 0). A bad token
// is refused with a message naming it and what (e.g. "Block 3").
Bytes parseHex(std::string_view text, int line, const std::string &what, std::vector<bool> *known = nullptr);
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

Card readFlipper(std::string_view content);
Card readProxmarkJson(std::string_view content);
Card readRaw(std::string_view content);

} // namespace dumps::detail
