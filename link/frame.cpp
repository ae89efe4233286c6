#include "frame.h"
#include "hextext.h"

namespace rfid {

unsigned xorOfHex(const QString &hex)
{
    unsigned x = 0;
    for (char b : hexToBytes(hex))
        x ^= static_cast<unsigned char>(b);
    return x;
}

QString frameText(const QString &address, const QString &command)
{
    const QString d = hexDigits(command);
    const QString t = address + byteHex(unsigned(d.size() / 2)) + d;
    return QStringLiteral("AA") + t + byteHex(xorOfHex(t)) + QStringLiteral("BB");
}

bool frameIntact(const QByteArray &bytes)
{
    if (bytes.size() < 5)
        return false;
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    if (at(0) != 0xAA || at(bytes.size() - 1) != 0xBB || at(2) + 5 != bytes.size())
        return false;
    unsigned x = 0;
    for (qsizetype i = 1; i < bytes.size() - 2; ++i)
        x ^= at(i);
    return x == at(bytes.size() - 2);
}

} // namespace rfid
