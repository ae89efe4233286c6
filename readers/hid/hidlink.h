// Request and response frames over HID reports: the logic behind the two
// exports, over any Device.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "descriptor.h"
#include "device.h"
#include "devicelist.h"

namespace rfidhid {

inline constexpr int kAnswerTimeoutMs = 500;
inline constexpr const char *kDeviceVariable = "RFID_HID_DEVICE";

class HidLink
{
public:
    using Say = std::function<void(const std::string &)>;

    explicit HidLink(std::unique_ptr<Device> device, Say say = {}, int timeoutMs = kAnswerTimeoutMs);
    ~HidLink();

    // Writes the frame in as many output reports as it takes. Returns length
    // only when every report went out; opens the device first when it is not
    // open, so a reader plugged in later is found by the next command.
    int write(int length, const unsigned char *data);
    // Collects the answer to the last write from input reports until its
    // length byte says it is whole, the device stops sending, or the time-out
    // passes. Delivers at most maxLength bytes; returns how many, 0 for none.
    int read(int maxLength, unsigned char *buffer);

    // The devices plugged in now, the one in use marked.
    std::vector<ListedDevice> devices();
    // The device later commands go to: an id from the list or any name
    // parseDeviceName takes, or "" for none; an open device that differs is
    // closed. 1 when
    // taken, 0 for a name that is none, -1 when RFID_HID_DEVICE is set: it
    // chooses the device and the selection waits until it is unset.
    int select(const std::string &id);

    // Replaces the device (the tests' fake); the old one is closed and the
    // selection forgotten.
    void setDevice(std::unique_ptr<Device> device);
    void setSay(Say say) { m_say = std::move(say); }

private:
    bool ensureOpen();
    std::string nameInUse() const;
    bool discardStale();
    void closeDevice();
    void say(const std::string &message);

    std::unique_ptr<Device> m_device;
    Say m_say;
    int m_timeoutMs;
    bool m_open = false;
    bool m_awaiting = false;   // a frame went out and its answer was not read yet
    ReportLayout m_layout;
    std::string m_name;       // of the open device
    std::string m_selected;
    std::string m_lastSaid;
};

} // namespace rfidhid
