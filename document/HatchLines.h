#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "document/BrushStyle.h"

class QPainter;
class QPainterPath;

// Hatch lines stand 1/12 inch apart, as the design panel's 8 pixels at 96 pixels per inch, and
// are 1/96 inch wide (at least one device pixel), on the panel and on paper alike.
inline constexpr double kHatchSpacingInches = 1.0 / 12.0;
inline constexpr double kHatchLineInches = 1.0 / 96.0;

// Where the lines of a hatch lie, in the painter's coordinates: every family of lines passes
// through origin (the label's corner, so that each label shows its hatch alike), neighbours
// stand spacing apart (width for vertical and diagonal lines, height for horizontal ones).
struct HatchGrid {
    QPointF origin;
    QSizeF spacing;
    double lineWidth = 1.0;
};

// The grid of a surface with dotsPerInchX/Y units per inch whose label corner is at origin.
HatchGrid HatchGridAt(double dotsPerInchX, double dotsPerInchY, QPointF origin);

// Fills shape with the hatch of style (one of the six hatched styles; others draw nothing) as
// lines clipped to shape, laid across bounds. Horizontal and vertical lines lie on whole
// units so that they stay crisp. The one hatch drawing of the program: the design panel, the
// pictures and every printed or exported sheet draw through it.
void DrawHatchLines(QPainter& painter, const QPainterPath& shape, const QRectF& bounds,
                    TBrushStyle style, const QColor& color, const HatchGrid& grid);
