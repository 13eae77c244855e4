// Synthetic metafiles, one or a few record types each, drawn into a 100 x 100 image from a
// frame of 0..1000 logical units (10 units per pixel).
#include "WmfTestSupport.h"

#include "controls/Picture.h"
#include "controls/SymbolGlyph.h"
#include "controls/WmfPlayer.h"

#include <QPainter>
#include <QPicture>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kGreen = 0xFF00FF00, kBlack = 0xFF000000;

// A builder whose window is the frame, with a null pen selected so fills are exact.
WmfBuilder Start() {
    WmfBuilder b;
    b.window(0, 0, 1000, 1000);
    b.pen(5, 0, kBlack).select(0); // object 0: null pen
    return b;
}

QImage Render(const WmfBuilder& b, const QString& name) {
    const QByteArray wmf = b.placeable(0, 0, 1000, 1000, 1000);
    SaveCorpusSample(name, wmf);
    return RenderWmf(wmf, QSize(100, 100));
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000u;
}

TEST(WmfRecords, RectangleFillsItsBoxWithTheSelectedBrush) {
    WmfBuilder b = Start();
    b.brush(0, kRed).select(1).rectangle(200, 300, 600, 700);
    const QImage image = Render(b, QStringLiteral("rectangle"));
    EXPECT_EQ(At(image, 40, 50), kRed);
    EXPECT_EQ(At(image, 21, 31), kRed);
    EXPECT_EQ(At(image, 58, 68), kRed);
    EXPECT_EQ(At(image, 10, 50), 0xFFFFFFFFu);
    EXPECT_EQ(At(image, 40, 80), 0xFFFFFFFFu);
    EXPECT_EQ(InkBounds(image), QRect(20, 30, 40, 40));
}

TEST(WmfRecords, PenOutlinesWithItsWidthAndWidthZeroIsOneDevicePixel) {
    WmfBuilder b = Start();
    b.brush(1, 0).select(1);        // null brush
    b.pen(0, 100, kBlue).select(2); // 10 pixels wide
    b.rectangle(200, 200, 800, 800);
    b.pen(0, 0, kRed).select(3);                             // hairline
    b.record(0x0214, {500, 100}).record(0x0213, {500, 900}); // move to (100,500), line to (900,500)
    const QImage image = Render(b, QStringLiteral("pens"));
    EXPECT_EQ(At(image, 20, 40), kBlue); // on the edge
    EXPECT_EQ(At(image, 16, 40), kBlue); // half the width outside
    EXPECT_EQ(At(image, 24, 40), kBlue); // half inside
    EXPECT_EQ(At(image, 12, 40), 0xFFFFFFFFu);
    EXPECT_EQ(At(image, 40, 40), 0xFFFFFFFFu); // null brush leaves the inside
    int redRows = 0;
    for (int y = 45; y < 55; ++y)
        redRows += qRed(At(image, 50, y)) > 200 && qGreen(At(image, 50, y)) < 150 ? 1 : 0;
    EXPECT_GE(redRows, 1);
    EXPECT_LE(redRows, 2); // a hairline: one pixel, two where it straddles a pixel edge
}

TEST(WmfRecords, EllipseRoundRectArcPieAndChord) {
    WmfBuilder b = Start();
    b.brush(0, kGreen).select(1);
    b.record(0x0418, {500, 500, 0, 0});                             // ellipse (0,0)-(500,500)
    b.record(0x061C, {200, 200, 500, 1000, 0, 500});                // round rect (500,0)-(1000,500)
    b.record(0x081A, {500, 250, 750, 500, 1000, 500, 500, 0});      // pie: right then top radial
    b.record(0x0830, {750, 1000, 1000, 750, 1000, 1000, 500, 500}); // chord
    const QImage image = Render(b, QStringLiteral("curves"));
    EXPECT_EQ(At(image, 25, 25), kGreen);     // ellipse centre
    EXPECT_EQ(At(image, 2, 2), 0xFFFFFFFFu);  // outside the ellipse, inside its box
    EXPECT_EQ(At(image, 75, 25), kGreen);     // round rect centre
    EXPECT_EQ(At(image, 51, 1), 0xFFFFFFFFu); // rounded corner
    EXPECT_EQ(At(image, 75, 2), kGreen);      // straight edge
    // Pie over (0,500)-(500,1000) from the right radial counter-clockwise to the top one:
    // the upper right quarter only.
    EXPECT_EQ(At(image, 35, 65), kGreen);
    EXPECT_EQ(At(image, 15, 85), 0xFFFFFFFFu);
    EXPECT_EQ(At(image, 15, 65), 0xFFFFFFFFu);
    // Chord over (500,500)-(1000,1000) from the bottom point (750,1000) to the right point
    // (1000,750) counter-clockwise: the segment at the lower right.
    EXPECT_EQ(At(image, 97, 97), 0xFFFFFFFFu); // outside the ellipse
    EXPECT_EQ(At(image, 88, 88), kGreen);
    EXPECT_EQ(At(image, 70, 70), 0xFFFFFFFFu); // across the chord line
}

TEST(WmfRecords, ArcStrokesOnlyItsCounterClockwisePart) {
    WmfBuilder b = Start();
    b.pen(0, 30, kBlue).select(1);
    // Circle (100,100)-(900,900); from the top (500,100) counter-clockwise to the left (100,500).
    b.record(0x0817, {500, 100, 100, 500, 900, 900, 100, 100});
    const QImage image = Render(b, QStringLiteral("arc"));
    EXPECT_GT(InkCount(image, QRect(10, 10, 40, 40)), 20); // upper left quarter drawn
    EXPECT_EQ(InkCount(image, QRect(55, 55, 40, 40)), 0);  // lower right not
    EXPECT_EQ(InkCount(image, QRect(55, 10, 40, 40)), 0);  // upper right not
}

TEST(WmfRecords, PolygonFillModesAndPolyPolygonHoles) {
    // Two squares, the second inside the first: alternate fill leaves a hole, winding not.
    for (int mode : {1, 2}) {
        WmfBuilder b = Start();
        b.brush(0, kBlue).select(1);
        b.record(0x0106, {mode});
        b.record(0x0538, {2, 4, 4, 100, 100, 900, 100, 900, 900, 100, 900, 300, 300, 700, 300, 700,
                          700, 300, 700});
        const QImage image = Render(b, QStringLiteral("polypolygon%1").arg(mode));
        EXPECT_EQ(At(image, 20, 20), kBlue);
        EXPECT_EQ(At(image, 50, 50), mode == 1 ? 0xFFFFFFFFu : kBlue) << "fill mode " << mode;
    }
    WmfBuilder b = Start();
    b.brush(0, kRed).select(1);
    b.record(0x0324, {3, 100, 900, 900, 900, 500, 100}); // triangle
    b.pen(0, 20, kBlack).select(2);
    b.record(0x0325, {3, 100, 50, 500, 50, 900, 50}); // polyline along the top
    const QImage image = Render(b, QStringLiteral("polygon"));
    EXPECT_EQ(At(image, 50, 70), kRed);
    EXPECT_EQ(At(image, 15, 20), 0xFFFFFFFFu);
    EXPECT_EQ(At(image, 50, 5), kBlack);
}

TEST(WmfRecords, HatchedBrushDrawsLinesWithOpaqueOrTransparentBackground) {
    for (int mode : {1, 2}) { // transparent, opaque
        WmfBuilder b = Start();
        b.record(0x0102, {mode});
        b.record(0x0201, {0x00FF, 0x0000}); // background colour red (0x0000FF as COLORREF)
        b.brush(2, kBlack, 0).select(1);    // horizontal hatch
        b.rectangle(0, 0, 1000, 1000);
        const QImage image = Render(b, QStringLiteral("hatch%1").arg(mode));
        int black = 0, red = 0, white = 0;
        for (int y = 0; y < 16; ++y) {
            const QRgb c = At(image, 50, y);
            black += c == kBlack;
            red += c == kRed;
            white += c == 0xFFFFFFFFu;
        }
        EXPECT_EQ(black, 2) << "one line per 8 pixels";
        EXPECT_EQ(mode == 2 ? red : white, 14) << "gaps show the background when opaque";
    }
}

TEST(WmfRecords, TextIsDrawnAtItsReferencePointWithAlignment) {
    const auto render = [](int align, int escapement) {
        WmfBuilder b = Start();
        b.font(-100, escapement, "Arial", 700).select(1); // 10-pixel em
        b.record(0x012E, {align});
        b.record(0x0102, {1});
        b.textOut(500, 500, "MMMM");
        return Render(b, QStringLiteral("text%1_%2").arg(align).arg(escapement));
    };
    const QRect left = InkBounds(render(0, 0)); // top-left at the point
    EXPECT_NEAR(left.left(), 50, 2);
    EXPECT_NEAR(left.top(), 51, 3);
    EXPECT_GT(left.width(), 20);
    const QRect right = InkBounds(render(2, 0)); // right edge at the point
    EXPECT_NEAR(right.right(), 50, 2);
    const QRect centre = InkBounds(render(6 | 24, 0)); // centred on the baseline
    EXPECT_NEAR(centre.center().x(), 50, 2);
    EXPECT_NEAR(centre.bottom(), 50, 2);
    const QRect turned = InkBounds(render(0, 900)); // 90 degrees: running upwards
    EXPECT_GT(turned.height(), 20);
    EXPECT_LT(turned.width(), 14);
    EXPECT_NEAR(turned.bottom(), 50, 2);
}

TEST(WmfRecords, FaceNamesWithControlCharactersDrawInTheDefaultFace) {
    const auto render = [](const QByteArray& face) {
        WmfBuilder b = Start();
        b.font(-200, 0, face, 400).select(1);
        b.textOut(100, 300, "Wg");
        return RenderWmf(b.placeable(0, 0, 1000, 1000, 1000), QSize(100, 100));
    };
    const QImage fallback = render("Arial");
    EXPECT_GT(InkCount(fallback, fallback.rect()), 20);
    EXPECT_EQ(render(QByteArray("\x01\x7F\x05Garbled", 10)), fallback);
    EXPECT_EQ(render(QByteArray("Ari\x1F"
                                "al")),
              fallback);
}

TEST(WmfRecords, ExtTextOutFillsItsOpaqueBoxAndClipsToIt) {
    WmfBuilder b = Start();
    b.font(-300, 0, "Arial").select(1);
    b.record(0x0201, {0x0000, 0x00FF}); // background blue (COLORREF 0x00FF0000)
    QByteArray p = WmfBuilder::words({500, 100, 4, 0x6, 100, 400, 300, 600});
    p.append("WWWW");
    b.recordBytes(0x0A32, p);
    const QImage image = Render(b, QStringLiteral("exttextout"));
    EXPECT_EQ(At(image, 12, 42), kBlue);
    const QRect inked = InkBounds(image);
    EXPECT_GE(inked.left(), 10);
    EXPECT_LE(inked.right(), 30); // clipped to the box although the text is wider
    EXPECT_GT(InkCount(image, QRect(10, 40, 20, 20)) - 0, 300);
}

TEST(WmfRecords, ClipRectanglesAndSaveRestore) {
    WmfBuilder b = Start();
    b.brush(0, kRed).select(1);
    b.record(0x001E, {});                   // save
    b.record(0x0416, {600, 600, 400, 400}); // intersect (400,400)-(600,600)
    b.rectangle(0, 0, 1000, 500);
    b.record(0x0127, {-1});                 // restore: clip gone
    b.record(0x0415, {800, 800, 700, 700}); // exclude (700,700)-(800,800)
    b.rectangle(600, 600, 900, 900);
    const QImage image = Render(b, QStringLiteral("clip"));
    EXPECT_EQ(At(image, 45, 45), kRed);
    EXPECT_EQ(At(image, 30, 45), 0xFFFFFFFFu); // outside the first clip
    EXPECT_EQ(At(image, 45, 55), 0xFFFFFFFFu); // below the first rectangle
    EXPECT_EQ(At(image, 65, 65), kRed);        // second rectangle after restore
    EXPECT_EQ(At(image, 75, 75), 0xFFFFFFFFu); // excluded
}

TEST(WmfRecords, NewObjectsTakeTheLowestFreeSlot) {
    WmfBuilder b = Start(); // slot 0: null pen
    b.brush(0, kRed);       // slot 1
    b.brush(0, kGreen);     // slot 2
    b.remove(1);
    b.brush(0, kBlue); // must take slot 1 again
    b.select(1).rectangle(0, 0, 500, 1000);
    b.select(2).rectangle(500, 0, 1000, 1000);
    const QImage image = Render(b, QStringLiteral("objects"));
    EXPECT_EQ(At(image, 25, 50), kBlue);
    EXPECT_EQ(At(image, 75, 50), kGreen);
}

TEST(WmfRecords, WindowOriginAndExtentMapOntoTheFrame) {
    WmfBuilder b;
    b.window(-100, -100, 200, 200); // this window fills the box
    b.pen(5, 0, kBlack).select(0);
    b.brush(0, kRed).select(1);
    b.rectangle(0, 0, 100, 100); // the lower right quarter
    const QImage image = RenderWmf(b.placeable(0, 0, 2000, 2000, 1000), QSize(100, 100));
    EXPECT_EQ(InkBounds(image), QRect(50, 50, 50, 50));
}

TEST(WmfRecords, DibIsDrawnUprightAndStretched) {
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, kRed);
    source.setPixel(1, 0, kGreen);
    source.setPixel(0, 1, kBlue);
    source.setPixel(1, 1, kBlack);
    const QByteArray dib = WmfBuilder::dib24(source);
    WmfBuilder b = Start();
    // STRETCHDIB: rop, usage, source h, w, y, x, dest h, w, y, x, then the DIB.
    QByteArray p = WmfBuilder::words({0x0020, 0x00CC, 0, 2, 2, 0, 0, 500, 500, 0, 0});
    b.recordBytes(0x0F43, p + dib);
    // DIBSTRETCHBLT into the lower right quarter, DIBBITBLT as a 2-unit stamp.
    QByteArray q = WmfBuilder::words({0x0020, 0x00CC, 2, 2, 0, 0, 500, 500, 500, 500});
    b.recordBytes(0x0B41, q + dib);
    const QImage image = Render(b, QStringLiteral("dib"));
    EXPECT_EQ(At(image, 10, 10), kRed);
    EXPECT_EQ(At(image, 40, 10), kGreen);
    EXPECT_EQ(At(image, 10, 40), kBlue);
    EXPECT_EQ(At(image, 40, 40), kBlack);
    EXPECT_EQ(At(image, 60, 60), kRed);
    EXPECT_EQ(At(image, 90, 90), kBlack);
    EXPECT_EQ(At(image, 75, 25), 0xFFFFFFFFu);
}

TEST(WmfRecords, PatternBrushAndPatBlt) {
    QImage pattern(8, 8, QImage::Format_RGB32);
    pattern.fill(kRed);
    for (int y = 0; y < 8; ++y)
        pattern.setPixel(0, y, kBlue);
    WmfBuilder b = Start();
    b.recordBytes(0x0142, WmfBuilder::words({5, 0}) + WmfBuilder::dib24(pattern)); // slot 1
    b.select(1);
    b.record(0x061D, {0x0021, 0x00F0, 1000, 500, 0, 0});   // PATCOPY over the left half
    b.record(0x061D, {0x0042, 0x0000, 1000, 500, 0, 500}); // BLACKNESS over the right half
    const QImage image = Render(b, QStringLiteral("pattern"));
    int blue = 0, red = 0;
    for (int x = 0; x < 48; ++x) {
        blue += At(image, x, 50) == kBlue;
        red += At(image, x, 50) == kRed;
    }
    EXPECT_EQ(blue, 6);
    EXPECT_EQ(red, 42);
    EXPECT_EQ(At(image, 75, 50), kBlack);
}

TEST(WmfRecords, RegionsClipFillAndFrame) {
    WmfBuilder b = Start();
    // A region of one scan (200..400 high) with one span (200..800 wide).
    QByteArray region = WmfBuilder::words({0, 6, 0, 0, 0, 1, 1, 200, 200, 800, 400});
    region += WmfBuilder::words({2, 200, 400, 200, 800, 2});
    b.recordBytes(0x06FF, region); // slot 1
    b.brush(0, kGreen);            // slot 2
    b.record(0x0228, {1, 2});      // fill region 1 with brush 2
    b.record(0x012C, {1});         // clip to region 1
    b.brush(0, kRed).select(3);
    b.rectangle(600, 0, 1000, 1000);
    const QImage image = Render(b, QStringLiteral("region"));
    EXPECT_EQ(At(image, 40, 30), kGreen);
    EXPECT_EQ(At(image, 70, 30), kRed);        // inside the region's clip
    EXPECT_EQ(At(image, 70, 60), 0xFFFFFFFFu); // outside it
}

TEST(WmfRecords, UnknownRecordsAreSkippedBySize) {
    WmfBuilder b = Start();
    b.brush(0, kRed).select(1);
    b.recordBytes(0x7777, QByteArray(40, '\x41'));
    b.record(0x0626, {15, 4, 1, 2}); // an escape
    b.rectangle(0, 0, 1000, 1000);
    const QImage image = Render(b, QStringLiteral("unknown"));
    EXPECT_EQ(At(image, 50, 50), kRed);
}

TEST(WmfRecords, SetPixelAndMonochromeBitBlt) {
    WmfBuilder b = Start();
    b.record(0x041F, {0x00FF, 0x0000, 500, 500}); // red pixel at (500, 500)
    const QImage image = Render(b, QStringLiteral("setpixel"));
    EXPECT_EQ(At(image, 50, 50), kRed);
    EXPECT_EQ(InkCount(image, image.rect()), 1);
}

TEST(WmfRecords, PlainMetafileTakesItsFrameFromTheWindowOrWhatItDraws) {
    WmfBuilder b;
    b.window(0, 0, 400, 200);
    b.brush(0, kBlue).select(0);
    b.pen(5, 0, kBlack).select(1);
    b.rectangle(200, 0, 400, 200);
    const WmfPlayer player(b.plain());
    ASSERT_TRUE(player.isValid());
    EXPECT_FALSE(player.isPlaceable());
    EXPECT_EQ(player.frame(), QRectF(0, 0, 400, 200));
    EXPECT_DOUBLE_EQ(player.sizeInInches().width(), 400.0 / 96);
    const QImage image = RenderWmf(b.plain(), QSize(100, 50));
    EXPECT_EQ(InkBounds(image), QRect(50, 0, 50, 50));

    WmfBuilder loose; // no window at all: what it draws is its frame
    loose.brush(0, kBlue).select(0);
    loose.pen(5, 0, kBlack).select(1);
    loose.rectangle(100, 50, 300, 150);
    const WmfPlayer measured(loose.plain());
    EXPECT_NEAR(measured.frame().left(), 100, 1);
    EXPECT_NEAR(measured.frame().width(), 200, 2);
    EXPECT_NEAR(measured.frame().height(), 100, 2);
}

} // namespace

namespace {

TEST(WmfRecords, HatchesOnPaperKeepTheScreensSpacing) {
    WmfBuilder b = Start();
    b.record(0x0102, {1});           // transparent background
    b.brush(2, kBlack, 0).select(1); // horizontal hatch
    b.rectangle(0, 0, 1000, 1000);
    const QByteArray wmf = b.placeable(0, 0, 1000, 1000, 1000);
    // One inch at 600 dpi: a line every 1/12 inch (50 pixels), about 6 pixels wide.
    const QImage paper = RenderWmf(wmf, QSize(600, 600), 600);
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < 600; ++y) {
        const bool ink = IsInk(paper.pixel(300, y));
        lines += ink && !inLine ? 1 : 0;
        inLine = ink;
    }
    EXPECT_NEAR(lines, 12, 1);
    EXPECT_LT(InkCount(paper, QRect(300, 0, 1, 600)), 600 / 4);
}

} // namespace

namespace {

TEST(WmfRecords, WingdingsTextShowsEverySymbol) {
    RegisterSymbolFonts();
    // 74 (smiling face) is missing from the free Wingdings, 252 (check mark) is in it: both
    // come out as the symbol glyph function draws them.
    for (const char* code : {"\x4A", "\xFC"}) {
        WmfBuilder b = Start();
        b.font(-400, 0, "Wingdings").select(1);
        b.record(0x0102, {1});
        b.textOut(300, 300, code);
        const QImage image = Render(b, QStringLiteral("wingdings%1").arg(uchar(code[0])));
        QImage expected(100, 100, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::white);
        QPainter painter(&expected);
        QFont font(QStringLiteral("Wingdings"));
        font.setPixelSize(40);
        DrawSymbolGlyph(painter, QPointF(30, 30), uchar(code[0]), font);
        painter.end();
        const QRect got = InkBounds(image), want = InkBounds(expected);
        EXPECT_FALSE(want.isEmpty());
        EXPECT_NEAR(got.left(), want.left(), 2) << int(uchar(code[0]));
        EXPECT_NEAR(got.top(), want.top(), 2) << int(uchar(code[0]));
        EXPECT_NEAR(got.width(), want.width(), 2) << int(uchar(code[0]));
        EXPECT_NEAR(got.height(), want.height(), 2) << int(uchar(code[0]));
    }
}

TEST(WmfRecords, RecordedIntoAPictureAndReplayedDrawsTheSame) {
    const QByteArray wmf = [] {
        WmfBuilder b = Start();
        b.brush(0, kRed).select(1);
        b.record(0x0416, {800, 800, 200, 200});
        b.rectangle(0, 0, 1000, 1000);
        b.font(-150, 0, "Arial").select(2);
        b.textOut(250, 300, "Hi");
        return b.placeable(0, 0, 1000, 1000, 1000);
    }();
    const QImage direct = RenderWmf(wmf, QSize(100, 100));
    QPicture recorded;
    {
        QPainter painter(&recorded);
        Picture::fromData(wmf, QStringLiteral("r.wmf")).draw(painter, QRectF(0, 0, 100, 100));
    }
    QImage replayed(100, 100, QImage::Format_ARGB32_Premultiplied);
    replayed.fill(Qt::white);
    QPainter painter(&replayed);
    painter.drawPicture(0, 0, recorded);
    painter.end();
    EXPECT_EQ(InkBounds(replayed), InkBounds(direct));
    EXPECT_NEAR(InkCount(replayed, replayed.rect()), InkCount(direct, direct.rect()), 30);
}

} // namespace
