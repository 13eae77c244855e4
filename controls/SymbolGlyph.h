#pragma once

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QPainter;
class QPaintDevice;

// The one function that draws a symbol item's character (a "WingDings" code 33..255),
// shared by the symbol control, the symbol dialog and printing so that screen and paper agree.
// font carries the family "WingDings", the point size and style; the colour is the painter's pen.
// topLeft is the top-left of the character cell.
//
// A code is drawn with the resolved Wingdings font where that font has a glyph for it;
// otherwise the Unicode character the code stands for is drawn with a symbol font at the
// same size, on the same baseline. The cell's height and ascent are always those of the
// given font, so every code of one item sits in a cell of the same height.
void DrawSymbolGlyph(QPainter& painter, const QPointF& topLeft, unsigned char code,
                     const QFont& font);

// The size of the character cell the glyph occupies on device (width, ascent + descent).
QSizeF MeasureSymbolGlyph(unsigned char code, const QFont& font, QPaintDevice* device);

// Makes the symbol fonts known to Qt; called once at start-up. Registers Debian's
// fonts-wine Wingdings (in a folder fontconfig does not scan) unless a Wingdings family
// is already installed. Safe to call again.
void RegisterSymbolFonts();

// What DrawSymbolGlyph draws for a code: the font actually used and the text drawn with it.
struct SymbolGlyphChoice {
    QFont font;
    QString text;
    bool fromWingdings = false; // true when the Wingdings font itself has the glyph
};
SymbolGlyphChoice ChooseSymbolGlyph(unsigned char code, const QFont& font);
