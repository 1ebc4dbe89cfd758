#include "bmpwriter.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;
constexpr int headerSize = fileHeaderSize + infoHeaderSize;

void put16(char *at, quint16 value) { qToLittleEndian(value, at); }
void put32(char *at, quint32 value) { qToLittleEndian(value, at); }

bool writeAll(QIODevice &device, const char *data, qint64 size)
{
    // A short count from a file means the disk refused the rest; we do not
    // retry, the caller throws the whole file away.
    return device.write(data, size) == size;
}

} // namespace

bool writeBmp(const QImage &picture, QIODevice &device)
{
    if (picture.isNull())
        return false;

    const qint64 width = picture.width();
    const qint64 height = picture.height();
    const qint64 rowSize = (width * 24 + 31) / 32 * 4;
    const qint64 pixelDataSize = rowSize * height;
    const qint64 fileSize = headerSize + pixelDataSize;
    // Sizes and dimensions are 32-bit fields in the header.
    if (fileSize > std::numeric_limits<qint32>::max())
        return false;

    // BGR888 already holds each pixel as blue, green, red in memory.
    // Converted before anything is written so a failure leaves no header.
    const QImage pixels = picture.convertToFormat(QImage::Format_BGR888);
    if (pixels.isNull())
        return false;

    QByteArray header(headerSize, '\0');
    char *h = header.data();
    h[0] = 'B';
    h[1] = 'M';
    put32(h + 2, quint32(fileSize));
    // 6 and 8: reserved, left zero.
    put32(h + 10, headerSize);
    put32(h + 14, infoHeaderSize);
    put32(h + 18, quint32(width));
    put32(h + 22, quint32(height)); // positive: rows stored bottom-up
    put16(h + 26, 1);
    put16(h + 28, 24);
    // 30: compression none; 38..53: resolution and palette counts, all zero.
    put32(h + 34, quint32(pixelDataSize));
    if (!writeAll(device, h, headerSize))
        return false;

    QByteArray row(rowSize, '\0'); // the tail stays zero as padding
    const qsizetype pixelBytes = width * 3;
    for (int y = int(height) - 1; y >= 0; --y) {
        std::memcpy(row.data(), pixels.constScanLine(y), size_t(pixelBytes));
        if (!writeAll(device, row.constData(), rowSize))
            return false;
    }
    return true;
}
