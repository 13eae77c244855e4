#include "controls/HatchFill.h"

#include "document/HatchLines.h"
#include "document/ScreenMetrics.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

// True when the device is finer than the screen, so hatches must be scaled up to keep their
// on-screen look.
bool DeviceFinerThanScreen(const QPaintDevice& device) {
    return device.logicalDpiY() * 4 > ScreenPixelsPerInch() * 5;
}

} // namespace

void FillHatchedPath(QPainter& painter, const QPainterPath& path, TBrushStyle style,
                     const QColor& color) {
    const QPaintDevice* device = painter.device();
    if (!device || !IsHatchBrushStyle(style))
        return;
    const bool finer = DeviceFinerThanScreen(*device);
    const double dpiX = finer ? device->logicalDpiX() : ScreenPixelsPerInch();
    const double dpiY = finer ? device->logicalDpiY() : ScreenPixelsPerInch();
    const QPainterPath onDevice = painter.combinedTransform().map(path);
    const QRectF box =
        onDevice.boundingRect().intersected(QRectF(0, 0, device->width(), device->height()));
    if (box.isEmpty())
        return;
    painter.save();
    painter.resetTransform();
    // On a screen-like device the lines stand in for Qt's hatch patterns, which are never
    // smoothed: a smoothed one-pixel line on a whole pixel would be two grey rows.
    if (!finer)
        painter.setRenderHint(QPainter::Antialiasing, false);
    DrawHatchLines(painter, onDevice, box, style, color, HatchGridAt(dpiX, dpiY, QPointF()));
    painter.restore();
}
