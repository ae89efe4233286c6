// MIFARE Ultralight: UID pages, lock bytes and the OTP page, and the serial
// number, page read and page write commands.
#include <algorithm>

#include "typea_cards.h"

namespace vreader {

UltralightCard blankUltralight(const Bytes &uid)
{
    UltralightCard card;
    card.uid = uid;
    card.pages.assign(16, Page{});
    card.pages[0] = {uid[0], uid[1], uid[2], uint8_t(0x88 ^ uid[0] ^ uid[1] ^ uid[2])};
    card.pages[1] = {uid[3], uid[4], uid[5], uid[6]};
    card.pages[2] = {uint8_t(uid[3] ^ uid[4] ^ uid[5] ^ uid[6]), 0x48, 0x00, 0x00};
    return card;
}

namespace {
// Lock bit of a page: page 3 (OTP) is lock byte 0 bit 3, pages 4-7 its bits
// 4-7, pages 8-15 lock byte 1. {byte, mask}; mask 0 for pages without one.
std::pair<int, uint8_t> lockBit(int page)
{
    if (page == 3)
        return {2, 0x08};
    if (page >= 4 && page <= 7)
        return {2, uint8_t(1 << page)};
    if (page >= 8 && page <= 15)
        return {3, uint8_t(1 << (page - 8))};
    return {2, 0};
}

// The lock bits that the block-locking bits (lock byte 0, bits 0-2) freeze.
uint16_t frozenLockBits(const Page &p)
{
    uint16_t frozen = 0;   // lock byte 0 in the low byte, lock byte 1 in the high byte
    if (p[2] & 0x01)
        frozen |= 0x0008;   // L-OTP
    if (p[2] & 0x02)
        frozen |= 0x00F0 | 0x0300;   // L4-L9
    if (p[2] & 0x04)
        frozen |= 0xFC00;   // L10-L15
    return frozen;
}

UltralightCard *reach(TypeAField &field, uint8_t mode)
{
    const int index = reachCard(field, mode == 0x01, CardKind::Ultralight);
    return index < 0 ? nullptr : &std::get<UltralightCard>(field.cards[size_t(index)]);
}
} // namespace

Reply ultralightSerial(TypeAField &field, const Bytes &p)
{
    if (p.size() != 1 || p[0] > 0x01)
        return fail(kBadParameter);
    UltralightCard *card = reach(field, p[0]);
    if (!card)
        return fail(kNoCard);
    return ok(card->uid);
}

Reply ultralightRead(TypeAField &field, const Bytes &p)
{
    if (p.size() != 2 || p[0] > 0x01)
        return fail(kBadParameter);
    UltralightCard *card = reach(field, p[0]);
    if (!card)
        return fail(kNoCard);
    const size_t pages = card->pages.size();
    if (p[1] >= pages)
        return fail(kNoSuchBlock);
    Bytes data;
    // Four pages; past the last page the read rolls over to page 0.
    for (size_t i = 0; i < 4; ++i) {
        const Page &page = card->pages[(p[1] + i) % pages];
        data.insert(data.end(), page.begin(), page.end());
    }
    data.insert(data.end(), card->uid.begin(), card->uid.end());
    return ok(data);
}

Reply ultralightWrite(TypeAField &field, const Bytes &p)
{
    if (p.size() != 7 || p[0] > 0x01 || p[1] != 0x01)
        return fail(kBadParameter);
    UltralightCard *card = reach(field, p[0]);
    if (!card)
        return fail(kNoCard);
    const int page = p[2];
    if (size_t(page) >= card->pages.size())
        return fail(kNoSuchBlock);
    const Page data{p[3], p[4], p[5], p[6]};
    Page &lockPage = card->pages[2];
    if (page < 2)
        return fail(kLocked);   // UID
    if (page == 2) {
        // Only the lock bytes are written, OR-ed in: lock bits can only be set,
        // and those the block-locking bits froze keep their value. The write
        // itself succeeds, as on the chip.
        const uint16_t now = uint16_t(lockPage[2] | lockPage[3] << 8);
        const uint16_t next = uint16_t(now | ((data[2] | data[3] << 8) & ~frozenLockBits(lockPage)));
        lockPage[2] = uint8_t(next);
        lockPage[3] = uint8_t(next >> 8);
        return ok(card->uid);
    }
    const auto [byte, mask] = lockBit(page);
    if (lockPage[size_t(byte)] & mask)
        return fail(kLocked);
    Page &target = card->pages[size_t(page)];
    if (page == 3) {
        // OTP: bits once set stay set.
        for (size_t i = 0; i < 4; ++i)
            target[i] |= data[i];
    } else {
        target = data;
    }
    return ok(card->uid);
}

} // namespace vreader
