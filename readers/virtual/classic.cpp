// MIFARE Classic: layout, trailers and access bits, value blocks, and the
// block and value commands with the key and the access conditions enforced.
#include <algorithm>
#include <limits>

#include "typea_cards.h"

namespace vreader {

int sectorCount(const ClassicCard &card)
{
    return card.blocks.size() > 128 ? 32 + int(card.blocks.size() - 128) / 16 : int(card.blocks.size()) / 4;
}

int sectorOfBlock(int block)
{
    return block < 128 ? block / 4 : 32 + (block - 128) / 16;
}

int firstBlockOfSector(int sector)
{
    return sector < 32 ? sector * 4 : 128 + (sector - 32) * 16;
}

int blocksInSector(int sector)
{
    return sector < 32 ? 4 : 16;
}

int accessGroup(int block)
{
    const int sector = sectorOfBlock(block);
    const int offset = block - firstBlockOfSector(sector);
    if (block == trailerOfSector(sector))
        return 3;
    return blocksInSector(sector) == 4 ? offset : offset / 5;
}

std::array<uint8_t, 3> accessBytes(const AccessConditions &c)
{
    uint8_t c1 = 0, c2 = 0, c3 = 0;
    for (int g = 0; g < 4; ++g) {
        c1 |= uint8_t(((c[size_t(g)] >> 2) & 1) << g);
        c2 |= uint8_t(((c[size_t(g)] >> 1) & 1) << g);
        c3 |= uint8_t((c[size_t(g)] & 1) << g);
    }
    return {uint8_t((~c2 & 0x0F) << 4 | (~c1 & 0x0F)), uint8_t(c1 << 4 | (~c3 & 0x0F)), uint8_t(c3 << 4 | c2)};
}

std::optional<AccessConditions> accessConditions(const Block &t)
{
    const uint8_t c1 = t[7] >> 4, c2 = t[8] & 0x0F, c3 = t[8] >> 4;
    if ((t[6] & 0x0F) != (~c1 & 0x0F) || (t[6] >> 4) != (~c2 & 0x0F) || (t[7] & 0x0F) != (~c3 & 0x0F))
        return std::nullopt;
    AccessConditions c{};
    for (int g = 0; g < 4; ++g)
        c[size_t(g)] = uint8_t(((c1 >> g) & 1) << 2 | ((c2 >> g) & 1) << 1 | ((c3 >> g) & 1));
    return c;
}

Block trailer(const Key &keyA, const AccessConditions &conditions, uint8_t userByte, const Key &keyB)
{
    Block t{};
    std::copy(keyA.begin(), keyA.end(), t.begin());
    const auto bits = accessBytes(conditions);
    std::copy(bits.begin(), bits.end(), t.begin() + 6);
    t[9] = userByte;
    std::copy(keyB.begin(), keyB.end(), t.begin() + 10);
    return t;
}

Block valueBlock(int32_t value, uint8_t address)
{
    Block b{};
    const auto v = uint32_t(value);
    for (int i = 0; i < 4; ++i) {
        b[size_t(i)] = uint8_t(v >> (8 * i));
        b[size_t(i + 4)] = uint8_t(~b[size_t(i)]);
        b[size_t(i + 8)] = b[size_t(i)];
    }
    b[12] = address;
    b[13] = uint8_t(~address);
    b[14] = address;
    b[15] = uint8_t(~address);
    return b;
}

std::optional<int32_t> valueOf(const Block &b)
{
    for (int i = 0; i < 4; ++i)
        if (b[size_t(i + 4)] != uint8_t(~b[size_t(i)]) || b[size_t(i + 8)] != b[size_t(i)])
            return std::nullopt;
    if (b[13] != uint8_t(~b[12]) || b[14] != b[12] || b[15] != b[13])
        return std::nullopt;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= uint32_t(b[size_t(i)]) << (8 * i);
    return int32_t(v);
}

ClassicCard blankClassic(const Bytes &uid, bool fourK)
{
    ClassicCard card;
    card.uid = uid;
    card.blocks.assign(fourK ? 256 : 64, Block{});
    Block &b0 = card.blocks[0];
    std::copy(uid.begin(), uid.begin() + std::min<ptrdiff_t>(7, ptrdiff_t(uid.size())), b0.begin());
    size_t next = uid.size();
    if (uid.size() == 4) {
        b0[4] = uint8_t(uid[0] ^ uid[1] ^ uid[2] ^ uid[3]);
        next = 5;
    }
    // SAK and ATQA of the card type, then manufacturer data.
    b0[next] = fourK ? 0x18 : 0x08;
    b0[next + 1] = fourK ? 0x02 : 0x04;
    b0[next + 2] = 0x00;
    const Key transport{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int s = 0; s < sectorCount(card); ++s)
        card.blocks[size_t(trailerOfSector(s))] = trailer(transport, {0, 0, 0, 1}, 0x69, transport);
    return card;
}

namespace {
enum KeyMask : uint8_t { kNone = 0, kA = 1, kB = 2, kAB = 3 };

struct DataRights {
    uint8_t read, write, increment, decrement;
};
// By C1C2C3 (C1 the high bit).
constexpr DataRights kDataRights[8] = {
    {kAB, kAB, kAB, kAB},      // 000 transport
    {kAB, kNone, kNone, kAB},  // 001 value, spend only
    {kAB, kNone, kNone, kNone},// 010 read only
    {kB, kB, kNone, kNone},    // 011
    {kAB, kB, kNone, kNone},   // 100
    {kB, kNone, kNone, kNone}, // 101
    {kAB, kB, kB, kAB},        // 110 value, key B loads
    {kNone, kNone, kNone, kNone},
};

struct TrailerRights {
    uint8_t writeKeyA, readBits, writeBits, readKeyB, writeKeyB;
};
constexpr TrailerRights kTrailerRights[8] = {
    {kA, kA, kNone, kA, kA},            // 000
    {kA, kA, kA, kA, kA},               // 001 transport
    {kNone, kA, kNone, kA, kNone},      // 010
    {kB, kAB, kB, kNone, kB},           // 011
    {kB, kAB, kNone, kNone, kB},        // 100
    {kNone, kAB, kB, kNone, kNone},     // 101
    {kNone, kAB, kNone, kNone, kNone},  // 110
    {kNone, kAB, kNone, kNone, kNone},  // 111
};

// One command's view of the Classic card it reached: the key it authenticated
// with, sector by sector.
struct Session {
    ClassicCard &card;
    uint8_t key;   // kA or kB

    std::optional<AccessConditions> conditions(int block) const
    {
        return accessConditions(card.blocks[size_t(trailerOfSector(sectorOfBlock(block)))]);
    }
    bool authenticates(int sector, const Key &k) const
    {
        const int trailer = trailerOfSector(sector);
        const Block &t = card.blocks[size_t(trailer)];
        const uint16_t keyBytes = key == kA ? 0x003F : 0xFC00;
        if (card.unknownBytes(trailer) & keyBytes)
            return false;
        return std::equal(k.begin(), k.end(), t.begin() + (key == kA ? 0 : 10));
    }
    // Where key B can be read it is data, not a key: it grants nothing.
    uint8_t effective(uint8_t mask, const AccessConditions &c) const
    {
        if (key == kB && (kTrailerRights[c[3]].readKeyB & kA))
            return 0;
        return mask & key;
    }
    uint8_t dataRight(int block, uint8_t DataRights::*right) const
    {
        const auto c = conditions(block);
        return c ? effective(kDataRights[(*c)[size_t(accessGroup(block))]].*right, *c) : 0;
    }
    uint8_t trailerRight(int block, uint8_t TrailerRights::*right) const
    {
        const auto c = conditions(block);
        return c ? effective(kTrailerRights[(*c)[3]].*right, *c) : 0;
    }
};

// What a read of a trailer shows: key A never, key B only where it is data.
Block trailerAsRead(const Session &s, int block)
{
    Block t = s.card.blocks[size_t(block)];
    std::fill(t.begin(), t.begin() + 6, 0);
    if (!s.trailerRight(block, &TrailerRights::readBits))
        std::fill(t.begin() + 6, t.begin() + 10, 0);
    if (!s.trailerRight(block, &TrailerRights::readKeyB))
        std::fill(t.begin() + 10, t.end(), 0);
    return t;
}

// A trailer write may change only what the key may write; access bits that do
// not match their inverted copies would lock the sector for good and are refused.
std::optional<uint8_t> trailerWriteRefusal(const Session &s, int block, const Block &next)
{
    const Block &now = s.card.blocks[size_t(block)];
    const auto changes = [&](int from, int to) { return !std::equal(now.begin() + from, now.begin() + to, next.begin() + from); };
    if (!accessConditions(next))
        return kWriteFailed;
    if (changes(0, 6) && !s.trailerRight(block, &TrailerRights::writeKeyA))
        return kLocked;
    if (changes(6, 10) && !s.trailerRight(block, &TrailerRights::writeBits))
        return kLocked;
    if (changes(10, 16) && !s.trailerRight(block, &TrailerRights::writeKeyB))
        return kLocked;
    return std::nullopt;
}

Key keyAt(const Bytes &p, size_t at)
{
    Key k{};
    std::copy(p.begin() + ptrdiff_t(at), p.begin() + ptrdiff_t(at + 6), k.begin());
    return k;
}

Bytes cardNumberOf(const ClassicCard &card)
{
    return Bytes(card.uid.begin(), card.uid.begin() + std::min<ptrdiff_t>(4, ptrdiff_t(card.uid.size())));
}

// Reaches the Classic card, checks the blocks exist and authenticates every
// sector they touch. On success the session; otherwise the failure.
std::variant<Session, Reply> open(TypeAField &field, uint8_t mode, int first, int count, const Key &k)
{
    if (mode > 0x03)
        return fail(kBadParameter);
    const int index = reachCard(field, mode & 0x01, CardKind::Classic);
    if (index < 0)
        return fail(kNoCard);
    Session s{std::get<ClassicCard>(field.cards[size_t(index)]), (mode & 0x02) ? uint8_t(kB) : uint8_t(kA)};
    if (first + count > int(s.card.blocks.size()))
        return fail(kNoSuchBlock);
    for (int sector = sectorOfBlock(first); sector <= sectorOfBlock(first + count - 1); ++sector)
        if (!s.authenticates(sector, k))
            return fail(kAuthFailed);
    return s;
}

bool countInRange(uint8_t count)
{
    return count >= 1 && count <= 4;
}

// The block a value command works on: the sector's first data block (block 1
// in sector 0, whose block 0 holds the UID).
int valueBlockOfSector(int sector)
{
    return sector == 0 ? 1 : firstBlockOfSector(sector);
}
} // namespace

Reply classicRead(TypeAField &field, const Bytes &p)
{
    if (p.size() != 9)
        return fail(kBadParameter);
    if (!countInRange(p[1]))
        return fail(kOverflow);
    auto opened = open(field, p[0], p[2], p[1], keyAt(p, 3));
    if (auto *refusal = std::get_if<Reply>(&opened))
        return *refusal;
    const Session &s = std::get<Session>(opened);
    Bytes data = cardNumberOf(s.card);
    for (int b = p[2]; b < p[2] + p[1]; ++b) {
        const bool isTrailer = accessGroup(b) == 3;
        if (!isTrailer && !s.dataRight(b, &DataRights::read))
            return fail(kNotSupported);
        if (!isTrailer && s.card.unknownBytes(b))
            return fail(kCardDataError);   // what the card holds there is not known
        const Block block = isTrailer ? trailerAsRead(s, b) : s.card.blocks[size_t(b)];
        data.insert(data.end(), block.begin(), block.end());
    }
    return ok(data);
}

Reply classicWrite(TypeAField &field, const Bytes &p)
{
    if (p.size() < 9)
        return fail(kBadParameter);
    if (!countInRange(p[1]))
        return fail(kOverflow);
    if (p.size() != 9 + size_t(p[1]) * 16)
        return fail(kBadParameter);
    auto opened = open(field, p[0], p[2], p[1], keyAt(p, 3));
    if (auto *refusal = std::get_if<Reply>(&opened))
        return *refusal;
    Session &s = std::get<Session>(opened);
    std::vector<Block> next(p[1]);
    for (int i = 0; i < p[1]; ++i)
        std::copy(p.begin() + 9 + i * 16, p.begin() + 9 + (i + 1) * 16, next[size_t(i)].begin());
    // Every block is checked before any is written: a refused write changes nothing.
    for (int i = 0; i < p[1]; ++i) {
        const int b = p[2] + i;
        if (b == 0)
            return fail(kLocked);   // the manufacturer block
        if (accessGroup(b) == 3) {
            if (const auto refusal = trailerWriteRefusal(s, b, next[size_t(i)]))
                return fail(*refusal);
        } else if (!s.dataRight(b, &DataRights::write)) {
            return fail(kLocked);
        }
    }
    for (int i = 0; i < p[1]; ++i) {
        s.card.blocks[size_t(p[2] + i)] = next[size_t(i)];
        s.card.learn(p[2] + i);
    }
    return ok(cardNumberOf(s.card));
}

Reply classicValue(TypeAField &field, uint8_t command, const Bytes &p)
{
    if (p.size() != 12)
        return fail(kBadParameter);
    int32_t amount = 0;
    for (int i = 0; i < 4; ++i)
        amount = int32_t(uint32_t(amount) | uint32_t(p[size_t(8 + i)]) << (8 * i));
    // The sector is checked against the card once it is reached.
    const int sector = p[1];
    const int block = sector < 40 ? valueBlockOfSector(sector) : 0x7FFF;
    auto opened = open(field, p[0], block, 1, keyAt(p, 2));
    if (auto *refusal = std::get_if<Reply>(&opened))
        return *refusal;
    Session &s = std::get<Session>(opened);
    Block &target = s.card.blocks[size_t(block)];
    Bytes data = cardNumberOf(s.card);
    if (command == 0x22) {
        if (!s.dataRight(block, &DataRights::write))
            return fail(kLocked);
        target = valueBlock(amount, uint8_t(block));
        s.card.learn(block);
        return ok(data);
    }
    const bool increment = command == 0x24;
    if (!s.dataRight(block, increment ? &DataRights::increment : &DataRights::decrement))
        return fail(kLocked);
    const std::optional<int32_t> value = s.card.unknownBytes(block) ? std::nullopt : valueOf(target);
    if (!value)
        return fail(kBlockInitError);
    const int64_t result = int64_t(*value) + (increment ? int64_t(amount) : -int64_t(amount));
    if (result > std::numeric_limits<int32_t>::max() || result < std::numeric_limits<int32_t>::min())
        return fail(kOverflow);
    // The address bytes stay as the block had them.
    const Block updated = valueBlock(int32_t(result), target[12]);
    std::copy(updated.begin(), updated.begin() + 12, target.begin());
    for (int i = 0; i < 4; ++i)
        data.push_back(target[size_t(i)]);
    return ok(data);
}

} // namespace vreader
