// Gathers the bytes a device delivers into arrivals: bytes separated by less
// than the gap belong to one arrival. An arrival keeps at most `cap` bytes;
// later bytes of it are counted and dropped, so a stream that never pauses
// cannot grow it without bound.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

class QIODevice;

namespace rfid {

class SerialBurst : public QObject
{
    Q_OBJECT
public:
    SerialBurst(QIODevice *device, int gapMs, qsizetype cap, QObject *parent = nullptr);

    // Delivers what is held now (if anything), without waiting for the gap.
    void flush();
    // Forgets what is held.
    void discard();

signals:
    // One arrival: its bytes (at least one) and how many bytes past the cap
    // were dropped.
    void arrival(const QByteArray &bytes, qsizetype dropped);

private:
    void read();

    QIODevice *m_device;
    qsizetype m_cap;
    QTimer m_gap;
    QByteArray m_held;
    qsizetype m_dropped = 0;
};

} // namespace rfid
