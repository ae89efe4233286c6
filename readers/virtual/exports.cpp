// The library's face: the two exports the tool calls, over one reader.
#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>

#include "../reader_api.h"
#include "vreader.h"

namespace {
struct Library {
    std::unique_ptr<vreader::VirtualReader> reader = std::make_unique<vreader::VirtualReader>();
    std::deque<vreader::Bytes> pending;   // responses not read yet
};

Library &library()
{
    static Library lib;
    return lib;
}
} // namespace

extern "C" {

READER_EXPORT int READER_CALL hidWriteData(int, int length, unsigned char *data)
{
    if (length <= 0 || !data)
        return 0;
    Library &lib = library();
    vreader::Bytes response = lib.reader->handleFrame(data, size_t(length));
    lib.pending.clear();   // a reader answers only its latest request
    if (!response.empty())
        lib.pending.push_back(std::move(response));
    return length;
}

READER_EXPORT int READER_CALL hidReadData(int, int maxLength, unsigned char *buffer)
{
    Library &lib = library();
    if (lib.pending.empty() || maxLength <= 0 || !buffer)
        return 0;
    const vreader::Bytes response = std::move(lib.pending.front());
    lib.pending.pop_front();
    const int n = std::min<int>(maxLength, int(response.size()));
    std::memcpy(buffer, response.data(), size_t(n));
    return n;
}

// Puts the reader back to its state at load (tests start from it).
READER_EXPORT void readerReset()
{
    Library &lib = library();
    lib.reader = std::make_unique<vreader::VirtualReader>();
    lib.pending.clear();
}

}
