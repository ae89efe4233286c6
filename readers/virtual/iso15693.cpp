// ISO/IEC 15693 commands of the reader. Each command's parameters start with
// the request flags byte the reader passes to the tags; with the address flag
// the 8 UID bytes follow the command's own fixed parameters, least significant
// byte first, as the tags send their UIDs.
#include <algorithm>
#include <functional>

#include "iso15693_tags.h"
#include "vreader.h"

namespace vreader {

namespace {
constexpr uint8_t kInventoryFlag = 0x04;
constexpr uint8_t kSelectFlag = 0x10;
constexpr uint8_t kAddressFlag = 0x20;
constexpr uint8_t kOptionFlag = 0x40;
constexpr uint8_t kInventoryAfiFlag = 0x10;   // in an inventory's flags
constexpr uint8_t kAnswerFlags = 0x00;         // a tag's answer without error

// A response carries at most 240 bytes after the length byte: status and data.
constexpr size_t kMaxData = 239;

using Uid = std::array<uint8_t, 8>;

struct TagRequest {
    uint8_t flags = 0;
    Bytes fixed;   // the command's own parameters before the UID
    Bytes rest;    // what follows the UID (the data of a write)
};
using TagOperation = std::function<Reply(Iso15693Tag &, const TagRequest &)>;

// The request goes over the air to the tags it addresses: the one with its UID
// (address flag), the selected one (select flag), or every tag. Several tags
// answering at once collide, and the reader cannot decode the answer.
std::optional<Reply> overTheAir(VirtualReader &reader, const Bytes &p, size_t fixedCount, bool hasRest,
                                const TagOperation &operation)
{
    if (p.empty())
        return fail(kBadParameter);
    TagRequest request;
    request.flags = p[0];
    const bool addressed = request.flags & kAddressFlag;
    const bool selected = request.flags & kSelectFlag;
    if ((request.flags & kInventoryFlag) || (addressed && selected))
        return fail(kBadFormat);
    const size_t uidEnd = 1 + fixedCount + (addressed ? 8 : 0);
    if (p.size() < uidEnd || (!hasRest && p.size() != uidEnd))
        return fail(kBadParameter);
    request.fixed.assign(p.begin() + 1, p.begin() + 1 + long(fixedCount));
    request.rest.assign(p.begin() + long(uidEnd), p.end());

    Iso15693Field &field = reader.state<Iso15693Field>();
    std::vector<Iso15693Tag *> reached;
    if (addressed) {
        Uid uid;
        std::copy(p.begin() + 1 + long(fixedCount), p.begin() + long(uidEnd), uid.begin());
        for (Iso15693Tag &t : field.tags())
            if (t.uid == uid)
                reached.push_back(&t);
    } else if (selected) {
        if (Iso15693Tag *t = field.selected())
            reached.push_back(t);
    } else {
        for (Iso15693Tag &t : field.tags())
            reached.push_back(&t);
    }
    if (reached.empty())
        return fail(kNoCard);
    Reply answer;
    for (Iso15693Tag *t : reached)   // every tag reached acts, as in a real field
        answer = operation(*t, request);
    if (reached.size() > 1)
        return fail(kCardDataError);
    return answer;
}

// First block and number of blocks, both within the tag.
std::optional<Reply> checkRange(const Iso15693Tag &t, size_t first, size_t count)
{
    if (count == 0)
        return fail(kBadParameter);
    if (first + count > t.blockCount())
        return fail(kNoSuchBlock);
    return std::nullopt;
}

Reply readBlocks(Iso15693Tag &t, const TagRequest &q)
{
    const size_t first = q.fixed[0], count = q.fixed[1];
    if (auto refused = checkRange(t, first, count))
        return *refused;
    // With the option flag each block comes with its security status byte.
    const bool withStatus = q.flags & kOptionFlag;
    if (1 + count * (t.blockSize + (withStatus ? 1 : 0)) > kMaxData)
        return fail(kOverflow);
    Bytes out{kAnswerFlags};
    for (size_t b = first; b < first + count; ++b) {
        if (withStatus)
            out.push_back(t.security[b]);
        const auto start = t.data.begin() + long(b * t.blockSize);
        out.insert(out.end(), start, start + t.blockSize);
    }
    return ok(out);
}

Reply writeBlocks(Iso15693Tag &t, const TagRequest &q)
{
    const size_t first = q.fixed[0], count = q.fixed[1];
    if (auto refused = checkRange(t, first, count))
        return *refused;
    if (q.rest.size() != count * t.blockSize)
        return fail(kBadParameter);
    for (size_t b = first; b < first + count; ++b)
        if (t.blockLocked(b))
            return fail(kLocked);   // nothing written
    if (t.atFieldEdge)
        return fail(kWriteFailed);
    std::copy(q.rest.begin(), q.rest.end(), t.data.begin() + long(first * t.blockSize));
    return ok({kAnswerFlags});
}

Reply lockBlock(Iso15693Tag &t, const TagRequest &q)
{
    const size_t block = q.fixed[0];
    if (block >= t.blockCount())
        return fail(kNoSuchBlock);
    if (t.blockLocked(block))
        return fail(kLocked);
    if (t.atFieldEdge)
        return fail(kLockFailed);
    t.security[block] = 0x01;
    return ok({kAnswerFlags});
}

// Writing or locking the AFI or the DSFID: one byte and its lock.
TagOperation writeByte(uint8_t Iso15693Tag::*value, bool Iso15693Tag::*locked)
{
    return [value, locked](Iso15693Tag &t, const TagRequest &q) {
        if (t.*locked)
            return fail(kLocked);
        if (t.atFieldEdge)
            return fail(kWriteFailed);
        t.*value = q.fixed[0];
        return ok({kAnswerFlags});
    };
}

TagOperation lockByte(bool Iso15693Tag::*locked)
{
    return [locked](Iso15693Tag &t, const TagRequest &) {
        if (t.*locked)
            return fail(kLocked);
        if (t.atFieldEdge)
            return fail(kLockFailed);
        t.*locked = true;
        return ok({kAnswerFlags});
    };
}

Reply systemInformation(Iso15693Tag &t, const TagRequest &)
{
    // Information flags: DSFID, AFI, memory size and IC reference present.
    const bool memory = t.blockCount() > 0 && t.blockCount() <= 256 && t.blockSize > 0 && t.blockSize <= 32;
    Bytes out{kAnswerFlags, uint8_t(memory ? 0x0F : 0x0B)};
    out.insert(out.end(), t.uid.begin(), t.uid.end());
    out.push_back(t.dsfid);
    out.push_back(t.afi);
    if (memory) {
        out.push_back(uint8_t(t.blockCount() - 1));
        out.push_back(uint8_t((t.blockSize - 1) & 0x1F));
    }
    out.push_back(t.icReference);
    return ok(out);
}

Reply securityStatus(Iso15693Tag &t, const TagRequest &q)
{
    const size_t first = q.fixed[0], count = q.fixed[1];
    if (auto refused = checkRange(t, first, count))
        return *refused;
    if (1 + count > kMaxData)
        return fail(kOverflow);
    Bytes out{kAnswerFlags};
    for (size_t b = first; b < first + count; ++b)
        out.push_back(t.blockLocked(b) ? 0x01 : 0x00);
    return ok(out);
}

// Inventory parameters: flags, AFI (used with the AFI flag), mask length in
// bits, mask bytes. The reader resolves the collisions itself and lists every
// tag that answers: count, then flags, DSFID and UID of each.
std::optional<Reply> inventory(VirtualReader &reader, const Bytes &p)
{
    if (p.size() < 3)
        return fail(kBadParameter);
    const uint8_t flags = p[0], afi = p[1], maskBits = p[2];
    if (!(flags & kInventoryFlag))
        return fail(kBadFormat);
    if (maskBits > 64 || p.size() != 3 + size_t(maskBits + 7) / 8)
        return fail(kBadParameter);
    const auto matches = [&](const Iso15693Tag &t) {
        if ((flags & kInventoryAfiFlag) && afi != 0x00 && t.afi != afi)
            return false;
        for (unsigned bit = 0; bit < maskBits; ++bit) {
            const unsigned i = bit / 8, shift = bit % 8;
            if (((t.uid[i] ^ p[3 + i]) >> shift) & 1)
                return false;
        }
        return true;
    };
    Bytes out{0x00};
    for (const Iso15693Tag &t : reader.state<Iso15693Field>().tags()) {
        if (!matches(t) || out.size() + 10 > kMaxData)
            continue;
        out.push_back(kAnswerFlags);
        out.push_back(t.dsfid);
        out.insert(out.end(), t.uid.begin(), t.uid.end());
        ++out[0];
    }
    return ok(out);
}

// Select: flags and the UID of the tag to select. Tags carry it out only in
// addressed mode: the tag with that UID enters the selected state and answers,
// a selected tag with another UID returns to ready without answering. Sent in
// any other mode it reaches the tags its flags name (the selected one, or
// every tag), which refuse it as a format error; with none reached nothing
// answers.
std::optional<Reply> select(VirtualReader &reader, const Bytes &p)
{
    const bool addressed = !p.empty() && (p[0] & kAddressFlag) && !(p[0] & kSelectFlag);
    if (addressed && p.size() == 9) {
        Uid uid;
        std::copy(p.begin() + 1, p.end(), uid.begin());
        if (!reader.state<Iso15693Field>().select(uid))
            return fail(kNoCard);
        return ok({kAnswerFlags});
    }
    return overTheAir(reader, p, 0, !addressed,
                      [](Iso15693Tag &, const TagRequest &) { return fail(kBadFormat); });
}

void onTags(VirtualReader &reader, uint8_t command, size_t fixedCount, bool hasRest, TagOperation operation)
{
    reader.on(command, [fixedCount, hasRest, operation](VirtualReader &r, const Bytes &p) {
        return overTheAir(r, p, fixedCount, hasRest, operation);
    });
}
} // namespace

void registerIso15693(VirtualReader &reader)
{
    reader.on(0x10, inventory);
    onTags(reader, 0x11, 2, false, readBlocks);
    onTags(reader, 0x12, 2, true, writeBlocks);
    onTags(reader, 0x13, 1, false, lockBlock);
    reader.on(0x15, select);
    onTags(reader, 0x17, 1, false, writeByte(&Iso15693Tag::afi, &Iso15693Tag::afiLocked));
    onTags(reader, 0x18, 0, false, lockByte(&Iso15693Tag::afiLocked));
    onTags(reader, 0x19, 1, false, writeByte(&Iso15693Tag::dsfid, &Iso15693Tag::dsfidLocked));
    onTags(reader, 0x1A, 0, false, lockByte(&Iso15693Tag::dsfidLocked));
    onTags(reader, 0x1B, 0, false, systemInformation);
    onTags(reader, 0x1C, 2, false, securityStatus);
}

} // namespace vreader
