#include "typebpage.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/frame.h"
#include "link/hextext.h"
#include "link/timestamp.h"
#include "session/readersession.h"
#include "exchangeflow.h"

namespace rfid {

namespace {
const QString kFailed = QStringLiteral("操作失败   ");
const QString kSucceeded = QStringLiteral("操作成功   ");

struct ExchangeMessage {
    const char *code;
    const char *text;
};
// Mostly the reader's reason texts, but 80 and 8F read differently here.
const ExchangeMessage kExchangeMessages[] = {
    {"80", "参数设置成功....."},
    {"81", "参数设置失败...."},
    {"82", "通讯超时 ...."},
    {"83", "卡不存在...."},
    {"84", "接收卡数据出错...."},
    {"85", "输入参数或者输入命令格式错误...."},
    {"87", "未知的错误...."},
    {"89", "The parameter of the command or the Format of the command Erro..."},
    {"8A", "在块初始化中出现错误..."},
    {"8B", "在防冲突过程中得到错误的序列号...."},
    {"8C", "密码认证没通过...."},
    {"8F", "Reader received unknown command...."},
    {"90", "卡不支持这个命令...."},
    {"91", "命令格式有错误...."},
    {"92", "在命令的FLAG参数中，不支持OPTION 模式...."},
    {"93", "要操作的BLOCK不存在...."},
    {"94", "要操作的对象已经别锁定，不能进行修改...."},
    {"95", "锁定操作不成功...."},
    {"96", "写操作不成功...."},
};

QFrame *separator()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

QString dataExchangeFrame(const QString &address, const QString &data)
{
    const QString d = checkdata(data);
    const unsigned n = unsigned(d.size() / 2);
    const QString body = address + byteHex(n + 2) + QStringLiteral("0D") + byteHex(n) + d;
    return QStringLiteral("AA") + body + byteHex(xorOfHex(body)) + QStringLiteral("BB");
}

QString exchangeMessage(const QString &code)
{
    for (const ExchangeMessage &m : kExchangeMessages)
        if (code == QLatin1String(m.code))
            return QString::fromUtf8(m.text);
    return {};
}

QString dataExchangeEntry(const QString &answer, const QString &time)
{
    const QString failed = kFailed + time;
    if (answer.isEmpty())
        return failed + kCrLf + QStringLiteral("无数据接收..") + kCrLf;
    Response r;
    r.frame = hexToBytes(answer);
    // A damaged frame's bytes are not the card's: never show them as data.
    if (!frameIntact(r.frame) || r.frame.size() < 6)
        return failed + kCrLf + OutcomeTexts().corrupted + time + kCrLf;
    if (r.byteText(3) == QLatin1String("00"))
        return kSucceeded + time + kCrLf + QStringLiteral("操作后的数据串为：") + r.dataText() + kCrLf;
    // Byte 4 of a status-only answer would be its check byte: no code then.
    const QString message = exchangeMessage(r.frame.size() > 6 ? r.byteText(4) : QString());
    return message.isEmpty() ? failed : failed + kCrLf + message + kCrLf;
}

QString requestEntry(const Response &r, const QString &time)
{
    const QByteArray data = r.data();
    return kSucceeded + time + kCrLf + kCrLf + QStringLiteral("卡片复位数据的长度为:") + bytesToHex(data.left(1))
        + kCrLf + QStringLiteral("返回操作后的数据为:") + bytesToHex(data.mid(1)) + kCrLf;
}

QString idNumberEntry(const Response &r, const QString &time)
{
    return kSucceeded + time + kCrLf + QStringLiteral("返回卡号为:") + bytesToHex(r.data().mid(1, 8)) + kCrLf;
}

TypeBPage::TypeBPage(ReaderSession &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabSheet5"));

    auto label = [](const char *name, const QString &text) {
        auto *l = new QLabel(text);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    // Captions "读取" and "连续读      " repeat on the page, so a screen
    // reader hears the row with them.
    auto button = [this](const char *name, const QString &caption, const QString &row, void (TypeBPage::*slot)()) {
        auto *b = new QPushButton(caption);
        b->setObjectName(QString::fromLatin1(name));
        if (!row.isEmpty())
            b->setAccessibleName(caption + QStringLiteral("：") + row);
        if (slot)
            connect(b, &QPushButton::clicked, this, slot);
        else
            b->setEnabled(false);   // no command behind it
        return b;
    };
    // The repeat boxes: their loops find them by name.
    auto repeat = [](const char *name, const QString &row) {
        auto *c = new QCheckBox(QStringLiteral("连续读      "));
        c->setObjectName(QString::fromLatin1(name));
        c->setAccessibleName(QStringLiteral("连续读：") + row);
        return c;
    };
    auto edit = [](const char *name, const QString &text, const QString &hint, QLabel *named) {
        auto *e = new QLineEdit(text);
        e->setObjectName(QString::fromLatin1(name));
        e->setToolTip(hint);
        named->setBuddy(e);
        e->setAccessibleName(named->text().trimmed().remove(QStringLiteral("：")));
        return e;
    };

    auto *commands = new QGroupBox(QStringLiteral("ISO14443 Type-B Commands"));
    commands->setObjectName(QStringLiteral("GroupBox21"));
    auto *rows = new QGridLayout(commands);
    int row = 0;
    rows->addWidget(repeat("CheckBox11", QStringLiteral("卡请求")), row, 0);
    rows->addWidget(button("Button31", QStringLiteral("卡请求"), {}, &TypeBPage::Button31Click), row, 2);
    rows->addWidget(button("Button32", QStringLiteral("防冲突"), {}, nullptr), row++, 3);
    rows->addWidget(separator(), row++, 0, 1, 4);

    auto *cardIdLabel = label("Label86", QStringLiteral("请输入卡ID号码：         "));
    m_cardId = edit("Edit76", QStringLiteral("41 30 0A 10"), QStringLiteral("insert card number"), cardIdLabel);
    rows->addWidget(cardIdLabel, row, 0);
    rows->addWidget(m_cardId, row, 1);
    rows->addWidget(button("Button33", QStringLiteral("Attrib"), {}, &TypeBPage::Button33Click), row, 2);
    rows->addWidget(button("Button34", QStringLiteral("复位卡"), {}, nullptr), row++, 3);
    rows->addWidget(separator(), row++, 0, 1, 4);

    auto *dataLabel = label("Label87", QStringLiteral("数据：    "));
    m_data = edit("Edit77", QStringLiteral("05 00 00"), QStringLiteral("data"), dataLabel);
    rows->addWidget(dataLabel, row, 0);
    rows->addWidget(m_data, row, 1);
    rows->addWidget(button("Button36", QStringLiteral("发送数据"), {}, &TypeBPage::Button36Click), row++, 2);
    rows->setColumnStretch(1, 1);

    auto *idCard = new QGroupBox(QStringLiteral("第二代居民身份证"));
    idCard->setObjectName(QStringLiteral("GroupBox22"));
    auto *idRows = new QGridLayout(idCard);
    const QString idRow = QStringLiteral("读身份证ID号");
    const QString fileRow = QStringLiteral("读身份证文件ID号");
    idRows->addWidget(label("Label35", QStringLiteral("读身份证ID号：     ")), 0, 0);
    idRows->addWidget(repeat("CheckBox13", idRow), 0, 1);
    idRows->addWidget(button("Button19", QStringLiteral("读取"), idRow, &TypeBPage::Button19Click), 0, 2);
    idRows->addWidget(label("Label36", QStringLiteral("读身份证文件ID号：   ")), 1, 0);
    idRows->addWidget(repeat("CheckBox14", fileRow), 1, 1);
    idRows->addWidget(button("Button22", QStringLiteral("读取"), fileRow, &TypeBPage::Button22Click), 1, 2);
    idRows->setColumnStretch(3, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(commands);
    layout->addWidget(idCard);
    layout->addStretch();
}

void TypeBPage::Button31Click()
{
    const Response r = sendAndWait(m_host, QStringLiteral("09"), 500);
    if (reportOutcome(m_host, r, OutcomeTexts{kFailed}))
        m_host.log(requestEntry(r, timeStamp()));
}

void TypeBPage::Button33Click()
{
    const QString cardId = m_cardId->text();
    if (!fieldsWhole(m_host, {{QStringLiteral("卡ID号码（Edit76）"), cardId}}))
        return;
    const Response r = sendAndWait(m_host, QStringLiteral("0B") + cardId, 500);
    if (reportOutcome(m_host, r, OutcomeTexts{kFailed}))
        m_host.log(QStringLiteral("操作成功、复位成功   ") + timeStamp() + kCrLf);
}

void TypeBPage::Button36Click()
{
    const QString data = m_data->text();
    if (!fieldsWhole(m_host, {{QStringLiteral("数据（Edit77）"), data}}))
        return;
    const int n = int(hexDigits(data).size() / 2);
    if (n > kMaxExchangeData) {
        // Its length byte would overflow and the frame not fit the write buffer.
        m_host.log(QStringLiteral("数据（Edit77）：%1 个字节，最多 %2 个（帧最长 %3 字节），未发送   %4")
                       .arg(n)
                       .arg(kMaxExchangeData)
                       .arg(kMaxFrameBytes)
                       .arg(timeStamp()));
        return;
    }
    m_host.clearRecdata();
    const QString own = m_host.SendHex(dataExchangeFrame(m_host.address(), data));
    m_host.sleepUnlessAnswered(600, own);
    m_host.log(dataExchangeEntry(own, timeStamp()));
}

void TypeBPage::readIdNumber(const QString &command)
{
    const Response r = sendAndWait(m_host, command, 1000);
    if (reportOutcome(m_host, r, OutcomeTexts{QStringLiteral("读卡号操作失败   ")}))
        m_host.log(idNumberEntry(r, timeStamp()));
}

void TypeBPage::Button19Click()
{
    readIdNumber(QStringLiteral("26"));
}

void TypeBPage::Button22Click()
{
    readIdNumber(QStringLiteral("27"));
}

} // namespace rfid
