// The Type B cards in the virtual reader's field, as plain data: a card is its
// ATQB parts and where it stands in the field; a resident ID card adds its two
// 8-byte numbers.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vreader {

// A card's state (ISO/IEC 14443-3 Type B): Idle after power-on, Ready once it
// has answered a REQB, Active once an ATTRIB has selected it (it then speaks
// ISO/IEC 14443-4 only), Halt after HLTB or DESELECT (only a WUPB or a field
// reset wakes it).
enum class TypeBState { Idle, Ready, Active, Halt };

struct TypeBCard {
    std::array<uint8_t, 4> pupi{};
    std::array<uint8_t, 4> applicationData{};   // AFI first
    std::array<uint8_t, 3> protocolInfo{};
    bool residentId = false;                    // answers the ID number reads
    std::array<uint8_t, 8> idNumber{};
    std::array<uint8_t, 8> fileIdNumber{};

    TypeBState state = TypeBState::Idle;
    uint8_t cid = 0;                  // given by the ATTRIB
    uint8_t blockNumber = 1;          // ISO/IEC 14443-4: 1 at activation
    std::vector<uint8_t> lastBlock;   // its last answer, sent again on request
    std::vector<uint8_t> chained;     // command bytes of a chain not ended yet
};

// The ATQB: 0x50, PUPI, application data, protocol information.
inline std::vector<uint8_t> atqb(const TypeBCard &card)
{
    std::vector<uint8_t> a{0x50};
    a.insert(a.end(), card.pupi.begin(), card.pupi.end());
    a.insert(a.end(), card.applicationData.begin(), card.applicationData.end());
    a.insert(a.end(), card.protocolInfo.begin(), card.protocolInfo.end());
    return a;
}

// What lies on the reader at start: a plain Type B card, then an ID card.
// Protocol information 00 81 71: 106 kbit/s only, frames up to 256 bytes,
// ISO 14443-4, FWI 7, CID supported. A resident ID card's PUPI is all zero.
inline std::vector<TypeBCard> defaultTypeBCards()
{
    TypeBCard plain;
    plain.pupi = {0x5A, 0x3C, 0x19, 0xE2};
    plain.applicationData = {0x00, 0x00, 0x00, 0x01};
    plain.protocolInfo = {0x00, 0x81, 0x71};

    TypeBCard id;
    id.pupi = {0x00, 0x00, 0x00, 0x00};
    id.applicationData = {0x00, 0x00, 0x00, 0x00};
    id.protocolInfo = {0x00, 0x81, 0x71};
    id.residentId = true;
    id.idNumber = {0x3F, 0x7A, 0x12, 0xC4, 0x08, 0x5B, 0xE1, 0x96};
    id.fileIdNumber = {0x20, 0x19, 0x05, 0x21, 0x00, 0x00, 0x37, 0x42};
    return {plain, id};
}

// The Type B part of the reader's state.
struct TypeBField {
    std::vector<TypeBCard> cards = defaultTypeBCards();
};

} // namespace vreader
