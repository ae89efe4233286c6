#include "protocol/outputformat.h"

#include "link/response.h"

namespace rfid::format {

namespace {
const Format kFormats[] = {
    {0x00, "2H4D + 2H4D "},
    {0x01, "14 no. in HEX (7 byte)"},
    {0x02, "14 no. in HEX reverse (7 byte)"},
    {0x03, "8 no. in HEX reverse"},
    {0x05, "13 no. in D"},
    {0x06, "18 no. in D"},
    {0x07, "10 no. in HEX"},
    {0x08, "5 no. in D"},
    {0x09, "8 no. in D "},
    {0x0A, "10 no. in D reverse"},
    {0x0B, "8 no. in D (last 3bytes)"},
    {0x0C, "8 no. in HEX"},
    {0x0D, "00+8 no. in D (last 3 bytes)"},
    {0x0E, "8 no. in D (The card last 3bytes)"},
    {0x0F, "10 no.in D"},
};

const QString kPrefix = QStringLiteral("The Output format ： ");

QByteArray flag(bool on)
{
    return byte(on ? 0x01 : 0x00);
}
} // namespace

std::span<const Format> formats()
{
    return kFormats;
}

QString readText(quint8 code)
{
    for (const Format &f : kFormats)
        if (f.code == code)
            return QString::fromUtf8(f.readText);
    return {};
}

Request set(const Choice &c)
{
    return request(Set, {byte(c.code), flag(c.semicolon), flag(c.questionMark), flag(c.comma), flag(c.enter),
                         flag(c.bigBuzzer), byte(0x01), c.userByte.value_or(byte(0x00))});
}

Request read()
{
    return request(Read);
}

Settings Settings::from(const Response &r)
{
    const QByteArray data = r.data();
    Settings s;
    if (data.size() < 6)
        return s;
    s.whole = true;
    s.code = quint8(data[1]);
    s.semicolon = data[2] != 0;
    s.questionMark = data[3] != 0;
    s.comma = data[4] != 0;
    s.enter = data[5] != 0;
    return s;
}

LogLines Settings::lines(const QString &time) const
{
    if (!whole)
        return {kCorrupted + time, QString()};
    return {
        QStringLiteral("Read data success    ") + time,
        kPrefix + readText(code),
        kPrefix + (semicolon ? QStringLiteral("add semicolon") : QStringLiteral("do not add semicolon ")),
        kPrefix + (comma ? QStringLiteral("add ,") : QStringLiteral("do not add , ")),
        kPrefix + (questionMark ? QStringLiteral("add ?") : QStringLiteral("do not add ? ")),
        kPrefix + (enter ? QStringLiteral("add enter") : QStringLiteral("do not add enter ")),
        QString(),
    };
}

} // namespace rfid::format
