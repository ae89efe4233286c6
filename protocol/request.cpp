#include "protocol/request.h"

#include <QCoreApplication>

#include "link/hextext.h"

namespace rfid {

HexPart::HexPart(const QByteArray &b)
    : bytes(b)
    , digits(bytesToHex(b))
{
}

HexPart HexPart::typed(const QString &text)
{
    HexPart p(hexToBytes(text));
    p.digits = hexDigits(text);
    return p;
}

QString Request::text() const
{
    return digits.isEmpty() ? byteHex(code) + bytesToHex(params) : digits;
}

Request request(quint8 code, std::initializer_list<HexPart> parts)
{
    Request r{code, {}, byteHex(code)};
    for (const HexPart &p : parts) {
        r.params += p.bytes;
        r.digits += p.digits;
    }
    return r;
}

QByteArray byte(quint8 value)
{
    return QByteArray(1, char(value));
}

LogLines doneLines(const QString &text, const QString &time)
{
    return {text + time, QString()};
}

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(rfid::fields)
};
} // namespace

std::optional<QString> oddFieldLine(const QList<Field> &fields, const QString &time, Language language)
{
    for (const Field &f : fields) {
        if (!hasOddDigits(f.text))
            continue;
        if (language == Language::English)
            return Texts::tr("%1: odd number of hex digits, nothing sent   %2").arg(f.name, time);
        return Texts::tr("%1：十六进制数字个数为奇数，未发送   %2").arg(f.name, time);
    }
    return std::nullopt;
}

QString fieldName(const QString &what, const QString &which)
{
    return Texts::tr("%1（%2）").arg(what, which);
}

} // namespace rfid
