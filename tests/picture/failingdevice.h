#pragma once

#include <QByteArray>
#include <QIODevice>

// A sink that takes only `capacity` bytes, like a disk that fills up: the
// write that reaches the limit is cut short and later writes fail.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity);

    bool isSequential() const override { return true; }

    QByteArray accepted() const { return m_accepted; }
    // Writes attempted after one had already come back short or failed.
    int writesAfterFailure() const { return m_writesAfterFailure; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    qint64 m_capacity;
    QByteArray m_accepted;
    bool m_failed = false;
    int m_writesAfterFailure = 0;
};
