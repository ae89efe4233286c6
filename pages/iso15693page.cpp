#include "iso15693page.h"

#include "commandhost.h"

namespace rfid {

Iso15693Page::Iso15693Page(CommandHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabSheet6"));
}

} // namespace rfid
