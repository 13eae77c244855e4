#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/TPimShape.h"

namespace {

const QColor kPen(0, 0, 255);
const QColor kFill(0, 160, 0);

void Style(TPimShape& shape, TShapeType kind, QSize size, int penWidth, TBrushStyle brushStyle) {
    shape.setShape(kind);
    shape.resize(size);
    shape.setPenColor(QColorToColorValue(kPen));
    shape.setPenWidth(penWidth);
    shape.setBrushColor(QColorToColorValue(kFill));
    shape.setBrushStyle(brushStyle);
}

// The first column of row y painted in the pen colour, or -1.
int FirstPenColumn(const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == kPen)
            return x;
    return -1;
}

} // namespace

TEST(TPimShape, FreshShapeIsAHollowTwentyFiveSquareWithABlackHairline) {
    TPimShape shape;
    EXPECT_EQ(shape.size(), QSize(25, 25));
    EXPECT_EQ(shape.Shape(), stRectangle);
    EXPECT_EQ(shape.BrushStyle(), TBrushStyle::Clear);
    EXPECT_EQ(shape.PenWidth(), 1);
    EXPECT_EQ(shape.PenColor(), kColorBlack);
    EXPECT_EQ(shape.RoundPerc(), 25);
    const QImage image = RenderOnWhite(shape);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(24, 24), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(12, 12), QColor(Qt::white));
    EXPECT_EQ(InkCount(image), 4 * 24);
}

TEST(TPimShape, CornerEllipseTruncatesTheExtendedPrecisionProduct) {
    EXPECT_EQ(TPimShape::CornerEllipse(100, 20), 19);
    EXPECT_EQ(TPimShape::CornerEllipse(25, 20), 4);
    EXPECT_EQ(TPimShape::CornerEllipse(60, 20), 11);
    EXPECT_EQ(TPimShape::CornerEllipse(100, 25), 25);
    EXPECT_EQ(TPimShape::CornerEllipse(100, 50), 50);
    EXPECT_EQ(TPimShape::CornerEllipse(100, 0), 0);
    EXPECT_EQ(TPimShape::CornerEllipse(100, 100), 100);

    TPimShape shape;
    Style(shape, stRoundRect, QSize(100, 40), 1, TBrushStyle::Solid);
    shape.setRoundPerc(20);
    EXPECT_EQ(shape.CornerEllipse(), 19); // the larger side rules
    shape.setRoundPerc(25);
    EXPECT_EQ(shape.CornerEllipse(), 25);
}

// The pen's stroke fills exactly the outer p pixels of each side; the fill is inside it.
TEST(TPimShape, ThickPenStaysInsideTheControl) {
    for (const int p : {1, 2, 3, 4, 7}) {
        TPimShape shape;
        Style(shape, stRectangle, QSize(50, 30), p, TBrushStyle::Solid);
        const QImage image = RenderOnWhite(shape);
        for (int x = 0; x < 50; ++x) {
            const bool pen = x < p || x >= 50 - p;
            EXPECT_EQ(image.pixelColor(x, 15), pen ? kPen : kFill) << "pen " << p << " x " << x;
        }
        for (int y = 0; y < 30; ++y) {
            const bool pen = y < p || y >= 30 - p;
            EXPECT_EQ(image.pixelColor(25, y), pen ? kPen : kFill) << "pen " << p << " y " << y;
        }
    }
    TPimShape four;
    Style(four, stRectangle, QSize(50, 30), 4, TBrushStyle::Solid);
    EXPECT_EQ(four.OutlineBox(), QRectF(2, 2, 46, 26));
}

TEST(TPimShape, RoundedCornersFollowTheCornerEllipse) {
    TPimShape square;
    Style(square, stRoundRect, QSize(100, 40), 1, TBrushStyle::Solid);
    square.setRoundPerc(0);
    EXPECT_EQ(RenderOnWhite(square).pixelColor(0, 0), kPen);

    TPimShape twenty;
    Style(twenty, stRoundRect, QSize(100, 40), 1, TBrushStyle::Solid);
    twenty.setRoundPerc(20);
    TPimShape quarter;
    Style(quarter, stRoundRect, QSize(100, 40), 1, TBrushStyle::Solid);
    quarter.setRoundPerc(25);
    const QImage small = RenderOnWhite(twenty);
    const QImage large = RenderOnWhite(quarter);
    for (const QImage* image : {&small, &large}) {
        EXPECT_EQ(image->pixelColor(0, 0), QColor(Qt::white));
        EXPECT_EQ(image->pixelColor(99, 39), QColor(Qt::white));
        EXPECT_EQ(image->pixelColor(50, 0), kPen);
        EXPECT_EQ(image->pixelColor(0, 20), kPen);
        EXPECT_EQ(image->pixelColor(50, 20), kFill);
    }
    // A 19-pixel corner ellipse turns into the straight top edge about 9.5 pixels in, a 25-pixel
    // one about 12.5 pixels in.
    const int smallStart = FirstPenColumn(small, 0);
    const int largeStart = FirstPenColumn(large, 0);
    EXPECT_GE(smallStart, 5);
    EXPECT_LE(smallStart, 10);
    EXPECT_GT(largeStart, smallStart);
    EXPECT_LE(largeStart, 13);
}

TEST(TPimShape, EllipseTouchesTheMiddleOfEachSide) {
    TPimShape shape;
    Style(shape, stEllipse, QSize(80, 40), 2, TBrushStyle::Solid);
    const QImage image = RenderOnWhite(shape);
    EXPECT_EQ(image.pixelColor(40, 0), kPen);
    EXPECT_EQ(image.pixelColor(40, 39), kPen);
    EXPECT_EQ(image.pixelColor(0, 20), kPen);
    EXPECT_EQ(image.pixelColor(79, 20), kPen);
    EXPECT_EQ(image.pixelColor(40, 20), kFill);
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(76, 36), QColor(Qt::white));
}

TEST(TPimShape, BrushStylesFillInTheirOrder) {
    const QRect inside(10, 10, 40, 40);
    auto interior = [&](TBrushStyle style) {
        TPimShape shape;
        Style(shape, stRectangle, QSize(60, 60), 1, style);
        return RenderOnWhite(shape).copy(inside);
    };
    auto count = [](const QImage& image, const QColor& colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour ? 1 : 0;
        return n;
    };
    auto rowFull = [](const QImage& image, int y) {
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != kFill)
                return false;
        return true;
    };
    auto columnFull = [](const QImage& image, int x) {
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != kFill)
                return false;
        return true;
    };
    auto anyRowFull = [&](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            if (rowFull(image, y))
                return true;
        return false;
    };
    auto anyColumnFull = [&](const QImage& image) {
        for (int x = 0; x < image.width(); ++x)
            if (columnFull(image, x))
                return true;
        return false;
    };
    // Along which diagonal a hatch pixel continues: +1 for "\", -1 for "/".
    auto diagonal = [&](const QImage& image) {
        for (int y = 1; y + 1 < image.height(); ++y)
            for (int x = 1; x + 1 < image.width(); ++x)
                if (image.pixelColor(x, y) == kFill) {
                    if (image.pixelColor(x + 1, y + 1) == kFill)
                        return 1;
                    if (image.pixelColor(x - 1, y + 1) == kFill)
                        return -1;
                }
        return 0;
    };
    const int area = inside.width() * inside.height();

    EXPECT_EQ(count(interior(TBrushStyle::Solid), kFill), area);
    EXPECT_EQ(count(interior(TBrushStyle::Clear), QColor(Qt::white)), area);

    const QImage horizontal = interior(TBrushStyle::Horizontal);
    EXPECT_TRUE(anyRowFull(horizontal));
    EXPECT_FALSE(anyColumnFull(horizontal));
    EXPECT_GT(count(horizontal, QColor(Qt::white)), area / 2); // the gaps stay unpainted

    const QImage vertical = interior(TBrushStyle::Vertical);
    EXPECT_TRUE(anyColumnFull(vertical));
    EXPECT_FALSE(anyRowFull(vertical));

    const QImage forward = interior(TBrushStyle::FDiagonal);
    EXPECT_EQ(diagonal(forward), 1);
    EXPECT_FALSE(anyRowFull(forward));
    const QImage backward = interior(TBrushStyle::BDiagonal);
    EXPECT_EQ(diagonal(backward), -1);
    EXPECT_FALSE(anyRowFull(backward));

    const QImage cross = interior(TBrushStyle::Cross);
    EXPECT_TRUE(anyRowFull(cross));
    EXPECT_TRUE(anyColumnFull(cross));

    const QImage diagonalCross = interior(TBrushStyle::DiagCross);
    EXPECT_FALSE(anyRowFull(diagonalCross));
    EXPECT_GT(count(diagonalCross, kFill), count(forward, kFill));
    EXPECT_LT(count(diagonalCross, kFill), area / 2);

    // A style no version writes fills nothing rather than failing.
    EXPECT_EQ(count(interior(TBrushStyle(12)), QColor(Qt::white)), area);
}

TEST(TPimShape, PropertyChangesShowOnTheNextPaint) {
    TPimShape shape;
    Style(shape, stRectangle, QSize(30, 30), 1, TBrushStyle::Solid);
    shape.setPenColor(MakeColorValue(255, 0, 0));
    EXPECT_EQ(RenderOnWhite(shape).pixelColor(0, 15), QColor(Qt::red));
    shape.setShape(stEllipse);
    EXPECT_EQ(RenderOnWhite(shape).pixelColor(0, 0), QColor(Qt::white));
}
