#include "commgroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTimer>

#include "../link/cardreport.h"
#include "../link/hextext.h"
#include "../link/response.h"
#include "../link/serialburst.h"
#include "../link/timestamp.h"
#include "tform1.h"

namespace rfid {

CommGroup::CommGroup(TForm1 &form, QWidget *parent)
    : QGroupBox(QStringLiteral("通讯信息"), parent)
    , m_form(form)
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

    m_comm = new QSerialPort(this);
    m_comm->setObjectName(QStringLiteral("Comm1"));
    m_comm->setBaudRate(9600);
    m_comm->setDataBits(QSerialPort::Data8);
    m_comm->setParity(QSerialPort::NoParity);
    m_comm->setStopBits(QSerialPort::OneStop);
    m_comm->setFlowControl(QSerialPort::NoFlowControl);
    m_burst = new SerialBurst(m_comm, kGapMs, kArrivalCap, this);

    connect(m_open, &QPushButton::clicked, this, &CommGroup::Button1Click);
    connect(m_close, &QPushButton::clicked, this, &CommGroup::Button2Click);
    connect(m_port, &QComboBox::activated, this, &CommGroup::ComboBox1Change);
    connect(m_baud, &QComboBox::currentIndexChanged, this, &CommGroup::ComboBox2Change);
    connect(m_burst, &SerialBurst::arrival, this, &CommGroup::arrived);
    connect(m_comm, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // A device that goes away while open fails every read, tens of
        // thousands of times a second: say so once and close it (after the
        // port has finished its own work).
        const bool lost = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
        if (lost && m_comm->isOpen() && !m_failing) {
            m_failing = true;
            QTimer::singleShot(0, this, &CommGroup::portFailed);
        }
    });
    connect(&m_form, &TForm1::aboutToClose, this, [this] {
        m_burst->discard();
        m_comm->close();
    });
}

void CommGroup::Button1Click()
{
    const QString name = m_port->currentText().trimmed();
    if (name.isEmpty()) {
        m_form.log(QStringLiteral("未选择串口：请在“通讯COM口”中选择或输入串口名。   ") + timeStamp() + kCrLf);
        return;
    }
    m_comm->setPortName(name);
    m_portName = name;
    // The path only listens: the port is never written to.
    if (!m_comm->open(QIODevice::ReadOnly)) {
        m_form.log(QStringLiteral("串口 %1 打开失败：%2   ").arg(name, m_comm->errorString()) + timeStamp() + kCrLf);
        m_comm->clearError();
        return;
    }
    // A pseudo-terminal has no modem lines; raising them fails there harmlessly.
    m_comm->setDataTerminalReady(true);
    m_comm->setRequestToSend(true);
    m_comm->clearError();
    m_open->setEnabled(false);
    m_close->setEnabled(true);
}

void CommGroup::Button2Click()
{
    // Bytes that arrived before the close still count as one arrival.
    if (m_comm->isOpen())
        m_burst->flush();
    m_comm->close();
    m_close->setEnabled(false);
    m_open->setEnabled(true);
}

void CommGroup::ComboBox1Change()
{
    Button2Click();
    Button1Click();
}

void CommGroup::ComboBox2Change()
{
    m_comm->setBaudRate(m_baud->currentText().toInt());
    Button2Click();
    Button1Click();
}

void CommGroup::portFailed()
{
    m_failing = false;
    if (!m_comm->isOpen())
        return;
    m_form.log(QStringLiteral("串口 %1 读取出错，已关闭：%2   ").arg(m_portName, m_comm->errorString())
               + timeStamp() + kCrLf);
    m_comm->clearError();
    Button2Click();
}

void CommGroup::arrived(const QByteArray &bytes, qsizetype dropped)
{
    if (dropped > 0)
        m_form.log(QStringLiteral("串口一次收到的数据超过 %1 字节，其后的 %2 字节已丢弃。   ")
                       .arg(kArrivalCap)
                       .arg(dropped)
                   + timeStamp() + kCrLf);
    if (!bytes.isEmpty())
        Comm1ReceiveData(bytes);
}

void CommGroup::Comm1ReceiveData(const QByteArray &bytes)
{
    const QString hex = bytesToHex(bytes);
    const qsizetype appended = m_form.appendRecdata(hex);
    if (appended == hex.size()) {
        m_recdataFullSaid = false;
    } else if (!m_recdataFullSaid) {
        // Said once until recdata has room again; its front is never dropped.
        m_recdataFullSaid = true;
        m_form.log(QStringLiteral("接收数据已满 %1 字节，其后收到的串口数据不再存入。   ")
                       .arg(TForm1::kRecdataCap / 2)
                   + timeStamp() + kCrLf);
    }
    if (m_form.debugEcho())
        m_form.log(serialEcho(bytes));
    if (m_form.autoDetect())
        checkcard(hex, appended);
}

void CommGroup::checkcard(const QString &arrivalHex, qsizetype appended)
{
    // Decoded from the arrival's own bytes, so that a stray arrival or a USB
    // answer left in recdata cannot hide the cards presented after it.
    const auto report = decodeCardReport(arrivalHex);
    if (!report)
        return;
    m_form.log(report->title);
    m_form.log(report->label + report->id + kCrLf);
    m_form.dropRecdataTail(appended);
}

} // namespace rfid
