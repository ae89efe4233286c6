#pragma once

#include <QDateTime>
#include <QString>

namespace rfid {

// "hh:mm:ss AM/PM" on the 12-hour clock (midnight is 12 AM, noon 12 PM).
QString timeStamp(const QTime &time);
QString timeStamp();   // now
// The status bar clock: "   yyyy.mm.dd   " + timeStamp + "   ".
QString clockText(const QDateTime &when);

} // namespace rfid
