// A raw frame the operator types in full: sent exactly as typed, once it is
// whole bytes that fit the write buffer.
#pragma once

#include <QString>

namespace rfid::raw {

// Why a typed frame cannot be sent ("" when it can): no digits, an odd number
// of hex digits, or more bytes than the write buffer holds.
QString frameRefusal(const QString &frame);

} // namespace rfid::raw
