#include "designer/DesignRuler.h"

#include "controls/TCanvasPanel.h"
#include "designer/ZoomMapping.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// Ticks closer than this many screen pixels are left out; numbers want more room.
constexpr double MinTickGap = 4;
constexpr double MinNumberGap = 64;
// Numbers stand at an eighth of an inch at the finest, or at a millimetre.
constexpr double FinestNumberedInch = 1.0 / 8;
} // namespace

DesignRuler::DesignRuler(Qt::Orientation orientation, TCanvasPanel* panel, QWidget* parent)
    : QWidget(parent), orientation_(orientation), panel_(panel) {
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("TopRuler")
                                                : QStringLiteral("LeftRuler"));
    if (orientation == Qt::Horizontal)
        setFixedHeight(Thickness);
    else
        setFixedWidth(Thickness);
    QFont small = font();
    small.setPixelSize(9);
    setFont(small);
}

QSize DesignRuler::sizeHint() const {
    return {Thickness, Thickness};
}

void DesignRuler::SetUnit(LabelUnit unit) {
    unit_ = unit;
    update();
}

void DesignRuler::SetPointer(std::optional<double> inches) {
    if (inches == pointer_)
        return;
    pointer_ = inches;
    update();
}

double DesignRuler::along(const QPointF& point) const {
    return orientation_ == Qt::Horizontal ? point.x() : point.y();
}

double DesignRuler::Origin() const {
    if (!panel_)
        return 0;
    return along(mapFromGlobal(panel_->mapToGlobal(QPointF(0, 0))));
}

double DesignRuler::PixelsPerUnit() const {
    return ZoomMapping::Of(panel_).InchesToScreen(1.0) / unit_.PerInch();
}

double DesignRuler::TickStep(LabelUnit unit, double pixelsPerUnit, double minimum) {
    if (pixelsPerUnit <= 0)
        return 1;
    if (unit.Which() == LabelUnit::Inches) {
        // Halves of an inch down to a sixteenth, whole inches up.
        double step = 1.0 / 16;
        while (step * pixelsPerUnit < minimum)
            step *= 2;
        return step;
    }
    // 1, 5, 10, 50, 100 … millimetres.
    double step = 1;
    bool five = true;
    while (step * pixelsPerUnit < minimum) {
        step *= five ? 5 : 2;
        five = !five;
    }
    return step;
}

QString DesignRuler::Figure(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 6);
}

void DesignRuler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xF0, 0xF0, 0xF0));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    const bool across = orientation_ == Qt::Horizontal;
    if (across)
        painter.drawLine(0, height() - 1, width(), height() - 1);
    else
        painter.drawLine(width() - 1, 0, width() - 1, height());
    if (!panel_)
        return;
    const double origin = Origin();
    const double perUnit = PixelsPerUnit();
    const QLocale locale;
    const double tick = TickStep(unit_, perUnit, MinTickGap);
    double number = TickStep(unit_, perUnit, MinNumberGap);
    if (unit_.Which() == LabelUnit::Inches)
        number = std::max(number, FinestNumberedInch);
    const double length = across ? width() : height();
    // Ticks over the whole ruler, also left of and beyond the label (negative positions).
    const long first = long(std::floor(-origin / perUnit / tick));
    const long last = long(std::ceil((length - origin) / perUnit / tick));
    painter.setPen(Qt::black);
    for (long i = first; i <= last; ++i) {
        const double value = i * tick;
        const double at = std::round(origin + value * perUnit) + 0.5;
        const bool numbered = std::fabs(std::remainder(value, number)) < 1e-9;
        const bool half = std::fabs(std::remainder(value, number / 2)) < 1e-9;
        const int size = numbered ? Thickness - 2 : half ? Thickness / 2 : Thickness / 4;
        if (across)
            painter.drawLine(QPointF(at, Thickness - size), QPointF(at, Thickness));
        else
            painter.drawLine(QPointF(Thickness - size, at), QPointF(Thickness, at));
        if (!numbered)
            continue;
        const QString text = Figure(value, locale);
        if (across) {
            painter.drawText(QPointF(at + 2, 9), text);
        } else {
            // Read from the bottom up, below the tick as the top ruler's stand right of it.
            painter.save();
            painter.translate(9, at + 2 + painter.fontMetrics().horizontalAdvance(text));
            painter.rotate(-90);
            painter.drawText(QPointF(0, 0), text);
            painter.restore();
        }
    }
    if (!pointer_)
        return;
    const double at = std::round(origin + *pointer_ * unit_.PerInch() * perUnit) + 0.5;
    painter.setPen(QColor(0xD0, 0x20, 0x20));
    if (across)
        painter.drawLine(QPointF(at, 0), QPointF(at, Thickness));
    else
        painter.drawLine(QPointF(0, at), QPointF(Thickness, at));
}
