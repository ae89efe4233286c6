#include "protocol/readersettings.h"

#include "link/hextext.h"
#include "link/response.h"

namespace rfid::settings {

namespace {
const BaudRate kBaudRates[] = {
    {"9600", 0x00}, {"19200", 0x01}, {"38400", 0x02}, {"57600", 0x03}, {"115200", 0x04},
};
} // namespace

std::span<const BaudRate> baudRates()
{
    return kBaudRates;
}

std::optional<quint8> baudCode(const QString &text)
{
    for (const BaudRate &b : kBaudRates)
        if (text == QLatin1String(b.text))
            return b.code;
    return std::nullopt;
}

Request setBaudRate(quint8 code)
{
    return request(SetBaudRate, {byte(code)});
}

Request setAddress(const QByteArray &address)
{
    return request(SetAddress, {address});
}

Request setSerial(const QByteArray &serial)
{
    return request(SetSerial, {serial});
}

Request indicator(Indicator which, const QByteArray &period, const QByteArray &count)
{
    return request(quint8(which), {period, count});
}

Request readingMode(bool active)
{
    return request(ReadingMode, {byte(active ? 0x01 : 0x02)});
}

Request read()
{
    return request(Read);
}

Identity Identity::from(const Response &r)
{
    return {r.dataAt(4, 1), r.dataAt(5, 8)};
}

LogLines Identity::addressLines(const QString &time) const
{
    return {QStringLiteral("系统地址为 : ") + bytesToHex(address) + QStringLiteral("   ") + time, QString()};
}

LogLines Identity::serialLines(const QString &time) const
{
    return {QStringLiteral("读序列号成功   ") + time, QStringLiteral("地址为：") + bytesToHex(address),
            QStringLiteral("序列号为：") + bytesToHex(serial), QString()};
}

QString unknownBaudLine(const QString &text, const QString &time)
{
    return QStringLiteral("波特率“%1”不是可选的波特率（9600、19200、38400、57600、115200）之一，未发送   %2")
               .arg(text, time)
        + QStringLiteral("\r\n");
}

} // namespace rfid::settings
