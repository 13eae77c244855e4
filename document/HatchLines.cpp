#include "document/HatchLines.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// The first c = origin + k * step at or before from.
double FirstAtOrBefore(double from, double origin, double step) {
    return origin + std::floor((from - origin) / step) * step;
}

} // namespace

HatchGrid HatchGridAt(double dotsPerInchX, double dotsPerInchY, QPointF origin) {
    return {origin, QSizeF(kHatchSpacingInches * dotsPerInchX, kHatchSpacingInches * dotsPerInchY),
            double(std::max(1, qRound(kHatchLineInches * dotsPerInchX)))};
}

void DrawHatchLines(QPainter& painter, const QPainterPath& shape, const QRectF& bounds,
                    TBrushStyle style, const QColor& color, const HatchGrid& grid) {
    const double stepX = grid.spacing.width(), stepY = grid.spacing.height();
    if (!IsHatchBrushStyle(style) || !(stepX > 0) || !(stepY > 0) || bounds.isEmpty())
        return;
    const double ox = grid.origin.x(), oy = grid.origin.y();
    // One step beyond the bounds on every side, so that no corner is left bare.
    const double left = bounds.left() - stepX, right = bounds.right() + stepX;
    const double top = bounds.top() - stepY, bottom = bounds.bottom() + stepY;

    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    painter.setPen(QPen(color, grid.lineWidth, Qt::SolidLine, Qt::FlatCap));
    if (style == TBrushStyle::Horizontal || style == TBrushStyle::Cross)
        for (double y = FirstAtOrBefore(top, oy, stepY); y <= bottom; y += stepY)
            painter.drawLine(QLineF(left, qRound(y), right, qRound(y)));
    if (style == TBrushStyle::Vertical || style == TBrushStyle::Cross)
        for (double x = FirstAtOrBefore(left, ox, stepX); x <= right; x += stepX)
            painter.drawLine(QLineF(qRound(x), top, qRound(x), bottom));
    // A diagonal line is x - y = c ("\") or x + y = c ("/"); c steps by the spacing across.
    if (style == TBrushStyle::FDiagonal || style == TBrushStyle::DiagCross)
        for (double c = FirstAtOrBefore(left - bottom, ox - oy, stepX); c <= right - top;
             c += stepX)
            painter.drawLine(QLineF(top + c, top, bottom + c, bottom));
    if (style == TBrushStyle::BDiagonal || style == TBrushStyle::DiagCross)
        for (double c = FirstAtOrBefore(left + top, ox + oy, stepX); c <= right + bottom;
             c += stepX)
            painter.drawLine(QLineF(c - top, top, c - bottom, bottom));
    painter.restore();
}
