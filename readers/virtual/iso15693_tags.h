// The vicinity tags (ISO/IEC 15693) in the virtual reader's field, as plain
// data: what a tag stores, nothing of how the reader talks to it. A loader can
// build tags from a dump and put them into the field with replaceTags; a saver
// reads them back from tags().
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vreader {

struct Iso15693Tag {
    // Least significant byte first, as the tag sends it (uid[7] is E0): the
    // order in which commands carry it and the inventory lists it.
    std::array<uint8_t, 8> uid{};
    uint8_t dsfid = 0x00;
    uint8_t afi = 0x00;
    bool dsfidLocked = false;
    bool afiLocked = false;
    uint8_t icReference = 0x00;
    uint8_t blockSize = 4;          // bytes a block, 1 to 32
    std::vector<uint8_t> data;      // blockCount() * blockSize bytes, block 0 first
    std::vector<uint8_t> security;  // one byte a block: 01 locked, 00 writable
    // A tag at the edge of the field gets enough power to answer but not to
    // program its memory: reads work, writes and locks fail.
    bool atFieldEdge = false;

    size_t blockCount() const { return blockSize ? data.size() / blockSize : 0; }
    bool blockLocked(size_t block) const { return block < security.size() && (security[block] & 0x01); }
};

// A tag of blockCount blocks of blockSize bytes, all zero and writable.
Iso15693Tag makeIso15693Tag(const std::array<uint8_t, 8> &uidLsbFirst, size_t blockCount, uint8_t blockSize,
                            uint8_t icReference);

// The field the reader starts with: two tags (see the README).
std::vector<Iso15693Tag> defaultIso15693Tags();

// The reader's ISO 15693 field: its tags and which of them is selected.
class Iso15693Field
{
public:
    Iso15693Field() : m_tags(defaultIso15693Tags()) {}

    const std::vector<Iso15693Tag> &tags() const { return m_tags; }
    std::vector<Iso15693Tag> &tags() { return m_tags; }
    // New tags in the field; none of them is selected.
    void replaceTags(std::vector<Iso15693Tag> tags)
    {
        m_tags = std::move(tags);
        m_selected.reset();
    }

    // The tag in the selected state, if any.
    Iso15693Tag *selected() { return m_selected && *m_selected < m_tags.size() ? &m_tags[*m_selected] : nullptr; }
    // Selects the tag with this UID (the others return to the ready state);
    // false, and nothing selected, when no tag has it.
    bool select(const std::array<uint8_t, 8> &uid)
    {
        m_selected.reset();
        for (size_t i = 0; i < m_tags.size(); ++i)
            if (m_tags[i].uid == uid)
                m_selected = i;
        return m_selected.has_value();
    }

private:
    std::vector<Iso15693Tag> m_tags;
    std::optional<size_t> m_selected;
};

} // namespace vreader
