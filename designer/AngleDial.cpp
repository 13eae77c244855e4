#include "designer/AngleDial.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace {
// Nearest whole number, halves to even (the rounding the dial has always used).
int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}
} // namespace

AngleDial::AngleDial(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::CrossCursor);
    setWhatsThis(tr("Drag on the dial to point the text in any direction."));
}

int AngleDial::Normalised(int value) {
    return ((value % 360) + 360) % 360;
}

void AngleDial::SetShownAngle(int value) {
    const int angle = Normalised(value);
    if (angle == shownAngle_)
        return;
    shownAngle_ = angle;
    update();
}

int AngleDial::AngleAt(const QPoint& p, const QSize& size) {
    const int cx = size.width() / 2;
    const int cy = size.height() / 2;
    if (p.x() == cx)
        return p.y() <= cy ? 90 : 270;
    const double slope = static_cast<double>(cy - p.y()) / static_cast<double>(p.x() - cx);
    const int angle = RoundHalfEven(std::atan(slope) * 180.0 / std::numbers::pi);
    return p.x() < cx ? (angle + 540) % 360 : (angle + 360) % 360;
}

QPoint AngleDial::NeedleEnd(int angle, const QSize& size) {
    const double theta = angle * std::numbers::pi / 180.0;
    const int cx = size.width() / 2;
    const int cy = size.height() / 2;
    return {cx + RoundHalfEven(std::cos(theta) * size.width() * 0.5),
            cy - RoundHalfEven(std::sin(theta) * size.height() * 0.5)};
}

void AngleDial::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(palette().color(QPalette::WindowText));
    // The outline covers the pixels 0..width-1 and 0..height-1.
    painter.drawEllipse(QRect(0, 0, width() - 1, height() - 1));
    painter.drawLine(QPoint(width() / 2, height() / 2), NeedleEnd(shownAngle_, size()));
}

void AngleDial::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    QApplication::setOverrideCursor(Qt::CrossCursor);
    DragTo(event->position().toPoint());
}

void AngleDial::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_)
        DragTo(event->position().toPoint());
}

void AngleDial::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        EndDrag();
}

void AngleDial::DragTo(const QPoint& p) {
    // Only positions over the dial count; the drag goes on outside it.
    if (!rect().contains(p))
        return;
    const int angle = AngleAt(p, size());
    SetShownAngle(angle);
    emit AngleDragged(angle);
}

void AngleDial::EndDrag() {
    if (!dragging_)
        return;
    dragging_ = false;
    QApplication::restoreOverrideCursor();
}
