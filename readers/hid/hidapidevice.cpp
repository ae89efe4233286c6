#include "hidapidevice.h"

#include <hidapi.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "descriptor.h"

namespace rfidhid {

namespace {
std::string narrow(const wchar_t *text)
{
    std::string out;
    for (; text && *text; ++text)
        out += (*text > 0 && *text < 128) ? char(*text) : '?';
    return out;
}

// hidapi's strings are wide (UTF-32 here); the list carries UTF-8.
std::string utf8(const wchar_t *text)
{
    std::string out;
    for (; text && *text; ++text) {
        auto c = static_cast<unsigned long>(*text);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
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

HidapiDevice::~HidapiDevice()
{
    close();
}

bool HidapiDevice::open(const std::string &name, std::vector<std::uint8_t> *descriptor, std::string *error)
{
    close();
    const auto parsed = parseDeviceName(name);
    if (!parsed) {
        *error = "RFID_HID_DEVICE=" + name + " is neither VID:PID (hex, :SERIAL optional) nor a hidraw path";
        return false;
    }
    if (hid_init() != 0) {
        *error = "hidapi cannot start: " + lastError();
        return false;
    }

    std::string path = parsed->path;
    if (path.empty()) {
        // A reader may have several interfaces: the one the device list
        // would offer, not its keyboard.
        hid_device_info *all = hid_enumerate(parsed->vendor, parsed->product);
        bool present = false;
        std::vector<Interface> interfaces;
        std::vector<std::string> paths;
        std::vector<std::vector<std::uint8_t>> descriptors;
        for (hid_device_info *d = all; d; d = d->next) {
            if (!parsed->serial.empty() && utf8(d->serial_number) != parsed->serial)
                continue;
            present = true;
            std::vector<std::uint8_t> candidate;
            std::string ignored;
            const bool fits = d->path && readDescriptor(d->path, &candidate, &ignored) && reportLayout(candidate, &ignored);
            interfaces.push_back({d->usage_page, d->usage, fits});
            paths.push_back(d->path ? d->path : "");
            descriptors.push_back(std::move(candidate));
        }
        hid_free_enumeration(all);
        if (const int chosen = chooseInterface(interfaces); chosen >= 0) {
            path = paths[std::size_t(chosen)];
            *descriptor = std::move(descriptors[std::size_t(chosen)]);
        }
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

std::vector<DeviceInfo> HidapiDevice::enumerate()
{
    std::vector<DeviceInfo> out;
    if (hid_init() != 0)
        return out;
    hid_device_info *all = hid_enumerate(0, 0);
    for (hid_device_info *d = all; d; d = d->next) {
        if (isKeyboardOrMouse(d->usage_page, d->usage))
            continue;
        std::vector<std::uint8_t> descriptor;
        std::string ignored;
        if (!d->path || !readDescriptor(d->path, &descriptor, &ignored) || !reportLayout(descriptor, &ignored))
            continue;
        out.push_back({d->path, d->vendor_id, d->product_id, utf8(d->serial_number), utf8(d->manufacturer_string),
                       utf8(d->product_string)});
    }
    hid_free_enumeration(all);
    return out;
}

void HidapiDevice::close()
{
    if (m_handle)
        hid_close(m_handle);
    m_handle = nullptr;
}

} // namespace rfidhid
