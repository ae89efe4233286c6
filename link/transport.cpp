#include "transport.h"

#include <algorithm>
#include <cstring>

#include "frame.h"
#include "hextext.h"
#include "readerlibrary.h"

namespace rfid {

ExchangeResult exchange(ReaderLibrary &library, const QByteArray &frame)
{
    ExchangeResult result;
    if (!library.resolve(&result.error))
        return result;

    unsigned char out[kMaxFrameBytes] = {};
    const int m = int(std::min<qsizetype>(frame.size(), kMaxFrameBytes));
    std::memcpy(out, frame.constData(), size_t(m));
    if (library.write()(0, m, out) != m) {
        result.error = kWriteFailed;
        return result;
    }

    unsigned char in[kReadBufferSize] = {};
    const int got = std::clamp(library.read()(0, kReadMaxLength, in), 0, kReadMaxLength);
    if (got == 0 || in[0] != 0xAA)
        return result;
    const int take = got < 3 ? got : std::min(in[2] + 5, got);
    result.recdata = bytesToHex(in, take);
    return result;
}

} // namespace rfid
