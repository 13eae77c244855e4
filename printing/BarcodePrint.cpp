#include "printing/BarcodePrint.h"

#include "controls/BarcodeSymbol.h"
#include "document/ColorValue.h"
#include "printing/TBaseReport.h"
#include "printing/TLabelItemObject.h"

namespace {

// A filled box with no outline: its edges land on the nearest device pixels.
void Fill(TBaseReport& report, const QRectF& box, double left, double top) {
    report.Rectangle(left + box.left(), top + box.top(), left + box.right(), top + box.bottom());
}

void PrintLine(TBaseReport& report, const BarcodeText& text, double left, double top,
               const QColor& color) {
    double points = text.emHeight * 72.0;
    report.SetFont(BarcodeSymbol::TextFontName(), points);
    while (text.maxWidth > 0 && points > 1 && report.TextWidth(text.text) > text.maxWidth) {
        points -= 0.5;
        report.SetFont(BarcodeSymbol::TextFontName(), points);
    }
    report.SetFontColor(color);
    report.SetFontPlacement(TVerticalPlacement::Baseline);
    double x = left + text.anchor.x();
    const double width = report.TextWidth(text.text);
    if (text.align == 0)
        x -= width / 2;
    else if (text.align == 2)
        x -= width;
    report.PrintXY(x, top + text.anchor.y(), text.text);
}

} // namespace

QString BarcodePrint::Draw(TBaseReport& report, const TLabelItemObject& item, const QString& data) {
    const BarcodeDrawing drawing =
        BarcodeSymbol::Make(item.Symbology, data, item.ShowText, QSizeF(item.Width, item.Height));
    const QColor bars = ColorValueToQColor(item.Color);
    const QColor background = ColorValueToQColor(item.Background);
    report.SetPen(bars, TPenStyle::Clear, 0);
    report.SetBrush(background, TReportBrushStyle::Solid);
    Fill(report, QRectF(QPointF(0, 0), drawing.box), item.Left, item.Top);
    for (qsizetype i = 0; i < drawing.bars.size(); ++i) {
        report.SetBrush(BarcodeSymbol::BarColour(drawing.barColours.value(i), bars),
                        TReportBrushStyle::Solid);
        Fill(report, drawing.bars[i], item.Left, item.Top);
    }
    const QTransform toItem = QTransform::fromTranslate(item.Left, item.Top);
    report.FillPath(toItem.map(drawing.shapes), bars);
    report.FillPath(toItem.map(drawing.holes),
                    background.alpha() > 0 ? background : QColor(Qt::white));
    if (!drawing.ok()) {
        // A hundredth of an inch, at least one device pixel.
        report.SetPen(BarcodeSymbol::PlaceholderColor(), TPenStyle::Solid, -1);
        report.SetBrush(background, TReportBrushStyle::Clear);
        Fill(report, drawing.frame, item.Left, item.Top);
        for (const QLineF& line : drawing.cross) {
            report.MoveTo(item.Left + line.x1(), item.Top + line.y1());
            report.LineTo(item.Left + line.x2(), item.Top + line.y2());
        }
    }
    for (const BarcodeText& text : drawing.texts)
        PrintLine(report, text, item.Left, item.Top, bars);
    return drawing.error;
}
