#pragma once

#include <QString>
#include <QtGlobal>

#include "document/BarcodeSymbology.h"
#include "document/BrushStyle.h"
#include "document/ColorValue.h"
#include "document/ItemKinds.h"
#include "document/TextBoxOptions.h"

// One label item as plain values: what the objects text stores of it. Positions, sizes and
// the text origin are screen pixels on the design panel; colours are 32-bit colour values
// (red in the lowest byte). Each kind uses the fields its stored lines carry (ItemKind()
// lists them); the others are ignored by the writer and keep what the reader carried over.
struct LabelItemValue {
    LabelItemKind kind = LabelItemKind::Text;

    // TOP, LEFT, WIDTH, HEIGHT (all kinds)
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;

    // text and counter
    // TEXT and TEXTLINE: a text's lines, joined by "\n"; TEXT holds the first, each TEXTLINE
    // one more.
    QString text;
    QString fontName;         // FONTNAME
    int fontSize = 0;         // FONTSIZE, points (also symbol)
    ColorValue fontColor = 0; // FONTCOLOR (also symbol)
    bool bold = false;        // FONTBOLD
    bool italic = false;      // FONTITALIC
    bool underline = false;   // FONTUNDER
    int angle = 0;            // ANGLE, degrees counter-clockwise as the control holds it (-180..180)
    int relativeX = 0;        // RELATIVEX, the text origin inside the control
    int relativeY = 0;        // RELATIVEY
    // BOX, ALIGN, VALIGN, WRAP, SHRINK, MINFONTSIZE, LINESPACING, SKIPBLANK (text)
    TextBoxOptions textBox;

    // counter
    int startingNumber = 0; // STARTINGNUMBER
    int repeatEach = 0;     // REPEATEACH

    // symbol
    int asciiChar = 0; // ASCIICHAR, 0..255

    // shapes and lines
    TBrushStyle brushStyle = TBrushStyle::Clear; // BRUSHSTYLE
    ColorValue brushColor = 0;                   // COLOR
    int penWidth = 0;                            // LINETHICKNESS, screen pixels
    ColorValue penColor = 0;                     // LINECOLOR
    int rounding = 0;                            // ROUNDING, percent (rounded rectangle)

    // image
    bool stretch = false; // STRETCH
    QString fileName;     // FILENAMEANDPATH, field references included
    bool fit = false;     // FIT: scaled into the box keeping its proportions, centred

    // barcode; its bar colour is COLOR (brushColor)
    BarcodeSymbology symbology = BarcodeSymbology::Code128; // SYMBOLOGY
    QString barcodeData;                                    // DATA, field references included
    bool showText = true;                                   // SHOWTEXT
    ColorValue backgroundColor = 0xFFFFFF;                  // BACKGROUND
    int ecc = 0;             // ECC, Zint's option 1; 0 its default
    bool quietZones = true;  // QUIET

    bool operator==(const LabelItemValue&) const = default;
};
