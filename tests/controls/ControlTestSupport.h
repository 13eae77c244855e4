#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include "document/ScreenMetrics.h"

// Sets the screen's pixels per inch for one test and puts the previous value back.
class ScopedPixelsPerInch {
public:
    explicit ScopedPixelsPerInch(int ppi) : previous_(ScreenPixelsPerInch()) {
        SetScreenPixelsPerInch(ppi);
    }
    ~ScopedPixelsPerInch() { SetScreenPixelsPerInch(previous_); }
    ScopedPixelsPerInch(const ScopedPixelsPerInch&) = delete;
    ScopedPixelsPerInch& operator=(const ScopedPixelsPerInch&) = delete;

private:
    int previous_;
};

// The widget (and its children) as painted over a white background.
inline QImage RenderOnWhite(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

// The one test of "ink" for every picture test: a pixel that differs from white by more
// than rounding in blending. A faint anti-aliased edge counts, so "nothing drawn" checks
// are strict and coverage compares what a person would see as drawn.
inline bool IsInk(QRgb pixel) {
    return qRed(pixel) < 245 || qGreen(pixel) < 245 || qBlue(pixel) < 245;
}

// Areas reaching past the image count only the part inside it.
inline QRect InkBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (IsInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline QRect InkBounds(const QImage& image) {
    return InkBounds(image, image.rect());
}

inline int InkCount(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += IsInk(image.pixel(x, y)) ? 1 : 0;
    return count;
}

inline int InkCount(const QImage& image) {
    return InkCount(image, image.rect());
}

inline QColor PixelAt(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}
