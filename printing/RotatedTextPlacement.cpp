#include "printing/RotatedTextPlacement.h"

#include <cmath>
#include <numbers>

QPointF RotatedTextCursor(const QPointF& origin, double drop, int angleCcw) {
    const int angle = ((angleCcw % 360) + 360) % 360;
    if (angle == 0)
        return {origin.x(), origin.y() + drop};
    // The text's "down" (0, drop) turned counter-clockwise on a y-down page.
    const double a = angle * std::numbers::pi / 180.0;
    return {origin.x() + drop * std::sin(a), origin.y() + drop * std::cos(a)};
}
