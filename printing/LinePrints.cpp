// Horizontal and vertical line items on paper: the stroke along the box's top or left edge.
#include "document/ColorValue.h"
#include "document/PrintItemValue.h"
#include "printing/ItemPrints.h"
#include "printing/TBaseReport.h"

namespace {

void SetLinePen(TBaseReport& report, const PrintItemValue& item) {
    report.SetPen(ColorValueToQColor(item.lineColor), TPenStyle::Solid, item.penWidth,
                  TPenMode::Copy);
}

void drawHorizontal(TBaseReport& report, const PrintItemValue& item, LabelPrinting&) {
    SetLinePen(report, item);
    report.MoveTo(item.left, item.top);
    report.LineTo(item.left + item.width, item.top);
}

void drawVertical(TBaseReport& report, const PrintItemValue& item, LabelPrinting&) {
    SetLinePen(report, item);
    report.MoveTo(item.left, item.top);
    report.LineTo(item.left, item.top + item.height);
}

} // namespace

extern const ItemPrintKind HorizontalLineItemPrint = {&drawHorizontal};
extern const ItemPrintKind VerticalLineItemPrint = {&drawVertical};
