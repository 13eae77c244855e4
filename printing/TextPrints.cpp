// Text and counter items on paper.
#include "controls/RotatedTextPlacement.h"
#include "document/ColorValue.h"
#include "document/PrintItemValue.h"
#include "printing/ItemPrints.h"
#include "printing/PrintableText.h"
#include "printing/TBaseReport.h"

namespace {

void SetItemFont(TBaseReport& report, const PrintItemValue& item, int angle) {
    report.SetFont(item.fontName, item.fontSize);
    report.SetBold(item.bold);
    report.SetItalic(item.italic);
    report.SetUnderline(item.underline);
    report.SetFontRotation(angle);
    report.SetFontColor(ColorValueToQColor(item.fontColor));
    report.SetFontPlacement(TVerticalPlacement::Top);
}

// The text starts at its origin inside the box, half a descent below the cell's top
// (less the internal leading); a turned text turns about its cell's corner, as on screen.
void drawText(TBaseReport& report, const PrintItemValue& item, LabelPrinting& label) {
    const int angle = item.angle < 0 ? item.angle + 360 : item.angle;
    SetItemFont(report, item, angle);
    const double ascent = report.FontAscent();
    const double descent = report.FontDescent();
    const QPointF at = RotatedTextCursor({item.left + item.relativeX, item.top + item.relativeY},
                                         (ascent + descent) - 0.5 * descent, angle);
    report.GotoXY(at.x(), at.y());
    report.Print(PrintableText(label.TextOf(item.text)));
    report.SetFontRotation(0);
}

void drawCounter(TBaseReport& report, const PrintItemValue& item, LabelPrinting& label) {
    SetItemFont(report, item, item.angle);
    const QPointF at = RotatedTextCursor({item.left + item.relativeX, item.top + item.relativeY},
                                         report.FontSize(), item.angle);
    report.PrintXY(at.x(), at.y(), QString::number(label.CounterValue()));
    report.SetFontRotation(0);
    label.AdvanceCounter();
}

} // namespace

extern const ItemPrintKind TextItemPrint = {&drawText};
extern const ItemPrintKind CounterItemPrint = {&drawCounter};
