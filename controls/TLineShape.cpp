#include "controls/TLineShape.h"

#include "controls/ZoomedBox.h"
#include <QPainter>
#include <algorithm>

TLineShape::TLineShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    resize(1, 1);
}

void TLineShape::setLineStyle(TLineStyle style) {
    lineStyle_ = style;
    update();
}

void TLineShape::setPenColor(ColorValue color) {
    penColor_ = color;
    update();
}

void TLineShape::setPenWidth(int width) {
    penWidth_ = width;
    update();
}

void TLineShape::paintEvent(QPaintEvent*) {
    const int p = std::max(penWidth_, 1); // a 0-width pen still draws one pixel
    const int o = p / 2;
    const QSize box = ZoomedBox::Of(this).size();
    const int w = box.width() - p + 1;
    const int h = box.height() - p + 1;
    // The pen's centre runs through pixels o .. o + w - 1 (the end pixel o + w is not drawn);
    // in edge coordinates that centre line lies p / 2 in from the near edges, and the square
    // caps carry the stroke out to the control's edges.
    const qreal shift = p / 2.0 - o;
    const QPointF start(o + shift, o + shift);
    QPointF end = start;
    if (lineStyle_ == stHorizontal)
        end += QPointF(w - 1, 0);
    else if (lineStyle_ == stVertical)
        end += QPointF(0, h - 1);
    else
        end += QPointF(w - 1, h - 1);

    const QColor color = ColorValueToQColor(penColor_);
    QPainter painter(this);
    ZoomedBox::Scale(painter, this);
    // Below true scale a stroke stays at least one screen pixel wide.
    const double zoom = ZoomedBox::ZoomOf(this);
    if (lineStyle_ != stAngle) {
        // A straight stroke with square ends is a rectangle; filling it also covers the
        // zero-length line of a control no wider than its pen.
        const qreal half = std::max<qreal>(p, 1 / zoom) / 2.0;
        painter.fillRect(QRectF(start - QPointF(half, half), end + QPointF(half, half)), color);
        return;
    }
    QPen pen(color);
    pen.setWidth(p);
    if (p * zoom < 1)
        pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(start, end);
}
