#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>

// Where a turned text goes, on the design panel and on paper alike. The text is drawn with
// the top-left corner of its unrotated cell at the text origin and turns about that corner,
// counter-clockwise, on a y-down page.

// On the panel: a text cell w x h pixels turned angleCcw degrees with the depth offset
// depth (0 for items) fills size (the rotated extents rounded to the nearest integer, halves
// to even, plus depth); origin is the cell's corner inside that box. -180 is turned as 180.
struct RotatedTextBox {
    QSize size;
    QPoint origin;
};
RotatedTextBox PlaceRotatedText(int w, int h, int angleCcw, int depth);

// On paper: where the report engine's text cursor goes so that the printed text turns about
// the same corner as on the panel. The cursor lies `drop` below that corner in the text's own
// frame (the drop of unrotated text), so for a turned text the drop turns with it.
// origin: the text origin from the label's origin (Left + RelativeX, Top + RelativeY), inches.
// drop: how far below the cell's corner the cursor stands in unrotated text, inches.
// A level text gets origin + (0, drop), as computed always.
QPointF RotatedTextCursor(const QPointF& origin, double drop, int angleCcw);
