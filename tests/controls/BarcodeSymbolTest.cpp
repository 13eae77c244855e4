#include "controls/BarcodeSymbol.h"
#include "document/ScreenMetrics.h"
#include "controls/TBarcode.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

// Data a symbology cannot take is refused with Zint's own reason, never drawn as a symbol.
TEST(BarcodeSymbol, ZintRefusesDataItsSymbologyCannotTake) {
    const QString letters = BarcodeSymbol::Validate(BarcodeSymbology::Ean, "590123412345A");
    EXPECT_TRUE(letters.contains("Invalid character")) << letters.toStdString();
    const QString check = BarcodeSymbol::Validate(BarcodeSymbology::Ean, "5901234123458");
    EXPECT_TRUE(check.contains("check digit")) << check.toStdString();
    EXPECT_TRUE(BarcodeSymbol::Validate(BarcodeSymbology::Ean, "96385075").contains("check digit"));
    EXPECT_FALSE(BarcodeSymbol::Validate(BarcodeSymbology::QrCode, QString(8000, u'x')).isEmpty());
    EXPECT_FALSE(BarcodeSymbol::Validate(BarcodeSymbology::Code128, "").isEmpty());
    EXPECT_FALSE(BarcodeSymbol::Validate(BarcodeSymbology::Gs1_128, "0109501101530003").isEmpty());
    for (const char* fine : {"5901234123457", "590123412345", "96385074", "9638507"})
        EXPECT_EQ(BarcodeSymbol::Validate(BarcodeSymbology::Ean, fine), "") << fine;
    EXPECT_EQ(BarcodeSymbol::Validate(BarcodeSymbology::Gs1_128, "(01)09501101530003"), "");

    const BarcodeDrawing refused =
        BarcodeSymbol::Make(BarcodeSymbology::Ean, "590123412345A", true, {2, 1});
    EXPECT_EQ(refused.error, letters);
    EXPECT_TRUE(refused.bars.isEmpty());
    EXPECT_EQ(refused.frame, QRectF(0, 0, 2, 1));
    EXPECT_EQ(refused.cross.size(), 2);
    ASSERT_EQ(refused.texts.size(), 2);
    EXPECT_EQ(refused.texts[1].text, letters);
}

TEST(BarcodeSymbol, StoredNamesAreZintsWithoutThePrefix) {
    for (BarcodeSymbology symbology : AllBarcodeSymbologies)
        EXPECT_EQ(BarcodeSymbologyFromName(BarcodeSymbologyName(symbology)), symbology);
    EXPECT_EQ(BarcodeSymbologyFromName(u"GS1_128"), BarcodeSymbology::Gs1_128);
    EXPECT_FALSE(BarcodeSymbologyFromName(u"BARCODE_CODE128").has_value());
    EXPECT_FALSE(BarcodeSymbologyFromName(u"code128").has_value());
}

// A linear symbol fills its box: full width (quiet zones included), bars as tall as the box
// leaves beside the human-readable line; every bar lies inside the box.
TEST(BarcodeSymbol, LinearSymbolsFillTheirBox) {
    for (bool text : {true, false}) {
        const QSizeF box(2.5, 0.8);
        const BarcodeDrawing drawing =
            BarcodeSymbol::Make(BarcodeSymbology::Code128, "Quorvane", text, box);
        ASSERT_TRUE(drawing.ok());
        QRectF bounds;
        for (const QRectF& bar : drawing.bars)
            bounds |= bar;
        EXPECT_GE(bounds.left(), 0);
        EXPECT_LE(bounds.right(), box.width() + 1e-9);
        EXPECT_GT(bounds.width(), 2.0);
        EXPECT_NEAR(bounds.top(), 0, 1e-6);
        EXPECT_EQ(drawing.texts.size(), text ? 1 : 0);
        if (text) {
            EXPECT_EQ(drawing.texts[0].text, "Quorvane");
            EXPECT_LE(drawing.texts[0].anchor.y(), box.height());
            EXPECT_GT(drawing.texts[0].anchor.y(), bounds.bottom());
        } else {
            EXPECT_NEAR(bounds.bottom(), box.height(), 1e-3);
        }
    }
}

// The control paints the same shapes as the printer: the bars' pixels are where the drawing
// puts them at the screen's pixels per inch.
TEST(BarcodeSymbol, TheControlPaintsItsDrawingTrueToScale) {
    SetScreenPixelsPerInch(96);
    TBarcode barcode;
    barcode.setData("12345");
    barcode.resize(384, 96);
    const BarcodeDrawing& drawing = barcode.Drawing();
    ASSERT_TRUE(drawing.ok());
    QImage image = barcode.grab().toImage();
    const QRectF bar = drawing.bars[1];
    const double gap = (drawing.bars[0].right() + bar.left()) / 2;
    const int y = int(bar.center().y() * 96);
    EXPECT_LT(qGray(image.pixel(int(bar.center().x() * 96), y)), 64);
    EXPECT_GT(qGray(image.pixel(int(gap * 96), y)), 192);
    barcode.setData("");
    EXPECT_FALSE(barcode.Drawing().ok());
    barcode.setSymbology(BarcodeSymbology::QrCode);
    barcode.setData("x");
    const auto natural = barcode.NaturalSize();
    ASSERT_TRUE(natural.has_value());
    EXPECT_EQ(natural->width(), natural->height());
}
