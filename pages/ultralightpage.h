// The Ultralight page.
#pragma once

#include <QWidget>

namespace rfid {

class CommandHost;

class UltralightPage : public QWidget
{
    Q_OBJECT
public:
    UltralightPage(CommandHost &host, QWidget *parent = nullptr);

private:
    CommandHost &m_host;
};

} // namespace rfid
