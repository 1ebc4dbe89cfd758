#pragma once

#include <QImage>
#include <QWidget>

// Image1: shows the kept picture, a 200 x 200 24-bit image that is created
// white the first time a render draws into it and is never cleared.
class KeptImage : public QWidget {
    Q_OBJECT

public:
    explicit KeptImage(QWidget *parent = nullptr);

    void setPixel(int x, int y, QRgb color);
    bool hasPicture() const { return !picture_.isNull(); }
    const QImage &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};
