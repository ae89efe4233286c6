// One exchange with the reader: write a frame, read the response.
#pragma once

#include <QByteArray>
#include <QString>

namespace rfid {

class ReaderLibrary;

struct ExchangeResult {
    QString recdata;   // the response as hex text; "" when nothing came
    QString error;     // a log line when the exchange failed before the read
};

inline const QString kWriteFailed = QStringLiteral("Non data receiving,Please check the equipment....");

// Writes frame (at most 255 bytes) through the library and reads the answer
// from the read buffer. A buffer that does not start with AA is no answer.
// Otherwise the answer is the length byte's L+5 bytes, never more than a read
// may deliver, and cut to the read's result when that is a count of more than
// one byte, so that a length byte pointing past the data never reads beyond it
// (the frame check then calls it corrupted).
ExchangeResult exchange(ReaderLibrary &library, const QByteArray &frame);

} // namespace rfid
