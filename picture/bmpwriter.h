#pragma once

class QImage;
class QIODevice;

// Writes the picture as an uncompressed 24-bit BMP (bottom row first, pixels
// as blue, green, red, rows padded to four bytes, resolution fields zero).
// Any QImage format is accepted and written as opaque colour. Returns false
// for a null or oversized picture and on the first failed or short write,
// after which nothing more is written.
bool writeBmp(const QImage &picture, QIODevice &device);
