#include "hextext.h"

namespace rfid {

namespace {
bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

int digitValue(char16_t u)
{
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return u - 'A' + 10;
}
} // namespace

QString hexDigits(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (isHexDigit(c))
            out.append(c);
    return out;
}

QString checkdata(const QString &text)
{
    QString d = hexDigits(text);
    if (d.size() % 2)
        d.chop(1);
    return d;
}

QString cdate(const QString &text)
{
    QString out;
    for (qsizetype end = text.size(); end >= 2; end -= 2) {
        out.append(text.mid(end - 2, 2));
        out.append(u' ');
    }
    return out;
}

bool hasOddDigits(const QString &text)
{
    qsizetype n = 0;
    for (QChar c : text)
        n += isHexDigit(c);
    return n % 2;
}

QByteArray hexToBytes(const QString &text)
{
    const QString d = checkdata(text);
    QByteArray out;
    out.resize(d.size() / 2);
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = char(digitValue(d[2 * i].unicode()) * 16 + digitValue(d[2 * i + 1].unicode()));
    return out;
}

QString bytesToHex(const unsigned char *bytes, int count)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out(count * 2, Qt::Uninitialized);
    for (int i = 0; i < count; ++i) {
        out[2 * i] = QLatin1Char(digits[bytes[i] >> 4]);
        out[2 * i + 1] = QLatin1Char(digits[bytes[i] & 15]);
    }
    return out;
}

QString bytesToHex(const QByteArray &bytes)
{
    return bytesToHex(reinterpret_cast<const unsigned char *>(bytes.constData()), int(bytes.size()));
}

QString byteHex(unsigned value)
{
    const unsigned char b = static_cast<unsigned char>(value);
    return bytesToHex(&b, 1);
}

} // namespace rfid
