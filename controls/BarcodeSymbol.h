#pragma once

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringView>

#include <optional>

#include "document/BarcodeSymbology.h"

class QPainter;

// A line of human-readable text (or of the placeholder), in inches from the item's top-left.
struct BarcodeText {
    QString text;
    QPointF anchor;      // on the baseline; the text is centred on it, starts or ends there
    int align = 0;       // 0 centred, 1 starts at the anchor, 2 ends at the anchor
    double emHeight = 0; // font size as an em height in inches
    double maxWidth = 0; // when above 0, the font shrinks until the text is no wider
};

// What a barcode item draws, in inches from its top-left corner: Zint's vector geometry
// scaled into the item's box, or, when the data cannot be encoded, a placeholder (a frame, a
// cross and the reason) so that a wrong barcode is never drawn.
struct BarcodeDrawing {
    QSizeF box;
    QString error; // Zint's error text; empty when the symbol was made
    QList<QRectF> bars;
    QList<BarcodeText> texts;
    // The placeholder's frame and cross, drawn with a thin grey pen.
    QRectF frame;
    QList<QLineF> cross;

    bool ok() const { return error.isEmpty(); }
};

// Turns (symbology, data, show text) into vector shapes through libzint: bars as filled
// rectangles straight from Zint's vector output (ZBarcode_Buffer_Vector), never a bitmap.
// The symbol keeps Zint's proportions: a matrix or stacked symbol is scaled evenly and
// centred in the box; a linear symbol fills the box's width and its bars are made as tall as
// the box leaves room for. Quiet zones are inside the box.
class BarcodeSymbol {
public:
    // Whether Zint prints a human-readable line under this kind of symbol.
    static bool HasText(BarcodeSymbology symbology);

    // Zint's error text for data that cannot be encoded, empty when it can.
    static QString Validate(BarcodeSymbology symbology, const QString& data);

    // The drawing for a box of the given size (inches).
    static BarcodeDrawing Make(BarcodeSymbology symbology, const QString& data, bool showText,
                               const QSizeF& boxInches);

    // The box a fresh item takes: the symbol at moduleInches per module (bars of a linear
    // symbol 0.5 inch tall). Nothing when the data cannot be encoded.
    static std::optional<QSizeF> NaturalSize(BarcodeSymbology symbology, const QString& data,
                                             bool showText, double moduleInches);

    // Paints a drawing with painter at pixelsPerInch, its top-left at the painter's origin:
    // the background over the whole box (unless transparent), bars and text in barColor.
    static void Paint(QPainter& painter, const BarcodeDrawing& drawing, double pixelsPerInch,
                      const QColor& barColor, const QColor& background);

    // The face used for human-readable text, on screen and on paper.
    static QString TextFontName();
    static QColor PlaceholderColor();
};
