#include "controls/HatchFill.h"

#include "document/ScreenMetrics.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// Lines c = k * spacing of the family x * dx + y * dy = c crossing the device rectangle.
void DrawLineFamily(QPainter& painter, const QRectF& box, double spacing, int dx, int dy) {
    // Coordinates along the normal of the family, at the box's corners.
    const double corners[4] = {box.left() * dx + box.top() * dy, box.right() * dx + box.top() * dy,
                               box.left() * dx + box.bottom() * dy,
                               box.right() * dx + box.bottom() * dy};
    double low = corners[0], high = corners[0];
    for (double c : corners) {
        low = std::min(low, c);
        high = std::max(high, c);
    }
    const double first = std::ceil(low / spacing) * spacing;
    const double margin = box.width() + box.height() + spacing;
    for (double c = first; c <= high; c += spacing) {
        if (dx == 0) { // horizontal: y = c
            painter.drawLine(QPointF(box.left(), c), QPointF(box.right(), c));
        } else if (dy == 0) { // vertical: x = c
            painter.drawLine(QPointF(c, box.top()), QPointF(c, box.bottom()));
        } else { // diagonals: x * dx + y * dy = c, drawn long and clipped
            const double y0 = box.top() - margin, y1 = box.bottom() + margin;
            painter.drawLine(QPointF((c - y0 * dy) / dx, y0), QPointF((c - y1 * dy) / dx, y1));
        }
    }
}

} // namespace

bool DeviceFinerThanScreen(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device && device->logicalDpiY() * 4 > ScreenPixelsPerInch() * 5;
}

void FillHatchedPath(QPainter& painter, const QPainterPath& path, Qt::BrushStyle style,
                     const QColor& color) {
    const bool hatch = style == Qt::HorPattern || style == Qt::VerPattern ||
                       style == Qt::FDiagPattern || style == Qt::BDiagPattern ||
                       style == Qt::CrossPattern || style == Qt::DiagCrossPattern;
    if (!hatch) {
        painter.fillPath(path, color);
        return;
    }
    if (!DeviceFinerThanScreen(painter)) {
        painter.fillPath(path, QBrush(color, style));
        return;
    }
    const QPaintDevice* device = painter.device();
    const double dpi = device->logicalDpiY();
    const double spacing = dpi / 12.0;
    const QTransform toDevice = painter.combinedTransform();
    QRectF box = toDevice.mapRect(path.boundingRect());
    box = box.intersected(QRectF(0, 0, device->width(), device->height()));
    if (box.isEmpty())
        return;

    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    painter.resetTransform();
    QPen pen(color, std::max(1.0, dpi / ScreenPixelsPerInch()));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    box.adjust(-1, -1, 1, 1);
    if (style == Qt::HorPattern || style == Qt::CrossPattern)
        DrawLineFamily(painter, box, spacing, 0, 1);
    if (style == Qt::VerPattern || style == Qt::CrossPattern)
        DrawLineFamily(painter, box, spacing, 1, 0);
    if (style == Qt::FDiagPattern || style == Qt::DiagCrossPattern) // "\": x - y constant
        DrawLineFamily(painter, box, spacing, 1, -1);
    if (style == Qt::BDiagPattern || style == Qt::DiagCrossPattern) // "/": x + y constant
        DrawLineFamily(painter, box, spacing, 1, 1);
    painter.restore();
}
