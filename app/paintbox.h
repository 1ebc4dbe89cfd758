#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

// The live drawing surface. It keeps what the latest renders drew, so the
// picture survives being covered; until the first render it is transparent.
class PaintBox : public QWidget {
    Q_OBJECT

public:
    explicit PaintBox(QWidget *parent = nullptr);

    void setPixel(int x, int y, QRgb color);
    // Paints what changed since the last call, at once: the render does not
    // return to the event loop until it ends.
    void flush();

    const QImage &pixels() const { return pixels_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage pixels_;
    QRect dirty_;
};
