#include "typebpage.h"

#include "commandhost.h"

namespace rfid {

TypeBPage::TypeBPage(CommandHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabSheet5"));
}

} // namespace rfid
