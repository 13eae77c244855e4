#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "controls/TextBoxLayout.h"
#include "controls/TextMeasure.h"

namespace {

const TextBoxFont kArial10{QStringLiteral("Arial"), 10, false, false};

TextBoxOptions Box(TextAlign align = TextAlign::Left, TextVAlign valign = TextVAlign::Top) {
    TextBoxOptions options;
    options.box = true;
    options.align = align;
    options.valign = valign;
    return options;
}

TextBoxOptions Shrinking(bool wrap = false, double minimum = 6) {
    TextBoxOptions options = Box();
    options.shrink = true;
    options.wrap = wrap;
    options.minFontSize = minimum;
    return options;
}

double Right(const TextBoxLine& line) {
    return line.Start() + line.width;
}

// Every line within the frame, across and down.
void ExpectInside(const TextBoxLayout& layout) {
    for (const TextBoxLine& line : layout.lines) {
        EXPECT_GE(line.Start(), -1e-9) << line.text.toStdString();
        EXPECT_LE(Right(line), layout.frame.width() + 1e-9) << line.text.toStdString();
        EXPECT_GE(line.baseline - layout.ascent, -1e-9);
        EXPECT_LE(line.baseline + layout.descent, layout.frame.height() + 1e-9);
    }
}

} // namespace

TEST(TextMeasureTest, WidthsScaleWithTheSizeAndAddUpAcrossAWord) {
    const TextMeasure measure(QStringLiteral("Arial"), false, false);
    const double word = measure.WidthEm(u"Lovelace");
    EXPECT_GT(word, 2.0);
    EXPECT_LT(word, 5.0);
    // Without kerning or hinting a text measures as the sum of its parts.
    EXPECT_NEAR(measure.WidthEm(u"Love") + measure.WidthEm(u"lace"), word, 1e-6);
    EXPECT_GT(measure.AscentEm(), 0.7);
    EXPECT_GT(measure.DescentEm(), 0.1);
    EXPECT_GE(measure.LineHeightEm(), measure.AscentEm() + measure.DescentEm() - 1e-9);
    EXPECT_GT(TextMeasure(QStringLiteral("Arial"), true, false).WidthEm(u"Lovelace"), word);
}

// Texts of ASCII and Latin-1 are measured from a table of the characters' own advances: the
// result must be exactly what shaping the whole text gives, or layouts (and prints) would
// change. Every pair of the table's characters is compared, so that a ligature or a
// contextual form of the font would show; other texts are shaped whole.
TEST(TextMeasureTest, TheCharacterTableMeasuresExactlyAsShaping) {
    QString table;
    for (char16_t c = 0x20; c <= 0xFF; ++c)
        if (c <= 0x7E || c >= 0xA0)
            table += QChar(c);
    const TextMeasure arial(QStringLiteral("Arial"), false, false);
    EXPECT_TRUE(arial.MeasuresByCharacter()) << "the fast measure is not used for Arial";
    int compared = 0;
    for (const QChar first : table)
        for (const QChar second : table) {
            const QString pair = QString(first) + second;
            ASSERT_EQ(arial.WidthEm(pair), arial.ShapedWidthEm(pair)) << pair.toStdString();
            ++compared;
        }
    EXPECT_EQ(compared, 191 * 191);
    for (const auto& [family, bold, italic] :
         {std::tuple{"Arial", true, false}, std::tuple{"Arial", false, true},
          std::tuple{"DejaVu Sans", false, false}, std::tuple{"Times New Roman", true, true}}) {
        const TextMeasure measure(QString::fromLatin1(family), bold, italic);
        for (const QString& text :
             {table, QStringLiteral("Bartholomew Featherstonehaugh-Cholmondeley"),
              QStringLiteral("office fluffy affine Th\u00e9r\u00e8se \u00c5ngstr\u00f6m \u00bd"),
              QStringLiteral("  spaced  out  "), QStringLiteral("(01)09501101530003(10)ABC")})
            EXPECT_EQ(measure.WidthEm(text), measure.ShapedWidthEm(text)) << family;
    }
    // Outside the table (a combining mark, a character of another script) the text is shaped.
    const QString marked = QStringLiteral("Ame\u0301lie \u0416\u0443\u043a");
    EXPECT_EQ(arial.WidthEm(marked), arial.ShapedWidthEm(marked));
}

TEST(TextBoxLayoutTest, WithoutABoxTheLinesAreAlignedToTheLongest) {
    TextBoxOptions options;
    options.align = TextAlign::Centre;
    const TextBoxLayout layout = LayOutTextBox(
        {QStringLiteral("Ada Lovelace"), QStringLiteral("London")}, kArial10, options, {}, 30);
    ASSERT_EQ(layout.lines.size(), 2);
    EXPECT_TRUE(layout.fits);
    EXPECT_DOUBLE_EQ(layout.frame.width(), layout.lines[0].width);
    EXPECT_NEAR(layout.lines[0].Start(), 0, 1e-12);
    const double middle = layout.frame.width() / 2;
    EXPECT_NEAR(layout.lines[1].Start() + layout.lines[1].width / 2, middle, 1e-12);
    EXPECT_NEAR(layout.frame.height(),
                layout.lines[1].baseline - layout.lines[0].baseline + layout.ascent +
                    layout.descent,
                1e-12);
    EXPECT_DOUBLE_EQ(layout.points, 10);
}

TEST(TextBoxLayoutTest, AlignmentAcrossAndDownTheBox) {
    const QSizeF box(2.0, 1.0);
    const QStringList text{QStringLiteral("12 St James's Square")};
    const TextBoxLayout left = LayOutTextBox(text, kArial10, Box(), box, 0);
    const TextBoxLayout right = LayOutTextBox(text, kArial10, Box(TextAlign::Right), box, 0);
    const TextBoxLayout middle =
        LayOutTextBox(text, kArial10, Box(TextAlign::Centre, TextVAlign::Middle), box, 0);
    const TextBoxLayout bottom =
        LayOutTextBox(text, kArial10, Box(TextAlign::Left, TextVAlign::Bottom), box, 0);
    EXPECT_NEAR(left.lines[0].Start(), 0, 1e-12);
    EXPECT_NEAR(left.lines[0].baseline, left.ascent, 1e-12);
    EXPECT_NEAR(Right(right.lines[0]), 2.0, 1e-12);
    EXPECT_NEAR(middle.lines[0].Start() * 2 + middle.lines[0].width, 2.0, 1e-12);
    EXPECT_NEAR(middle.lines[0].baseline, 0.5 - (left.ascent + left.descent) / 2 + left.ascent,
                1e-12);
    EXPECT_NEAR(bottom.lines[0].baseline + bottom.descent, 1.0, 1e-12);
    // A device that measures the line a little wider keeps it flush right.
    EXPECT_NEAR(right.lines[0].StartFor(right.lines[0].width + 0.01) + right.lines[0].width + 0.01,
                2.0, 1e-12);
}

TEST(TextBoxLayoutTest, LineSpacingMultipliesTheDistanceBetweenBaselines) {
    const QStringList text{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")};
    TextBoxOptions single = Box(), twice = Box();
    twice.lineSpacing = 2.0;
    const TextBoxLayout a = LayOutTextBox(text, kArial10, single, {3, 3}, 0);
    const TextBoxLayout b = LayOutTextBox(text, kArial10, twice, {3, 3}, 0);
    const double pitch = a.lines[1].baseline - a.lines[0].baseline;
    const TextMeasure measure(QStringLiteral("Arial"), false, false);
    EXPECT_NEAR(pitch, measure.LineHeightEm() * 10 / 72, 1e-12);
    EXPECT_NEAR(b.lines[2].baseline - b.lines[0].baseline, 4 * pitch, 1e-12);
}

TEST(TextBoxLayoutTest, WordsWrapAtTheBoxWidthAndLongWordsBreakInside) {
    TextBoxOptions wrap = Box();
    wrap.wrap = true;
    const QSizeF box(1.0, 2.0);
    const TextBoxLayout layout = LayOutTextBox(
        {QStringLiteral("Building B, the long wing beyond the courtyard")}, kArial10, wrap, box, 0);
    EXPECT_GT(layout.lines.size(), 2);
    EXPECT_TRUE(layout.fits);
    ExpectInside(layout);
    QStringList words;
    for (const TextBoxLine& line : layout.lines)
        words += line.text.split(u' ');
    EXPECT_EQ(words.join(u' '), QStringLiteral("Building B, the long wing beyond the courtyard"));

    // A word wider than the box is cut between characters, and the text does not fit.
    const TextBoxLayout broken = LayOutTextBox(
        {QStringLiteral("Donaudampfschifffahrtsgesellschaft")}, kArial10, wrap, box, 0);
    EXPECT_GT(broken.lines.size(), 1);
    EXPECT_FALSE(broken.fits);
    QString joined;
    for (const TextBoxLine& line : broken.lines) {
        EXPECT_LE(line.width, 1.0 + 1e-9);
        joined += line.text;
    }
    EXPECT_EQ(joined, QStringLiteral("Donaudampfschifffahrtsgesellschaft"));

    // Without WRAP the line stays whole, overflows and is started at the box's left.
    TextBoxOptions noWrap = Box(TextAlign::Right);
    const TextBoxLayout whole = LayOutTextBox(
        {QStringLiteral("Building B, the long wing beyond the courtyard")}, kArial10, noWrap, box, 0);
    ASSERT_EQ(whole.lines.size(), 1);
    EXPECT_FALSE(whole.fits);
    EXPECT_NEAR(whole.lines[0].Start(), 0, 1e-12);
}

TEST(TextBoxLayoutTest, ShrinkStepsDownByHalfPointsToTheLargestSizeThatFits) {
    const QStringList address{QStringLiteral("Ada Augusta King, Countess of Lovelace"),
                              QStringLiteral("12 St James's Square"), QStringLiteral("London")};
    const QSizeF box(2.5, 0.75);
    for (const bool wrap : {false, true}) {
        const TextBoxFont font{QStringLiteral("Arial"), 14, false, false};
        const TextBoxLayout layout = LayOutTextBox(address, font, Shrinking(wrap), box, 0);
        EXPECT_TRUE(layout.fits) << "wrap " << wrap;
        EXPECT_LT(layout.points, 14);
        EXPECT_GE(layout.points, 6);
        EXPECT_DOUBLE_EQ(std::fmod(14 - layout.points, 0.5), 0) << layout.points;
        ExpectInside(layout);
        // Half a point larger does not fit: the size is the largest step that does.
        TextBoxOptions fixed = Shrinking(wrap);
        fixed.shrink = false;
        const TextBoxFont larger{font.family, layout.points + 0.5, false, false};
        EXPECT_FALSE(LayOutTextBox(address, larger, fixed, box, 0).fits) << "wrap " << wrap;
    }
    // A text that fits keeps its size.
    const TextBoxLayout short_ =
        LayOutTextBox({QStringLiteral("London")}, kArial10, Shrinking(), box, 0);
    EXPECT_DOUBLE_EQ(short_.points, 10);
}

TEST(TextBoxLayoutTest, ShrinkStopsAtTheMinimumAndReportsTheMisfit) {
    const QStringList tooLong{QString(60, u'W')};
    const TextBoxLayout layout = LayOutTextBox(tooLong, kArial10, Shrinking(false, 7), {1, 1}, 0);
    EXPECT_DOUBLE_EQ(layout.points, 7);
    EXPECT_FALSE(layout.fits);
    // A minimum off the half-point grid is still reached, and one above the size is ignored.
    EXPECT_DOUBLE_EQ(
        LayOutTextBox(tooLong, kArial10, Shrinking(false, 6.3), {1, 1}, 0).points, 6.3);
    EXPECT_DOUBLE_EQ(LayOutTextBox(tooLong, kArial10, Shrinking(false, 12), {1, 1}, 0).points,
                     10);
    // Too many lines for the height shrink the text too.
    const QStringList tall{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("d")};
    const TextBoxLayout lines = LayOutTextBox(tall, kArial10, Shrinking(), {1, 0.4}, 0);
    EXPECT_TRUE(lines.fits);
    EXPECT_LT(lines.points, 10);
    ExpectInside(lines);
}

TEST(TextBoxLayoutTest, AQuarterTurnedBoxRunsItsLinesAlongItsHeight) {
    TextBoxOptions wrap = Box();
    wrap.wrap = true;
    const QStringList text{QStringLiteral("Fragile - this way up")};
    // 0.5 in wide, 2 in tall: level, the text must wrap; turned, it has 2 in of line.
    EXPECT_GT(LayOutTextBox(text, kArial10, wrap, {0.5, 2}, 0).lines.size(), 1);
    const TextBoxLayout turned = LayOutTextBox(text, kArial10, wrap, {0.5, 2}, 90);
    EXPECT_EQ(turned.lines.size(), 1);
    EXPECT_EQ(turned.frame, QSizeF(2, 0.5));
    EXPECT_TRUE(turned.fits);
    EXPECT_EQ(BoxAngle(-90), 270);
    EXPECT_EQ(BoxAngle(100), 90);
    EXPECT_EQ(BoxAngle(359), 0);
    EXPECT_EQ(BoxAngle(200), 180);
}

TEST(TextBoxLayoutTest, TheFrameTurnsWithinTheBoxCounterClockwise) {
    const QSizeF box(0.5, 2);
    // The frame's top-left (where the first line starts) and its far corner.
    const auto corner = [&](int angle, QPointF frame) {
        return TextFrameToBox(box, angle).map(frame);
    };
    EXPECT_EQ(corner(0, {0, 0}), QPointF(0, 0));
    EXPECT_EQ(corner(90, {0, 0}), QPointF(0, 2));     // lines run up from the bottom-left
    EXPECT_EQ(corner(90, {2, 0.5}), QPointF(0.5, 0)); // the frame is 2 x 0.5 when turned
    EXPECT_EQ(corner(180, {0, 0}), QPointF(0.5, 2));
    EXPECT_EQ(corner(270, {0, 0}), QPointF(0.5, 0)); // lines run down from the top-right
    EXPECT_EQ(corner(270, {2, 0.5}), QPointF(0, 2));
}
