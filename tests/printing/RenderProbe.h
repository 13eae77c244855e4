#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <vector>

// Reading rendered pages back: where the ink is.
namespace RenderProbe {

inline bool IsInk(QRgb pixel) {
    return qGray(pixel) < 128;
}

// The bounding box of ink inside area (the whole image when area is empty).
inline QRect InkBox(const QImage& image, QRect area = {}) {
    if (area.isNull())
        area = image.rect();
    area = area.intersected(image.rect());
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsInk(line[x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The start of every run of ink along row y (or column x) between from and to.
inline std::vector<int> InkRunsInRow(const QImage& image, int y, int from, int to) {
    std::vector<int> starts;
    bool inside = false;
    for (int x = from; x <= to; ++x) {
        const bool ink = IsInk(image.pixel(x, y));
        if (ink && !inside)
            starts.push_back(x);
        inside = ink;
    }
    return starts;
}

inline std::vector<int> InkRunsInColumn(const QImage& image, int x, int from, int to) {
    std::vector<int> starts;
    bool inside = false;
    for (int y = from; y <= to; ++y) {
        const bool ink = IsInk(image.pixel(x, y));
        if (ink && !inside)
            starts.push_back(y);
        inside = ink;
    }
    return starts;
}

inline int InkRunLengthInRow(const QImage& image, int y, int from) {
    int x = from;
    while (x < image.width() && !IsInk(image.pixel(x, y)))
        ++x;
    int length = 0;
    while (x < image.width() && IsInk(image.pixel(x, y))) {
        ++x;
        ++length;
    }
    return length;
}

inline QImage ToRgb32(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace RenderProbe
