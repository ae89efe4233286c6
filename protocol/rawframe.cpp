#include "protocol/rawframe.h"

#include "link/frame.h"
#include "link/hextext.h"

namespace rfid::raw {

QString frameRefusal(const QString &frame)
{
    const QString digits = hexDigits(frame);
    if (digits.isEmpty())
        return QStringLiteral("发送框中没有十六进制数字，未发送。");
    if (digits.size() % 2)
        return QStringLiteral("发送框中的帧有 %1 个十六进制数字（奇数个），不成整字节，未发送。").arg(digits.size());
    if (digits.size() / 2 > kMaxFrameBytes)
        return QStringLiteral("发送框中的帧有 %1 字节，超过 %2 字节，未发送。").arg(digits.size() / 2).arg(kMaxFrameBytes);
    return {};
}

} // namespace rfid::raw
