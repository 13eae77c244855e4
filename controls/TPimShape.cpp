#include "controls/TPimShape.h"

#include "controls/ZoomedBox.h"
#include "document/HatchLines.h"
#include "document/ScreenMetrics.h"
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRegion>
#include <QTransform>
#include <algorithm>

namespace {
bool IsSquareKind(TShapeType shape) {
    return shape == stSquare || shape == stRoundSquare || shape == stCircle;
}

// A stroke of width 0 still draws one pixel; one thinner than a screen pixel at the zoom
// is drawn one screen pixel wide.
QPen OutlinePen(ColorValue color, int width, double zoom) {
    QPen pen(ColorValueToQColor(color));
    pen.setWidth(std::max(width, 1));
    if (pen.widthF() * zoom < 1)
        pen.setCosmetic(true);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}
} // namespace

TPimShape::TPimShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    resize(25, 25);
}

void TPimShape::setShape(TShapeType shape) {
    shape_ = shape;
    makeSquareIfNeeded();
    updateHitMask();
    update();
}

void TPimShape::setPenColor(ColorValue color) {
    penColor_ = color;
    update();
}

void TPimShape::setPenWidth(int width) {
    penWidth_ = width;
    updateHitMask();
    update();
}

void TPimShape::setBrushColor(ColorValue color) {
    brushColor_ = color;
    update();
}

void TPimShape::setBrushStyle(TBrushStyle style) {
    brushStyle_ = style;
    updateHitMask();
    update();
}

void TPimShape::setRoundPerc(int percent) {
    roundPerc_ = percent;
    updateHitMask();
    update();
}

int TPimShape::CornerEllipse(int largerSide, int percent) {
    // Kept in 80-bit extended precision on purpose: the extended value nearest 0.01 lies just
    // below it, and stored designs were laid out with the corners that truncation gives.
    const long double hundredth = 0.01L;
    const long double size =
        static_cast<long double>(largerSide) * (static_cast<long double>(percent) * hundredth);
    return static_cast<int>(size);
}

int TPimShape::CornerEllipse() const {
    const QSize box = ZoomedBox::Of(this).size();
    return CornerEllipse(std::max(box.width(), box.height()), roundPerc_);
}

QRectF TPimShape::OutlineBox() const {
    const int p = std::max(penWidth_, 1); // a 0-width pen still draws one pixel
    const int o = p / 2;
    const QSize box = ZoomedBox::Of(this).size();
    const int w = box.width() - p + 1;
    const int h = box.height() - p + 1;
    // Pixel corner (o, o) with the exclusive far corner (o + w, o + h): the pen's centre runs
    // through pixel columns o .. o + w - 1. An even pen has its extra pixel on the near side,
    // so in edge coordinates the centre line lies p / 2 in from every side.
    const qreal shift = p / 2.0 - o;
    return QRectF(o + shift, o + shift, w - 1, h - 1);
}

void TPimShape::makeSquareIfNeeded() {
    const QSize box = ZoomedBox::Of(this).size();
    if (!IsSquareKind(shape_) || box.width() == box.height())
        return;
    const int side = std::min(box.width(), box.height());
    ZoomedBox::SetSize(this, {side, side});
}

void TPimShape::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    makeSquareIfNeeded();
    updateHitMask();
}

void TPimShape::paintEvent(QPaintEvent*) {
    const QSize size = ZoomedBox::Of(this).size();
    const int m = std::max(size.width(), size.height());
    QPainter painter(this);
    ZoomedBox::Scale(painter, this);
    if (IsHatchBrushStyle(brushStyle_)) {
        // Laid from the label's corner in design pixels, as paper lays them from the label's
        // corner on the sheet, so that the panel shows the printed hatch at every zoom.
        const QPainterPath outline = OutlinePath();
        const double ppi = ScreenPixelsPerInch();
        DrawHatchLines(painter, outline, outline.boundingRect(), brushStyle_,
                       ColorValueToQColor(brushColor_),
                       HatchGridAt(ppi, ppi, -QPointF(ZoomedBox::Of(this).topLeft())));
        painter.setBrush(Qt::NoBrush);
    } else {
        painter.setBrush(QBrush(ColorValueToQColor(brushColor_), ToQtBrushStyle(brushStyle_)));
    }
    painter.setPen(OutlinePen(penColor_, penWidth_, ZoomedBox::ZoomOf(this)));
    const QRectF box = OutlineBox();
    switch (shape_) {
    case stRoundRect:
    case stRoundSquare: {
        const qreal radius = CornerEllipse(m, roundPerc_) / 2.0;
        painter.drawRoundedRect(box, radius, radius, Qt::AbsoluteSize);
        break;
    }
    case stEllipse:
    case stCircle:
        painter.drawEllipse(box);
        break;
    default:
        painter.drawRect(box);
        break;
    }
}

QPainterPath TPimShape::OutlinePath() const {
    QPainterPath path;
    const QRectF box = OutlineBox();
    switch (shape_) {
    case stRoundRect:
    case stRoundSquare: {
        const QSize size = ZoomedBox::Of(this).size();
        const qreal radius = CornerEllipse(std::max(size.width(), size.height()), roundPerc_) / 2.0;
        path.addRoundedRect(box, radius, radius, Qt::AbsoluteSize);
        break;
    }
    case stEllipse:
    case stCircle:
        path.addEllipse(box);
        break;
    default:
        path.addRect(box);
        break;
    }
    return path;
}

// A hollow shape is no obstacle: its mask is a band along the outline, the pen and
// HitTolerance pixels either side, so presses inside it reach what lies beneath (an item
// or the panel). The mask clips nothing that is drawn.
void TPimShape::updateHitMask() {
    if (brushStyle_ != TBrushStyle::Clear) {
        clearMask();
        return;
    }
    // The outline is in design pixels; the mask lies on the widget at the panel's zoom, and
    // the tolerance stays in screen pixels.
    const double zoom = ZoomedBox::ZoomOf(this);
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(penWidth_, 1) * zoom + 2 * HitTolerance);
    stroker.setJoinStyle(Qt::MiterJoin);
    const QPainterPath band =
        stroker.createStroke(QTransform::fromScale(zoom, zoom).map(OutlinePath()));
    QRegion region;
    for (const QPolygonF& polygon : band.toFillPolygons())
        region += QRegion(polygon.toPolygon(), Qt::WindingFill);
    region &= QRegion(rect());
    // A shape too small to have an inside keeps its whole box.
    if (region.isEmpty() || region == QRegion(rect()))
        clearMask();
    else
        setMask(region);
}
