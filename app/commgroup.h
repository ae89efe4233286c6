// The communication group: serial port, baud rate and the reader address, and
// the receive-only serial path. A reader on the port reports presented cards by
// itself; every arrival is appended to the shared recdata, echoed in the debug
// mode and decoded as a card report in the automatic detection mode.
#pragma once

#include <QGroupBox>

class QComboBox;
class QPushButton;
class QSerialPort;

namespace rfid {

class SerialBurst;
class TForm1;

class CommGroup : public QGroupBox
{
    Q_OBJECT
public:
    // One arrival keeps at most this many bytes.
    static constexpr qsizetype kArrivalCap = 64 * 1024;
    // Bytes separated by less than this belong to one arrival.
    static constexpr int kGapMs = 100;

    explicit CommGroup(TForm1 &form, QWidget *parent = nullptr);

    QComboBox *address() const { return m_address; }
    QComboBox *baudRate() const { return m_baud; }
    QComboBox *port() const { return m_port; }
    QSerialPort *comm() const { return m_comm; }

public slots:
    void Button1Click();       // open
    void Button2Click();       // close
    void ComboBox1Change();    // a port was chosen: reopen there
    void ComboBox2Change();    // a baud rate was chosen: reopen at it
    // One arrival of bytes from the port.
    void Comm1ReceiveData(const QByteArray &bytes);
    // Decodes the arrival (its hex text) as a card report; a recognised report
    // takes back from recdata the `appended` characters it put there.
    void checkcard(const QString &arrivalHex, qsizetype appended);

private:
    void arrived(const QByteArray &bytes, qsizetype dropped);
    void portFailed();

    TForm1 &m_form;
    QComboBox *m_port;
    QComboBox *m_baud;
    QComboBox *m_address;
    QPushButton *m_open;
    QPushButton *m_close;
    QSerialPort *m_comm;
    SerialBurst *m_burst;
    bool m_recdataFullSaid = false;
    QString m_portName;        // as the operator chose it
    bool m_failing = false;   // a lost device's close is on its way
};

} // namespace rfid
