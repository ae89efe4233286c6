// A reader emulator: takes request frames, answers response frames, and keeps
// the reader's settings and the cards of its field for the life of the process.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <typeindex>
#include <vector>

namespace vreader {

using Bytes = std::vector<uint8_t>;

// Reason codes a reader answers with status 01.
enum Reason : uint8_t {
    kOverflow = 0x10,
    kSetFailed = 0x81,
    kTimeout = 0x82,
    kNoCard = 0x83,
    kCardDataError = 0x84,
    kBadParameter = 0x85,
    kUnknownError = 0x87,
    kBlockInitError = 0x8A,
    kAnticollisionError = 0x8B,
    kAuthFailed = 0x8C,
    kUnknownCommand = 0x8F,
    kNotSupported = 0x90,
    kBadFormat = 0x91,
    kOptionUnsupported = 0x92,
    kNoSuchBlock = 0x93,
    kLocked = 0x94,
    kLockFailed = 0x95,
    kWriteFailed = 0x96,
};

struct Reply {
    uint8_t status = 0;   // 00 success, 01 failure (data[0] is the reason)
    Bytes data;
};
inline Reply ok(Bytes data = {}) { return {0x00, std::move(data)}; }
inline Reply fail(uint8_t reason) { return {0x01, {reason}}; }

class VirtualReader;
// A command's parameters (the bytes after the command code). No value: the
// reader stays silent.
using Handler = std::function<std::optional<Reply>(VirtualReader &, const Bytes &params)>;

class VirtualReader
{
public:
    VirtualReader();

    // One request frame in, the response frame out (empty: no answer).
    Bytes handleFrame(const uint8_t *frame, size_t length);

    void on(uint8_t command, Handler handler) { m_handlers[command] = std::move(handler); }

    // State of a card family or feature, created on first use and kept as long
    // as the reader.
    template <typename T> T &state()
    {
        auto &slot = m_states[std::type_index(typeid(T))];
        if (!slot)
            slot = std::make_shared<T>();
        return *static_cast<T *>(slot.get());
    }

    // The reader's own settings.
    uint8_t address = 0x00;
    uint8_t baudCode = 0x00;
    std::array<uint8_t, 8> record{0x0C, 0x00, 0x00, 0x00, 0x01, 0x01, 0x01, 0x00};
    struct Signal {
        uint8_t period = 0, count = 0;
    } led, ledR, buzzer;
    uint8_t readingMode = 0x02;   // 01 active, 02 passive

private:
    std::map<uint8_t, Handler> m_handlers;
    std::map<std::type_index, std::shared_ptr<void>> m_states;
};

// Response frame bytes for a reply from the reader at address.
Bytes responseFrame(uint8_t address, const Reply &reply);

// Card families add their commands here (one file each).
void registerSystemCommands(VirtualReader &reader);
void registerTypeA(VirtualReader &reader);
void registerTypeB(VirtualReader &reader);
void registerIso15693(VirtualReader &reader);

} // namespace vreader
