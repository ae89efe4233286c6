// Type B commands: request, Attrib, data exchange with the cards, and the two
// reads of the resident ID card. The cards follow ISO/IEC 14443-3 (REQB slots,
// ATTRIB, HLTB) and, once selected, ISO/IEC 14443-4 (I-, R- and S-blocks).
#include <algorithm>

#include "typebcards.h"
#include "vreader.h"

namespace vreader {

namespace {
constexpr uint8_t kAtqbLength = 12;
constexpr uint8_t kApf = 0x05;        // first byte of REQB/WUPB
constexpr uint8_t kAttrib = 0x1D;
constexpr uint8_t kHltb = 0x50;
constexpr uint8_t kWakeUp = 0x08;     // in PARAM: WUPB
constexpr uint8_t kPcbCid = 0x08;     // in a block's PCB: a CID byte follows
constexpr uint8_t kPcbNad = 0x04;
constexpr uint8_t kPcbChain = 0x10;   // in an I-block's PCB: more follows
constexpr uint8_t kPcbNak = 0x10;     // in an R-block's PCB
constexpr size_t kMaxApdu = 261;      // a short APDU: header, Lc, 255 bytes, Le

// 00 calls every card, X0 every card of family X, XY only sub-family Y of X.
bool afiMatches(uint8_t afi, uint8_t cardAfi)
{
    return afi == 0x00 || afi == cardAfi || ((afi & 0x0F) == 0 && (afi & 0xF0) == (cardAfi & 0xF0));
}

// The slot a card answers in, of n: the standard draws it at random; taking it
// from the PUPI makes every run answer alike.
size_t slotOf(const TypeBCard &card, size_t n)
{
    return size_t(card.pupi[0] ^ card.pupi[1] ^ card.pupi[2] ^ card.pupi[3]) % n;
}

// A card put into state with its ISO/IEC 14443-4 protocol afresh: idle at
// power-on, active when an ATTRIB selects it.
void restart(TypeBCard &card, TypeBState state, uint8_t cid = 0)
{
    card.state = state;
    card.cid = cid;
    card.blockNumber = 1;
    card.lastBlock.clear();
    card.chained.clear();
}

struct RequestResult {
    const TypeBCard *card = nullptr;   // the ATQB that came through
    bool collided = false;             // answers came, but only on top of each other
};

// One REQB (or WUPB) with n slots, the reader sending the slot markers: every
// card whose AFI matches answers in its slot and is then ready; selected cards
// keep quiet, halted ones answer a WUPB only. What comes back is the ATQB of
// the first slot that holds a single answer.
RequestResult request(TypeBField &field, uint8_t afi, bool wakeUp, size_t slots)
{
    std::vector<std::vector<const TypeBCard *>> bySlot(slots);
    for (TypeBCard &c : field.cards) {
        const bool hears = c.state == TypeBState::Idle || c.state == TypeBState::Ready
            || (wakeUp && c.state == TypeBState::Halt);
        if (!hears || !afiMatches(afi, c.applicationData[0]))
            continue;
        c.state = TypeBState::Ready;
        bySlot[slotOf(c, slots)].push_back(&c);
    }
    RequestResult r;
    for (const auto &slot : bySlot) {
        if (slot.size() == 1) {
            r.card = slot.front();
            return r;
        }
        r.collided = r.collided || slot.size() > 1;
    }
    return r;
}

// The reader's own request: a REQB to every card, repeated with 2, 4, 8 and 16
// slots while all answers collide.
RequestResult findCard(TypeBField &field)
{
    RequestResult r;
    for (size_t slots = 1; slots <= 16; slots *= 2) {
        r = request(field, 0x00, false, slots);
        if (r.card || !r.collided)
            break;
    }
    return r;
}

// A command APDU to a selected card, and its response APDU.
Bytes apdu(const TypeBCard &card, const Bytes &command)
{
    static const Bytes kReadNumber{0x00, 0x36, 0x00, 0x00, 0x08};
    if (card.residentId && command == kReadNumber) {
        Bytes out(card.idNumber.begin(), card.idNumber.end());
        out.push_back(0x90);
        out.push_back(0x00);
        return out;
    }
    if (command.size() > kMaxApdu)
        return {0x67, 0x00};   // wrong length
    return {0x6D, 0x00};   // instruction not supported
}

// An ISO/IEC 14443-4 block to a selected card; its answer, or none when the
// block is not for it or not one it understands.
std::optional<Bytes> block(TypeBCard &card, const Bytes &f)
{
    const uint8_t pcb = f[0];
    const bool hasCid = pcb & kPcbCid;
    // A card answers blocks with its CID, and blocks without one if its CID is 0.
    if (hasCid ? f.size() < 2 || (f[1] & 0x0F) != card.cid : card.cid != 0)
        return std::nullopt;
    const auto header = [&](uint8_t answerPcb) {
        Bytes out{uint8_t(answerPcb | (hasCid ? kPcbCid : 0))};
        if (hasCid)
            out.push_back(card.cid);
        return out;
    };
    const size_t infStart = hasCid ? 2 : 1;

    if ((pcb & 0xE2) == 0x02 && !(pcb & kPcbNad)) {   // I-block (the cards take no NAD)
        card.blockNumber ^= 1;
        card.chained.insert(card.chained.end(), f.begin() + long(infStart), f.end());
        if (card.chained.size() > kMaxApdu)   // too long already: no need to keep more
            card.chained.resize(kMaxApdu + 1);
        Bytes out;
        if (pcb & kPcbChain) {
            out = header(uint8_t(0xA2 | card.blockNumber));   // R(ACK): send the rest
        } else {
            out = header(uint8_t(0x02 | card.blockNumber));
            const Bytes response = apdu(card, card.chained);
            out.insert(out.end(), response.begin(), response.end());
            card.chained.clear();
        }
        card.lastBlock = out;
        return out;
    }
    if ((pcb & 0xE6) == 0xA2) {   // R-block
        if ((pcb & 0x01) == card.blockNumber && !card.lastBlock.empty())
            return card.lastBlock;   // the reader missed the card's last block
        if (pcb & kPcbNak)
            return header(uint8_t(0xA2 | card.blockNumber));
        return std::nullopt;
    }
    if ((pcb & 0xF7) == 0xC2) {   // S(DESELECT)
        card.state = TypeBState::Halt;
        return header(0xC2);
    }
    return std::nullopt;
}

// A card's own answer to frame f on air; none when it keeps quiet. REQB/WUPB
// is the field's business (slots), not one card's.
std::optional<Bytes> cardAnswer(TypeBCard &card, const Bytes &f)
{
    const bool toMe = f.size() >= 5 && std::equal(card.pupi.begin(), card.pupi.end(), f.begin() + 1);
    if (card.state == TypeBState::Ready && f[0] == kAttrib && f.size() >= 9 && toMe) {
        // PARAM 1-4 follow the PUPI; the CID is PARAM 4's low nibble.
        restart(card, TypeBState::Active, uint8_t(f[8] & 0x0F));
        return Bytes{card.cid};   // MBLI 0, CID
    }
    if (card.state == TypeBState::Ready && f[0] == kHltb && f.size() == 5 && toMe) {
        card.state = TypeBState::Halt;
        return Bytes{0x00};
    }
    if (card.state == TypeBState::Active)
        return block(card, f);
    return std::nullopt;
}

// What comes back from the field for frame f: an answer, a collision of
// several, or nothing (time-out).
Reply onAir(TypeBField &field, const Bytes &f)
{
    if (f.empty())
        return fail(kTimeout);
    if (f.size() == 3 && f[0] == kApf) {
        const uint8_t slotCode = f[2] & 0x07;   // 1, 2, 4, 8 or 16 slots; 5-7 are not defined
        if (slotCode > 4)
            return fail(kTimeout);
        const RequestResult r = request(field, f[1], f[2] & kWakeUp, size_t(1) << slotCode);
        if (r.card)
            return ok(atqb(*r.card));
        return fail(r.collided ? kCardDataError : kTimeout);
    }
    std::vector<Bytes> answers;
    for (TypeBCard &c : field.cards)
        if (std::optional<Bytes> a = cardAnswer(c, f))
            answers.push_back(std::move(*a));
    if (answers.empty())
        return fail(kTimeout);
    if (answers.size() > 1)
        return fail(kCardDataError);
    return ok(answers.front());
}

std::optional<Reply> idRead(VirtualReader &r, const Bytes &p, bool fileNumber)
{
    if (!p.empty())
        return fail(kBadParameter);
    auto &cards = r.state<TypeBField>().cards;
    const auto id = std::find_if(cards.begin(), cards.end(), [](const TypeBCard &c) { return c.residentId; });
    if (id == cards.end())
        return fail(kNoCard);
    // The reader powers the field anew, finds and selects the card, reads the
    // number and switches the field off again: every card is back at power-on.
    for (TypeBCard &c : cards)
        restart(c, TypeBState::Idle);
    const auto &number = fileNumber ? id->fileIdNumber : id->idNumber;
    Bytes data{uint8_t(number.size())};
    data.insert(data.end(), number.begin(), number.end());
    return ok(data);
}
} // namespace

void registerTypeB(VirtualReader &reader)
{
    // Request: the ATQB of the card found, its length first.
    reader.on(0x09, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (!p.empty())
            return fail(kBadParameter);
        const RequestResult found = findCard(r.state<TypeBField>());
        if (!found.card)
            return fail(found.collided ? kCardDataError : kNoCard);
        Bytes data{kAtqbLength};
        const Bytes a = atqb(*found.card);
        data.insert(data.end(), a.begin(), a.end());
        return ok(data);
    });
    // Attrib: selects the ready card with this PUPI (CID 0).
    reader.on(0x0B, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (p.size() != 4)
            return fail(kBadParameter);
        for (TypeBCard &c : r.state<TypeBField>().cards) {
            if (c.state == TypeBState::Ready && std::equal(p.begin(), p.end(), c.pupi.begin())) {
                restart(c, TypeBState::Active);
                return ok();
            }
        }
        return fail(kNoCard);
    });
    // Data exchange: N, then N bytes for the cards; what comes back.
    reader.on(0x0D, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (p.empty() || size_t(p[0]) + 1 != p.size())
            return fail(kBadParameter);
        TypeBField &field = r.state<TypeBField>();
        if (field.cards.empty())
            return fail(kNoCard);
        return onAir(field, Bytes(p.begin() + 1, p.end()));
    });
    reader.on(0x26, [](VirtualReader &r, const Bytes &p) { return idRead(r, p, false); });
    reader.on(0x27, [](VirtualReader &r, const Bytes &p) { return idRead(r, p, true); });
}

} // namespace vreader
