// Symbol items on paper.
#include "document/ColorValue.h"
#include "document/PrintItemValue.h"
#include "printing/ItemPrints.h"
#include "printing/TBaseReport.h"

namespace {

void draw(TBaseReport& report, const PrintItemValue& item, LabelPrinting&) {
    report.SetFont(QStringLiteral("WingDings"), item.fontSize);
    report.SetFontColor(ColorValueToQColor(item.fontColor));
    report.SetFontPlacement(TVerticalPlacement::Top);
    if (item.asciiChar > 0 && item.asciiChar < 256)
        report.PrintXY(item.left, item.top + report.FontSize(), QString(QChar(item.asciiChar)));
}

} // namespace

extern const ItemPrintKind SymbolItemPrint = {&draw};
