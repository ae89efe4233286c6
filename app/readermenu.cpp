#include "readermenu.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>

#include "link/readerlibrary.h"

namespace rfid {

namespace {
// A filled green dot for a reader that is there, a grey ring for none.
QPixmap stateIcon(bool present)
{
    QPixmap p(14, 14);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    if (present) {
        painter.setPen(QPen(QColor(0x1b, 0x5e, 0x20), 1));
        painter.setBrush(QColor(0x43, 0xa0, 0x47));
    } else {
        painter.setPen(QPen(QColor(0x75, 0x75, 0x75), 2));
        painter.setBrush(Qt::NoBrush);
    }
    painter.drawEllipse(QRectF(2, 2, 10, 10));
    return p;
}

QString describe(const ReaderDevice &d)
{
    return d.id == d.name ? d.name : QStringLiteral("%1 (%2)").arg(d.name, d.id);
}
} // namespace

ReaderMenu::ReaderMenu(ReaderLibrary &library, QMenuBar *bar, QMenu *after, QLabel *panel, Log log, QObject *parent)
    : QObject(parent)
    , m_library(library)
    , m_menu(new QMenu(QStringLiteral("Reader"), bar))
    , m_panel(panel)
    , m_log(std::move(log))
    , m_group(new QActionGroup(this))
{
    setObjectName(QStringLiteral("ReaderMenuControl"));
    m_menu->setObjectName(QStringLiteral("ReaderMenu"));
    // Right after `after`, before whatever follows it.
    const QList<QAction *> menus = bar->actions();
    const qsizetype at = menus.indexOf(after->menuAction());
    bar->insertMenu(at >= 0 && at + 1 < menus.size() ? menus[at + 1] : nullptr, m_menu);
    m_group->setExclusive(true);
    m_panel->setAccessibleName(QStringLiteral("Reader"));
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &ReaderMenu::refresh);
    refresh();
    if (m_shown)
        m_poll.start();
}

void ReaderMenu::refresh()
{
    show(listReaderDevices(m_library));
}

void ReaderMenu::show(const std::optional<QList<ReaderDevice>> &devices)
{
    if (m_shownOnce && devices == m_shown)
        return;   // nothing plugged or pulled: the menu stays as the operator sees it
    m_shownOnce = true;
    m_shown = devices;

    m_menu->clear();
    if (!devices) {
        m_menu->menuAction()->setEnabled(false);
        m_panel->clear();
        m_panel->setToolTip(QString());
        m_panel->setAccessibleDescription(QStringLiteral("The reader library does not list its devices"));
        return;
    }
    m_menu->menuAction()->setEnabled(true);
    const ReaderDevice *inUse = nullptr;
    for (const ReaderDevice &d : *devices) {
        QAction *a = m_menu->addAction(describe(d));
        a->setObjectName(QStringLiteral("ReaderDevice"));
        a->setData(d.id);
        a->setCheckable(true);
        a->setChecked(d.inUse);
        m_group->addAction(a);
        const QString id = d.id;
        connect(a, &QAction::triggered, this, [this, id] { choose(id); });
        if (d.inUse)
            inUse = &d;
    }
    if (devices->isEmpty())
        m_menu->addAction(QStringLiteral("No reader plugged in"))->setEnabled(false);
    m_menu->addSeparator();
    QAction *again = m_menu->addAction(QStringLiteral("Refresh"));
    again->setObjectName(QStringLiteral("ReaderRefresh"));
    connect(again, &QAction::triggered, this, &ReaderMenu::refresh);

    const QString name = inUse ? describe(*inUse) : QStringLiteral("No reader");
    m_panel->setPixmap(stateIcon(inUse));
    m_panel->setToolTip(name);
    m_panel->setAccessibleDescription(name);
}

void ReaderMenu::choose(const QString &id)
{
    switch (selectReaderDevice(m_library, id)) {
    case DeviceChoice::Taken:
        break;
    case DeviceChoice::Fixed:
        m_log(QStringLiteral("The reader is fixed outside the tool (RFID_HID_DEVICE); %1 is not taken.").arg(id));
        break;
    case DeviceChoice::Unknown:
        m_log(QStringLiteral("The reader library does not know the device %1.").arg(id));
        break;
    case DeviceChoice::Unsupported:
        m_log(QStringLiteral("The reader library does not choose devices; %1 is not used.").arg(id));
        break;
    }
    m_shownOnce = false;   // the check mark shows what the library took
    refresh();
}

} // namespace rfid
