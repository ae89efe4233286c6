#include "serialburst.h"

#include <QIODevice>
#include <algorithm>
#include <utility>

namespace rfid {

SerialBurst::SerialBurst(QIODevice *device, int gapMs, qsizetype cap, QObject *parent)
    : QObject(parent)
    , m_device(device)
    , m_cap(cap)
{
    m_gap.setSingleShot(true);
    m_gap.setInterval(gapMs);
    connect(&m_gap, &QTimer::timeout, this, &SerialBurst::flush);
    connect(device, &QIODevice::readyRead, this, &SerialBurst::read);
}

void SerialBurst::read()
{
    // Drain the device in pieces so that its own buffer stays small too.
    char piece[4096];
    qint64 n;
    while ((n = m_device->read(piece, sizeof piece)) > 0) {
        const qsizetype keep = std::min<qsizetype>(n, m_cap - m_held.size());
        m_held.append(piece, keep);
        m_dropped += n - keep;
    }
    m_gap.start();
}

void SerialBurst::flush()
{
    m_gap.stop();
    if (m_held.isEmpty() && m_dropped == 0)
        return;
    const QByteArray bytes = std::exchange(m_held, {});
    const qsizetype dropped = std::exchange(m_dropped, 0);
    emit arrival(bytes, dropped);
}

void SerialBurst::discard()
{
    m_gap.stop();
    m_held.clear();
    m_dropped = 0;
}

} // namespace rfid
