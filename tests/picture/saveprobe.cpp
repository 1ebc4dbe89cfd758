// save_probe PATH: saves a fixed 200 x 200 picture to PATH. On failure it
// prints the error text to standard output and exits with 1.
#include "savepicture.h"

#include <QImage>
#include <QString>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: save_probe PATH\n", stderr);
        return 2;
    }
    QImage picture(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, 128));
    try {
        savePicture(picture, QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception &error) {
        std::puts(error.what());
        return 1;
    }
    return 0;
}
