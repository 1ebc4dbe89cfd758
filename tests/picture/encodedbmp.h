#pragma once

#include "bmpwriter.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

// The bytes writeBmp gives for a picture; empty if it reported a failure.
inline QByteArray encodedBmp(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!writeBmp(picture, buffer))
        return QByteArray();
    return bytes;
}
