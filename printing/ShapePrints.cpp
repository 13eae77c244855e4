// Rectangle, rounded rectangle and ellipse items on paper.
#include "document/ColorValue.h"
#include "document/PrintItemValue.h"
#include "printing/ItemPrints.h"
#include "printing/TBaseReport.h"

#include <algorithm>

namespace {

void SetShapeTools(TBaseReport& report, const PrintItemValue& item) {
    report.SetPen(ColorValueToQColor(item.lineColor), TPenStyle::Solid, item.penWidth,
                  TPenMode::Copy);
    report.SetBrush(ColorValueToQColor(item.color), item.brushStyle);
}

void drawRectangle(TBaseReport& report, const PrintItemValue& item, LabelPrinting&) {
    SetShapeTools(report, item);
    report.Rectangle(item.left, item.top, item.left + item.width, item.top + item.height);
}

// The corners' ellipse is the rounding percent of the larger side.
void drawRoundRectangle(TBaseReport& report, const PrintItemValue& item, LabelPrinting&) {
    SetShapeTools(report, item);
    const double r = item.rounding * 0.01 * std::max(item.width, item.height);
    report.RoundRect(item.left, item.top, item.left + item.width, item.top + item.height, r, r);
}

void drawEllipse(TBaseReport& report, const PrintItemValue& item, LabelPrinting&) {
    SetShapeTools(report, item);
    report.Ellipse(item.left, item.top, item.left + item.width, item.top + item.height);
}

} // namespace

extern const ItemPrintKind RectangleItemPrint = {&drawRectangle};
extern const ItemPrintKind RoundRectangleItemPrint = {&drawRoundRectangle};
extern const ItemPrintKind EllipseItemPrint = {&drawEllipse};
