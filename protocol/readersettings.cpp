#include "protocol/readersettings.h"

#include <QCoreApplication>

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

Request setAddress(const HexPart &address)
{
    return request(SetAddress, {address});
}

Request setSerial(const HexPart &serial)
{
    return request(SetSerial, {serial});
}

Request indicator(Indicator which, const HexPart &period, const HexPart &count)
{
    return request(quint8(which), {period, count});
}

Request readingMode(bool active)
{
    Request r = request(ReadingMode, {byte(active ? 0x01 : 0x02)});
    r.digits.replace(0, 2, QStringLiteral("0f"));   // the page writes this code in lower case
    return r;
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
    return {QCoreApplication::translate("rfid::settings", "系统地址为 : ") + bytesToHex(address) + QStringLiteral("   ") + time, QString()};
}

LogLines Identity::serialLines(const QString &time) const
{
    return {QCoreApplication::translate("rfid::settings", "读序列号成功   ") + time, QCoreApplication::translate("rfid::settings", "地址为：") + bytesToHex(address),
            QCoreApplication::translate("rfid::settings", "序列号为：") + bytesToHex(serial), QString()};
}

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(rfid::settings)
};

// The name the indicator's texts give it.
QString indicatorName(Indicator which)
{
    switch (which) {
    case Indicator::LedR:
        return Texts::tr("LED-R");
    case Indicator::Buzzer:
        return Texts::tr("BUZ");
    case Indicator::Led:
        break;
    }
    return Texts::tr("LED");
}
} // namespace

QString baudFailureText()
{
    return Texts::tr("波特率设置失败   ");
}

QString baudDoneText()
{
    return Texts::tr("波特率设置成功   ");
}

QString addressReadFailureText()
{
    return Texts::tr("操作失败        ");
}

QString addressFailureText()
{
    return Texts::tr("读写器地址设置失败   ");
}

QString addressDoneText()
{
    return Texts::tr("读写器地址设置成功   ");
}

QString serialReadFailureText()
{
    return Texts::tr("读序列号失败   ");
}

QString serialFailureText()
{
    return Texts::tr("机器序列号设置失败   ");
}

QString serialDoneText()
{
    return Texts::tr("机器序列号设置成功   ");
}

QString indicatorFailureText(Indicator which)
{
    return Texts::tr("设置%1操作失败   ").arg(indicatorName(which));
}

QString indicatorDoneText(Indicator which)
{
    return Texts::tr("设置%1操作成功   ").arg(indicatorName(which));
}

QString unknownBaudLine(const QString &text, const QString &time)
{
    return QCoreApplication::translate("rfid::settings", "波特率“%1”不是可选的波特率（9600、19200、38400、57600、115200）之一，未发送   %2")
               .arg(text, time)
        + QStringLiteral("\r\n");
}

} // namespace rfid::settings
