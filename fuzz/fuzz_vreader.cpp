// Any request frames, one after another, into the reader emulator: it answers
// a well-formed frame or nothing, and never crashes.
#include <cstddef>
#include <cstdint>

#include "vreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vreader::VirtualReader reader;
    // The input is a sequence of frames, each prefixed by its length byte.
    size_t at = 0;
    while (at < size) {
        const size_t n = data[at++];
        const size_t take = n < size - at ? n : size - at;
        const vreader::Bytes answer = reader.handleFrame(data + at, take);
        if (!answer.empty() && (answer.size() < 6 || answer.front() != 0xAA || answer.back() != 0xBB
                                || answer[2] + 5u != answer.size()))
            __builtin_trap();
        at += take;
    }
    return 0;
}
