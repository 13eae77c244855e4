#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/TLineShape.h"

TEST(TLineShape, FreshLineIsOnePixel) {
    TLineShape line;
    EXPECT_EQ(line.size(), QSize(1, 1));
    EXPECT_EQ(line.LineStyle(), stHorizontal);
    EXPECT_EQ(line.PenWidth(), 1);
    EXPECT_EQ(RenderOnWhite(line).pixelColor(0, 0), QColor(Qt::black));
}

// The stroke fills the top rows (horizontal) or left columns (vertical) across the whole
// control; the rest stays empty for clicking.
TEST(TLineShape, StrokeRunsAlongTheTopOrLeftEdge) {
    for (const int p : {1, 2, 3, 4}) {
        TLineShape horizontal;
        horizontal.resize(60, 20);
        horizontal.setPenWidth(p);
        horizontal.setPenColor(MakeColorValue(0, 0, 255));
        const QImage h = RenderOnWhite(horizontal);
        EXPECT_EQ(InkBounds(h), QRect(0, 0, 60, p)) << "pen " << p;
        EXPECT_EQ(InkCount(h), 60 * p) << "pen " << p;
        EXPECT_EQ(h.pixelColor(59, 0), QColor(Qt::blue));

        TLineShape vertical;
        vertical.setLineStyle(stVertical);
        vertical.resize(20, 60);
        vertical.setPenWidth(p);
        const QImage v = RenderOnWhite(vertical);
        EXPECT_EQ(InkBounds(v), QRect(0, 0, p, 60)) << "pen " << p;
        EXPECT_EQ(InkCount(v), 60 * p) << "pen " << p;
    }
}
