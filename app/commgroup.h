// The communication group: serial port, baud rate and the reader address. It
// shows the session's serial settings and asks the session to open and close
// the port; the session gathers the arrivals and decodes the card reports.
#pragma once

#include <QGroupBox>

class QComboBox;
class QPushButton;

namespace rfid {

class ReaderSession;

class CommGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit CommGroup(ReaderSession &session, QWidget *parent = nullptr);

    QComboBox *address() const { return m_address; }
    QComboBox *baudRate() const { return m_baud; }
    QComboBox *port() const { return m_port; }

public slots:
    void Button1Click();       // open
    void Button2Click();       // close
    void ComboBox1Change();    // a port was chosen: reopen there
    void ComboBox2Change();    // a baud rate was chosen: reopen at it

private:
    ReaderSession &m_session;
    QComboBox *m_port;
    QComboBox *m_baud;
    QComboBox *m_address;
    QPushButton *m_open;
    QPushButton *m_close;
};

} // namespace rfid
