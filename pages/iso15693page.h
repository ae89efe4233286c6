// The ISO15693 page.
#pragma once

#include <QWidget>

namespace rfid {

class CommandHost;

class Iso15693Page : public QWidget
{
    Q_OBJECT
public:
    Iso15693Page(CommandHost &host, QWidget *parent = nullptr);

private:
    CommandHost &m_host;
};

} // namespace rfid
