#pragma once

#include <QFont>
#include <QPointF>
#include <QSizeF>

class QPainter;
class QPaintDevice;

// The one function that draws a symbol item's character (a "WingDings" code 33..255),
// shared by the symbol control, the symbol dialog and printing so that screen and paper agree.
// font carries the family "WingDings", the point size and style; the colour is the painter's pen.
// topLeft is the top-left of the character cell.
void DrawSymbolGlyph(QPainter& painter, const QPointF& topLeft, unsigned char code, const QFont& font);

// The size of the character cell the glyph occupies on device (width, ascent + descent).
QSizeF MeasureSymbolGlyph(unsigned char code, const QFont& font, QPaintDevice* device);

// Makes the symbol fonts known to Qt; called once at start-up.
void RegisterSymbolFonts();
