// The few things the link asks of a HID device. hidapi provides them for real
// readers (hidapidevice.cpp); the tests provide a fake.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rfidhid {

class Device
{
public:
    virtual ~Device() = default;

    // Opens the device that name (RFID_HID_DEVICE's value) names and returns
    // its report descriptor; false with a reason when it cannot.
    virtual bool open(const std::string &name, std::vector<std::uint8_t> *descriptor, std::string *error) = 0;
    // One output report, its report ID (or 0) first. Bytes written, -1 on error.
    virtual int writeReport(const std::uint8_t *report, std::size_t length) = 0;
    // One input report (with its ID byte when the device numbers reports).
    // Bytes read, 0 when none came within timeoutMs, -1 when the device is gone.
    virtual int readReport(std::uint8_t *buffer, std::size_t length, int timeoutMs) = 0;
    virtual void close() = 0;
};

} // namespace rfidhid
