// Any arrival of serial bytes through the card-report decoder and the echo.
#include <cstddef>
#include <cstdint>

#include "link/cardreport.h"
#include "link/hextext.h"

using namespace rfid;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString hex = bytesToHex(bytes);
    const std::optional<CardReport> report = decodeCardReport(hex);
    if (report) {
        // A report is only ever typed 01 to 05, with an ID from its own bytes.
        if (size < 2 || data[1] < 1 || data[1] > 5 || report->id.size() > hex.size() - 4)
            __builtin_trap();
    }
    if (serialEcho(bytes).size() != qsizetype(size) * 3)
        __builtin_trap();
    return 0;
}
