#include "iso15693_tags.h"

#include <algorithm>
#include <iterator>

namespace vreader {

Iso15693Tag makeIso15693Tag(const std::array<uint8_t, 8> &uidLsbFirst, size_t blockCount, uint8_t blockSize,
                            uint8_t icReference)
{
    Iso15693Tag t;
    t.uid = uidLsbFirst;
    t.icReference = icReference;
    t.blockSize = blockSize;
    t.data.assign(blockCount * blockSize, 0x00);
    t.security.assign(blockCount, 0x00);
    return t;
}

std::vector<Iso15693Tag> defaultIso15693Tags()
{
    // Two labels of one widespread family: 28 and 80 blocks of 4 bytes, IC
    // reference 01, manufacturer code 04, block 0 holding the capability
    // container of an empty NDEF tag.
    Iso15693Tag small = makeIso15693Tag({0x31, 0x8A, 0x5B, 0x2C, 0x10, 0x01, 0x04, 0xE0}, 28, 4, 0x01);
    const uint8_t smallCc[] = {0xE1, 0x40, 0x0E, 0x01};
    std::copy(std::begin(smallCc), std::end(smallCc), small.data.begin());

    Iso15693Tag large = makeIso15693Tag({0x07, 0x9C, 0x3F, 0x65, 0x08, 0x01, 0x04, 0xE0}, 80, 4, 0x01);
    const uint8_t largeCc[] = {0xE1, 0x40, 0x28, 0x01};
    std::copy(std::begin(largeCc), std::end(largeCc), large.data.begin());

    return {small, large};
}

} // namespace vreader
