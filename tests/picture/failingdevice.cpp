#include "failingdevice.h"

#include <algorithm>

FailingDevice::FailingDevice(qint64 capacity)
    : m_capacity(capacity)
{
}

qint64 FailingDevice::readData(char *, qint64)
{
    return -1;
}

qint64 FailingDevice::writeData(const char *data, qint64 size)
{
    if (m_failed)
        ++m_writesAfterFailure;
    const qint64 room = m_capacity - m_accepted.size();
    if (room <= 0) {
        m_failed = true;
        return -1;
    }
    const qint64 taken = std::min(room, size);
    m_accepted.append(data, taken);
    if (taken < size)
        m_failed = true;
    return taken;
}
