#include "ultralightpage.h"

#include "commandhost.h"

namespace rfid {

UltralightPage::UltralightPage(CommandHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabSheet3"));
}

} // namespace rfid
