#include "hidapidevice.h"

#include <hidapi.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "descriptor.h"

namespace rfidhid {

namespace {
std::optional<unsigned short> hexId(std::string text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.erase(0, 2);
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    unsigned value = 0;
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 16 + unsigned(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (std::tolower(c) - 'a' + 10));
    }
    return static_cast<unsigned short>(value);
}

std::string narrow(const wchar_t *text)
{
    std::string out;
    for (; text && *text; ++text)
        out += (*text > 0 && *text < 128) ? char(*text) : '?';
    return out;
}

std::string lastError()
{
    const std::string text = narrow(hid_error(nullptr));
    return text.empty() ? std::string("unknown error") : text;
}

// hidapi 0.13 has no call for the report descriptor; the kernel shows it in
// sysfs beside the hidraw node.
bool readDescriptor(const std::string &path, std::vector<std::uint8_t> *descriptor, std::string *error)
{
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved)) {
        *error = path + " does not exist";
        return false;
    }
    std::string node(resolved);
    node = node.substr(node.find_last_of('/') + 1);
    if (node.rfind("hidraw", 0) != 0) {
        *error = path + " is not a hidraw node";
        return false;
    }
    const std::string sysfs = "/sys/class/hidraw/" + node + "/device/report_descriptor";
    FILE *f = std::fopen(sysfs.c_str(), "rb");
    if (!f) {
        *error = "cannot read the report descriptor of " + path + " (" + sysfs + ")";
        return false;
    }
    descriptor->assign(4096, 0);   // the longest descriptor the kernel keeps
    descriptor->resize(std::fread(descriptor->data(), 1, descriptor->size(), f));
    std::fclose(f);
    return true;
}
} // namespace

std::optional<DeviceName> parseDeviceName(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    if (text[0] == '/')
        return DeviceName{text, 0, 0};
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const auto vendor = hexId(text.substr(0, colon));
    const auto product = hexId(text.substr(colon + 1));
    if (!vendor || !product)
        return std::nullopt;
    return DeviceName{{}, *vendor, *product};
}

HidapiDevice::~HidapiDevice()
{
    close();
}

bool HidapiDevice::open(const std::string &name, std::vector<std::uint8_t> *descriptor, std::string *error)
{
    close();
    const auto parsed = parseDeviceName(name);
    if (!parsed) {
        *error = "RFID_HID_DEVICE=" + name + " is neither VID:PID (hex) nor a hidraw path";
        return false;
    }
    if (hid_init() != 0) {
        *error = "hidapi cannot start: " + lastError();
        return false;
    }

    std::string path = parsed->path;
    if (path.empty()) {
        // A reader may have several interfaces: take the first that has
        // input and output reports.
        hid_device_info *all = hid_enumerate(parsed->vendor, parsed->product);
        bool present = all != nullptr;
        for (hid_device_info *d = all; d && path.empty(); d = d->next) {
            std::vector<std::uint8_t> candidate;
            std::string ignored;
            if (d->path && readDescriptor(d->path, &candidate, &ignored) && reportLayout(candidate, &ignored)) {
                path = d->path;
                *descriptor = std::move(candidate);
            }
        }
        hid_free_enumeration(all);
        if (path.empty()) {
            *error = present ? "no interface of reader " + name + " has input and output reports"
                             : "no reader " + name + " is plugged in";
            return false;
        }
    } else if (!readDescriptor(path, descriptor, error)) {
        return false;
    }

    m_handle = hid_open_path(path.c_str());
    if (!m_handle) {
        *error = "cannot open " + path + ": " + lastError()
            + " (does the udev rule grant access? See the README)";
        return false;
    }
    return true;
}

int HidapiDevice::writeReport(const std::uint8_t *report, std::size_t length)
{
    return m_handle ? hid_write(m_handle, report, length) : -1;
}

int HidapiDevice::readReport(std::uint8_t *buffer, std::size_t length, int timeoutMs)
{
    return m_handle ? hid_read_timeout(m_handle, buffer, length, timeoutMs) : -1;
}

void HidapiDevice::close()
{
    if (m_handle)
        hid_close(m_handle);
    m_handle = nullptr;
}

} // namespace rfidhid
