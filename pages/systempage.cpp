#include "systempage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "../link/hextext.h"
#include "../link/timestamp.h"
#include "commandhost.h"
#include "exchangeflow.h"

namespace rfid {

namespace {
const BaudRate kBaudRates[] = {
    {"9600", 0x00}, {"19200", 0x01}, {"38400", 0x02}, {"57600", 0x03}, {"115200", 0x04},
};

// The name of a field in a log line: its row's label and its object name.
QString fieldName(const QString &label, const QLineEdit *edit)
{
    return label + QStringLiteral("（") + edit->objectName() + QStringLiteral("）");
}
} // namespace

const BaudRate *baudRates(int *count)
{
    *count = int(std::size(kBaudRates));
    return kBaudRates;
}

QString baudCode(const QString &text)
{
    for (const BaudRate &b : kBaudRates)
        if (text == QLatin1String(b.text))
            return byteHex(b.code);
    return {};
}

QString baudCommand(const QString &code)
{
    return QStringLiteral("81") + code;
}

QString setAddressCommand(const QString &address)
{
    return QStringLiteral("80") + address;
}

QString setSerialCommand(const QString &serial)
{
    return QStringLiteral("82") + serial;
}

QString signalCommand(unsigned command, const QString &period, const QString &count)
{
    return byteHex(command) + period + count;
}

QString readingModeCommand(bool active)
{
    return active ? QStringLiteral("0f01") : QStringLiteral("0f02");
}

QString unknownBaudLine(const QString &text, const QString &time)
{
    return QStringLiteral("波特率“%1”不是可选的波特率（9600、19200、38400、57600、115200）之一，未发送   %2")
               .arg(text, time)
        + kCrLf;
}

// The address is the first data byte and the serial number the eight after it;
// a short answer shows fewer digits, never its check and end bytes.
QString addressEntry(const Response &r, const QString &time)
{
    return QStringLiteral("系统地址为 : ") + bytesToHex(r.data().left(1)) + QStringLiteral("   ") + time + kCrLf;
}

QString serialEntry(const Response &r, const QString &time)
{
    const QByteArray data = r.data();
    return QStringLiteral("读序列号成功   ") + time + kCrLf + QStringLiteral("地址为：") + bytesToHex(data.left(1))
        + kCrLf + QStringLiteral("序列号为：") + bytesToHex(data.mid(1, 8)) + kCrLf;
}

SystemPage::SystemPage(CommandHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    auto label = [](const char *name, const QString &text) {
        auto *l = new QLabel(text);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto edit = [](const char *name, const QString &text, const QString &accessible, int width = 40) {
        auto *e = new QLineEdit(text);
        e->setObjectName(QString::fromLatin1(name));
        e->setAccessibleName(accessible);
        e->setMaximumWidth(width);
        return e;
    };
    // The captions "设置" and "读取" repeat down the page, so a screen reader
    // hears the row with them.
    auto button = [this](const char *name, const QString &caption, const QString &row, void (SystemPage::*slot)()) {
        auto *b = new QPushButton(caption);
        b->setObjectName(QString::fromLatin1(name));
        if (!row.isEmpty())
            b->setAccessibleName(caption + QStringLiteral("：") + row);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };

    auto *commands = new QGroupBox(QStringLiteral("系统命令"));
    commands->setObjectName(QStringLiteral("GroupBox3"));
    auto *rows = new QGridLayout(commands);
    // Columns: label, field, label, field, label, button.
    int row = 0;

    auto *baudLabel = label("Label12", QStringLiteral("设置波特率:      "));
    m_baud = new QComboBox;
    m_baud->setObjectName(QStringLiteral("ComboBox5"));
    m_baud->setEditable(true);
    // Typed text is sent, never kept as a new item: the list stays the five rates.
    m_baud->setInsertPolicy(QComboBox::NoInsert);
    for (const BaudRate &b : kBaudRates)
        m_baud->addItem(QString::fromLatin1(b.text));
    m_baud->setEditText(QStringLiteral("9600"));
    m_baud->setToolTip(QStringLiteral("待设置的波特率"));
    m_baud->setAccessibleName(QStringLiteral("设置波特率"));
    baudLabel->setBuddy(m_baud);
    rows->addWidget(baudLabel, row, 0);
    rows->addWidget(m_baud, row, 1);
    rows->addWidget(label("Label30", QStringLiteral("（要设置的波特率）              ")), row, 2, 1, 3);
    rows->addWidget(button("Button12", QStringLiteral("设置"), QStringLiteral("设置波特率"), &SystemPage::Button12Click),
                    row++, 5);

    rows->addWidget(label("Label3", QStringLiteral("读取机器ID号:         ")), row, 0);
    rows->addWidget(button("Button4", QStringLiteral("读取"), QStringLiteral("读取机器ID号"), &SystemPage::Button4Click),
                    row++, 5);

    auto *addressLabel = label("Label11", QStringLiteral("重设置机器ID号：    "));
    m_address = edit("Edit4", QStringLiteral("00"), QStringLiteral("重设置机器ID号"));
    m_address->setToolTip(QStringLiteral("要设置的新地址 ,十六进制表示。"));
    addressLabel->setBuddy(m_address);
    rows->addWidget(addressLabel, row, 0);
    rows->addWidget(m_address, row, 1);
    rows->addWidget(label("Label27", QStringLiteral("（范围0~FF）  ")), row, 2, 1, 3);
    rows->addWidget(button("Button11", QStringLiteral("设置"), QStringLiteral("重设置机器ID号"), &SystemPage::Button11Click),
                    row++, 5);

    rows->addWidget(label("Label7", QStringLiteral("读取机器的序列号：    ")), row, 0);
    rows->addWidget(button("Button14", QStringLiteral("读取"), QStringLiteral("读取机器的序列号"), &SystemPage::Button14Click),
                    row++, 5);

    auto *serialLabel = label("Label13", QStringLiteral("重设置机器序列号：     "));
    m_serial = edit("Edit9", QStringLiteral("FF FF FF FF FF FF FF FF"), QStringLiteral("重设置机器序列号"), 200);
    serialLabel->setBuddy(m_serial);
    rows->addWidget(serialLabel, row, 0);
    rows->addWidget(m_serial, row, 1, 1, 3);
    rows->addWidget(label("Label8", QStringLiteral("8个字节     ")), row, 4);
    rows->addWidget(button("Button13", QStringLiteral("设置"), QStringLiteral("重设置机器序列号"), &SystemPage::Button13Click),
                    row++, 5);

    // LED, LED-R and buzzer rows: label, period, "周期", count, "次数", button.
    struct SignalRow {
        const char *rowLabel, *periodEdit, *periodLabel, *countEdit, *countLabel, *button;
        QString rowText, periodText, countText, what;
        void (SystemPage::*slot)();
        QLineEdit **period, **count;
    };
    const SignalRow signalRows[] = {
        {"Label24", "Edit30", "Label4", "Edit31", "Label44", "Button20", QStringLiteral("led的控制："),
         QStringLiteral("  周期      "), QStringLiteral("次数     "), QStringLiteral("led的控制"),
         &SystemPage::Button20Click, &m_ledPeriod, &m_ledCount},
        {"Label37", "Edit11", "Label38", "Edit12", "Label6", "Button23", QStringLiteral("led-R 的控制："),
         QStringLiteral("  周期      "), QStringLiteral("次数     "), QStringLiteral("led-R 的控制"),
         &SystemPage::Button23Click, &m_ledRPeriod, &m_ledRCount},
        {"Label25", "Edit33", "Label5", "Edit34", "Label39", "Button21", QStringLiteral("buzzer的控制："),
         QStringLiteral("  周期        "), QStringLiteral("次数     "), QStringLiteral("buzzer的控制"),
         &SystemPage::Button21Click, &m_buzzerPeriod, &m_buzzerCount},
    };
    for (const SignalRow &s : signalRows) {
        auto *rowLabel = label(s.rowLabel, s.rowText);
        *s.period = edit(s.periodEdit, QStringLiteral("16"), s.what + QStringLiteral(" 周期"));
        *s.count = edit(s.countEdit, QStringLiteral("03"), s.what + QStringLiteral(" 次数"));
        auto *periodLabel = label(s.periodLabel, s.periodText);
        auto *countLabel = label(s.countLabel, s.countText);
        rowLabel->setBuddy(*s.period);
        periodLabel->setBuddy(*s.period);
        countLabel->setBuddy(*s.count);
        rows->addWidget(rowLabel, row, 0);
        rows->addWidget(*s.period, row, 1);
        rows->addWidget(periodLabel, row, 2);
        rows->addWidget(*s.count, row, 3);
        rows->addWidget(countLabel, row, 4);
        rows->addWidget(button(s.button, QStringLiteral("设置"), s.what, s.slot), row++, 5);
    }
    rows->setColumnStretch(4, 1);

    auto *modes = new QGroupBox(QStringLiteral("读卡器硬件状态切换"));
    modes->setObjectName(QStringLiteral("GroupBox11"));
    auto *grid = new QGridLayout(modes);
    grid->addWidget(label("Label56", QStringLiteral("读卡器硬件状态切换：      ")), 0, 0);
    grid->addWidget(button("Button52", QStringLiteral("主动读卡"), QString(), &SystemPage::Button52Click), 0, 1);
    grid->addWidget(button("Button53", QStringLiteral("被动读卡"), QString(), &SystemPage::Button53Click), 0, 2);
    auto *pauseLabel = new QLabel(QStringLiteral("程序等待时间：   "));
    pauseLabel->setObjectName(QStringLiteral("Label57"));
    m_pause = new QLineEdit(QStringLiteral("100"));
    m_pause->setObjectName(QStringLiteral("Edit22"));
    pauseLabel->setBuddy(m_pause);
    m_pause->setAccessibleName(QStringLiteral("程序等待时间"));
    auto *unit = new QLabel(QStringLiteral("毫秒（ms）"));
    unit->setObjectName(QStringLiteral("Label58"));
    grid->addWidget(pauseLabel, 1, 0);
    grid->addWidget(m_pause, 1, 1);
    grid->addWidget(unit, 1, 2);
    m_pause->setMaximumWidth(80);
    grid->setColumnStretch(3, 1);
    connect(m_pause, &QLineEdit::textChanged, this, &SystemPage::Edit22Change);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(commands);
    layout->addWidget(modes);
    layout->addStretch();
}

void SystemPage::setting(const QString &command, const QString &success, const QString &failure)
{
    const Response r = sendAndWait(m_host, command);
    if (reportOutcome(m_host, r, OutcomeTexts{failure}))
        m_host.log(success + timeStamp() + kCrLf);
}

void SystemPage::Button12Click()
{
    const QString code = baudCode(m_baud->currentText());
    if (code.isEmpty()) {
        // Without its code byte the command would ask the reader for nothing.
        m_host.log(unknownBaudLine(m_baud->currentText(), timeStamp()));
        return;
    }
    setting(baudCommand(code), QStringLiteral("波特率设置成功   "), QStringLiteral("波特率设置失败   "));
}

void SystemPage::Button4Click()
{
    const Response r = sendAndWait(m_host, kReadCommand);
    if (reportOutcome(m_host, r, OutcomeTexts{QStringLiteral("操作失败        ")}))
        m_host.log(addressEntry(r, timeStamp()));
}

void SystemPage::Button11Click()
{
    if (!fieldsWhole(m_host, {{fieldName(QStringLiteral("重设置机器ID号"), m_address), m_address->text()}}))
        return;
    setting(setAddressCommand(m_address->text()), QStringLiteral("读写器地址设置成功   "),
            QStringLiteral("读写器地址设置失败   "));
}

void SystemPage::Button14Click()
{
    const Response r = sendAndWait(m_host, kReadCommand);
    if (reportOutcome(m_host, r, OutcomeTexts{QStringLiteral("读序列号失败   ")}))
        m_host.log(serialEntry(r, timeStamp()));
}

void SystemPage::Button13Click()
{
    if (!fieldsWhole(m_host, {{fieldName(QStringLiteral("重设置机器序列号"), m_serial), m_serial->text()}}))
        return;
    setting(setSerialCommand(m_serial->text()), QStringLiteral("机器序列号设置成功   "),
            QStringLiteral("机器序列号设置失败   "));
}

void SystemPage::indicator(unsigned command, QLineEdit *period, QLineEdit *count, const QString &what,
                           const QString &name)
{
    if (!fieldsWhole(m_host, {{fieldName(what + QStringLiteral(" 周期"), period), period->text()},
                              {fieldName(what + QStringLiteral(" 次数"), count), count->text()}}))
        return;
    setting(signalCommand(command, period->text(), count->text()), QStringLiteral("设置%1操作成功   ").arg(name),
            QStringLiteral("设置%1操作失败   ").arg(name));
}

void SystemPage::Button20Click()
{
    indicator(0x88, m_ledPeriod, m_ledCount, QStringLiteral("led的控制"), QStringLiteral("LED"));
}

void SystemPage::Button23Click()
{
    indicator(0x87, m_ledRPeriod, m_ledRCount, QStringLiteral("led-R 的控制"), QStringLiteral("LED-R"));
}

void SystemPage::Button21Click()
{
    indicator(0x89, m_buzzerPeriod, m_buzzerCount, QStringLiteral("buzzer的控制"), QStringLiteral("BUZ"));
}

// The mode switch is sent and not reported: the reader changes how it reads
// cards, and its answer is not waited for.
void SystemPage::Button52Click()
{
    m_host.Send(readingModeCommand(true));
}

void SystemPage::Button53Click()
{
    m_host.Send(readingModeCommand(false));
}

void SystemPage::Edit22Change(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        m_pause->setText(QStringLiteral("100"));
}

} // namespace rfid
