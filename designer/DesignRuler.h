#pragma once

#include "designer/LabelUnit.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class TCanvasPanel;

// A ruler along the top or the left of the design area, in the label's unit, counting from
// the label's top-left corner at the panel's zoom and marking where the pointer is.
class DesignRuler : public QWidget {
    Q_OBJECT
public:
    static constexpr int Thickness = 20;

    DesignRuler(Qt::Orientation orientation, TCanvasPanel* panel, QWidget* parent = nullptr);

    Qt::Orientation Orientation() const { return orientation_; }
    void SetUnit(LabelUnit unit);
    LabelUnit Unit() const { return unit_; }
    // The pointer's place along the ruler, inches from the label's edge; none hides the mark.
    void SetPointer(std::optional<double> inches);
    std::optional<double> Pointer() const { return pointer_; }
    // Where the label's edge lies on the ruler, and the screen pixels of one unit.
    double Origin() const;
    double PixelsPerUnit() const;
    // The step between ticks, in units, for ticks at least minimum pixels apart: 1, 1/2, 1/4,
    // … of an inch, or 1, 5, 10, … millimetres.
    static double TickStep(LabelUnit unit, double pixelsPerUnit, double minimum);
    // A ruler's figure as the locale writes it: "0.25", "0,25" in German.
    static QString Figure(double value, const QLocale& locale);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double along(const QPointF& point) const;

    Qt::Orientation orientation_;
    QPointer<TCanvasPanel> panel_;
    LabelUnit unit_;
    std::optional<double> pointer_;
};
