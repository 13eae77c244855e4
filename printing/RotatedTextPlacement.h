#pragma once

#include <QPointF>

// Where the renderer puts the engine's text cursor for a text or counter, so that the printed
// text turns about the same corner as on the design panel. The control draws the rotated text
// with the top-left corner of its unrotated cell at the text origin and turns it about that
// corner; the renderer's cursor lies `drop` below that corner in the text's own frame (the
// drop of unrotated text), so for a turned text the drop turns with it.
// origin: the text origin from the label's origin (Left + RelativeX, Top + RelativeY), inches.
// drop: how far below the cell's corner the cursor stands in unrotated text, inches.
// angleCcw: degrees counter-clockwise. A level text gets origin + (0, drop), as computed always.
QPointF RotatedTextCursor(const QPointF& origin, double drop, int angleCcw);
