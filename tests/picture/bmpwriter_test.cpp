#include "bmpwriter.h"
#include "encodedbmp.h"
#include "failingdevice.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QtEndian>

#include <algorithm>

namespace {

// The header is 14 bytes of file header and 40 of info header.
constexpr int headerSize = 54;


quint32 field(const QByteArray &bytes, int offset, int size)
{
    const auto *at = reinterpret_cast<const uchar *>(bytes.constData()) + offset;
    return size == 2 ? qFromLittleEndian<quint16>(at) : qFromLittleEndian<quint32>(at);
}

// Every pixel different, so a flipped, mirrored or channel-swapped copy
// cannot pass for the original.
QImage gradient(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x, y, (x + 2 * y) % 256));
    return picture;
}

} // namespace

class BmpWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void header_data();
    void header();
    void pixelOrder_data();
    void pixelOrder();
    void rowPadding_data();
    void rowPadding();
    void roundTrip();
    void nullPicture();
    void writeFault_data();
    void writeFault();
};

void BmpWriterTest::header_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");
    QTest::addColumn<quint32>("expected");

    // A 200 x 200 row holds 600 bytes: ((200 * 24 + 31) / 32) * 4 = 150 * 4,
    // no padding. Pixel data is 600 * 200 = 120000, the file 54 + 120000.
    QTest::newRow("signature BM") << 0 << 2 << quint32('B' | 'M' << 8);
    QTest::newRow("file size") << 2 << 4 << 120054u;
    QTest::newRow("reserved 1") << 6 << 2 << 0u;
    QTest::newRow("reserved 2") << 8 << 2 << 0u;
    QTest::newRow("pixel data offset") << 10 << 4 << 54u;
    QTest::newRow("info header size") << 14 << 4 << 40u;
    QTest::newRow("width") << 18 << 4 << 200u;
    QTest::newRow("height, positive for bottom-up") << 22 << 4 << 200u;
    QTest::newRow("planes") << 26 << 2 << 1u;
    QTest::newRow("bits per pixel") << 28 << 2 << 24u;
    QTest::newRow("compression none") << 30 << 4 << 0u;
    QTest::newRow("pixel data size") << 34 << 4 << 120000u;
    QTest::newRow("horizontal resolution") << 38 << 4 << 0u;
    QTest::newRow("vertical resolution") << 42 << 4 << 0u;
    QTest::newRow("colours used") << 46 << 4 << 0u;
    QTest::newRow("important colours") << 50 << 4 << 0u;
}

void BmpWriterTest::header()
{
    QFETCH(int, offset);
    QFETCH(int, size);
    QFETCH(quint32, expected);

    const QByteArray bytes = encodedBmp(gradient(200, 200));
    QCOMPARE(bytes.size(), 120054);
    QCOMPARE(field(bytes, offset, size), expected);
}

void BmpWriterTest::pixelOrder_data()
{
    QTest::addColumn<QImage::Format>("format");

    // The colours must come through whatever the picture's storage.
    QTest::newRow("RGB32") << QImage::Format_RGB32;
    QTest::newRow("ARGB32 premultiplied") << QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("RGB888") << QImage::Format_RGB888;
    QTest::newRow("indexed") << QImage::Format_Indexed8;
    QTest::newRow("RGBA64") << QImage::Format_RGBA64;
}

void BmpWriterTest::pixelOrder()
{
    QFETCH(QImage::Format, format);

    // 3 x 2 with six distinct colours. A row is 9 bytes of pixels rounded
    // up to 12, so each row ends in 3 zero bytes.
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0x01, 0x02, 0x03));
    picture.setPixel(1, 0, qRgb(0x04, 0x05, 0x06));
    picture.setPixel(2, 0, qRgb(0x07, 0x08, 0x09));
    picture.setPixel(0, 1, qRgb(0x0a, 0x0b, 0x0c));
    picture.setPixel(1, 1, qRgb(0x0d, 0x0e, 0x0f));
    picture.setPixel(2, 1, qRgb(0x10, 0x11, 0x12));
    picture = picture.convertToFormat(format);
    QCOMPARE(picture.format(), format);

    // Bottom row (y = 1) first, each pixel as blue, green, red.
    const QByteArray expectedPixels = QByteArray::fromHex(
        "0c0b0a" "0f0e0d" "121110" "000000"
        "030201" "060504" "090807" "000000");

    const QByteArray bytes = encodedBmp(picture);
    QCOMPARE(bytes.size(), headerSize + 24);
    QCOMPARE(field(bytes, 2, 4), quint32(headerSize + 24));
    QCOMPARE(field(bytes, 18, 4), 3u);
    QCOMPARE(field(bytes, 22, 4), 2u);
    QCOMPARE(bytes.mid(headerSize), expectedPixels);
}

void BmpWriterTest::rowPadding_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("rowSize");

    // 3 bytes a pixel, each row rounded up to a multiple of 4.
    QTest::newRow("1 wide: 3 + 1 zero") << 1 << 4;
    QTest::newRow("2 wide: 6 + 2 zeros") << 2 << 8;
    QTest::newRow("4 wide: 12, none") << 4 << 12;
    QTest::newRow("5 wide: 15 + 1 zero") << 5 << 16;
}

void BmpWriterTest::rowPadding()
{
    QFETCH(int, width);
    QFETCH(int, rowSize);

    // White, so every pixel byte is 0xff and padding stands out as zero.
    const int height = 3;
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);

    const QByteArray bytes = encodedBmp(picture);
    QCOMPARE(bytes.size(), headerSize + rowSize * height);
    QCOMPARE(field(bytes, 2, 4), quint32(bytes.size()));
    QCOMPARE(field(bytes, 34, 4), quint32(rowSize * height));
    const QByteArray expectedRow =
        QByteArray(width * 3, '\xff') + QByteArray(rowSize - width * 3, '\0');
    for (int row = 0; row < height; ++row)
        QCOMPARE(bytes.mid(headerSize + row * rowSize, rowSize), expectedRow);
}

void BmpWriterTest::roundTrip()
{
    const QImage picture = gradient(200, 200);
    const QByteArray bytes = encodedBmp(picture);

    QImage decoded;
    QVERIFY(decoded.loadFromData(bytes, "BMP"));
    QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), picture);
}

void BmpWriterTest::nullPicture()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(!writeBmp(QImage(), buffer));
    QVERIFY(bytes.isEmpty());
}

void BmpWriterTest::writeFault_data()
{
    QTest::addColumn<qint64>("capacity");
    QTest::addColumn<bool>("succeeds");

    // A 200 x 200 file is 120054 bytes: 54 of header, then 200 rows of 600.
    QTest::newRow("nothing fits") << qint64(0) << false;
    QTest::newRow("inside the signature") << qint64(1) << false;
    QTest::newRow("inside the info header") << qint64(30) << false;
    QTest::newRow("one short of the header") << qint64(53) << false;
    QTest::newRow("header only, first row refused") << qint64(54) << false;
    QTest::newRow("inside row 100") << qint64(54 + 600 * 100 + 7) << false;
    QTest::newRow("one short of the end") << qint64(120053) << false;
    QTest::newRow("exactly enough") << qint64(120054) << true;
}

void BmpWriterTest::writeFault()
{
    QFETCH(qint64, capacity);
    QFETCH(bool, succeeds);

    const QImage picture = gradient(200, 200);
    FailingDevice device(capacity);
    QVERIFY(device.open(QIODevice::WriteOnly));

    QCOMPARE(writeBmp(picture, device), succeeds);
    QCOMPARE(device.writesAfterFailure(), 0);
    // Written front to back in one pass: what got through is the start of
    // the full file.
    const QByteArray whole = encodedBmp(picture);
    QCOMPARE(device.accepted(), whole.left(std::min<qint64>(capacity, whole.size())));
}

QTEST_GUILESS_MAIN(BmpWriterTest)
#include "bmpwriter_test.moc"
