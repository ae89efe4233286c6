// Which device a name means, and the list of devices as the tool sees it:
// an id for each that survives a replug where it can, and the one in use.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device.h"

namespace rfidhid {

// What RFID_HID_DEVICE or a selection names: a vendor and product ID
// ("1a2b:3c4d", hex, "0x" allowed), optionally followed by ":" and a serial
// number, or a path to a hidraw node.
struct DeviceName {
    std::string path;   // set for a path
    unsigned short vendor = 0;
    unsigned short product = 0;
    std::string serial;   // empty: any
};
std::optional<DeviceName> parseDeviceName(const std::string &text);

// Whether name means the device info describes.
bool names(const DeviceName &name, const DeviceInfo &info);

// A HID interface (top-level collection) of a device, as far as choosing one
// to open goes.
struct Interface {
    unsigned short usagePage = 0, usage = 0;
    bool carriesFrames = false;   // input and output reports a frame fits
};
// Keyboards and mice have output reports too (their LEDs), but frames are not
// for them: a reader that types card numbers has another interface for frames.
bool isKeyboardOrMouse(unsigned short usagePage, unsigned short usage);
// The index of the interface frames go to: the first that carries frames and
// is no keyboard or mouse, else the first that carries frames; -1 for none.
int chooseInterface(const std::vector<Interface> &interfaces);

struct ListedDevice {
    std::string id;     // what selects it again
    std::string label;  // for people: maker and product, or the IDs
    DeviceInfo info;
    bool inUse = false;
};

// The devices with their ids: "vvvv:pppp" when no other listed device has
// those IDs, with ":serial" when the serial number tells them apart, else the
// path. The first device that inUseName names is the one in use (the one a
// command opens).
std::vector<ListedDevice> listDevices(const std::vector<DeviceInfo> &found, const std::string &inUseName);

// One line a device, '\n' after each: id, label, vendor and product ID (4 hex
// digits each), serial number, path and "*" for the device in use, separated
// by tabs (tabs and line breaks inside a field become blanks).
std::string listText(const std::vector<ListedDevice> &devices);

} // namespace rfidhid
