// The hid reader library with a bus of fake readers in place of hidapi, for
// the window's tests: loaded at run time like the real one, and driven
// through the few exports below.
#include <memory>

#include "readers/hid/process.h"
#include "readers/reader_api.h"
#include "fakehidbus.h"

namespace {
rfid::test::Bus *g_bus = nullptr;   // owned by the library's link
}

extern "C" {

// count readers 1234:abcd with serial numbers SN1, SN2 ..., all plugged in;
// each answers every frame with status 00 and its own number as data.
READER_EXPORT void fakeBusReset(int count)
{
    auto bus = std::make_unique<rfid::test::Bus>();
    // A vendor collection with one input and one output report of 8 bytes.
    const unsigned char d[] = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75,
                               0x08, 0x95, 0x08, 0x09, 0x01, 0x81, 0x02, 0x09, 0x01, 0x91, 0x02, 0xC0};
    bus->descriptorBytes.assign(std::begin(d), std::end(d));
    bus->readers.resize(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i + 1);
        bus->readers[std::size_t(i)].info = {"/dev/hidraw" + n, 0x1234, 0xabcd, "SN" + n, "Acme", "Desk Reader"};
        const char answer[] = {char(0xAA), 0x00, 0x02, 0x00, char(i + 1), char(0x02 ^ (i + 1)), char(0xBB), 0x00};
        bus->readers[std::size_t(i)].answer = {QByteArray(answer, 8)};
    }
    g_bus = bus.get();
    rfidhid::processLink().setDevice(std::move(bus));
}

READER_EXPORT void fakeBusPlug(int index, int plugged)
{
    g_bus->readers.at(std::size_t(index)).plugged = plugged != 0;
}

// Reports written to reader index so far.
READER_EXPORT int fakeBusWrites(int index)
{
    return int(g_bus->readers.at(std::size_t(index)).written.size());
}

}
