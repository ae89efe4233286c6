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
    // The answer is the frame in the buffer, whatever the read returns: some
    // libraries return a status (0, or 1 for a whole frame) instead of a count.
    // A count of more than one byte only cuts the answer to what was delivered.
    const int reported = library.read()(0, kReadMaxLength, in);
    if (in[0] != 0xAA)
        return result;
    int take = std::min(in[2] + 5, kReadMaxLength);
    if (reported > 1)
        take = std::min(take, reported);
    result.recdata = bytesToHex(in, take);
    return result;
}

} // namespace rfid
