// The ISO 14443 Type A cards of the virtual reader's field, as plain data: a
// card is its UID, its memory image (blocks or pages, keys included, exactly as
// a dump of the card holds it) and whether it is halted. The rules that the
// card enforces live beside it, in functions.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "vreader.h"

namespace vreader {

using Block = std::array<uint8_t, 16>;
using Page = std::array<uint8_t, 4>;
using Key = std::array<uint8_t, 6>;

// MIFARE Classic 1K (64 blocks: 16 sectors of 4) or 4K (256 blocks: 32 sectors
// of 4, then 8 sectors of 16). Block 0 holds the UID (a 4-byte UID is followed
// by its BCC); the last block of each sector, its trailer, holds key A, the
// access bits (bytes 6-8), a user byte and key B.
struct ClassicCard {
    Bytes uid;                  // 4 or 7 bytes
    std::vector<Block> blocks;  // 64 or 256 (a card from a dump: 20 or 128 too)
    bool halted = false;
    // The bytes a dump did not know, block by block (bit i: byte i; they hold
    // 00); empty when every byte is known. A key not known authenticates with
    // no key at all, and a data block not known whole cannot be read.
    std::vector<uint16_t> unknown;

    uint16_t unknownBytes(int block) const { return size_t(block) < unknown.size() ? unknown[size_t(block)] : 0; }
    void learn(int block)
    {
        if (size_t(block) < unknown.size())
            unknown[size_t(block)] = 0;
    }
};

// MIFARE Ultralight: pages 0-2 hold the 7-byte UID with BCC0 and BCC1 and the
// two lock bytes (page 2, bytes 2-3), page 3 is the OTP page, the rest is data.
struct UltralightCard {
    Bytes uid;                  // 7 bytes
    std::vector<Page> pages;    // 16 on an Ultralight
    bool halted = false;
};

using TypeACard = std::variant<ClassicCard, UltralightCard>;

// The cards of the field, in the order they answer a request.
struct TypeAField {
    TypeAField();   // the default field (see the README)
    std::vector<TypeACard> cards;
    int lastReached = -1;     // the card the last Type A command reached (halt goes there)
    bool lastActive = false;  // it is still selected: not halted since

    void replaceCards(std::vector<TypeACard> newCards);
};
std::vector<TypeACard> defaultTypeACards();

// Classic layout.
int sectorCount(const ClassicCard &card);
int sectorOfBlock(int block);
int firstBlockOfSector(int sector);
int blocksInSector(int sector);
inline int trailerOfSector(int sector) { return firstBlockOfSector(sector) + blocksInSector(sector) - 1; }
// The access-bits group (0-2 data, 3 trailer) a block falls in: on a 16-block
// sector the data blocks go in groups of five.
int accessGroup(int block);

// Access conditions: one C1C2C3 value (0-7, C1 the high bit) per group.
using AccessConditions = std::array<uint8_t, 4>;
std::array<uint8_t, 3> accessBytes(const AccessConditions &conditions);
// nullopt when the inverted copies do not match (the trailer is invalid).
std::optional<AccessConditions> accessConditions(const Block &trailer);
Block trailer(const Key &keyA, const AccessConditions &conditions, uint8_t userByte, const Key &keyB);

// Value blocks: value, its inverse, value (least significant byte first), then
// address, inverse, address, inverse.
Block valueBlock(int32_t value, uint8_t address);
std::optional<int32_t> valueOf(const Block &block);

// Blank cards: UID in block 0 (or pages 0-2), transport trailers (key A and key
// B FF FF FF FF FF FF, access bits FF 07 80).
ClassicCard blankClassic(const Bytes &uid, bool fourK = false);
UltralightCard blankUltralight(const Bytes &uid);

// The commands as the cards carry them out. params are the bytes after the
// command code.
Reply classicRead(TypeAField &field, const Bytes &params);        // 0x20
Reply classicWrite(TypeAField &field, const Bytes &params);       // 0x21
Reply classicValue(TypeAField &field, uint8_t command, const Bytes &params);   // 0x22, 0x23, 0x24
Reply cardNumber(TypeAField &field, const Bytes &params);         // 0x25
Reply haltCard(TypeAField &field, const Bytes &params);           // 0x06
Reply ultralightSerial(TypeAField &field, const Bytes &params);   // 0xE3
Reply ultralightRead(TypeAField &field, const Bytes &params);     // 0xE0
Reply ultralightWrite(TypeAField &field, const Bytes &params);    // 0xE1

// Which card a request reaches: the first card of the kind (or of any kind)
// that answers, which becomes the last card reached. A REQA ("Idle") finds only
// the cards not halted; a WUPA ("All") reaches halted ones too, but only for
// that activation: a halted card stays halted (once selected it is in ACTIVE*,
// which falls back to HALT on the next request, and the others return to HALT
// when another card is selected). -1: none answers.
enum class CardKind { Any, Classic, Ultralight };
int reachCard(TypeAField &field, bool all, CardKind kind);

} // namespace vreader
