// The ISO14443B page.
#pragma once

#include <QWidget>

namespace rfid {

class CommandHost;

class TypeBPage : public QWidget
{
    Q_OBJECT
public:
    TypeBPage(CommandHost &host, QWidget *parent = nullptr);

private:
    CommandHost &m_host;
};

} // namespace rfid
