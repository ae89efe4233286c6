#include "devicelist.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>

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

std::string hex4(unsigned short v)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", unsigned(v));
    return text;
}

// A path and a symbolic link to it (udev's by-id links) are the same device.
std::string resolved(const std::string &path)
{
    char out[PATH_MAX];
    return realpath(path.c_str(), out) ? std::string(out) : path;
}

std::string field(std::string text)
{
    for (char &c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}
} // namespace

bool isKeyboardOrMouse(unsigned short usagePage, unsigned short usage)
{
    return usagePage == 0x01 && (usage == 0x02 || usage == 0x06 || usage == 0x07);
}

int chooseInterface(const std::vector<Interface> &interfaces)
{
    int fallback = -1;
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        const Interface &f = interfaces[i];
        if (!f.carriesFrames)
            continue;
        if (!isKeyboardOrMouse(f.usagePage, f.usage))
            return int(i);
        if (fallback < 0)
            fallback = int(i);
    }
    return fallback;
}

std::optional<DeviceName> parseDeviceName(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    if (text[0] == '/')
        return DeviceName{text, 0, 0, {}};
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const auto second = text.find(':', colon + 1);
    const auto vendor = hexId(text.substr(0, colon));
    const auto product = hexId(text.substr(colon + 1, second == std::string::npos ? std::string::npos : second - colon - 1));
    if (!vendor || !product)
        return std::nullopt;
    DeviceName name{{}, *vendor, *product, {}};
    if (second != std::string::npos) {
        name.serial = text.substr(second + 1);
        if (name.serial.empty())
            return std::nullopt;
    }
    return name;
}

bool names(const DeviceName &name, const DeviceInfo &info)
{
    if (!name.path.empty())
        return name.path == info.path || resolved(name.path) == resolved(info.path);
    return name.vendor == info.vendor && name.product == info.product
        && (name.serial.empty() || name.serial == info.serial);
}

std::vector<ListedDevice> listDevices(const std::vector<DeviceInfo> &found, const std::string &inUseName)
{
    std::vector<ListedDevice> out;
    for (const DeviceInfo &d : found) {
        int sameIds = 0, sameSerial = 0;
        for (const DeviceInfo &o : found) {
            sameIds += o.vendor == d.vendor && o.product == d.product;
            sameSerial += o.vendor == d.vendor && o.product == d.product && o.serial == d.serial;
        }
        ListedDevice l;
        l.info = d;
        const std::string ids = hex4(d.vendor) + ":" + hex4(d.product);
        l.id = sameIds == 1 ? ids : (!d.serial.empty() && sameSerial == 1) ? ids + ":" + d.serial : d.path;
        l.label = d.manufacturer;
        if (!d.productName.empty())
            l.label += (l.label.empty() ? "" : " ") + d.productName;
        if (l.label.empty())
            l.label = "HID device " + ids;
        out.push_back(std::move(l));
    }
    if (const auto name = parseDeviceName(inUseName)) {
        for (ListedDevice &l : out)
            if (names(*name, l.info)) {
                l.inUse = true;
                break;
            }
    }
    return out;
}

std::string listText(const std::vector<ListedDevice> &devices)
{
    std::string text;
    for (const ListedDevice &l : devices)
        text += field(l.id) + '\t' + field(l.label) + '\t' + hex4(l.info.vendor) + '\t' + hex4(l.info.product) + '\t'
            + field(l.info.serial) + '\t' + field(l.info.path) + '\t' + (l.inUse ? "*" : "") + '\n';
    return text;
}

} // namespace rfidhid
