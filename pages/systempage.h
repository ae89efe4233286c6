// The system commands page: the reader's own settings and indicators.
#pragma once

#include <QWidget>

class QLineEdit;

namespace rfid {

class CommandHost;

class SystemPage : public QWidget
{
    Q_OBJECT
public:
    SystemPage(CommandHost &host, QWidget *parent = nullptr);

public slots:
    // Keeps the pause of the repeat loops a whole number of 0 or more.
    void Edit22Change(const QString &text);

private:
    CommandHost &m_host;
    QLineEdit *m_pause;
};

} // namespace rfid
