#include "hidlink.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace rfidhid {

namespace {
// A device that keeps sending reports must not keep the command waiting.
constexpr int kMaxStaleReports = 64;

void toStderr(const std::string &message)
{
    std::fprintf(stderr, "rfidhid: %s\n", message.c_str());
    std::fflush(stderr);
}
} // namespace

HidLink::HidLink(std::unique_ptr<Device> device, Say say, int timeoutMs)
    : m_device(std::move(device))
    , m_say(say ? std::move(say) : Say(toStderr))
    , m_timeoutMs(timeoutMs)
{
}

HidLink::~HidLink()
{
    closeDevice();
}

void HidLink::setDevice(std::unique_ptr<Device> device)
{
    closeDevice();
    m_device = std::move(device);
    m_selected.clear();
    m_lastSaid.clear();
}

void HidLink::say(const std::string &message)
{
    // The same complaint on every command of a run tells nothing new.
    if (message == m_lastSaid)
        return;
    m_lastSaid = message;
    m_say(message);
}

void HidLink::closeDevice()
{
    if (m_open && m_device)
        m_device->close();
    m_open = false;
    m_awaiting = false;
}

std::string HidLink::nameInUse() const
{
    const char *name = std::getenv(kDeviceVariable);
    return name && *name ? std::string(name) : m_selected;
}

std::vector<ListedDevice> HidLink::devices()
{
    return m_device ? listDevices(m_device->enumerate(), nameInUse()) : std::vector<ListedDevice>{};
}

int HidLink::select(const std::string &id)
{
    if (!id.empty() && !parseDeviceName(id))
        return 0;
    m_selected = id;
    const char *fixed = std::getenv(kDeviceVariable);
    if (fixed && *fixed)
        return -1;
    if (m_open && m_name != id)
        closeDevice();
    m_lastSaid.clear();   // complaints about the earlier device say nothing of this one
    return 1;
}

bool HidLink::ensureOpen()
{
    if (m_open)
        return true;
    if (!m_device)
        return false;
    const std::string name = nameInUse();
    if (name.empty()) {
        say(std::string("no reader is named: set ") + kDeviceVariable
            + " to the reader's VID:PID in hex (as lsusb shows it) or to its hidraw path, or choose it in the Reader menu");
        return false;
    }
    m_name = name;
    std::vector<std::uint8_t> descriptor;
    std::string error;
    if (!m_device->open(m_name, &descriptor, &error)) {
        say(error);
        return false;
    }
    const auto layout = reportLayout(descriptor, &error);
    if (!layout) {
        m_device->close();
        say(m_name + ": " + error);
        return false;
    }
    m_layout = *layout;
    m_open = true;
    say(m_name + ": open, output report " + std::to_string(m_layout.outputId) + " of "
        + std::to_string(m_layout.outputBytes) + " bytes" + (m_layout.numbered ? ", numbered reports" : ""));
    return true;
}

// Drops input reports that came after the last answer was read (a late
// answer to an earlier command), so that they are not taken for this one.
// False when the device is gone.
bool HidLink::discardStale()
{
    std::vector<std::uint8_t> buffer(std::size_t(m_layout.inputBytes) + 1);
    for (int i = 0; i < kMaxStaleReports; ++i) {
        const int n = m_device->readReport(buffer.data(), buffer.size(), 0);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
    }
    return true;
}

int HidLink::write(int length, const unsigned char *data)
{
    m_awaiting = false;
    if (length < 0 || (length > 0 && !data))
        return 0;
    // A reader unplugged (and perhaps plugged in again) since the last
    // command shows up here: close the stale handle and open afresh once.
    bool ready = ensureOpen() && discardStale();
    if (!ready && m_open) {
        closeDevice();
        ready = ensureOpen() && discardStale();
    }
    if (!ready) {
        closeDevice();
        return 0;
    }

    const int payload = m_layout.outputBytes;
    std::vector<std::uint8_t> report(std::size_t(payload) + 1);
    int sent = 0;
    while (sent < length) {
        const int chunk = std::min(payload, length - sent);
        std::fill(report.begin(), report.end(), 0);
        report[0] = std::uint8_t(m_layout.outputId);
        std::memcpy(report.data() + 1, data + sent, std::size_t(chunk));
        const int written = m_device->writeReport(report.data(), report.size());
        if (written != int(report.size())) {
            say(m_name + ": writing a report failed; the reader is opened again on the next command");
            closeDevice();
            return sent;
        }
        sent += chunk;
    }
    m_awaiting = true;
    return sent;
}

int HidLink::read(int maxLength, unsigned char *buffer)
{
    const bool awaiting = m_awaiting;
    m_awaiting = false;
    if (!awaiting || !m_open || !buffer || maxLength <= 0)
        return 0;

    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_timeoutMs);
    std::vector<std::uint8_t> report(std::size_t(m_layout.inputBytes) + 1);
    std::vector<std::uint8_t> got;
    const std::size_t room = std::size_t(maxLength);
    while (got.size() < room) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        int n = m_device->readReport(report.data(), report.size(), int(left));
        if (n < 0) {
            say(m_name + ": the reader is gone; it is opened again on the next command");
            closeDevice();
            break;
        }
        if (n == 0)
            break;
        n = std::min(n, int(report.size()));
        const std::uint8_t *p = report.data();
        if (m_layout.numbered) {   // the report ID is not part of the frame
            ++p;
            --n;
        }
        if (n <= 0)
            continue;
        got.insert(got.end(), p, p + std::min<std::size_t>(std::size_t(n), room - got.size()));
        if (got[0] != 0xAA)
            break;   // not a frame: hand over what came, the tool judges it
        if (got.size() >= 3 && got.size() >= std::size_t(got[2]) + 5) {
            got.resize(std::size_t(got[2]) + 5);   // the rest of the report is padding
            break;
        }
    }
    if (!got.empty())
        std::memcpy(buffer, got.data(), got.size());
    return int(got.size());
}

} // namespace rfidhid
