#include "reasons.h"

#include <QHash>

namespace rfid {

QString falsereason(const QString &code)
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("10"), QStringLiteral("输入的参数大于最大允许范围，溢出.....")},
        {QStringLiteral("80"), QStringLiteral("命令创作成功.....")},
        {QStringLiteral("81"), QStringLiteral("参数设置失败....")},
        {QStringLiteral("82"), QStringLiteral("通讯超时 ....")},
        {QStringLiteral("83"), QStringLiteral("卡不存在....")},
        {QStringLiteral("84"), QStringLiteral("接收卡数据出错....")},
        {QStringLiteral("85"), QStringLiteral("输入参数或者输入命令格式错误....")},
        {QStringLiteral("87"), QStringLiteral("未知的错误....")},
        {QStringLiteral("89"), QStringLiteral("The parameter of the command or the Format of the command Erro...")},
        {QStringLiteral("8A"), QStringLiteral("在块初始化中出现错误...")},
        {QStringLiteral("8B"), QStringLiteral("在防冲突过程中得到错误的序列号....")},
        {QStringLiteral("8C"), QStringLiteral("密码认证没通过....")},
        {QStringLiteral("8F"), QStringLiteral("读写设备接收到了未定义的命令.....")},
        {QStringLiteral("90"), QStringLiteral("卡不支持这个命令....")},
        {QStringLiteral("91"), QStringLiteral("命令格式有错误....")},
        {QStringLiteral("92"), QStringLiteral("在命令的FLAG参数中，不支持OPTION 模式....")},
        {QStringLiteral("93"), QStringLiteral("要操作的BLOCK不存在....")},
        {QStringLiteral("94"), QStringLiteral("要操作的对象已经别锁定，不能进行修改....")},
        {QStringLiteral("95"), QStringLiteral("锁定操作不成功....")},
        {QStringLiteral("96"), QStringLiteral("写操作不成功....")},
    };
    return table.value(code);
}

} // namespace rfid
