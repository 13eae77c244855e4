#include "app/WindowPlacement.h"

#include <algorithm>

namespace {
// How much of the title band must show for the window to be moved back by hand.
constexpr int GrabWidth = 120;
constexpr int GrabHeight = 40;

QRect FirstPlace(const QRect& screen) {
    if (screen.width() <= 640 && screen.height() <= 480)
        return QRect(screen.topLeft(), WindowPlacement::Minimum);
    const QSize size = QSize(screen.width() * 2 / 3, screen.height() * 2 / 3)
                           .expandedTo(WindowPlacement::Minimum)
                           .boundedTo(screen.size());
    return QRect(screen.left() + (screen.width() - size.width()) / 2,
                 screen.top() + (screen.height() - size.height()) / 2, size.width(), size.height());
}

bool CanGrab(const QRect& window, const QRect& screen) {
    const QRect band(window.left(), window.top(), window.width(), GrabHeight);
    const QRect shown = band.intersected(screen);
    return shown.width() >= std::min(GrabWidth, window.width()) && shown.height() >= GrabHeight;
}
} // namespace

QRect WindowPlacement::Placed(const std::optional<QRect>& kept, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return kept && kept->isValid() ? *kept : QRect(QPoint(0, 0), Minimum);
    if (kept && kept->width() > 0 && kept->height() > 0) {
        for (const QRect& screen : screens) {
            if (!CanGrab(*kept, screen))
                continue;
            QRect placed(kept->topLeft(), kept->size().boundedTo(screen.size()));
            // Shrunk to the screen, it stays on it.
            placed.moveLeft(
                std::clamp(placed.left(), screen.left(), screen.right() + 1 - placed.width()));
            placed.moveTop(
                std::clamp(placed.top(), screen.top(), screen.bottom() + 1 - placed.height()));
            return placed;
        }
    }
    return FirstPlace(screens.first());
}
