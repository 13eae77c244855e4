#pragma once

#include <QString>
#include <QtGlobal>

#include "document/BarcodeSymbology.h"
#include "document/BrushStyle.h"
#include "document/ColorValue.h"
#include "document/ItemKinds.h"
#include "document/TextBoxOptions.h"

// One label item as the print side reads it from the objects text: distances in inches as
// stored, the pen width already in negated hundredths of an inch. The sheet renderer draws
// from it.
struct PrintItemValue {
    LabelItemKind kind = LabelItemKind::Text; // LABELITEM
    double top = 0;                           // TOP, inches from the label origin
    double left = 0;                          // LEFT
    double width = 0;                         // WIDTH
    double height = 0;                        // HEIGHT
    double fontSize = 0;                      // FONTSIZE, points
    ColorValue fontColor = 0;                 // FONTCOLOR
    qint32 angle = 0;                         // ANGLE, degrees counter-clockwise, as stored
    QString text;                             // TEXT and TEXTLINE, whole, lines joined by "\n"
    QString fontName;                         // FONTNAME, whole
    bool bold = false;                        // FONTBOLD
    bool italic = false;                      // FONTITALIC
    bool underline = false;                   // FONTUNDER
    double relativeX = 0;                     // RELATIVEX, inches inside the item's box
    double relativeY = 0;                     // RELATIVEY
    TextBoxOptions textBox;                   // BOX … SKIPBLANK
    ColorValue lineColor = 0;                 // LINECOLOR
    // LINETHICKNESS as -trunc(pixels * 100 / 96): hundredths of an inch, negated
    qint32 penWidth = 0;
    qint32 rounding = 0;                            // ROUNDING, percent
    QString fileName;                               // FILENAMEANDPATH, whole
    qint32 asciiChar = 0;                           // ASCIICHAR
    ColorValue color = 0;                           // COLOR, fill colour
    TBrushStyle brushStyle = TBrushStyle::Clear;    // BRUSHSTYLE, CLEAR until a block names another
    QChar orientation;                              // ORIENTATION, first character; never drawn
    bool stretch = false;                           // STRETCH; never used in drawing
    bool fit = false;                               // FIT
    BarcodeSymbology symbology = BarcodeSymbology::Code128; // SYMBOLOGY
    QString data;                                   // DATA, whole, fields unfilled
    bool showText = true;                           // SHOWTEXT
    ColorValue background = 0xFFFFFF;               // BACKGROUND; the bars are COLOR
    int ecc = 0;                                    // ECC
    bool quietZones = true;                         // QUIET

    bool operator==(const PrintItemValue&) const = default;
};
