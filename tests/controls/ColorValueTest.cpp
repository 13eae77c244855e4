#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

#include "document/ColorValue.h"

TEST(ColorValue, RedLiesInTheLowestByte) {
    EXPECT_EQ(ColorValueToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorValueToQColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(ColorValueToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColorValueToQColor(0x804020), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(QColorToColorValue(QColor(0x20, 0x40, 0x80)), 0x804020);
    EXPECT_EQ(QColorToColorValue(QColor(255, 255, 255, 10)), kColorWhite);
    EXPECT_EQ(MakeColorValue(1, 2, 3), 0x030201);
    for (const ColorValue value : {0, 0x123456, 0xFFFFFF, 0x00FF80})
        EXPECT_EQ(QColorToColorValue(ColorValueToQColor(value)), value);
}

TEST(ColorValue, TopBitNamesASystemColour) {
    const QPalette palette = QGuiApplication::palette();
    // -2147483643 is how the window background colour is stored.
    EXPECT_EQ(ColorValueToQColor(-2147483643), palette.color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(ColorValueToQColor(kColorButtonFaceSystem),
              palette.color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(ColorValueToQColor(ColorValue(0x80000008u)),
              palette.color(QPalette::Active, QPalette::Text));
    EXPECT_TRUE(ColorValueToQColor(ColorValue(0x800000FFu)).isValid());
}
