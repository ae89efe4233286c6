// The "Reader" menu and the reader icon in the status bar: the devices the
// reader library lists, a check mark on the one commands go to, "Refresh";
// the icon follows a reader plugged in or pulled out (the list is polled once
// a second). A library that lists no devices leaves the menu greyed and the
// panel empty.
#pragma once

#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

#include "link/readerdevices.h"

class QActionGroup;
class QLabel;
class QMenu;
class QMenuBar;

namespace rfid {

class ReaderLibrary;

class ReaderMenu : public QObject
{
    Q_OBJECT
public:
    using Log = std::function<void(const QString &)>;

    static constexpr int kPollMs = 1000;

    // Puts the menu into bar after the menu `after`, and the icon into panel.
    ReaderMenu(ReaderLibrary &library, QMenuBar *bar, QMenu *after, QLabel *panel, Log log, QObject *parent);

    QMenu *menu() const { return m_menu; }
    // Sends later commands to the device id names (--device, a menu item);
    // says in the log when the library cannot.
    void choose(const QString &id);

public slots:
    // Asks the library for its devices now.
    void refresh();

private:
    void show(const std::optional<QList<ReaderDevice>> &devices);

    ReaderLibrary &m_library;
    QMenu *m_menu;
    QLabel *m_panel;
    Log m_log;
    QActionGroup *m_group;
    QTimer m_poll;
    std::optional<QList<ReaderDevice>> m_shown;
    bool m_shownOnce = false;
};

} // namespace rfid
