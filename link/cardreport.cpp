#include "cardreport.h"

#include "hextext.h"

namespace rfid {

namespace {
struct Kind {
    const char *type;
    const char *title;
    const char *label;
    int idBytes;
};

const Kind kKinds[] = {
    {"01", "检测到S50/S70卡", "卡的ID号码为： ", 4},
    {"02", "检测到Ultralight/desfire卡", "卡的ID号码为： ", 7},
    {"03", "检测到ISO 14443 B卡", "卡的ID号码为： ", 4},
    {"04", "中华人民共和国第二代身份证..", "身份证卡的ID号码为： ", 8},
    {"05", "检测到ISO 15693卡", "卡的ID号码为： ", 8},
};
} // namespace

std::optional<CardReport> decodeCardReport(const QString &arrivalHex)
{
    const QString type = arrivalHex.mid(2, 2).toUpper();
    for (const Kind &k : kKinds) {
        if (type != QLatin1String(k.type))
            continue;
        return CardReport{QString::fromUtf8(k.title), QString::fromUtf8(k.label), arrivalHex.mid(4, 2 * k.idBytes)};
    }
    return std::nullopt;
}

QString serialEcho(const QByteArray &bytes)
{
    QString echo;
    echo.reserve(bytes.size() * 3);
    for (const char b : bytes)
        echo += u' ' + byteHex(static_cast<unsigned char>(b));
    return echo;
}

} // namespace rfid
