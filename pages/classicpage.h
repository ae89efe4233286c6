// The S50/S70 page.
#pragma once

#include <QWidget>

namespace rfid {

class CommandHost;

class ClassicPage : public QWidget
{
    Q_OBJECT
public:
    ClassicPage(CommandHost &host, QWidget *parent = nullptr);

private:
    CommandHost &m_host;
};

} // namespace rfid
