// The optional device exports of a reader library (readers/reader_api.h):
// which devices it can open, which one commands go to, and choosing one.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace rfid {

class ReaderLibrary;

struct ReaderDevice {
    QString id;        // what selects it
    QString name;      // for people
    QString vendor;    // USB IDs as 4 hex digits, empty when unknown
    QString product;
    QString serial;
    QString path;
    bool inUse = false;
    bool operator==(const ReaderDevice &o) const
    {
        return id == o.id && name == o.name && vendor == o.vendor && product == o.product && serial == o.serial
            && path == o.path && inUse == o.inUse;
    }
};

// The library's devices now; nullopt when it does not list them (no export,
// or it could not be loaded).
std::optional<QList<ReaderDevice>> listReaderDevices(ReaderLibrary &library);

enum class DeviceChoice {
    Taken,        // later commands go to it
    Unknown,      // the library cannot use that id
    Fixed,        // the device is fixed outside the tool (RFID_HID_DEVICE)
    Unsupported,  // the library does not choose devices
};
DeviceChoice selectReaderDevice(ReaderLibrary &library, const QString &id);

// The list's text (one line a device, fields separated by tabs) as devices;
// lines with fewer than seven fields are skipped.
QList<ReaderDevice> parseDeviceList(const QByteArray &text);

} // namespace rfid
