#include "templates/TemplateEditorRules.h"

#include <QLocale>

#include <gtest/gtest.h>

using Rules = TemplateEditorRules;

namespace {

SheetGeometry Valid() {
    return {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "RR"};
}

} // namespace

TEST(TemplateEditorRules, ChecksRunInOrderAndStopAtTheFirst) {
    EXPECT_EQ(Rules::ValidLabel(Valid(), "x"), "");
    SheetGeometry g = Valid();
    g.labelHeight = 0.29f;
    g.labelWidth = 0.5f; // also wrong, but the height is reported first
    EXPECT_EQ(Rules::ValidLabel(g, ""), "Label Height must be at least .3 inches (or 7mm)");
    g.labelHeight = 0.3f;
    EXPECT_EQ(Rules::ValidLabel(g, ""), "Label Width must be at least 1 inch (or 25mm)");
    g.labelWidth = 1.0f;
    g.horizontalPitch = 0.99f;
    EXPECT_EQ(Rules::ValidLabel(g, ""), "Horizontal Pitch must be at least = Label Width");
    g.horizontalPitch = 1.0f;
    g.verticalPitch = 0.29f;
    EXPECT_EQ(Rules::ValidLabel(g, ""), "Vertical Pitch must be at least = Label Height");
    g.verticalPitch = 0.3f;
    EXPECT_EQ(Rules::ValidLabel(g, ""), "You must provide a description");
    EXPECT_EQ(Rules::ValidLabel(g, "d"), ""); // exactly 0.3 in high and 1 in wide is accepted
}

TEST(TemplateEditorRules, SingleColumnOrRowPitchIsNotChecked) {
    SheetGeometry g = Valid();
    g.labelsAcross = 1;
    g.labelsDown = 1;
    g.horizontalPitch = 0;
    g.verticalPitch = 0;
    g.topMargin = -3;
    EXPECT_EQ(Rules::ValidLabel(g, "d"), "");
    g.labelsAcross = 2;
    EXPECT_EQ(Rules::ValidLabel(g, "d"), "Horizontal Pitch must be at least = Label Width");
}

TEST(TemplateEditorRules, LabelsPastThePapersEdgeAreRefusedNamingThePaper) {
    SheetGeometry g{1.0f, 1.0f, 10, 1, 0.5f, 0.25f, 1.0f, 1.0f, "LTR", "RR"};
    EXPECT_EQ(Rules::ValidLabel(g, "d"),
              "The labels do not fit on the paper: the last label's right edge lies 10.25 in "
              "from the left, beyond the 8.50 in width of Letter (8.5 x 11\") paper");
    {
        // The lengths as the locale writes numbers.
        struct Restore {
            QLocale previous;
            ~Restore() { QLocale::setDefault(previous); }
        } restore;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_NE(Rules::ValidLabel(g, "d").indexOf("lies 10,25 in from the left, beyond the "
                                                    "8,50 in width"),
                  -1)
            << Rules::ValidLabel(g, "d").toStdString();
    }
    g.paperSize = "LTRL"; // 11 in wide
    EXPECT_EQ(Rules::ValidLabel(g, "d"), "");
    g.paperSize = "USER"; // paper not known: not checked
    EXPECT_EQ(Rules::ValidLabel(g, "d"), "");
    g.sheetWidth = 10; // a paper of its own size is
    g.sheetHeight = 4;
    EXPECT_NE(Rules::ValidLabel(g, "d").indexOf("beyond the 10.00 in width of Other"), -1);
    g.sheetWidth = 10.5f;
    EXPECT_EQ(Rules::ValidLabel(g, "d"), "");
    // A roll must have its size: its page is the label's.
    SheetGeometry roll{1.125f, 3.5f, 1, 1, 0.0625f, 0, 3.5f, 1.25f, "ROLL", "RR"};
    EXPECT_EQ(Rules::ValidLabel(roll, "d"), "A roll needs its width and the length of one page");
    roll.sheetWidth = 3.5f;
    roll.sheetHeight = 1.25f;
    EXPECT_EQ(Rules::ValidLabel(roll, "d"), "");
    roll.sheetHeight = 1.0f; // shorter than the label
    EXPECT_NE(Rules::ValidLabel(roll, "d").indexOf("bottom edge"), -1);
    SheetGeometry legal{1.0f, 4.0f, 2, 13, 0.5f, 0.25f, 4.0f, 1.0f, "LGL", "SR"};
    EXPECT_EQ(Rules::ValidLabel(legal, "d"), ""); // 13.5 in of 14
    legal.paperSize = "LTR";
    EXPECT_NE(Rules::ValidLabel(legal, "d"), "");

    SheetGeometry wide{1.0f, 9.0f, 2, 1, 0.5f, 0.0f, 9.0f, 1.0f, "A4", "SR"};
    EXPECT_NE(Rules::ValidLabel(wide, "d").indexOf("8.27 in width of A4 (210 x 297mm) paper"), -1);
    wide.labelsAcross = 1; // 9 in on 8.27 in paper
    EXPECT_NE(Rules::ValidLabel(wide, "d"), "");
    wide.labelWidth = 8.27f; // a label ending on the edge fits
    EXPECT_EQ(Rules::ValidLabel(wide, "d"), "");

    SheetGeometry tall{1.0f, 2.0f, 1, 30, 0.5f, 0.25f, 2.0f, 1.0f, "A5", "SR"};
    EXPECT_NE(Rules::ValidLabel(tall, "d").indexOf("bottom edge lies 30.50 in from the top, "
                                                   "beyond the 8.27 in height of A5"),
              -1);
    tall.labelsDown = 7; // 7.5 in of 8.27
    EXPECT_EQ(Rules::ValidLabel(tall, "d"), "");
    tall.leftMargin = 99; // margins count
    EXPECT_NE(Rules::ValidLabel(tall, "d"), "");
}

TEST(TemplateEditorRules, MillimetreLimitsFollowTheInchChecks) {
    auto fromMm = [](double heightMm, double widthMm) {
        SheetGeometry g = Valid();
        g.labelsAcross = g.labelsDown = 1;
        g.labelHeight = static_cast<float>(Rules::MillimetresToInches(heightMm));
        g.labelWidth = static_cast<float>(Rules::MillimetresToInches(widthMm));
        return Rules::ValidLabel(g, "d");
    };
    EXPECT_EQ(fromMm(7, 26), "Label Height must be at least .3 inches (or 7mm)");
    EXPECT_EQ(fromMm(8, 25), "Label Width must be at least 1 inch (or 25mm)");
    EXPECT_EQ(fromMm(8, 26), "");
}

TEST(TemplateEditorRules, PatternsShowEveryDecimalOfTheUnit) {
    EXPECT_EQ(Rules::FormatByPattern(2.625, "##.###"), "2.625");
    EXPECT_EQ(Rules::FormatByPattern(2.625, "##.##"), "2.63");
    EXPECT_EQ(Rules::FormatByPattern(4.0, "##.##"), "4.00");
    EXPECT_EQ(Rules::FormatByPattern(0.5, "##.###"), "0.500");
    EXPECT_EQ(Rules::FormatByPattern(0.1875, "##.###"), "0.188");
    EXPECT_EQ(Rules::FormatByPattern(4.0 * 25.4, "###"), "102"); // 101.6 mm
    EXPECT_EQ(Rules::FormatByPattern(0, "###"), "0");
    EXPECT_EQ(Rules::FormatByPattern(-0.5, "##.##"), "-0.50");
}

TEST(TemplateEditorRules, InchesToMillimetresAndBackIsExact) {
    const double mm = Rules::InchesToMillimetres(4.0);
    EXPECT_DOUBLE_EQ(mm, 101.6);
    EXPECT_EQ(Rules::FormatByPattern(Rules::MillimetresToInches(mm), "##.##"), "4.00");
    EXPECT_NEAR(Rules::MillimetresToInches(25.4), 1.0, 1e-15);
}

TEST(TemplateEditorRules, EntriesReadAPointWhateverTheLocale) {
    double v = -1;
    EXPECT_TRUE(Rules::ParseEntry("2.5", ',', v));
    EXPECT_DOUBLE_EQ(v, 2.5);
    EXPECT_TRUE(Rules::ParseEntry("2,75", ',', v));
    EXPECT_DOUBLE_EQ(v, 2.75);
    EXPECT_TRUE(Rules::ParseEntry(" .5 ", '.', v));
    EXPECT_DOUBLE_EQ(v, 0.5);
    EXPECT_TRUE(Rules::ParseEntry("", '.', v));
    EXPECT_DOUBLE_EQ(v, 0);
    EXPECT_FALSE(Rules::ParseEntry("1.2.3", '.', v));
    EXPECT_FALSE(Rules::ParseEntry("1,2", '.', v)); // a comma is no decimal point here
    EXPECT_FALSE(Rules::ParseEntry("abc", '.', v));
    EXPECT_FALSE(Rules::ParseEntry("1e5", '.', v));
}

TEST(TemplateEditorRules, PaperAndShapeCodesWithUnknownCodesOpeningAsTheFirst) {
    // The original six keep their places; the papers added since follow them.
    EXPECT_EQ(Rules::PaperSizeEntries().size(), 14);
    EXPECT_EQ(Rules::PaperSizeCodes().mid(0, 6),
              QStringList({"LTR", "LTRL", "A4", "A4L", "A5", "USER"}));
    EXPECT_EQ(Rules::PaperSizeIndex("ROLL"), 13);
    EXPECT_EQ(Rules::PaperSizeEntries()[0], "Letter (8.5 x 11\")");
    EXPECT_EQ(Rules::PaperSizeEntries()[3], "A4 Landscape ( 297 x 210mm)");
    EXPECT_EQ(Rules::PaperSizeIndex("USER"), 5);
    EXPECT_EQ(Rules::PaperSizeEntries()[Rules::PaperSizeIndex("USER")], "Other (User Defined)");
    EXPECT_EQ(Rules::PaperSizeIndex("A4L"), 3);
    EXPECT_EQ(Rules::PaperSizeIndex("LEGAL"), 0);
    EXPECT_EQ(Rules::PaperSizeIndex(""), 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Rules::PaperSizeIndex(Rules::PaperSizeCode(i)), i);
    EXPECT_EQ(Rules::LabelShapeCode(1), "RE");
    EXPECT_EQ(Rules::LabelShapeIndex("SR"), 2);
    EXPECT_EQ(Rules::LabelShapeIndex("XX"), 0);
    EXPECT_EQ(Rules::LabelShapeEntries()[0], "Rectangular with Rounded Edges");
}

TEST(TemplateEditorRules, LeavingASizeRaisesASmallerPitchOnly) {
    EXPECT_DOUBLE_EQ(Rules::PitchAfterLabelSize(3.0, 2.5), 3.0);
    EXPECT_DOUBLE_EQ(Rules::PitchAfterLabelSize(3.0, 3.5), 3.5);
}
