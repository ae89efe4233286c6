// The few things the link asks of a HID device. hidapi provides them for real
// readers (hidapidevice.cpp); the tests provide a fake.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rfidhid {

// One device as enumeration finds it.
struct DeviceInfo {
    std::string path;            // the hidraw node
    unsigned short vendor = 0;
    unsigned short product = 0;
    std::string serial;          // UTF-8; empty when the device reports none
    std::string manufacturer;    // UTF-8, as the device reports it
    std::string productName;
};

class Device
{
public:
    virtual ~Device() = default;

    // Opens the device that name (see parseDeviceName) names and returns
    // its report descriptor; false with a reason when it cannot.
    virtual bool open(const std::string &name, std::vector<std::uint8_t> *descriptor, std::string *error) = 0;
    // One output report, its report ID (or 0) first. Bytes written, -1 on error.
    virtual int writeReport(const std::uint8_t *report, std::size_t length) = 0;
    // One input report (with its ID byte when the device numbers reports).
    // Bytes read, 0 when none came within timeoutMs, -1 when the device is gone.
    virtual int readReport(std::uint8_t *buffer, std::size_t length, int timeoutMs) = 0;
    virtual void close() = 0;
    // The devices plugged in now that open() could take: HID interfaces with
    // input and output reports, keyboards and mice left out.
    virtual std::vector<DeviceInfo> enumerate() { return {}; }
};

} // namespace rfidhid
