#include "commgroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>

#include "link/response.h"
#include "link/timestamp.h"
#include "pages/controls.h"
#include "session/readersession.h"

namespace rfid {

CommGroup::CommGroup(ReaderSession &session, QWidget *parent)
    : QGroupBox(QStringLiteral("通讯信息"), parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("GroupBox1"));
    using controls::label;

    m_port = new QComboBox;
    m_port->setObjectName(QStringLiteral("ComboBox1"));
    // The ports the system lists; a name typed by hand (Enter) is taken too,
    // since pseudo-terminals and some adapters are not listed.
    m_port->setEditable(true);
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        m_port->addItem(info.portName());
    m_baud = new QComboBox;
    m_baud->setObjectName(QStringLiteral("ComboBox2"));
    m_baud->addItems({QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                      QStringLiteral("57600"), QStringLiteral("115200")});
    m_address = new QComboBox;
    m_address->setObjectName(QStringLiteral("setadd"));
    m_address->addItems(ReaderSession::addressItems());
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

    connect(m_open, &QPushButton::clicked, this, &CommGroup::Button1Click);
    connect(m_close, &QPushButton::clicked, this, &CommGroup::Button2Click);
    connect(m_port, &QComboBox::activated, this, &CommGroup::ComboBox1Change);
    connect(m_baud, &QComboBox::currentIndexChanged, this, &CommGroup::ComboBox2Change);
    // The combo shows the session's address both ways: the operator's choice
    // and a page's own change of it.
    connect(m_address, &QComboBox::currentTextChanged, &m_session, &ReaderSession::setAddress);
    connect(&m_session, &ReaderSession::addressChanged, this,
            [this](const QString &item) { m_address->setCurrentIndex(m_address->findText(item)); });
    m_address->setCurrentText(m_session.address());
    connect(&m_session, &ReaderSession::portOpenChanged, this, [this](bool open) {
        m_open->setEnabled(!open);
        m_close->setEnabled(open);
    });
}

void CommGroup::Button1Click()
{
    const QString name = m_port->currentText().trimmed();
    if (name.isEmpty()) {
        m_session.log(QStringLiteral("未选择串口：请在“通讯COM口”中选择或输入串口名。   ") + timeStamp() + kCrLf);
        return;
    }
    m_session.openPort(name);
}

void CommGroup::Button2Click()
{
    m_session.closePort();
}

void CommGroup::ComboBox1Change()
{
    Button2Click();
    Button1Click();
}

void CommGroup::ComboBox2Change()
{
    m_session.setBaudRate(m_baud->currentText().toInt());
    Button2Click();
    Button1Click();
}

} // namespace rfid
