#include "printing/BarcodePrint.h"

#include "controls/BarcodeCatalogue.h"
#include "controls/BarcodeSymbol.h"
#include "document/ColorValue.h"
#include "document/PrintItemValue.h"
#include "printing/ItemPrints.h"
#include "printing/TBaseReport.h"
#include <QCoreApplication>

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

QString BarcodePrint::Draw(TBaseReport& report, const PrintItemValue& item, const QString& data) {
    BarcodeSpec wanted;
    wanted.type = BarcodeCatalogue::FromName(BarcodeSymbologyName(item.symbology));
    wanted.showText = item.showText;
    wanted.ecc = item.ecc;
    wanted.quietZones = item.quietZones;
    const BarcodeDrawing drawing =
        BarcodeSymbol::Make(wanted, data, QSizeF(item.width, item.height), item.data);
    const QColor bars = ColorValueToQColor(item.color);
    const QColor background = ColorValueToQColor(item.background);
    report.SetPen(bars, TPenStyle::Clear, 0);
    report.SetBrush(background, TReportBrushStyle::Solid);
    Fill(report, QRectF(QPointF(0, 0), drawing.box), item.left, item.top);
    for (qsizetype i = 0; i < drawing.bars.size(); ++i) {
        report.SetBrush(BarcodeSymbol::BarColour(drawing.barColours.value(i), bars),
                        TReportBrushStyle::Solid);
        Fill(report, drawing.bars[i], item.left, item.top);
    }
    const QTransform toItem = QTransform::fromTranslate(item.left, item.top);
    report.FillPath(toItem.map(drawing.shapes), bars);
    report.FillPath(toItem.map(drawing.holes),
                    background.alpha() > 0 ? background : QColor(Qt::white));
    if (!drawing.ok()) {
        // A hundredth of an inch, at least one device pixel.
        report.SetPen(BarcodeSymbol::PlaceholderColor(), TPenStyle::Solid, -1);
        report.SetBrush(background, TReportBrushStyle::Clear);
        Fill(report, drawing.frame, item.left, item.top);
        for (const QLineF& line : drawing.cross) {
            report.MoveTo(item.left + line.x1(), item.top + line.y1());
            report.LineTo(item.left + line.x2(), item.top + line.y2());
        }
    }
    for (const BarcodeText& text : drawing.texts)
        PrintLine(report, text, item.left, item.top, bars);
    return drawing.error;
}

namespace {

// A barcode whose data cannot be encoded draws the placeholder and is named in its label's
// warning.
void drawBarcode(TBaseReport& report, const PrintItemValue& item, LabelPrinting& label) {
    const QString data = label.DataOf(item.data);
    const QString error = BarcodePrint::Draw(report, item, data);
    if (!error.isEmpty())
        label.Warn(
            QCoreApplication::translate("BarcodePrint", "barcode not printed: %1 (data \"%2\")")
                .arg(error, data));
}

} // namespace

extern const ItemPrintKind BarcodeItemPrint = {&drawBarcode};
