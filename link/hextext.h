// Hex text: two hex digits a byte, high digit first. Only 0-9, a-f, A-F count
// wherever hex text is read; everything else is dropped.
#pragma once

#include <QByteArray>
#include <QString>

namespace rfid {

// The hex digits of text, in order, everything else dropped.
QString hexDigits(const QString &text);
// hexDigits, then only whole pairs from the start (a lone last digit is dropped).
QString checkdata(const QString &text);
// The bytes of hex text in reverse order, each followed by one blank. Pairs are
// taken from the end, so an odd-length text loses its first character.
QString cdate(const QString &text);
// True when text holds an odd number of hex digits (it cannot be whole bytes).
bool hasOddDigits(const QString &text);
// The bytes of checkdata(text).
QByteArray hexToBytes(const QString &text);
// Upper-case hex, no separators.
QString bytesToHex(const QByteArray &bytes);
QString bytesToHex(const unsigned char *bytes, int count);
// One byte as two upper-case digits.
QString byteHex(unsigned value);

} // namespace rfid
