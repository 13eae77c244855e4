#include "controls/RotatedTextPlacement.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// The integer nearest to v, halves going to the even neighbour.
int Nearest(double v) {
    return static_cast<int>(std::nearbyint(v));
}

double Radians(int degrees) {
    return degrees * (1.0 / 180) * std::numbers::pi;
}

} // namespace

RotatedTextBox PlaceRotatedText(int w, int h, int angle, int d) {
    // -180 falls in none of the cases below; it is the same rotation as 180.
    if (angle == -180)
        angle = 180;
    const double a = Radians(angle);
    const double s = std::sin(a);
    const double c = std::cos(a);
    RotatedTextBox placement;
    const int W = Nearest(std::abs(h * s) + std::abs(w * c)) + d;
    const int H = Nearest(std::abs(w * s) + std::abs(h * c)) + d;
    placement.size = QSize(W, H);
    if (angle >= 0 && angle <= 90)
        placement.origin = QPoint(0, std::abs(Nearest(w * s)));
    else if (angle >= -90 && angle < 0)
        placement.origin = QPoint(std::abs(Nearest(h * s)), 0);
    else if (angle > 90)
        placement.origin = QPoint(std::abs(Nearest(w * c)), H);
    else
        placement.origin = QPoint(W, std::abs(Nearest(h * c)));
    return placement;
}

QPointF RotatedTextCursor(const QPointF& origin, double drop, int angleCcw) {
    const int angle = ((angleCcw % 360) + 360) % 360;
    if (angle == 0)
        return {origin.x(), origin.y() + drop};
    // The text's "down" (0, drop) turned counter-clockwise on a y-down page.
    const double a = angle * std::numbers::pi / 180.0;
    return {origin.x() + drop * std::sin(a), origin.y() + drop * std::cos(a)};
}
