#pragma once

#include <QColor>
#include <QtGlobal>

// A stored colour: 32 bits with red in the lowest byte, then green, then blue. A value with
// the top bit set names a system colour by its index in the low byte (0 scroll bar ..
// 24 tooltip background); those follow the application's palette. Stored as signed decimal.
using ColorValue = qint32;

inline constexpr ColorValue kColorBlack = 0x000000;
inline constexpr ColorValue kColorWhite = 0xFFFFFF;
inline constexpr ColorValue kColorWindowSystem = ColorValue(0x80000005u); // window background
inline constexpr ColorValue kColorButtonFaceSystem = ColorValue(0x8000000Fu);

// The colour to draw with. System colours resolve against the current application palette.
QColor ColorValueToQColor(ColorValue value);

// The stored value of an opaque colour (alpha is dropped); never a system colour.
ColorValue QColorToColorValue(const QColor& color);

inline constexpr ColorValue MakeColorValue(int red, int green, int blue) {
    return ColorValue((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
