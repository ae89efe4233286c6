#include "readerdevices.h"

#include <QByteArray>

#include "readerlibrary.h"

namespace rfid {

QList<ReaderDevice> parseDeviceList(const QByteArray &text)
{
    QList<ReaderDevice> out;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> f = line.split('\t');
        if (f.size() < 7)
            continue;
        auto s = [&](int i) { return QString::fromUtf8(f[i]); };
        out.append({s(0), s(1), s(2), s(3), s(4), s(5), f[6] == "*"});
    }
    return out;
}

std::optional<QList<ReaderDevice>> listReaderDevices(ReaderLibrary &library)
{
    const auto list = reinterpret_cast<ReaderListDevicesFn>(library.optional("readerListDevices"));
    if (!list)
        return std::nullopt;
    // The list may grow between asking for its size and fetching it.
    QByteArray buffer(4096, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int needed = list(buffer.data(), int(buffer.size()));
        if (needed <= 0)
            return QList<ReaderDevice>{};
        if (needed <= buffer.size())
            return parseDeviceList(QByteArray(buffer.constData(), qstrnlen(buffer.constData(), needed)));
        buffer.resize(needed + 1024);
    }
    return QList<ReaderDevice>{};
}

DeviceChoice selectReaderDevice(ReaderLibrary &library, const QString &id)
{
    const auto select = reinterpret_cast<ReaderSelectDeviceFn>(library.optional("readerSelectDevice"));
    if (!select)
        return DeviceChoice::Unsupported;
    const int r = select(id.toUtf8().constData());
    return r > 0 ? DeviceChoice::Taken : r < 0 ? DeviceChoice::Fixed : DeviceChoice::Unknown;
}

} // namespace rfid
