#include "systempage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/hextext.h"
#include "link/timestamp.h"
#include "pages/controls.h"
#include "pages/exchangeflow.h"
#include "session/readersession.h"

namespace rfid {

namespace {
// The name of a field in a log line: its row's label and its object name.
QString nameOf(const QString &label, const QLineEdit *edit)
{
    return fieldName(label, edit->objectName());
}
} // namespace

SystemPage::SystemPage(ReaderSession &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    using controls::label;
    auto edit = [](const char *name, const QString &text, const QString &accessible, int width = 40) {
        QLineEdit *e = controls::edit(name, text);
        e->setAccessibleName(accessible);
        e->setMaximumWidth(width);
        return e;
    };
    // The captions "设置" and "读取" repeat down the page, so a screen reader
    // hears the row with them.
    auto button = [this](const char *name, const QString &caption, const QString &row, void (SystemPage::*slot)()) {
        QPushButton *b =
            controls::button(name, caption, row);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };

    auto *commands = new QGroupBox(tr("系统命令"));
    commands->setObjectName(QStringLiteral("GroupBox3"));
    auto *rows = new QGridLayout(commands);
    // Columns: label, field, label, field, label, button.
    int row = 0;

    auto *baudLabel = label("Label12", tr("设置波特率:      "));
    m_baud = new QComboBox;
    m_baud->setObjectName(QStringLiteral("ComboBox5"));
    m_baud->setEditable(true);
    // Typed text is sent, never kept as a new item: the list stays the five rates.
    m_baud->setInsertPolicy(QComboBox::NoInsert);
    for (const settings::BaudRate &b : settings::baudRates())
        m_baud->addItem(QString::fromLatin1(b.text));
    m_baud->setEditText(QStringLiteral("9600"));
    m_baud->setToolTip(tr("待设置的波特率"));
    m_baud->setAccessibleName(tr("设置波特率"));
    baudLabel->setBuddy(m_baud);
    rows->addWidget(baudLabel, row, 0);
    rows->addWidget(m_baud, row, 1);
    rows->addWidget(label("Label30", tr("（要设置的波特率）              ")), row, 2, 1, 3);
    rows->addWidget(button("Button12", tr("设置"), tr("设置波特率"), &SystemPage::Button12Click),
                    row++, 5);

    rows->addWidget(label("Label3", tr("读取机器ID号:         ")), row, 0);
    rows->addWidget(button("Button4", tr("读取"), tr("读取机器ID号"), &SystemPage::Button4Click),
                    row++, 5);

    auto *addressLabel = label("Label11", tr("重设置机器ID号：    "));
    m_address = edit("Edit4", QStringLiteral("00"), tr("重设置机器ID号"));
    m_address->setToolTip(tr("要设置的新地址 ,十六进制表示。"));
    addressLabel->setBuddy(m_address);
    rows->addWidget(addressLabel, row, 0);
    rows->addWidget(m_address, row, 1);
    rows->addWidget(label("Label27", tr("（范围0~FF）  ")), row, 2, 1, 3);
    rows->addWidget(button("Button11", tr("设置"), tr("重设置机器ID号"), &SystemPage::Button11Click),
                    row++, 5);

    rows->addWidget(label("Label7", tr("读取机器的序列号：    ")), row, 0);
    rows->addWidget(button("Button14", tr("读取"), tr("读取机器的序列号"), &SystemPage::Button14Click),
                    row++, 5);

    auto *serialLabel = label("Label13", tr("重设置机器序列号：     "));
    m_serial = edit("Edit9", QStringLiteral("FF FF FF FF FF FF FF FF"), tr("重设置机器序列号"), 200);
    serialLabel->setBuddy(m_serial);
    rows->addWidget(serialLabel, row, 0);
    rows->addWidget(m_serial, row, 1, 1, 3);
    rows->addWidget(label("Label8", tr("8个字节     ")), row, 4);
    rows->addWidget(button("Button13", tr("设置"), tr("重设置机器序列号"), &SystemPage::Button13Click),
                    row++, 5);

    // LED, LED-R and buzzer rows: label, period, "周期", count, "次数", button.
    struct SignalRow {
        const char *rowLabel, *periodEdit, *periodLabel, *countEdit, *countLabel, *button;
        QString rowText, periodText, countText, what;
        void (SystemPage::*slot)();
        QLineEdit **period, **count;
    };
    const SignalRow signalRows[] = {
        {"Label24", "Edit30", "Label4", "Edit31", "Label44", "Button20", tr("led的控制："),
         tr("  周期      "), tr("次数     "), tr("led的控制"),
         &SystemPage::Button20Click, &m_ledPeriod, &m_ledCount},
        {"Label37", "Edit11", "Label38", "Edit12", "Label6", "Button23", tr("led-R 的控制："),
         tr("  周期      "), tr("次数     "), tr("led-R 的控制"),
         &SystemPage::Button23Click, &m_ledRPeriod, &m_ledRCount},
        {"Label25", "Edit33", "Label5", "Edit34", "Label39", "Button21", tr("buzzer的控制："),
         tr("  周期        "), tr("次数     "), tr("buzzer的控制"),
         &SystemPage::Button21Click, &m_buzzerPeriod, &m_buzzerCount},
    };
    for (const SignalRow &s : signalRows) {
        auto *rowLabel = label(s.rowLabel, s.rowText);
        *s.period = edit(s.periodEdit, QStringLiteral("16"), {});
        *s.count = edit(s.countEdit, QStringLiteral("03"), {});
        controls::composedName(*s.period, QT_TRANSLATE_NOOP("rfid::controls", "%1 %2"), {s.what, tr(" 周期")});
        controls::composedName(*s.count, QT_TRANSLATE_NOOP("rfid::controls", "%1 %2"), {s.what, tr(" 次数")});
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
        rows->addWidget(button(s.button, tr("设置"), s.what, s.slot), row++, 5);
    }
    rows->setColumnStretch(4, 1);

    auto *modes = new QGroupBox(tr("读卡器硬件状态切换"));
    modes->setObjectName(QStringLiteral("GroupBox11"));
    auto *grid = new QGridLayout(modes);
    grid->addWidget(label("Label56", tr("读卡器硬件状态切换：      ")), 0, 0);
    grid->addWidget(button("Button52", tr("主动读卡"), QString(), &SystemPage::Button52Click), 0, 1);
    grid->addWidget(button("Button53", tr("被动读卡"), QString(), &SystemPage::Button53Click), 0, 2);
    auto *pauseLabel = new QLabel(tr("程序等待时间：   "));
    pauseLabel->setObjectName(QStringLiteral("Label57"));
    m_pause = new QLineEdit(QStringLiteral("100"));
    m_pause->setObjectName(QStringLiteral("Edit22"));
    pauseLabel->setBuddy(m_pause);
    m_pause->setAccessibleName(tr("程序等待时间"));
    auto *unit = new QLabel(tr("毫秒（ms）"));
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

void SystemPage::Button12Click()
{
    const std::optional<quint8> code = settings::baudCode(m_baud->currentText());
    if (!code) {
        // Without its code byte the command would ask the reader for nothing.
        m_host.log(settings::unknownBaudLine(m_baud->currentText(), timeStamp()));
        return;
    }
    run(m_host, settings::setBaudRate(*code), 300,
        judge({settings::baudFailureText()}, done(settings::baudDoneText())));
}

void SystemPage::Button4Click()
{
    run(m_host, settings::read(), 300,
        judge({settings::addressReadFailureText()},
              [](const Response &r, const QString &time) { return settings::Identity::from(r).addressLines(time); }));
}

void SystemPage::Button11Click()
{
    if (!fieldsWhole(m_host, {{nameOf(tr("重设置机器ID号"), m_address), m_address->text()}}))
        return;
    run(m_host, settings::setAddress(HexPart::typed(m_address->text())), 300,
        judge({settings::addressFailureText()}, done(settings::addressDoneText())));
}

void SystemPage::Button14Click()
{
    run(m_host, settings::read(), 300,
        judge({settings::serialReadFailureText()},
              [](const Response &r, const QString &time) { return settings::Identity::from(r).serialLines(time); }));
}

void SystemPage::Button13Click()
{
    if (!fieldsWhole(m_host, {{nameOf(tr("重设置机器序列号"), m_serial), m_serial->text()}}))
        return;
    run(m_host, settings::setSerial(HexPart::typed(m_serial->text())), 300,
        judge({settings::serialFailureText()}, done(settings::serialDoneText())));
}

void SystemPage::indicator(settings::Indicator which, QLineEdit *period, QLineEdit *count, const QString &what)
{
    if (!fieldsWhole(m_host, {{nameOf(what + tr(" 周期"), period), period->text()},
                              {nameOf(what + tr(" 次数"), count), count->text()}}))
        return;
    run(m_host, settings::indicator(which, HexPart::typed(period->text()), HexPart::typed(count->text())), 300,
        judge({settings::indicatorFailureText(which)}, done(settings::indicatorDoneText(which))));
}

void SystemPage::Button20Click()
{
    indicator(settings::Indicator::Led, m_ledPeriod, m_ledCount, tr("led的控制"));
}

void SystemPage::Button23Click()
{
    indicator(settings::Indicator::LedR, m_ledRPeriod, m_ledRCount, tr("led-R 的控制"));
}

void SystemPage::Button21Click()
{
    indicator(settings::Indicator::Buzzer, m_buzzerPeriod, m_buzzerCount, tr("buzzer的控制"));
}

// The mode switch is sent and not reported: the reader changes how it reads
// cards, and its answer is not waited for.
void SystemPage::Button52Click()
{
    m_host.Send(settings::readingMode(true).text());
}

void SystemPage::Button53Click()
{
    m_host.Send(settings::readingMode(false).text());
}

void SystemPage::Edit22Change(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        m_pause->setText(QStringLiteral("100"));
}

} // namespace rfid
