// The system commands page: the reader's own settings and indicators.
#pragma once

#include <QString>
#include <QWidget>

#include "protocol/readersettings.h"

class QComboBox;
class QLineEdit;

namespace rfid {

class ReaderSession;

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
    // LED, LED-R or buzzer: period and count; what names the fields.
    void indicator(settings::Indicator which, QLineEdit *period, QLineEdit *count, const QString &what);

    ReaderSession &m_host;
    QComboBox *m_baud;
    QLineEdit *m_address, *m_serial;
    QLineEdit *m_ledPeriod, *m_ledCount, *m_ledRPeriod, *m_ledRCount, *m_buzzerPeriod, *m_buzzerCount;
    QLineEdit *m_pause;
};

} // namespace rfid
