// The controls of rectangle, rounded rectangle and ellipse items.
#include "controls/ItemControls.h"
#include "controls/TPimShape.h"
#include "document/LabelItemValue.h"

namespace {

QWidget* create(QWidget* panel, const ItemControlContext&) {
    return new TPimShape(panel);
}

void applyShape(QWidget* control, const LabelItemValue& v, TShapeType shape) {
    auto* s = static_cast<TPimShape*>(control);
    s->setShape(shape);
    if (shape == stRoundRect)
        s->setRoundPerc(v.rounding);
    s->setPenColor(v.penColor);
    s->setPenWidth(v.penWidth);
    s->setBrushColor(v.brushColor);
    s->setBrushStyle(v.brushStyle);
}

void applyRectangle(QWidget* control, const LabelItemValue& v) {
    applyShape(control, v, stRectangle);
}
void applyEllipse(QWidget* control, const LabelItemValue& v) {
    applyShape(control, v, stEllipse);
}
void applyRoundRectangle(QWidget* control, const LabelItemValue& v) {
    applyShape(control, v, stRoundRect);
}

} // namespace

extern const ItemControlKind RectangleItemControl = {&create, &applyRectangle};
extern const ItemControlKind EllipseItemControl = {&create, &applyEllipse};
extern const ItemControlKind RoundRectangleItemControl = {&create, &applyRoundRectangle};
