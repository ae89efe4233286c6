// Any field text through the hex-text and frame builders.
#include <cstddef>
#include <cstdint>

#include "link/frame.h"
#include "link/hextext.h"

using namespace rfid;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString digits = hexDigits(text);
    const QString whole = checkdata(text);
    if (whole.size() % 2 || whole.size() > digits.size() || hasOddDigits(text) != bool(digits.size() % 2))
        __builtin_trap();
    (void)cdate(text);
    const QByteArray bytes = hexToBytes(text);
    if (bytesToHex(bytes).compare(whole, Qt::CaseInsensitive) != 0)
        __builtin_trap();
    const QString frame = frameText(QStringLiteral("00"), text);
    // The check byte always makes the frame intact, whatever the command.
    if (digits.size() % 2 == 0 && digits.size() / 2 <= 250 && !frameIntact(hexToBytes(frame)))
        __builtin_trap();
    (void)frameIntact(bytes);
    return 0;
}
