#include "classicpage.h"

#include "commandhost.h"

namespace rfid {

ClassicPage::ClassicPage(CommandHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabSheet2"));
}

} // namespace rfid
