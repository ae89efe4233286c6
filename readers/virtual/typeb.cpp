// Type B commands: request, Attrib, data exchange with the card, and the two
// reads of the resident ID card.
#include <algorithm>

#include "typebcards.h"
#include "vreader.h"

namespace vreader {

namespace {
constexpr uint8_t kAtqbLength = 12;

// The card's own answer to a frame passed through to it; none when it stays
// silent. REQB/WUPB (APf 0x05, AFI, PARAM) is heard by every card whose AFI
// matches (AFI 00 calls all); the first one answers.
std::optional<Bytes> cardReply(TypeBField &field, const Bytes &data)
{
    if (data.size() == 3 && data[0] == 0x05) {
        for (const TypeBCard &c : field.cards)
            if (data[1] == 0x00 || data[1] == c.applicationData[0])
                return atqb(c);
    }
    return std::nullopt;
}

std::optional<Reply> idRead(VirtualReader &r, const Bytes &p, bool fileNumber)
{
    if (!p.empty())
        return fail(kBadParameter);
    const auto &cards = r.state<TypeBField>().cards;
    const auto id = std::find_if(cards.begin(), cards.end(), [](const TypeBCard &c) { return c.residentId; });
    if (id == cards.end())
        return fail(kNoCard);
    const auto &number = fileNumber ? id->fileIdNumber : id->idNumber;
    Bytes data{uint8_t(number.size())};
    data.insert(data.end(), number.begin(), number.end());
    return ok(data);
}
} // namespace

void registerTypeB(VirtualReader &reader)
{
    // Request: the first card's ATQB, its length first.
    reader.on(0x09, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (!p.empty())
            return fail(kBadParameter);
        TypeBField &field = r.state<TypeBField>();
        if (field.cards.empty())
            return fail(kNoCard);
        Bytes data{kAtqbLength};
        const Bytes a = atqb(field.cards.front());
        data.insert(data.end(), a.begin(), a.end());
        return ok(data);
    });
    // Attrib: selects the card with this PUPI.
    reader.on(0x0B, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (p.size() != 4)
            return fail(kBadParameter);
        TypeBField &field = r.state<TypeBField>();
        for (size_t i = 0; i < field.cards.size(); ++i) {
            if (std::equal(p.begin(), p.end(), field.cards[i].pupi.begin())) {
                field.selected = int(i);
                return ok();
            }
        }
        return fail(kNoCard);
    });
    // Data exchange: N, then N bytes for the card; its reply comes back.
    reader.on(0x0D, [](VirtualReader &r, const Bytes &p) -> std::optional<Reply> {
        if (p.empty() || size_t(p[0]) + 1 != p.size())
            return fail(kBadParameter);
        TypeBField &field = r.state<TypeBField>();
        if (field.cards.empty())
            return fail(kNoCard);
        const std::optional<Bytes> reply = cardReply(field, Bytes(p.begin() + 1, p.end()));
        if (!reply)
            return fail(kTimeout);
        return ok(*reply);
    });
    reader.on(0x26, [](VirtualReader &r, const Bytes &p) { return idRead(r, p, false); });
    reader.on(0x27, [](VirtualReader &r, const Bytes &p) { return idRead(r, p, true); });
}

} // namespace vreader
