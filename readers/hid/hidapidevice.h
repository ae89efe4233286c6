// Real readers through hidapi's hidraw back end.
#pragma once

#include <string>

#include "device.h"
#include "devicelist.h"

struct hid_device_;

namespace rfidhid {

class HidapiDevice : public Device
{
public:
    ~HidapiDevice() override;
    bool open(const std::string &name, std::vector<std::uint8_t> *descriptor, std::string *error) override;
    int writeReport(const std::uint8_t *report, std::size_t length) override;
    int readReport(std::uint8_t *buffer, std::size_t length, int timeoutMs) override;
    void close() override;
    std::vector<DeviceInfo> enumerate() override;

private:
    hid_device_ *m_handle = nullptr;
};

} // namespace rfidhid
