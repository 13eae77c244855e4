#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/TCanvasPanel.h"

namespace {
const QColor kGrey(0xC0, 0xC0, 0xC0);
}

TEST(TCanvasPanel, StartsRoundedAndMapsTheStoredShapeCodes) {
    TCanvasPanel panel;
    EXPECT_EQ(panel.Shape(), lsRoundRect);
    EXPECT_EQ(TCanvasPanel::ShapeFromCode(QStringLiteral("SR"), lsRoundRect), lsRectangle);
    EXPECT_EQ(TCanvasPanel::ShapeFromCode(QStringLiteral("RR"), lsEllipse), lsRoundRect);
    EXPECT_EQ(TCanvasPanel::ShapeFromCode(QStringLiteral("RE"), lsRectangle), lsEllipse);
    EXPECT_EQ(TCanvasPanel::ShapeFromCode(QStringLiteral("XX"), lsEllipse), lsEllipse);
    EXPECT_EQ(TCanvasPanel::ShapeFromCode(QStringLiteral("sr"), lsEllipse), lsEllipse);
    for (const auto shape : {lsRectangle, lsRoundRect, lsEllipse})
        EXPECT_EQ(TCanvasPanel::ShapeFromCode(TCanvasPanel::CodeFromShape(shape), lsRoundRect),
                  shape);
}

TEST(TCanvasPanel, DrawsTheLabelOutlineInEachShape) {
    TCanvasPanel panel;
    panel.setColor(kGrey);
    panel.resize(252, 96);
    EXPECT_EQ(panel.CornerEllipse(), 42);

    const QImage rounded = panel.grab().toImage();
    EXPECT_EQ(rounded.pixelColor(0, 0), kGrey);
    EXPECT_EQ(rounded.pixelColor(4, 4), kGrey);
    EXPECT_EQ(rounded.pixelColor(126, 0), QColor(Qt::black));
    EXPECT_EQ(rounded.pixelColor(126, 95), QColor(Qt::black));
    EXPECT_EQ(rounded.pixelColor(0, 48), QColor(Qt::black));
    EXPECT_EQ(rounded.pixelColor(251, 48), QColor(Qt::black));
    EXPECT_EQ(rounded.pixelColor(126, 48), QColor(Qt::white));
    // The 42-pixel corner ellipse meets the straight top edge about 21 pixels in.
    int firstBlack = -1;
    for (int x = 0; x < 126 && firstBlack < 0; ++x)
        if (rounded.pixelColor(x, 0) == QColor(Qt::black))
            firstBlack = x;
    EXPECT_GE(firstBlack, 13);
    EXPECT_LE(firstBlack, 21);

    panel.setShape(lsRectangle);
    const QImage square = panel.grab().toImage();
    EXPECT_EQ(square.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(square.pixelColor(251, 95), QColor(Qt::black));
    EXPECT_EQ(square.pixelColor(2, 2), QColor(Qt::white));

    panel.setShape(lsEllipse);
    const QImage ellipse = panel.grab().toImage();
    EXPECT_EQ(ellipse.pixelColor(20, 10), kGrey);
    EXPECT_EQ(ellipse.pixelColor(126, 0), QColor(Qt::black));
    EXPECT_EQ(ellipse.pixelColor(0, 48), QColor(Qt::black));
    EXPECT_EQ(ellipse.pixelColor(126, 48), QColor(Qt::white));
}
