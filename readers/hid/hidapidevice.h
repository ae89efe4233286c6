// Real readers through hidapi's hidraw back end.
#pragma once

#include <optional>
#include <string>

#include "device.h"

struct hid_device_;

namespace rfidhid {

// What RFID_HID_DEVICE names: a vendor and product ID ("1a2b:3c4d", hex,
// "0x" allowed) or a path to a hidraw node.
struct DeviceName {
    std::string path;   // set for a path
    unsigned short vendor = 0;
    unsigned short product = 0;
};
std::optional<DeviceName> parseDeviceName(const std::string &text);

class HidapiDevice : public Device
{
public:
    ~HidapiDevice() override;
    bool open(const std::string &name, std::vector<std::uint8_t> *descriptor, std::string *error) override;
    int writeReport(const std::uint8_t *report, std::size_t length) override;
    int readReport(std::uint8_t *buffer, std::size_t length, int timeoutMs) override;
    void close() override;

private:
    hid_device_ *m_handle = nullptr;
};

} // namespace rfidhid
