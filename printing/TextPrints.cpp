// Text and counter items on paper: a text of one line as texts always printed, a text of
// several lines or in a box laid out as on the panel.
#include "controls/RotatedTextPlacement.h"
#include "document/ColorValue.h"
#include "document/PrintItemValue.h"
#include "printing/ItemPrints.h"
#include "printing/PrintableText.h"
#include "printing/TBaseReport.h"
#include "printing/TextBoxPrint.h"
#include <QCoreApplication>

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
// What a label's problem says of the text it concerns: the text as typed, on one line.
QString Quoted(const QString& typed) {
    QString text = typed;
    text.replace(u'\n', QStringLiteral(" / "));
    return text.size() > 60 ? text.left(57) + QStringLiteral("...") : text;
}

void drawText(TBaseReport& report, const PrintItemValue& item, LabelPrinting& label) {
    if (IsLaidOutText(item)) {
        const QStringList lines =
            FilledTextLines(item, [&label](const QString& line) { return label.TextOf(line); });
        if (!PrintTextLines(report, item, lines) && item.textBox.box)
            label.Warn(
                QCoreApplication::translate("TextPrints", "the text \"%1\" does not fit its box")
                    .arg(Quoted(item.text)));
        return;
    }
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
