#include "vreader.h"

namespace vreader {

Bytes responseFrame(uint8_t address, const Reply &reply)
{
    Bytes f;
    f.reserve(reply.data.size() + 6);
    for (uint8_t b : {uint8_t(0xAA), address, uint8_t(reply.data.size() + 1), reply.status})
        f.push_back(b);
    for (uint8_t b : reply.data)   // (a range insert here trips a false GCC 12 bounds warning)
        f.push_back(b);
    uint8_t x = 0;
    for (size_t i = 1; i < f.size(); ++i)
        x ^= f[i];
    f.push_back(x);
    f.push_back(0xBB);
    return f;
}

VirtualReader::VirtualReader()
{
    registerSystemCommands(*this);
    registerTypeA(*this);
    registerTypeB(*this);
    registerIso15693(*this);
}

Bytes VirtualReader::handleFrame(const uint8_t *frame, size_t length)
{
    // On a bus with several readers only the addressed one answers.
    if (length >= 2 && frame[1] != address)
        return {};
    const auto refuse = [this] { return responseFrame(address, fail(kBadParameter)); };
    if (length < 5 || frame[0] != 0xAA || frame[length - 1] != 0xBB || size_t(frame[2]) + 5 != length)
        return refuse();
    uint8_t x = 0;
    for (size_t i = 1; i < length - 2; ++i)
        x ^= frame[i];
    if (x != frame[length - 2] || frame[2] == 0)
        return refuse();

    const uint8_t command = frame[3];
    const Bytes params(frame + 4, frame + length - 2);
    const auto handler = m_handlers.find(command);
    if (handler == m_handlers.end())
        return responseFrame(address, fail(kUnknownCommand));
    const std::optional<Reply> reply = handler->second(*this, params);
    if (!reply)
        return {};
    return responseFrame(address, *reply);
}

} // namespace vreader
