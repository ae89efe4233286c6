// The exports over one link for the life of the process.
#include <mutex>

#include "readers/reader_api.h"
#include "readers/textout.h"
#include "hidapidevice.h"
#include "hidlink.h"
#include "process.h"

namespace rfidhid {

namespace {
std::mutex &guard()
{
    static std::mutex m;
    return m;
}
} // namespace

HidLink &processLink()
{
    static HidLink link(std::make_unique<HidapiDevice>());
    return link;
}

} // namespace rfidhid

extern "C" {

READER_EXPORT int READER_CALL hidWriteData(int, int length, unsigned char *data)
{
    std::lock_guard lock(rfidhid::guard());
    return rfidhid::processLink().write(length, data);
}

READER_EXPORT int READER_CALL hidReadData(int, int maxLength, unsigned char *buffer)
{
    std::lock_guard lock(rfidhid::guard());
    return rfidhid::processLink().read(maxLength, buffer);
}

READER_EXPORT int READER_CALL readerListDevices(char *buffer, int capacity)
{
    std::lock_guard lock(rfidhid::guard());
    return readers::putText(rfidhid::listText(rfidhid::processLink().devices()), buffer, capacity);
}

READER_EXPORT int READER_CALL readerSelectDevice(const char *id)
{
    std::lock_guard lock(rfidhid::guard());
    return id ? rfidhid::processLink().select(id) : 0;
}

}
