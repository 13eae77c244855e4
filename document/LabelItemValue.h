#pragma once

#include <QString>
#include <QtGlobal>

#include "controls/BarcodeSymbol.h"

// The ten kinds of label item. The values are the kind codes the print side uses.
enum class LabelItemKind : int {
    Text = 0,
    Counter = 1,
    Symbol = 2,
    Rectangle = 3,
    RoundRectangle = 4,
    Ellipse = 5,
    Image = 6,
    VerticalLine = 7,
    HorizontalLine = 8,
    Barcode = 9,
};

// Fill styles of a shape as stored: SOLID 0, CLEAR 1, HORIZONTAL 2, VERTICAL 3, FDIAGONAL 4,
// BDIAGONAL 5, CROSS 6, DIAGCROSS 7.
namespace BrushStyleCode {
constexpr int Solid = 0;
constexpr int Clear = 1;
constexpr int Horizontal = 2;
constexpr int Vertical = 3;
constexpr int FDiagonal = 4;
constexpr int BDiagonal = 5;
constexpr int Cross = 6;
constexpr int DiagCross = 7;
} // namespace BrushStyleCode

// One label item as plain values: what the objects text stores of it, free of any widget.
// Positions, sizes and the text origin are screen pixels on the design panel; colours are
// 32-bit colour values (red in the lowest byte). Each kind uses the fields its lines carry;
// the other fields are ignored by the writer.
struct LabelItemValue {
    LabelItemKind kind = LabelItemKind::Text;

    // TOP, LEFT, WIDTH, HEIGHT (all kinds)
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;

    // text and counter
    QString text;           // TEXT (a text's caption)
    QString fontName;       // FONTNAME
    int fontSize = 0;       // FONTSIZE, points (also symbol)
    qint32 fontColor = 0;   // FONTCOLOR (also symbol)
    bool bold = false;      // FONTBOLD
    bool italic = false;    // FONTITALIC
    bool underline = false; // FONTUNDER
    int angle = 0;          // ANGLE, degrees counter-clockwise as the control holds it (-180..180)
    int relativeX = 0;      // RELATIVEX, the text origin inside the control
    int relativeY = 0;      // RELATIVEY

    // counter
    int startingNumber = 0; // STARTINGNUMBER
    int repeatEach = 0;     // REPEATEACH

    // symbol
    int asciiChar = 0; // ASCIICHAR, 0..255

    // shapes and lines
    int brushStyle = BrushStyleCode::Clear; // BRUSHSTYLE
    qint32 brushColor = 0;                  // COLOR
    int penWidth = 0;                       // LINETHICKNESS, screen pixels
    qint32 penColor = 0;                    // LINECOLOR
    int rounding = 0;                       // ROUNDING, percent (rounded rectangle)

    // image
    bool stretch = false; // STRETCH
    QString fileName;     // FILENAMEANDPATH

    // barcode; its bar colour is COLOR (brushColor)
    BarcodeSymbology symbology = BarcodeSymbology::Code128; // SYMBOLOGY
    QString barcodeData;                                    // DATA, field references included
    bool showText = true;                                   // SHOWTEXT
    qint32 backgroundColor = 0xFFFFFF;                      // BACKGROUND

    bool operator==(const LabelItemValue&) const = default;
};
