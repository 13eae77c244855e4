#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

// The main window's place as QV.INI keeps it: the rectangle of its contents when not
// maximised (device-independent pixels, screen coordinates) and whether it was maximised.
struct WindowPlace {
    QRect normal;
    bool maximized = false;

    bool operator==(const WindowPlace&) const = default;
};

// Where the main window opens: where it was left, as long as that place can still be seen
// and grabbed on one of the screens now attached, else a first place on the primary screen.
class WindowPlacement {
public:
    // The window's smallest size, and its size on a 640 x 480 screen.
    static constexpr QSize Minimum{610, 450};

    // The rectangle to open at. kept: the place last left (none on the first run);
    // screens: each screen's available area, the primary first. A kept place is used when at
    // least its top band (the title bar, 120 x 40 px) lies on a screen; it is shrunk to fit
    // that screen. Otherwise: two thirds of the primary screen's area either way (at least
    // Minimum) centred on it, or at its top left corner when the screen is 640 x 480 or less.
    static QRect Placed(const std::optional<QRect>& kept, const QList<QRect>& screens);
};
