#include "readersession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "link/cardreport.h"
#include "link/frame.h"
#include "link/hextext.h"
#include "link/response.h"
#include "link/serialburst.h"
#include "link/timestamp.h"
#include "link/transport.h"

namespace rfid {

ReaderSession::ReaderSession(const QString &readerPath, QObject *parent)
    : QObject(parent)
    , m_library(readerPath)
    , m_address(addressItems().first())
{
    setObjectName(QStringLiteral("ReaderSession"));
    m_comm = new QSerialPort(this);
    m_comm->setObjectName(QStringLiteral("Comm1"));
    m_comm->setBaudRate(9600);
    m_comm->setDataBits(QSerialPort::Data8);
    m_comm->setParity(QSerialPort::NoParity);
    m_comm->setStopBits(QSerialPort::OneStop);
    m_comm->setFlowControl(QSerialPort::NoFlowControl);
    m_burst = new SerialBurst(m_comm, kGapMs, kArrivalCap, this);
    connect(m_burst, &SerialBurst::arrival, this, &ReaderSession::arrived);
    connect(m_comm, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // A device that goes away while open fails every read, tens of
        // thousands of times a second: say so once and close it (after the
        // port has finished its own work).
        const bool lost = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
        if (lost && m_comm->isOpen() && !m_failing) {
            m_failing = true;
            QTimer::singleShot(0, this, &ReaderSession::portFailed);
        }
    });
}

ReaderSession::~ReaderSession() = default;

const QStringList &ReaderSession::addressItems()
{
    static const QStringList items = [] {
        QStringList out;
        for (int a = 0; a <= 0x20; ++a)
            out << QStringLiteral("%1").arg(a, 2, 16, QLatin1Char('0'));   // lower case, as listed
        return out;
    }();
    return items;
}

void ReaderSession::setAddress(const QString &item)
{
    if (item == m_address || !addressItems().contains(item))
        return;
    m_address = item;
    emit addressChanged(item);
}

QString ReaderSession::Send(const QString &command)
{
    if (hasOddDigits(command)) {
        log(tr("Command %1 has an odd number of hex digits; nothing was sent.   %2")
                .arg(hexDigits(command), timeStamp()) + kCrLf);
        return {};
    }
    return SendHex(frameText(m_address, command));
}

QString ReaderSession::SendHex(const QString &frame)
{
    m_lastExchangeError.clear();
    const QString digits = hexDigits(frame);
    if (digits.size() % 2) {
        log(tr("The frame has an odd number of hex digits; nothing was sent.   ") + timeStamp() + kCrLf);
        return {};
    }
    if (digits.size() / 2 > kMaxFrameBytes) {
        log(tr("The frame of %1 bytes is longer than %2 bytes; nothing was sent.   ")
                .arg(digits.size() / 2)
                .arg(kMaxFrameBytes)
            + timeStamp() + kCrLf);
        return {};
    }
    // Echoed only now: a refused frame never went out.
    if (m_debugEcho)
        log(tr("发送...") + digits);
    // Every exchange starts empty, so no earlier answer passes for this one.
    m_recdata.clear();
    const ExchangeResult result = exchange(m_library, hexToBytes(digits));
    m_lastExchangeError = result.error;
    if (!result.error.isEmpty()) {
        log(result.error);
        return {};
    }
    m_recdata = result.recdata;
    if (m_debugEcho)
        log(tr("接收...") + m_recdata);
    return result.recdata;
}

void ReaderSession::wait(int ms, const std::function<bool()> &done)
{
    // Sleeps until the next event or the deadline: the wait costs no processor
    // time, and clicks, timers and repaints are still served at once.
    QElapsedTimer clock;
    clock.start();
    ++m_waitDepth;
    QCoreApplication::processEvents();
    QTimer wake;
    wake.setSingleShot(true);
    while (!done()) {
        const qint64 left = ms - clock.elapsed();
        if (left <= 0)
            break;
        wake.start(int(left));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    --m_waitDepth;
}

void ReaderSession::Delay(int ms)
{
    wait(ms, [this] { return !m_recdata.isEmpty(); });
}

void ReaderSession::Delayy(int ms)
{
    wait(ms, [] { return false; });
}

void ReaderSession::sleepUnlessAnswered(int ms, const QString &answer)
{
    wait(ms, [&answer] { return !answer.isEmpty(); });
}

qsizetype ReaderSession::appendRecdata(const QString &hex)
{
    qsizetype room = std::max<qsizetype>(0, kRecdataCap - m_recdata.size());
    room -= room % 2;
    const qsizetype take = std::min(room, hex.size() - hex.size() % 2);
    m_recdata += QStringView(hex).left(take);
    return take;
}

bool ReaderSession::openPort(const QString &name)
{
    m_comm->setPortName(name);
    m_portName = name;
    // The path only listens: the port is never written to.
    if (!m_comm->open(QIODevice::ReadOnly)) {
        log(tr("串口 %1 打开失败：%2   ").arg(name, m_comm->errorString()) + timeStamp() + kCrLf);
        m_comm->clearError();
        return false;
    }
    // A pseudo-terminal has no modem lines; raising them fails there harmlessly.
    m_comm->setDataTerminalReady(true);
    m_comm->setRequestToSend(true);
    m_comm->clearError();
    emit portOpenChanged(true);
    return true;
}

void ReaderSession::closePort()
{
    // Bytes that arrived before the close still count as one arrival.
    if (m_comm->isOpen())
        m_burst->flush();
    m_comm->close();
    emit portOpenChanged(false);
}

void ReaderSession::setBaudRate(int baud)
{
    m_comm->setBaudRate(baud);
}

void ReaderSession::closePortNow()
{
    m_burst->discard();
    m_comm->close();
}

void ReaderSession::portFailed()
{
    m_failing = false;
    if (!m_comm->isOpen())
        return;
    log(tr("串口 %1 读取出错，已关闭：%2   ").arg(m_portName, m_comm->errorString()) + timeStamp()
        + kCrLf);
    m_comm->clearError();
    closePort();
}

void ReaderSession::arrived(const QByteArray &bytes, qsizetype dropped)
{
    if (dropped > 0)
        log(tr("串口一次收到的数据超过 %1 字节，其后的 %2 字节已丢弃。   ")
                .arg(kArrivalCap)
                .arg(dropped)
            + timeStamp() + kCrLf);
    if (!bytes.isEmpty())
        Comm1ReceiveData(bytes);
}

void ReaderSession::Comm1ReceiveData(const QByteArray &bytes)
{
    const QString hex = bytesToHex(bytes);
    const qsizetype appended = appendRecdata(hex);
    if (appended == hex.size()) {
        m_recdataFullSaid = false;
    } else if (!m_recdataFullSaid) {
        // Said once until recdata has room again; its front is never dropped.
        m_recdataFullSaid = true;
        log(tr("接收数据已满 %1 字节，其后收到的串口数据不再存入。   ").arg(kRecdataCap / 2)
            + timeStamp() + kCrLf);
    }
    if (m_debugEcho)
        log(serialEcho(bytes));
    if (m_autoDetect)
        checkcard(hex, appended);
}

void ReaderSession::checkcard(const QString &arrivalHex, qsizetype appended)
{
    // Decoded from the arrival's own bytes, so that a stray arrival or a USB
    // answer left in recdata cannot hide the cards presented after it.
    const auto report = decodeCardReport(arrivalHex);
    if (!report)
        return;
    log(report->title);
    log(report->label + report->id + kCrLf);
    m_recdata.chop(appended);
    emit cardReported(report->title, report->label, report->id);
}

void ReaderSession::endNowIfWaiting()
{
    if (m_waitDepth == 0)
        return;
    closePortNow();
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace rfid
