// The system commands page: the reader's own settings and indicators.
#pragma once

#include <QString>
#include <QWidget>

#include "link/response.h"

class QComboBox;
class QLineEdit;

namespace rfid {

class ReaderSession;

// The baud-rate items and their codes, in the order the combo lists them.
struct BaudRate {
    const char *text;
    unsigned code;
};
const BaudRate *baudRates(int *count);
// The code of a baud-rate text as two digits; "" when the text is none of the
// items (the comparison is exact).
QString baudCode(const QString &text);

// Command texts, command code first, parameters as typed.
QString baudCommand(const QString &code);
QString setAddressCommand(const QString &address);
QString setSerialCommand(const QString &serial);
QString signalCommand(unsigned command, const QString &period, const QString &count);
QString readingModeCommand(bool active);
inline const QString kReadCommand = QStringLiteral("83");

// The line logged when the baud-rate text is none of the items.
QString unknownBaudLine(const QString &text, const QString &time);
// The success entries of the two reads.
QString addressEntry(const Response &r, const QString &time);
QString serialEntry(const Response &r, const QString &time);

class SystemPage : public QWidget
{
    Q_OBJECT
public:
    SystemPage(ReaderSession &host, QWidget *parent = nullptr);

public slots:
    void Button12Click();   // baud rate
    void Button4Click();    // read address
    void Button11Click();   // set address
    void Button14Click();   // read serial number
    void Button13Click();   // set serial number
    void Button20Click();   // LED
    void Button23Click();   // LED-R
    void Button21Click();   // buzzer
    void Button52Click();   // active reading
    void Button53Click();   // passive reading
    // Keeps the pause of the repeat loops a whole number of 0 or more.
    void Edit22Change(const QString &text);

private:
    // Sends a setting command and logs its outcome with the given texts.
    void setting(const QString &command, const QString &success, const QString &failure);
    // LED, LED-R or buzzer: period and count; name is the one the log lines use.
    void indicator(unsigned command, QLineEdit *period, QLineEdit *count, const QString &what, const QString &name);

    ReaderSession &m_host;
    QComboBox *m_baud;
    QLineEdit *m_address, *m_serial;
    QLineEdit *m_ledPeriod, *m_ledCount, *m_ledRPeriod, *m_ledRCount, *m_buzzerPeriod, *m_buzzerCount;
    QLineEdit *m_pause;
};

} // namespace rfid
