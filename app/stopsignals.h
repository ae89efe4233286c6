// SIGTERM and SIGINT (a logout, systemctl stop, Ctrl+C in the terminal) end
// the program as a window close does, so that the serial port is closed and the
// virtual reader's cards are saved. A second signal ends it at once.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace rfid {

class StopSignals : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers. One instance at a time; the handlers are taken
    // back (default action) when it goes.
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

signals:
    // On the object's thread, once for the first signal.
    void stopRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace rfid
