#include "paintbox.h"

#include <QPaintEvent>
#include <QPainter>

PaintBox::PaintBox(QWidget *parent)
    : QWidget(parent), pixels_(200, 200, QImage::Format_ARGB32)
{
    pixels_.fill(Qt::transparent);
}

void PaintBox::setPixel(int x, int y, QRgb color)
{
    pixels_.setPixel(x, y, color | 0xFF000000u);
    dirty_ |= QRect(x, y, 1, 1);
}

void PaintBox::flush()
{
    if (dirty_.isEmpty())
        return;
    const QRect area = dirty_;
    dirty_ = QRect();
    repaint(area);
}

void PaintBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, pixels_, area);
}
