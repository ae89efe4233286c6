#include "timestamp.h"

namespace rfid {

QString timeStamp(const QTime &time)
{
    // Built by hand: the format's AM/PM markers would follow the locale.
    const int h = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(h, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString timeStamp()
{
    return timeStamp(QTime::currentTime());
}

QString clockText(const QDateTime &when)
{
    const QDate d = when.date();
    return QStringLiteral("   %1.%2.%3   %4   ")
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(timeStamp(when.time()));
}

} // namespace rfid
