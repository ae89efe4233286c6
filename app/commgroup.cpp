#include "commgroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace rfid {

CommGroup::CommGroup(QWidget *parent)
    : QGroupBox(QStringLiteral("通讯信息"), parent)
{
    setObjectName(QStringLiteral("GroupBox1"));
    auto label = [](const char *name, const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text);
        l->setObjectName(QString::fromLatin1(name));
        l->setBuddy(buddy);
        buddy->setAccessibleName(text.trimmed().remove(u'：'));
        return l;
    };

    m_port = new QComboBox;
    m_port->setObjectName(QStringLiteral("ComboBox1"));
    m_baud = new QComboBox;
    m_baud->setObjectName(QStringLiteral("ComboBox2"));
    m_baud->addItems({QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                      QStringLiteral("57600"), QStringLiteral("115200")});
    m_address = new QComboBox;
    m_address->setObjectName(QStringLiteral("setadd"));
    for (int a = 0; a <= 0x20; ++a)
        m_address->addItem(QStringLiteral("%1").arg(a, 2, 16, QLatin1Char('0')));   // lower case, as listed
    m_open = new QPushButton(QStringLiteral("COM打开"));
    m_open->setObjectName(QStringLiteral("Button1"));
    m_close = new QPushButton(QStringLiteral("COM关闭"));
    m_close->setObjectName(QStringLiteral("Button2"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(label("Label1", QStringLiteral("通讯COM口："), m_port), 0, 0);
    grid->addWidget(m_port, 0, 1);
    grid->addWidget(label("Label2", QStringLiteral("波特率选择："), m_baud), 1, 0);
    grid->addWidget(m_baud, 1, 1);
    grid->addWidget(label("Label77", QStringLiteral("当前机器ID号：  "), m_address), 2, 0);
    grid->addWidget(m_address, 2, 1);
    grid->addWidget(m_open, 0, 2);
    grid->addWidget(m_close, 1, 2);
}

} // namespace rfid
