#include "reasons.h"

#include <QCoreApplication>
#include <QHash>

namespace rfid {

QString falsereason(const QString &code)
{
    static const QHash<QString, const char *> table = {
        {QStringLiteral("10"), QT_TRANSLATE_NOOP("rfid::reasons", "输入的参数大于最大允许范围，溢出.....")},
        {QStringLiteral("80"), QT_TRANSLATE_NOOP("rfid::reasons", "命令创作成功.....")},
        {QStringLiteral("81"), QT_TRANSLATE_NOOP("rfid::reasons", "参数设置失败....")},
        {QStringLiteral("82"), QT_TRANSLATE_NOOP("rfid::reasons", "通讯超时 ....")},
        {QStringLiteral("83"), QT_TRANSLATE_NOOP("rfid::reasons", "卡不存在....")},
        {QStringLiteral("84"), QT_TRANSLATE_NOOP("rfid::reasons", "接收卡数据出错....")},
        {QStringLiteral("85"), QT_TRANSLATE_NOOP("rfid::reasons", "输入参数或者输入命令格式错误....")},
        {QStringLiteral("87"), QT_TRANSLATE_NOOP("rfid::reasons", "未知的错误....")},
        {QStringLiteral("89"), QT_TRANSLATE_NOOP("rfid::reasons", "The parameter of the command or the Format of the command Erro...")},
        {QStringLiteral("8A"), QT_TRANSLATE_NOOP("rfid::reasons", "在块初始化中出现错误...")},
        {QStringLiteral("8B"), QT_TRANSLATE_NOOP("rfid::reasons", "在防冲突过程中得到错误的序列号....")},
        {QStringLiteral("8C"), QT_TRANSLATE_NOOP("rfid::reasons", "密码认证没通过....")},
        {QStringLiteral("8F"), QT_TRANSLATE_NOOP("rfid::reasons", "读写设备接收到了未定义的命令.....")},
        {QStringLiteral("90"), QT_TRANSLATE_NOOP("rfid::reasons", "卡不支持这个命令....")},
        {QStringLiteral("91"), QT_TRANSLATE_NOOP("rfid::reasons", "命令格式有错误....")},
        {QStringLiteral("92"), QT_TRANSLATE_NOOP("rfid::reasons", "在命令的FLAG参数中，不支持OPTION 模式....")},
        {QStringLiteral("93"), QT_TRANSLATE_NOOP("rfid::reasons", "要操作的BLOCK不存在....")},
        {QStringLiteral("94"), QT_TRANSLATE_NOOP("rfid::reasons", "要操作的对象已经别锁定，不能进行修改....")},
        {QStringLiteral("95"), QT_TRANSLATE_NOOP("rfid::reasons", "锁定操作不成功....")},
        {QStringLiteral("96"), QT_TRANSLATE_NOOP("rfid::reasons", "写操作不成功....")},
    };
    const char *text = table.value(code);
    return text ? QCoreApplication::translate("rfid::reasons", text) : QString();
}

} // namespace rfid
