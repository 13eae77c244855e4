#include "document/ColorValue.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// System colour indexes in the order the stored values number them.
QColor SystemColor(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 0:  // scroll bar
    case 15: // button face
    case 11: // inactive border
    case 10: // active border
        return palette.color(QPalette::Active, QPalette::Button);
    case 1:  // desktop
    case 12: // application workspace
        return palette.color(QPalette::Active, QPalette::Mid);
    case 2:  // active caption
    case 13: // highlight
        return palette.color(QPalette::Active, QPalette::Highlight);
    case 3: // inactive caption
        return palette.color(QPalette::Inactive, QPalette::Highlight);
    case 4: // menu
        return palette.color(QPalette::Active, QPalette::Window);
    case 5: // window
        return palette.color(QPalette::Active, QPalette::Base);
    case 6:  // window frame
    case 21: // dark 3-D shadow
        return palette.color(QPalette::Active, QPalette::Shadow);
    case 7: // menu text
        return palette.color(QPalette::Active, QPalette::WindowText);
    case 8: // window text
        return palette.color(QPalette::Active, QPalette::Text);
    case 9:  // caption text
    case 14: // highlighted text
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case 16: // button shadow
        return palette.color(QPalette::Active, QPalette::Dark);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case 19: // inactive caption text
        return palette.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20: // button highlight
        return palette.color(QPalette::Active, QPalette::Light);
    case 22: // 3-D light
        return palette.color(QPalette::Active, QPalette::Midlight);
    case 23: // tooltip text
        return palette.color(QPalette::Active, QPalette::ToolTipText);
    case 24: // tooltip background
        return palette.color(QPalette::Active, QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Active, QPalette::WindowText);
    }
}

} // namespace

QColor ColorValueToQColor(ColorValue value) {
    const auto bits = static_cast<quint32>(value);
    if (bits & 0x80000000u)
        return SystemColor(int(bits & 0xFFu));
    return QColor(int(bits & 0xFFu), int((bits >> 8) & 0xFFu), int((bits >> 16) & 0xFFu));
}

ColorValue QColorToColorValue(const QColor& color) {
    const QColor rgb = color.toRgb();
    return MakeColorValue(rgb.red(), rgb.green(), rgb.blue());
}
