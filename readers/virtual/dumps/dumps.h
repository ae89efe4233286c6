// Card dumps as operators keep them: loading the common file formats into
// neutral card structures, writing a card in each of them, converting between
// them, and a card as text for reading on a terminal.
// Plain C++ (standard library only), so that the reader emulator can use it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace dumps {

using Bytes = std::vector<uint8_t>;

// ---- MIFARE Classic -------------------------------------------------------

enum class ClassicType { Mini, K1, K2, K4 };

struct ClassicBlock {
    std::array<uint8_t, 16> bytes{};
    uint16_t known = 0xFFFF;   // bit i set: byte i is known (a dump writes "??" otherwise)

    bool isKnown(int i) const { return (known >> i) & 1; }
    bool allKnown() const { return known == 0xFFFF; }
    // The same known bytes; what an unknown byte holds does not count.
    bool operator==(const ClassicBlock &other) const
    {
        if (known != other.known)
            return false;
        for (int i = 0; i < 16; ++i)
            if (isKnown(i) && bytes[i] != other.bytes[i])
                return false;
        return true;
    }
};

struct ClassicDump {
    ClassicType type = ClassicType::K1;
    Bytes uid;                 // 4 or 7 bytes, in the order the card sends them
    uint16_t atqa = 0x0004;    // as a number: 0x0044 for a 7-byte UID card
    uint8_t sak = 0x08;
    std::vector<ClassicBlock> blocks;   // blockCount(type) blocks

    static int blockCount(ClassicType t);    // 20, 64, 128, 256
    static int sectorCount(ClassicType t);   // 5, 16, 32, 40
    static const char *typeName(ClassicType t);   // "Mini", "1K", "2K", "4K"

    int sectorCount() const { return sectorCount(type); }
    // Sectors 0 to 31 have 4 blocks, sectors 32 to 39 (4K only) have 16.
    static int firstBlock(int sector);
    static int blocksInSector(int sector);
    static int trailerBlock(int sector) { return firstBlock(sector) + blocksInSector(sector) - 1; }
    static int sectorOfBlock(int block);

    // Key A (trailer bytes 0-5), the access bytes (6-9) and key B (10-15) of a
    // sector; no value when any of their bytes is unknown.
    std::optional<std::array<uint8_t, 6>> keyA(int sector) const;
    std::optional<std::array<uint8_t, 4>> accessBytes(int sector) const;
    std::optional<std::array<uint8_t, 6>> keyB(int sector) const;

    bool operator==(const ClassicDump &) const = default;
};

// ---- MIFARE Ultralight / NTAG ----------------------------------------------

struct UltralightDump {
    Bytes uid;                  // 7 bytes
    uint16_t atqa = 0x0044;
    uint8_t sak = 0x00;
    std::string type;           // "NTAG216", "Mifare Ultralight" ...; empty: named by page count on save
    std::vector<std::array<uint8_t, 4>> pages;   // the card's whole memory: NTAG216 has 231
    int pagesRead = 0;          // pages 0 to pagesRead-1 hold read data; the rest are zeros
    std::array<uint8_t, 8> version{};     // GET_VERSION answer; all zero when unknown
    std::array<uint8_t, 32> signature{};  // READ_SIG answer; all zero when unknown
    std::array<uint32_t, 3> counters{};
    std::array<uint8_t, 3> tearing{};

    bool operator==(const UltralightDump &) const = default;
};

// ---- ISO 15693 ------------------------------------------------------------

struct Iso15693Dump {
    // Most significant byte first, as printed ("E0 04 ..."); the air interface
    // and an inventory answer carry it the other way round (uidLsbFirst()).
    std::array<uint8_t, 8> uid{};
    uint8_t dsfid = 0;
    uint8_t afi = 0;
    uint8_t icReference = 0;
    bool dsfidLocked = false;
    bool afiLocked = false;
    int blockCount = 0;         // 1 to 256
    int blockSize = 4;          // bytes per block, 1 to 32
    Bytes data;                 // blockCount * blockSize bytes
    Bytes security;             // one byte per block: 01 locked, 00 not locked
    std::string deviceType = "ISO15693-3";   // or "SLIX" ... as the file named it
    // Fields of the file beyond ISO 15693 (SLIX passwords, signature ...), in
    // their order, written back as read so that nothing of the card is lost.
    std::vector<std::pair<std::string, std::string>> extra;

    std::array<uint8_t, 8> uidLsbFirst() const;
    bool blockLocked(int block) const { return security.at(block) & 0x01; }
    bool operator==(const Iso15693Dump &) const = default;
};

using Card = std::variant<ClassicDump, UltralightDump, Iso15693Dump>;

// ---- Loading and saving -----------------------------------------------------

enum class Format { Unknown, FlipperNfc, Proxmark3Json, RawBinary, Proxmark3Eml, MctText };
const char *formatName(Format f);        // "Flipper NFC", "Proxmark3 JSON" ...
const char *formatShortName(Format f);   // "flipper", "pm3-json", "raw", "eml", "mct"
// By short name (either letter case); Unknown for any other name.
Format formatByShortName(std::string_view name);
// By the file name's extension: .nfc, .json, .bin/.mfd/.dump, .eml, .txt/.mct
// (either letter case); Unknown for any other.
Format formatByExtension(const std::string &path);

struct LoadResult {
    std::optional<Card> card;   // no value: refused, see error
    Format format = Format::Unknown;
    // "FILE: line N: what is wrong" (binary files: "FILE: what is wrong").
    std::string error;

    explicit operator bool() const { return card.has_value(); }
};

// The format is told by the content (text header, JSON, hex lines, size), not
// by the name.
LoadResult loadDump(const std::string &path);
// The same from memory; name is only used in messages.
LoadResult parseDump(std::string_view content, const std::string &name);

// The text of a Flipper NFC file, version 4: it holds every card.
std::string toFlipperNfc(const Card &card);

struct EncodeResult {
    std::optional<std::string> content;   // no value: refused, see error
    std::string error;                    // what the format cannot hold, naming the block or page
    // What of the card the format leaves out, e.g. "raw binary does not keep
    // the card's version and signature: written without them".
    std::vector<std::string> warnings;

    explicit operator bool() const { return content.has_value(); }
};
// The file content of the card in the format. Flipper NFC holds every card and
// MCT text marks unknown bytes ("--"); raw binary, Proxmark3 JSON and .eml have
// no mark for them, so a card with unknown bytes (or Ultralight pages not
// read) is refused rather than written with made-up bytes: zeros in a sector
// trailer would be wrong keys and access bits that lock the sector for good.
// Only Flipper NFC holds an ISO 15693 tag; only Classic cards go into MCT text.
EncodeResult encodeDump(const Card &card, Format format);

// Writes the file through a temporary file, so that a failed save leaves an
// existing file whole. False with *error ("FILE: reason") on failure or refusal;
// *warnings gets what the format leaves out ("FILE: ...").
bool saveDump(const Card &card, Format format, const std::string &path, std::string *error = nullptr,
              std::vector<std::string> *warnings = nullptr);
inline bool saveFlipperNfc(const Card &card, const std::string &path, std::string *error = nullptr)
{
    return saveDump(card, Format::FlipperNfc, path, error);
}

struct ConvertResult {
    bool done = false;
    Format from = Format::Unknown;   // as the input's content told
    Format to = Format::Unknown;     // as asked, or by the output's extension
    std::string error;               // "FILE: reason" when not done
    std::vector<std::string> warnings;   // "FILE: ..." for what the output format leaves out

    explicit operator bool() const { return done; }
};
// Loads in and writes it to out in the format to; with Format::Unknown the
// output's extension tells the format, and a name that tells none is refused.
ConvertResult convertDump(const std::string &in, const std::string &out, Format to = Format::Unknown);

// The card as text, one line per sector header, block or page: a Classic card
// with its keys and each block's access conditions, an Ultralight/NTAG with its
// lock bits, an ISO 15693 tag with each block's lock state.
std::string describeDump(const Card &card);

} // namespace dumps
