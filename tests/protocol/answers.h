// Helpers of the protocol tests: a request's frame as the reader receives it,
// and answers built as the reader sends them.
#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include "link/frame.h"
#include "link/hextext.h"
#include "link/response.h"
#include "protocol/request.h"

namespace rfid::test {

// The request framed for reader address 00, as upper-case bytes with blanks.
inline QString frameOf(const Request &r)
{
    const QByteArray bytes = hexToBytes(frameText(QStringLiteral("00"), r.text()));
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// A well-formed answer: AA 00 L status data XOR BB, judged.
inline Response answer(int status, const char *dataHex = "")
{
    const QString body = QStringLiteral("00") + byteHex(unsigned(1 + hexToBytes(QString::fromLatin1(dataHex)).size()))
        + byteHex(unsigned(status)) + checkdata(QString::fromLatin1(dataHex));
    return evaluate(QStringLiteral("AA") + body + byteHex(xorOfHex(body)) + QStringLiteral("BB"));
}

// Bytes of hex text.
inline QByteArray hex(const char *text)
{
    return hexToBytes(QString::fromLatin1(text));
}

inline const QString kTime = QStringLiteral("T");

} // namespace rfid::test

Q_DECLARE_METATYPE(rfid::Request)
Q_DECLARE_METATYPE(rfid::Response)
