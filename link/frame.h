// Request and response frames:
//   AA, address, length N, command (or status) and data, XOR of address..data, BB.
#pragma once

#include <QByteArray>
#include <QString>

namespace rfid {

constexpr int kMaxFrameBytes = 255;   // the write buffer
constexpr int kReadMaxLength = 245;   // what a read may deliver
constexpr int kReadBufferSize = 256;

// The request frame for a command, as hex text: "AA" + address + length +
// command digits + check + "BB". The address is inserted as given (the combo's
// text), the command's non-hex characters are dropped.
QString frameText(const QString &address, const QString &command);

// XOR of the bytes of hex text, taken in whole pairs from its start.
unsigned xorOfHex(const QString &hex);

// True when bytes form one whole frame: AA at the start, BB at the end, a length
// byte that accounts for every byte, and a matching XOR byte.
bool frameIntact(const QByteArray &bytes);

} // namespace rfid
