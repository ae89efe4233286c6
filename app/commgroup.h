// The communication group: serial port, baud rate and the reader address.
#pragma once

#include <QGroupBox>

class QComboBox;
class QPushButton;

namespace rfid {

class CommGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit CommGroup(QWidget *parent = nullptr);

    QComboBox *address() const { return m_address; }
    QComboBox *baudRate() const { return m_baud; }
    QComboBox *port() const { return m_port; }

private:
    QComboBox *m_port;
    QComboBox *m_baud;
    QComboBox *m_address;
    QPushButton *m_open;
    QPushButton *m_close;
};

} // namespace rfid
