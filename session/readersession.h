// The reader session: the reader library, the shared response text `recdata`,
// the reader address every frame carries, the exchange, the two waits and the
// receive-only serial port whose arrivals land in recdata. It knows no widget:
// the window shows its log entries and its settings and sets what the
// operator chooses.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "link/readerlibrary.h"

class QSerialPort;

namespace rfid {

class SerialBurst;

class ReaderSession : public QObject
{
    Q_OBJECT
public:
    // recdata holds at most this many characters: past it the new serial bytes
    // are dropped, never the front.
    static constexpr qsizetype kRecdataCap = 2 * 64 * 1024;
    // One serial arrival keeps at most this many bytes.
    static constexpr qsizetype kArrivalCap = 64 * 1024;
    // Serial bytes separated by less than this belong to one arrival.
    static constexpr int kGapMs = 100;

    explicit ReaderSession(const QString &readerPath, QObject *parent = nullptr);
    ~ReaderSession() override;

    ReaderLibrary &library() { return m_library; }

    // Echo of every frame sent and received, and of every serial arrival.
    void setDebugEcho(bool on) { m_debugEcho = on; }
    bool debugEcho() const { return m_debugEcho; }
    // Serial arrivals are decoded as card reports.
    void setAutoDetect(bool on) { m_autoDetect = on; }
    bool autoDetect() const { return m_autoDetect; }

    // The reader address items, "00" to "20" in lower case.
    static const QStringList &addressItems();
    // Selects an address item; anything else is ignored.
    void setAddress(const QString &item);
    QString address() const { return m_address; }

    // Frames a command (command code first) with the reader address and
    // exchanges it. Returns this exchange's own response text, "" for none.
    QString Send(const QString &command);
    // Exchanges a complete frame given as hex text, exactly as given.
    QString SendHex(const QString &frame);
    // Why the last exchange failed before its read (the library or the device
    // could not be used), "" when it did not.
    QString lastExchangeError() const { return m_lastExchangeError; }

    // Waits until recdata is non-empty or ms have passed, serving events.
    void Delay(int ms);
    // Waits ms, serving events.
    void Delayy(int ms);
    // Sleeps ms serving events, unless the answer already came (it is the
    // caller's own answer: a nested command or serial bytes do not stand in
    // for it). Events are served once either way.
    void sleepUnlessAnswered(int ms, const QString &answer);
    // How many waits are suspended on the stack now.
    int waitDepth() const { return m_waitDepth; }

    QString recdata() const { return m_recdata; }
    void clearRecdata() { m_recdata.clear(); }
    // Appends hex text up to the cap (whole bytes); returns the characters
    // appended.
    qsizetype appendRecdata(const QString &hex);

    // One log entry; a CR LF inside or at its end breaks lines.
    void log(const QString &entry) { emit logEntry(entry); }

    // The serial port ("Comm1"), receive only, 8N1 at 9600 baud.
    QSerialPort *comm() const { return m_comm; }
    // Opens the named port; a failure is logged and returns false.
    bool openPort(const QString &name);
    // Closes the port; bytes that came before still count as one arrival.
    void closePort();
    // The rate of the next open (an open port takes it at once).
    void setBaudRate(int baud);
    // Forgets bytes held and closes the port: the window is going.
    void closePortNow();
    // One arrival of bytes from the port.
    void Comm1ReceiveData(const QByteArray &bytes);
    // Decodes the arrival (its hex text) as a card report; a recognised report
    // takes back from recdata the `appended` characters it put there.
    void checkcard(const QString &arrivalHex, qsizetype appended);

    // Inside a wait (a handler or a repeat loop suspended) the program ends at
    // once, port closed, so that none of them resumes and nothing more goes to
    // the reader. Outside a wait it does nothing.
    void endNowIfWaiting();

signals:
    void logEntry(const QString &entry);
    void addressChanged(const QString &item);
    // After every open and close of the serial port.
    void portOpenChanged(bool open);
    // A card report decoded from a serial arrival, after its log lines.
    void cardReported(const QString &title, const QString &label, const QString &id);

private:
    void wait(int ms, const std::function<bool()> &done);
    void arrived(const QByteArray &bytes, qsizetype dropped);
    void portFailed();

    ReaderLibrary m_library;
    QString m_recdata;
    QString m_lastExchangeError;
    QString m_address;
    int m_waitDepth = 0;
    bool m_debugEcho = false;
    bool m_autoDetect = false;

    QSerialPort *m_comm;
    SerialBurst *m_burst;
    QString m_portName;        // as the operator chose it
    bool m_recdataFullSaid = false;
    bool m_failing = false;    // a lost device's close is on its way
};

} // namespace rfid
