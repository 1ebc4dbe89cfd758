#include "keptimage.h"

#include <QPaintEvent>
#include <QPainter>

KeptImage::KeptImage(QWidget *parent) : QWidget(parent) {}

void KeptImage::setPixel(int x, int y, QRgb color)
{
    if (picture_.isNull()) {
        picture_ = QImage(200, 200, QImage::Format_RGB888);
        picture_.fill(Qt::white);
    }
    picture_.setPixel(x, y, color);
    update();
}

void KeptImage::paintEvent(QPaintEvent *event)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, picture_, area);
}
