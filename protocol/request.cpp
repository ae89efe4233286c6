#include "protocol/request.h"

#include "link/hextext.h"

namespace rfid {

QString Request::text() const
{
    return byteHex(code) + bytesToHex(params);
}

Request request(quint8 code, std::initializer_list<QByteArray> parts)
{
    Request r{code, {}};
    for (const QByteArray &p : parts)
        r.params += p;
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

} // namespace rfid
