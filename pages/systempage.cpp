#include "systempage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "commandhost.h"

namespace rfid {

SystemPage::SystemPage(CommandHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    auto *commands = new QGroupBox(QStringLiteral("系统命令"));
    commands->setObjectName(QStringLiteral("GroupBox3"));

    auto *modes = new QGroupBox(QStringLiteral("读卡器硬件状态切换"));
    modes->setObjectName(QStringLiteral("GroupBox11"));
    auto *grid = new QGridLayout(modes);
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
    connect(m_pause, &QLineEdit::textChanged, this, &SystemPage::Edit22Change);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(commands);
    layout->addWidget(modes);
    layout->addStretch();
}

void SystemPage::Edit22Change(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        m_pause->setText(QStringLiteral("100"));
}

} // namespace rfid
