// The controls of horizontal and vertical line items.
#include "controls/ItemControls.h"
#include "controls/TLineShape.h"
#include "document/LabelItemValue.h"

namespace {

QWidget* create(QWidget* panel, const ItemControlContext&) {
    return new TLineShape(panel);
}

void applyLine(QWidget* control, const LabelItemValue& v, TLineStyle style) {
    auto* line = static_cast<TLineShape*>(control);
    line->setLineStyle(style);
    line->setPenWidth(v.penWidth);
    line->setPenColor(v.penColor);
}

void applyHorizontal(QWidget* control, const LabelItemValue& v) {
    applyLine(control, v, stHorizontal);
}
void applyVertical(QWidget* control, const LabelItemValue& v) {
    applyLine(control, v, stVertical);
}

} // namespace

extern const ItemControlKind HorizontalLineItemControl = {&create, &applyHorizontal};
extern const ItemControlKind VerticalLineItemControl = {&create, &applyVertical};
