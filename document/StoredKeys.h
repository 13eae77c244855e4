#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

// The keys of the objects text, the one table that names them. Every other part of the
// program says StoredKey::FontColor, never the name written on file; StoredKeys.cpp alone
// holds the names. A new key is a value here and a row there; the compiler then points at
// the switches that must say where its value goes (the design reader, the print reader and
// the writer), and the kinds that write it list it among their lines.
enum class StoredKey : quint8 {
    LabelItem,      // the item kind word that opens an item's block
    Text,           // a text's caption
    Top,            // the item's box on the design panel
    Left,           //
    Width,          //
    Height,         //
    RelativeX,      // where a text starts inside its box
    RelativeY,      //
    StartingNumber, // the counter's first value
    RepeatEach,     // labels per counter value
    FontName,       //
    FontSize,       // points
    FontColor,      //
    FontBold,       //
    FontItalic,     //
    FontUnder,      // underline
    Angle,          // degrees counter-clockwise
    AsciiChar,      // a symbol's character code
    BrushStyle,     // fill style by name
    Color,          // fill colour (a barcode's bars)
    LineThickness,  // pen width in screen pixels
    LineColor,      //
    Rounding,       // corner rounding in percent
    Orientation,    // "H" or "V"; read by nobody
    Stretch,        // an image stretched to its box
    FileNameAndPath,
    Symbology,  // a barcode's kind of symbol by name
    Data,       // a barcode's data
    ShowText,   // a barcode's human-readable line
    Background, // a barcode's background colour
    // Written only when they differ from their defaults, after the lines above:
    TextLine,    // a further line of a text, one per line, after its first (TEXT)
    Box,         // a text box: the text laid out in the item's width and height
    Align,       // a text's lines across: L, C or R
    VAlign,      // a box text's block down its height: T, M or B
    Wrap,        // a box text's words wrap at its width
    Shrink,      // a box text's font steps down until the text fits
    MinFontSize, // points; the smallest a shrinking text gets
    LineSpacing, // a multiple of the font's line height
    SkipBlank,   // a line whose fields all came out empty is left out
    Fit,         // a picture scaled into its box keeping its proportions, centred
    Ecc,         // a barcode's error-correction level (Zint's option 1)
    Quiet,       // a barcode's quiet zones; N leaves them out
    Nothing,     // the filler line
};

// How a key's value is written and read.
enum class StoredForm : quint8 {
    Word,      // LABELITEM: an item kind word, compared exactly
    Distance,  // inches with three decimals
    Decimal,   // a number with up to three decimals
    Integer,   // a signed decimal integer (colours too)
    Flag,      // "Y" or "N"; true exactly for "Y"
    String,    // the value as it stands, line breaks dropped when written
    BrushName, // "SOLID" … "DIAGCROSS"; any other name leaves the style as it was
    SymbologyName,
    Letter, // ORIENTATION, ALIGN, VALIGN: its first character
    Filler, // NOTHING
};

QStringView StoredKeyName(StoredKey key);
StoredForm StoredKeyForm(StoredKey key);
// The key named exactly name (case counts), or nothing for a key this version does not know.
std::optional<StoredKey> StoredKeyFromName(QStringView name);
