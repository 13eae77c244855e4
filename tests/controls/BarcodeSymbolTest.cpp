#include "controls/BarcodeCatalogue.h"
#include "controls/BarcodeSymbol.h"
#include "document/ScreenMetrics.h"
#include "controls/TBarcode.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <zint.h>

// Data a symbology cannot take is refused in plain words (what the symbology takes, what the
// data gives), never drawn as a symbol.
TEST(BarcodeSymbol, ZintRefusesDataItsSymbologyCannotTake) {
    const QString letters = BarcodeSymbol::Validate(BarcodeSymbology::Ean, "590123412345A");
    EXPECT_EQ(letters, "EAN-13 / EAN-8 takes 7, 8, 12 or 13 digits (an add-on of 2 or 5 after +); "
                       "\"590123412345A\" gives letters");
    const QString check = BarcodeSymbol::Validate(BarcodeSymbology::Ean, "5901234123458");
    EXPECT_TRUE(check.endsWith("\"5901234123458\" ends in the check digit 8 where 7 is right"))
        << check.toStdString();
    EXPECT_TRUE(BarcodeSymbol::Validate(BarcodeSymbology::Ean, "96385075").contains("check digit"));
    const QString tooLong = BarcodeSymbol::Validate(BarcodeSymbology::QrCode, QString(8000, u'x'));
    EXPECT_TRUE(tooLong.endsWith("...\" gives 8000 characters")) << tooLong.toStdString();
    EXPECT_EQ(BarcodeSymbol::Validate(BarcodeSymbology::Code128, ""),
              "Code 128 takes letters, digits and signs; the data is empty");
    EXPECT_FALSE(BarcodeSymbol::Validate(BarcodeSymbology::Gs1_128, "0109501101530003").isEmpty());
    for (const char* fine : {"5901234123457", "590123412345", "96385074", "9638507"})
        EXPECT_EQ(BarcodeSymbol::Validate(BarcodeSymbology::Ean, fine), "") << fine;
    EXPECT_EQ(BarcodeSymbol::Validate(BarcodeSymbology::Gs1_128, "(01)09501101530003"), "");
    // Merged data is named by the field it came from.
    BarcodeSpec ean{&BarcodeSymbol::Type(BarcodeSymbology::Ean)};
    EXPECT_TRUE(BarcodeSymbol::Validate(ean, "Ann Lee", "{Name}").endsWith("; \"{Name}\" gives letters"));
    BarcodeSpec code39{BarcodeCatalogue::FromName(u"CODE39")};
    EXPECT_TRUE(BarcodeSymbol::Validate(code39, "ABéC").endsWith("gives the character \"é\""))
        << BarcodeSymbol::Validate(code39, "ABéC").toStdString();

    const BarcodeDrawing refused =
        BarcodeSymbol::Make(BarcodeSymbology::Ean, "590123412345A", true, {2, 1});
    EXPECT_EQ(refused.error, letters);
    EXPECT_TRUE(refused.bars.isEmpty());
    EXPECT_EQ(refused.frame, QRectF(0, 0, 2, 1));
    EXPECT_EQ(refused.cross.size(), 2);
    ASSERT_EQ(refused.texts.size(), 2);
    EXPECT_EQ(refused.texts[1].text, letters);
    EXPECT_EQ(refused.NarrowBarWarning(), "");
}

// Every symbology of the installed Zint is offered under Zint's own name, the ten of old
// among them, each in one of the four groups.
TEST(BarcodeSymbol, TheCatalogueHoldsEverySymbologyOfTheInstalledZint) {
    const QList<BarcodeType>& all = BarcodeCatalogue::All();
    int valid = 0;
    for (int id = 1; id <= 255; ++id)
        valid += ZBarcode_ValidID(id) ? 1 : 0;
    EXPECT_EQ(all.size(), valid);
    QStringList names;
    for (const BarcodeType& type : all) {
        EXPECT_FALSE(type.name.startsWith("BARCODE_")) << type.name.toStdString();
        EXPECT_FALSE(type.caption.isEmpty());
        EXPECT_EQ(BarcodeCatalogue::FromName(type.name), &type);
        EXPECT_EQ(BarcodeCatalogue::FromZint(type.zint), &type);
        names << type.name;
    }
    for (BarcodeSymbology old : AllBarcodeSymbologies)
        EXPECT_TRUE(names.contains(BarcodeSymbologyName(old)));
    for (const char* name : {"CODE93", "CODABAR", "UPCE", "C25INTER", "DBAR_OMN", "DBAR_EXP",
                             "MAXICODE", "MICROQR", "HANXIN", "USPS_IMAIL", "RM4SCC"})
        EXPECT_TRUE(names.contains(name)) << name;
    EXPECT_EQ(BarcodeCatalogue::FromName(u"DBAR_EXP")->group, BarcodeGroup::Gs1);
    EXPECT_EQ(BarcodeCatalogue::FromName(u"MICROQR")->group, BarcodeGroup::TwoD);
    EXPECT_EQ(BarcodeCatalogue::FromName(u"RM4SCC")->group, BarcodeGroup::Postal);
    EXPECT_EQ(BarcodeCatalogue::FromName(u"CODE93")->group, BarcodeGroup::Linear);
    // The menu lists the groups in order, each once.
    for (qsizetype i = 1; i < all.size(); ++i)
        EXPECT_LE(int(all[i - 1].group), int(all[i].group)) << all[i].name.toStdString();
    EXPECT_EQ(BarcodeCatalogue::FromName(u"code93"), nullptr);
}

// ECC sets Zint's error-correction level where the symbology has one; QUIET=N drops the
// quiet zones, so the same data fills more of the box.
TEST(BarcodeSymbol, ErrorCorrectionAndQuietZones) {
    BarcodeSpec qr{BarcodeCatalogue::FromName(u"QRCODE")};
    const QString data = QStringLiteral("https://example.org/parcel/4711");
    const auto modules = [&](int ecc) {
        qr.ecc = ecc;
        return BarcodeSymbol::NaturalSize(qr, data, 0.01)->width();
    };
    EXPECT_LT(modules(1), modules(4)); // level H needs a larger symbol than level L
    EXPECT_EQ(modules(0), modules(0));
    EXPECT_EQ(modules(9), modules(0)) << "a level the symbology lacks is Zint's default";

    BarcodeSpec withQuiet{BarcodeCatalogue::FromName(u"EANX")};
    BarcodeSpec without = withQuiet;
    without.quietZones = false;
    const auto barsWidth = [](const BarcodeDrawing& drawing) {
        QRectF bounds;
        for (const QRectF& bar : drawing.bars)
            bounds |= bar;
        return bounds.width();
    };
    const BarcodeDrawing a = BarcodeSymbol::Make(withQuiet, "5901234123457", {1.5, 1});
    const BarcodeDrawing b = BarcodeSymbol::Make(without, "5901234123457", {1.5, 1});
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_GT(barsWidth(b), barsWidth(a) * 1.05);
}

// A symbol squeezed until its narrowest bar falls below 0.19 mm says so; MaxiCode's hexagons
// and bull's-eye are shapes of their own.
TEST(BarcodeSymbol, NarrowBarsAreNamedAndMaxiCodeDrawsItsShapes) {
    BarcodeSpec code128{BarcodeCatalogue::FromName(u"CODE128")};
    const BarcodeDrawing wide = BarcodeSymbol::Make(code128, "ABC-123", {2.5, 0.5});
    const BarcodeDrawing narrow = BarcodeSymbol::Make(code128, "ABC-123", {0.5, 0.5});
    EXPECT_EQ(wide.NarrowBarWarning(), "");
    EXPECT_GT(wide.narrowest, BarcodeSymbol::MinimumBarInches);
    EXPECT_LT(narrow.narrowest, BarcodeSymbol::MinimumBarInches);
    EXPECT_TRUE(narrow.NarrowBarWarning().startsWith("The narrowest bar is 0.1"))
        << narrow.NarrowBarWarning().toStdString();
    EXPECT_TRUE(narrow.NarrowBarWarning().contains("0.19 mm (7.5 mil)"));

    const BarcodeDrawing maxi =
        BarcodeSymbol::Make({BarcodeCatalogue::FromName(u"MAXICODE")}, "Quorvane", {1.2, 1.2});
    ASSERT_TRUE(maxi.ok()) << maxi.error.toStdString();
    EXPECT_FALSE(maxi.shapes.isEmpty());
    const QRectF bounds = maxi.shapes.boundingRect();
    EXPECT_GE(bounds.left(), -1e-9);
    EXPECT_LE(bounds.right(), 1.2 + 1e-9);
    EXPECT_LE(bounds.bottom(), 1.2 + 1e-9);
    QImage image(240, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        BarcodeSymbol::Paint(painter, maxi, 200, Qt::black, Qt::white);
    }
    int dark = 0;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 240; ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 240 * 240 / 6);
}

TEST(BarcodeSymbol, StoredNamesAreZintsWithoutThePrefix) {
    for (BarcodeSymbology symbology : AllBarcodeSymbologies)
        EXPECT_EQ(BarcodeSymbologyFromName(BarcodeSymbologyName(symbology)), symbology);
    // Every symbology of the catalogue has a value of its own under its stored name.
    for (const BarcodeType& type : BarcodeCatalogue::All()) {
        const auto symbology = BarcodeSymbologyFromName(type.name);
        ASSERT_TRUE(symbology.has_value()) << type.name.toStdString();
        EXPECT_EQ(BarcodeSymbologyName(*symbology), type.name);
        EXPECT_EQ(&BarcodeSymbol::Type(*symbology), &type);
    }
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
    EXPECT_EQ(barcode.toolTip(), "");
    // Squeezed until its bars are too narrow to scan: an orange corner and the reason.
    barcode.resize(48, 96);
    image = barcode.grab().toImage();
    EXPECT_TRUE(barcode.toolTip().startsWith("The narrowest bar is")) << barcode.toolTip().toStdString();
    EXPECT_EQ(image.pixel(46, 1), qRgb(230, 120, 0));
    barcode.setData("");
    EXPECT_FALSE(barcode.Drawing().ok());
    barcode.setSymbology(BarcodeSymbology::QrCode);
    barcode.setData("x");
    const auto natural = barcode.NaturalSize();
    ASSERT_TRUE(natural.has_value());
    EXPECT_EQ(natural->width(), natural->height());
}
