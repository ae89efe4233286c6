#pragma once

#include <QString>

namespace rfid {

// The reader's reason code (two upper-case hex digits) as a message; codes
// outside the table, lower-case codes and "" give the empty text.
QString falsereason(const QString &code);

} // namespace rfid
