#pragma once

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringView>

#include <optional>

#include "document/BarcodeSymbology.h"

class QPainter;
struct BarcodeType;

// What a barcode item asks of its symbol, besides its data.
struct BarcodeSpec {
    const BarcodeType* type = nullptr; // from BarcodeCatalogue; null draws the placeholder
    bool showText = true;              // the human-readable line, where the symbology has one
    int ecc = 0;                       // error-correction level (Zint's option 1); 0: its default
    bool quietZones = true;            // the blank margins scanners need, inside the box
};

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
    QString error; // why the symbol was not made, in plain words; empty when it was
    QList<QRectF> bars;
    // Zint's colour of each bar: 0 the bar colour, 1 to 7 cyan, blue, magenta, red, yellow,
    // green, black (a colour symbol such as Ultracode).
    QList<int> barColours;
    // MaxiCode's hexagons and bull's-eye, DotCode's dots: filled in the bar colour; then
    // holes filled in the background colour.
    QPainterPath shapes;
    QPainterPath holes;
    QList<BarcodeText> texts;
    // The width of the narrowest bar or module, inches (0 for a placeholder).
    double narrowest = 0;
    // The placeholder's frame and cross, drawn with a thin grey pen.
    QRectF frame;
    QList<QLineF> cross;

    bool ok() const { return error.isEmpty(); }
    // Why the symbol may not scan: its narrowest bar below 0.19 mm (7.5 mil); "" when wide
    // enough.
    QString NarrowBarWarning() const;
};

// Turns (symbology, data, options) into vector shapes through libzint: bars as filled
// rectangles straight from Zint's vector output (ZBarcode_Buffer_Vector), never a bitmap.
// The symbol keeps Zint's proportions: a matrix, stacked or postal symbol is scaled evenly and
// centred in the box; a linear symbol fills the box's width and its bars are made as tall as
// the box leaves room for. Quiet zones are inside the box unless turned off.
class BarcodeSymbol {
public:
    // Narrower bars than this do not scan reliably: 0.19 mm, 7.5 mil.
    static constexpr double MinimumBarInches = 0.0075;

    // Whether Zint prints a human-readable line under this kind of symbol.
    static bool HasText(BarcodeSymbology symbology);
    static const BarcodeType& Type(BarcodeSymbology symbology);

    // Why data cannot be encoded, in plain words (typed: the data as typed, fields and all;
    // empty: the same as data), or "" when it can.
    static QString Validate(const BarcodeSpec& wanted, const QString& data,
                            const QString& typed = {});
    static QString Validate(BarcodeSymbology symbology, const QString& data);

    // The drawing for a box of the given size (inches).
    static BarcodeDrawing Make(const BarcodeSpec& wanted, const QString& data,
                               const QSizeF& boxInches, const QString& typed = {});
    static BarcodeDrawing Make(BarcodeSymbology symbology, const QString& data, bool showText,
                               const QSizeF& boxInches);

    // The box a fresh item takes: the symbol at moduleInches per module (bars of a linear
    // symbol 0.5 inch tall). Nothing when the data cannot be encoded.
    static std::optional<QSizeF> NaturalSize(const BarcodeSpec& wanted, const QString& data,
                                             double moduleInches);
    static std::optional<QSizeF> NaturalSize(BarcodeSymbology symbology, const QString& data,
                                             bool showText, double moduleInches);

    // Paints a drawing with painter at pixelsPerInch, its top-left at the painter's origin:
    // the background over the whole box (unless transparent), bars and text in barColor.
    static void Paint(QPainter& painter, const BarcodeDrawing& drawing, double pixelsPerInch,
                      const QColor& barColor, const QColor& background);

    // The colour Zint names by code (1 to 7), or barColor for 0 and anything else.
    static QColor BarColour(int zintColour, const QColor& barColor);
    // The face used for human-readable text, on screen and on paper.
    static QString TextFontName();
    static QColor PlaceholderColor();
};
