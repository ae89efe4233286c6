// ISO 14443 Type A: the field of cards, which card a command reaches, the card
// number and halt commands, and the registration of every Type A command.
#include <algorithm>
#include <cstddef>
#include <cstring>

#include "typea_cards.h"

namespace vreader {

namespace {
bool isKind(const TypeACard &card, CardKind kind)
{
    switch (kind) {
    case CardKind::Classic:
        return std::holds_alternative<ClassicCard>(card);
    case CardKind::Ultralight:
        return std::holds_alternative<UltralightCard>(card);
    case CardKind::Any:
        break;
    }
    return true;
}

bool &halted(TypeACard &card)
{
    return std::visit([](auto &c) -> bool & { return c.halted; }, card);
}

// HLTA to the card the last command selected.
void haltReached(TypeAField &field)
{
    halted(field.cards[size_t(field.lastReached)]) = true;
    field.lastActive = false;
}

const Bytes &uidOf(const TypeACard &card)
{
    return std::visit([](const auto &c) -> const Bytes & { return c.uid; }, card);
}

Key key(std::initializer_list<uint8_t> bytes)
{
    Key k{};
    std::copy(bytes.begin(), bytes.end(), k.begin());
    return k;
}

Block text(const char *s)
{
    Block b{};
    std::memcpy(b.data(), s, std::min(std::strlen(s), b.size()));
    return b;
}
} // namespace

int reachCard(TypeAField &field, bool all, CardKind kind)
{
    for (size_t i = 0; i < field.cards.size(); ++i) {
        if (isKind(field.cards[i], kind) && (all || !halted(field.cards[i]))) {
            field.lastReached = int(i);
            field.lastActive = true;
            return int(i);
        }
    }
    return -1;
}

std::vector<TypeACard> defaultTypeACards()
{
    const Key pageKey = key({0x3C, 0x5E, 0x71, 0x9D, 0x2B, 0x64});
    const Key otherKey = key({0x6B, 0x27, 0xE9, 0x40, 0xD3, 0x18});
    const Key keyB = key({0x8E, 0x52, 0xC6, 0x0F, 0x97, 0x3A});

    ClassicCard classic = blankClassic({0x3A, 0x7C, 0x91, 0xE5});
    // Key B administers every sector: it alone changes keys and access bits,
    // and it cannot be read back.
    for (int s = 0; s < sectorCount(classic); ++s)
        classic.blocks[size_t(trailerOfSector(s))] = trailer(s == 15 ? otherKey : pageKey, {0, 0, 0, 3}, 0x69, keyB);
    // Sector 2: a purse (key B loads it, either key spends it), a block that
    // only key B writes and a read-only block.
    classic.blocks[size_t(trailerOfSector(2))] = trailer(pageKey, {6, 4, 2, 3}, 0x69, keyB);
    classic.blocks[1] = text("VIRTUAL S50 CARD");
    classic.blocks[2] = text("RFID DEMO DATA  ");
    classic.blocks[4] = valueBlock(0x8800, 4);
    classic.blocks[8] = valueBlock(100, 8);
    classic.blocks[9] = text("KEY B WRITES ME ");
    classic.blocks[10] = text("READ ONLY BLOCK ");
    for (int b = 16; b < 19; ++b)
        for (int i = 0; i < 16; ++i)
            classic.blocks[size_t(b)][size_t(i)] = uint8_t((b - 16) * 16 + i);

    UltralightCard ultralight = blankUltralight({0x04, 0x5A, 0x3B, 0x12, 0x9C, 0x6E, 0x80});
    ultralight.pages[2][3] = 0x80;   // page 15 locked
    const char *data = "ULTRALIGHT DEMO ";
    for (int p = 4; p < 8; ++p)
        std::memcpy(ultralight.pages[size_t(p)].data(), data + (p - 4) * 4, 4);
    ultralight.pages[15] = {'L', 'O', 'C', 'K'};
    return {classic, ultralight};
}

TypeAField::TypeAField()
    : cards(defaultTypeACards())
{
}

void TypeAField::replaceCards(std::vector<TypeACard> newCards)
{
    cards = std::move(newCards);
    lastReached = -1;
    lastActive = false;
}

Reply cardNumber(TypeAField &field, const Bytes &p)
{
    if (p.size() != 2 || (p[0] != 0x26 && p[0] != 0x52) || p[1] > 0x01)
        return fail(kBadParameter);
    const bool all = p[0] == 0x52;
    int answering = 0;
    for (TypeACard &card : field.cards)
        if (all || !halted(card))
            ++answering;
    const int index = reachCard(field, all, CardKind::Any);
    if (index < 0)
        return fail(kNoCard);
    const Bytes &uid = uidOf(field.cards[size_t(index)]);
    Bytes data{uint8_t(answering > 1 ? 0x01 : 0x00)};
    data.insert(data.end(), uid.begin(), uid.begin() + std::min<ptrdiff_t>(4, ptrdiff_t(uid.size())));
    if (p[1] == 0x01)
        haltReached(field);
    return ok(data);
}

Reply haltCard(TypeAField &field, const Bytes &p)
{
    if (!p.empty())
        return fail(kBadParameter);
    // Before any Type A command the reader halts whichever card answers first.
    // A card halted since it was reached is no longer selected: nothing hears
    // the HLTA. A card that a WUPA woke is selected (ACTIVE*) and halts.
    if (field.lastReached < 0)
        reachCard(field, false, CardKind::Any);
    if (field.lastReached < 0 || size_t(field.lastReached) >= field.cards.size() || !field.lastActive)
        return fail(kNoCard);
    haltReached(field);
    return ok();
}

void registerTypeA(VirtualReader &reader)
{
    const auto command = [&reader](uint8_t code, Reply (*run)(TypeAField &, const Bytes &)) {
        reader.on(code, [run](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
            return run(r.state<TypeAField>(), p);
        });
    };
    command(0x20, classicRead);
    command(0x21, classicWrite);
    command(0x25, cardNumber);
    command(0x06, haltCard);
    command(0xE3, ultralightSerial);
    command(0xE0, ultralightRead);
    command(0xE1, ultralightWrite);
    for (uint8_t code : {uint8_t(0x22), uint8_t(0x23), uint8_t(0x24)})
        reader.on(code, [code](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
            return classicValue(r.state<TypeAField>(), code, p);
        });
}

} // namespace vreader
