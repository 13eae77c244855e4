#include <QFontMetrics>
#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/ItemFont.h"
#include "controls/TCanvasPanel.h"
#include "controls/TCounterLabel.h"
#include "controls/TPim3DLabel.h"

namespace {

using Placement = TPim3DLabel::Placement;

void ExpectPlacement(int angle, QSize size, QPoint origin) {
    const Placement p = TPim3DLabel::PlaceRotatedText(40, 10, angle, 0);
    EXPECT_EQ(p.size, size) << "angle " << angle;
    EXPECT_EQ(p.origin, origin) << "angle " << angle;
}

// A text item as the item collection makes it.
void MakeText(TPim3DLabel& label, const QString& text, int angle, int points = 10) {
    label.setFontName(QStringLiteral("Arial"));
    label.setFontSize(points);
    label.setFontColor(MakeColorValue(255, 0, 0));
    label.setCaption(text);
    label.setAngle(angle);
}

// Paints the text without the control's clip, shifted into the middle of a large canvas, and
// returns the ink found outside the control's box (which the control would cut off).
int InkOutsideControl(const TPim3DLabel& label) {
    const int margin = 60;
    QImage image = WhiteImage(label.width() + 2 * margin, label.height() + 2 * margin);
    {
        QPainter painter(&image);
        painter.translate(margin, margin);
        label.PaintText(painter);
    }
    const QRect box(margin - 1, margin - 1, label.width() + 2, label.height() + 2);
    return InkCount(image) - InkCount(image, box);
}

int RedPixels(const QImage& image) {
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() - c.green() > 100 && c.red() - c.blue() > 100 ? 1 : 0;
        }
    return red;
}

} // namespace

TEST(TPim3DLabelPlacement, WorkedExamplesForATextFortyByTen) {
    ExpectPlacement(0, QSize(40, 10), QPoint(0, 0));
    ExpectPlacement(90, QSize(10, 40), QPoint(0, 40));
    ExpectPlacement(180, QSize(40, 10), QPoint(40, 10));
    ExpectPlacement(-90, QSize(10, 40), QPoint(10, 0));
    ExpectPlacement(45, QSize(35, 35), QPoint(0, 28));
    ExpectPlacement(135, QSize(35, 35), QPoint(28, 35));
    // -135: x = W, y = |nearest(10 cos -135)| = 7.
    ExpectPlacement(-135, QSize(35, 35), QPoint(35, 7));
    ExpectPlacement(-45, QSize(35, 35), QPoint(7, 0));
}

TEST(TPim3DLabelPlacement, MinusOneEightyIsPlacedAsOneEighty) {
    const Placement minus = TPim3DLabel::PlaceRotatedText(40, 10, -180, 0);
    const Placement plus = TPim3DLabel::PlaceRotatedText(40, 10, 180, 0);
    EXPECT_EQ(minus.size, plus.size);
    EXPECT_EQ(minus.origin, plus.origin);
}

TEST(TPim3DLabelPlacement, DepthOffsetAddsToBothSides) {
    EXPECT_EQ(TPim3DLabel::PlaceRotatedText(40, 10, 0, 2).size, QSize(42, 12));
    EXPECT_EQ(TPim3DLabel::PlaceRotatedText(40, 10, 0, -1).size, QSize(39, 9));
}

TEST(TPim3DLabelAngle, IsKeptWithinMinusOneEightyToOneEighty) {
    const std::pair<int, int> cases[] = {
        {450, 90}, {-450, -90}, {270, -90},   {360, 0},  {180, 180},  {-180, -180}, {-270, 90},
        {720, 0},  {540, 180},  {-540, -180}, {359, -1}, {181, -179}, {-181, 179},  {0, 0}};
    for (const auto& [given, kept] : cases) {
        EXPECT_EQ(TPim3DLabel::NormalizeAngle(given), kept) << given;
        TPim3DLabel label;
        label.setAngle(given);
        EXPECT_EQ(label.Angle(), kept) << given;
    }
}

TEST(TPim3DLabel, FreshControlHasItemDefaults) {
    TPim3DLabel label;
    EXPECT_EQ(label.FontName(), QStringLiteral("Arial"));
    EXPECT_TRUE(label.Transparent());
    EXPECT_TRUE(label.AutoSize());
    EXPECT_EQ(label.Depth3D(), dpNone);
    EXPECT_EQ(label.Style3D(), lsLowered3D);
    EXPECT_EQ(label.ButtonType(), btNone);
    EXPECT_EQ(label.Angle(), 0);
    EXPECT_EQ(label.OffsetX(), 0);
    EXPECT_EQ(label.OffsetY(), 0);
}

TEST(TPim3DLabel, FontFollowsThePixelsPerInch) {
    EXPECT_EQ(FontPixelSize(10, 96), 13);
    EXPECT_EQ(FontPixelSize(10, 120), 17);
    EXPECT_EQ(FontPixelSize(8, 96), 11);
    EXPECT_EQ(FontPixelSize(12, 96), 16);
    EXPECT_EQ(FontPixelSize(9, 120), 15);
    EXPECT_EQ(FontPixelSize(0, 96), 1);
    EXPECT_EQ(FontPixelSize(2000000000, 120), 10000);
    EXPECT_EQ(FontPixelSize(-10, 96), 13);

    for (const int ppi : {96, 120}) {
        ScopedPixelsPerInch scope(ppi);
        TPim3DLabel label;
        MakeText(label, QStringLiteral("Hello"), 0);
        EXPECT_EQ(label.TextFont().pixelSize(), FontPixelSize(10, ppi));
        EXPECT_FALSE(label.TextFont().kerning());
        const QFontMetrics metrics(label.TextFont());
        EXPECT_EQ(label.TextExtent(), QSize(metrics.horizontalAdvance(QStringLiteral("Hello")),
                                            metrics.ascent() + metrics.descent()));
    }
    // Liberation Sans stands in for Arial with Arial's vertical metrics: a 10-point cell is
    // 12 + 3 pixels high at 96 and 15 + 4 at 120.
    ScopedPixelsPerInch at96(96);
    TPim3DLabel small;
    MakeText(small, QStringLiteral("Hello"), 0);
    EXPECT_EQ(small.TextExtent().height(), 15);
    ScopedPixelsPerInch at120(120);
    TPim3DLabel large;
    MakeText(large, QStringLiteral("Hello"), 0);
    EXPECT_EQ(large.TextExtent().height(), 19);
}

// Sizes and origins of real text follow the placement rule at both resolutions, and the
// painted text lies whole inside the control at every angle.
TEST(TPim3DLabel, SizesItselfToTheRotatedTextAndKeepsTheInkInside) {
    for (const int ppi : {96, 120}) {
        ScopedPixelsPerInch scope(ppi);
        for (const int angle : {0, 30, 45, 90, 120, 135, 180, -30, -45, -90, -135, -180}) {
            TPim3DLabel label;
            MakeText(label, QStringLiteral("Quorvane 42"), angle);
            const QSize extent = label.TextExtent();
            const Placement expected =
                TPim3DLabel::PlaceRotatedText(extent.width(), extent.height(), angle, 0);
            EXPECT_EQ(label.size(), expected.size) << ppi << " ppi, angle " << angle;
            EXPECT_EQ(label.TextOrigin(), expected.origin) << ppi << " ppi, angle " << angle;
            EXPECT_EQ(QPoint(label.OffsetX(), label.OffsetY()), expected.origin);
            EXPECT_EQ(InkOutsideControl(label), 0) << ppi << " ppi, angle " << angle;

            const QImage painted = RenderOnWhite(label);
            const QRect ink = InkBounds(painted);
            ASSERT_FALSE(ink.isEmpty()) << ppi << " ppi, angle " << angle;
            // The text fills its box (a rotated cell leaves its corners blank, so slanted text
            // reaches a little less far).
            const int slack = angle % 90 == 0 ? 6 : label.width() / 6;
            EXPECT_GE(ink.right(), label.width() - slack) << ppi << " ppi, angle " << angle;
            EXPECT_GE(ink.bottom(), label.height() - slack) << ppi << " ppi, angle " << angle;
            EXPECT_LE(ink.left(), slack) << ppi << " ppi, angle " << angle;
            EXPECT_LE(ink.top(), slack) << ppi << " ppi, angle " << angle;
        }
    }
}

TEST(TPim3DLabel, NinetyDegreesRunsUpwardFromTheBottomLeft) {
    TPim3DLabel label;
    MakeText(label, QStringLiteral("I........"), 90);
    const QSize extent = label.TextExtent();
    EXPECT_EQ(label.size(), QSize(extent.height(), extent.width()));
    EXPECT_EQ(label.TextOrigin(), QPoint(0, extent.width()));
    // The tall "I" is first, so it lies at the bottom: its stroke crosses the bottom rows.
    const QImage painted = RenderOnWhite(label);
    const int bottomInk = InkCount(painted, QRect(0, label.height() - 4, label.width(), 4));
    const int topInk = InkCount(painted, QRect(0, 0, label.width(), 4));
    EXPECT_GT(bottomInk, topInk);
}

TEST(TPim3DLabel, MinusOneEightyIsKeptButDrawnAsOneEighty) {
    TPim3DLabel upsideDown;
    MakeText(upsideDown, QStringLiteral("Upside down"), 180);
    TPim3DLabel minus;
    MakeText(minus, QStringLiteral("Upside down"), -180);
    EXPECT_EQ(minus.Angle(), -180);
    EXPECT_EQ(minus.size(), upsideDown.size());
    EXPECT_EQ(minus.TextOrigin(), upsideDown.TextOrigin());
    EXPECT_EQ(minus.TextOrigin(), QPoint(minus.TextExtent().width(), minus.height()));
    EXPECT_EQ(RenderOnWhite(minus), RenderOnWhite(upsideDown));
    EXPECT_EQ(InkOutsideControl(minus), 0);
}

TEST(TPim3DLabel, PaintsOneCopyInTheFontColourAndNeverItsOwnColour) {
    TPim3DLabel label;
    MakeText(label, QStringLiteral("Colour"), 0, 24);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Qt::blue);
    label.setPalette(palette);
    const QImage painted = RenderOnWhite(label);
    int fullRed = 0;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            const QColor c = painted.pixelColor(x, y);
            // Only blends of red over white: no black or white copy, no blue background.
            EXPECT_EQ(c.green(), c.blue()) << x << "," << y;
            EXPECT_GE(c.red(), 250) << x << "," << y;
            fullRed += c == QColor(Qt::red) ? 1 : 0;
        }
    }
    EXPECT_GT(fullRed, 50);
}

TEST(TPim3DLabel, RaisedDepthAddsAWhiteAndABlackCopy) {
    TPim3DLabel label;
    MakeText(label, QStringLiteral("Raised"), 0, 24);
    const QSize flat = label.size();
    label.setStyle3D(lsRaised3d);
    label.setDepth3D(dpDeep);
    EXPECT_EQ(label.size(), flat + QSize(2, 2));
    QImage image = WhiteImage(label.width(), label.height());
    image.fill(Qt::gray);
    label.render(&image);
    int black = 0;
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            black += image.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
            white += image.pixelColor(x, y) == QColor(Qt::white) ? 1 : 0;
        }
    EXPECT_GT(black, 10);
    EXPECT_GT(white, 10);
}

TEST(TPim3DLabel, LongCaptionIsDrawnWhole) {
    TPim3DLabel label;
    QString text;
    for (int i = 0; i < 30; ++i)
        text += QStringLiteral("0123456789");
    MakeText(label, text, 0, 8);
    const QFontMetrics metrics(label.TextFont());
    const int first255 = metrics.horizontalAdvance(text.left(255));
    EXPECT_EQ(label.width(), metrics.horizontalAdvance(text));
    EXPECT_EQ(label.Caption().size(), 300);
    const QImage painted = RenderOnWhite(label);
    // The last 45 characters are painted too.
    EXPECT_GT(
        InkCount(painted, QRect(first255 + 2, 0, label.width() - first255 - 2, label.height())),
        100);
    EXPECT_EQ(InkOutsideControl(label), 0);
}

TEST(TPim3DLabel, SizeGivenFromOutsideGivesWayToTheText) {
    QWidget panel;
    panel.resize(400, 300);
    panel.show();
    TPim3DLabel label(&panel);
    label.show();
    MakeText(label, QStringLiteral("Sized"), 0);
    const QSize natural = label.size();
    label.resize(300, 200);
    EXPECT_EQ(label.size(), natural);
    label.setGeometry(10, 20, 5, 5);
    EXPECT_EQ(label.geometry(), QRect(QPoint(10, 20), natural));
}

TEST(TPim3DLabel, OffsetsAreStoredUntilTheNextLayout) {
    TPim3DLabel label;
    MakeText(label, QStringLiteral("Origin"), 90);
    label.setOffsetX(7);
    label.setOffsetY(9);
    EXPECT_EQ(label.OffsetX(), 7);
    EXPECT_EQ(label.OffsetY(), 9);
    EXPECT_EQ(label.TextOrigin(), QPoint(0, label.TextExtent().width()));
}

TEST(TCounterLabel, IsATextControlToldApartByItsClassAndCarriesTheRepeatCount) {
    TCounterLabel counter;
    counter.setCaption(QStringLiteral("1001"));
    counter.setTag(3);
    EXPECT_EQ(counter.Tag(), 3);
    EXPECT_EQ(counter.Caption(), QStringLiteral("1001"));
    QWidget* asWidget = &counter;
    EXPECT_NE(qobject_cast<TPim3DLabel*>(asWidget), nullptr);
    EXPECT_NE(qobject_cast<TCounterLabel*>(asWidget), nullptr);
    TPim3DLabel text;
    asWidget = &text;
    EXPECT_EQ(qobject_cast<TCounterLabel*>(asWidget), nullptr);

    counter.setAngle(90);
    const QSize extent = counter.TextExtent();
    EXPECT_EQ(counter.size(), QSize(extent.height(), extent.width()));
}

TEST(TPim3DLabel, PushButtonLowersWhilePressedAndClicksOnRelease) {
    TPim3DLabel button;
    MakeText(button, QStringLiteral("Push"), 0, 14);
    button.setButtonType(btPush);
    button.setDepth3D(dpNormal);
    button.setStyle3D(lsRaised3d);
    button.show();
    int clicks = 0;
    QObject::connect(&button, &TPim3DLabel::clicked, [&] { ++clicks; });
    const QPoint inside(button.width() / 2, button.height() / 2);
    QTest::mousePress(&button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button.Style3D(), lsLowered3D);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button.Style3D(), lsRaised3d);
    EXPECT_EQ(clicks, 1);

    // Items are no buttons: a press leaves them as they are.
    TPim3DLabel item;
    MakeText(item, QStringLiteral("Item"), 0);
    item.show();
    QTest::mousePress(&item, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(item.Style3D(), lsLowered3D);
    EXPECT_EQ(item.Depth3D(), dpNone);
}

// A panel that marks texts changes what its text items draw, never their size or origin
// (which are stored): runs wider than the caption are drawn at their own width, as print
// draws the record, running past the control (the panel draws that part).
TEST(TPim3DLabel, MarkedRunsOfThePanelAreRedAndRunOnAtTheirOwnWidth) {
    for (const int angle : {0, 90, 30}) {
        TCanvasPanel panel;
        panel.resize(400, 400);
        auto* label = new TPim3DLabel(&panel);
        MakeText(*label, QStringLiteral("Dear {Zip}, hello"), angle);
        label->setFontColor(kColorBlack);
        const QSize size = label->size();
        const QPoint origin = label->TextOrigin();
        const QImage typed = RenderOnWhite(*label);
        EXPECT_EQ(RedPixels(typed), 0) << angle;

        panel.setTextMarker([](const QString& text) {
            return text.contains(u'{')
                       ? QList<TextRun>{{"Dear ", false}, {"{Zip?}", true}, {", hello", false}}
                       : QList<TextRun>();
        });
        EXPECT_EQ(label->size(), size) << angle;
        EXPECT_EQ(label->TextOrigin(), origin) << angle;
        const QImage marked = RenderOnWhite(*label);
        EXPECT_GT(RedPixels(marked), 20) << angle;
        EXPECT_GT(InkCount(marked), RedPixels(marked) + 20) << angle; // the rest stays black
        EXPECT_GT(InkOutsideControl(*label), 0) << angle << ": squeezed into the typed width";
        EXPECT_TRUE(label->MayRunPastItself());

        // A text the marker leaves alone is drawn exactly as before.
        label->setCaption(QStringLiteral("Dear Zip, hello"));
        TPim3DLabel alone;
        MakeText(alone, QStringLiteral("Dear Zip, hello"), angle);
        alone.setFontColor(kColorBlack);
        EXPECT_EQ(RenderOnWhite(*label), RenderOnWhite(alone)) << angle;
    }
}
