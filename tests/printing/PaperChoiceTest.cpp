#include <gtest/gtest.h>

#include "document/SheetGeometry.h"
#include "printing/PaperChoice.h"
#include "printing/TReportImage.h"

namespace {

// A device that takes letter paper only.
class LetterOnly : public TReportImage {
public:
    bool SupportsPaper(int paperCode) const override { return paperCode == 1; }
};

} // namespace

TEST(PaperChoice, PaperCodesAndOrientationFromThePaperSize) {
    const auto is = [](const char* size, int code, TReportOrientation orientation) {
        const PaperChoice choice = PaperChoice::ForPaperSize(QString::fromLatin1(size));
        return choice.PaperCode == code && choice.Orientation == orientation;
    };
    EXPECT_TRUE(is("LTR", 1, TReportOrientation::Portrait));
    EXPECT_TRUE(is("LTRL", 1, TReportOrientation::Landscape));
    EXPECT_TRUE(is("A4", 9, TReportOrientation::Portrait));
    EXPECT_TRUE(is("A4L", 9, TReportOrientation::Landscape));
    EXPECT_TRUE(is("A5", 11, TReportOrientation::Portrait));
    EXPECT_TRUE(is("USER", 0, TReportOrientation::Portrait));
    EXPECT_TRUE(is("a4", 0, TReportOrientation::Portrait));
    EXPECT_TRUE(is("", 0, TReportOrientation::Portrait));
}

TEST(PaperChoice, UnsupportedPaperGivesTheMessageAndUserPaperIsNeverChecked) {
    LetterOnly device;
    EXPECT_EQ(PaperChoice::Check(device, QStringLiteral("LTRL")), QString());
    EXPECT_EQ(PaperChoice::Check(device, QStringLiteral("A4L"), QStringLiteral("PDF")),
              QStringLiteral("The printer \"PDF\" has no A4 paper."));
    EXPECT_EQ(PaperChoice::Check(device, QStringLiteral("A5")),
              QStringLiteral("The printer has no A5 paper."));
    EXPECT_EQ(PaperChoice::Check(device, QStringLiteral("USER")), QString());
}

TEST(PaperChoice, AppliedPaperSetsThePageInInches) {
    TReportImage device(100);
    PaperChoice::Apply(device, QStringLiteral("LTRL"));
    EXPECT_EQ(device.PageSizeInches(), QSizeF(11, 8.5));
    PaperChoice::Apply(device, QStringLiteral("A5"));
    EXPECT_NEAR(device.PageSizeInches().width(), 148 / 25.4, 0.01);
    EXPECT_NEAR(device.PageSizeInches().height(), 210 / 25.4, 0.01);
    EXPECT_EQ(device.Orientation(), TReportOrientation::Portrait);
}

TEST(PaperChoice, LargerPapersAndPapersOfTheirOwnSize) {
    const auto is = [](const char* size, int code, TReportOrientation orientation) {
        const PaperChoice choice = PaperChoice::ForPaperSize(QString::fromLatin1(size));
        return choice.PaperCode == code && choice.Orientation == orientation;
    };
    EXPECT_TRUE(is("A3", 8, TReportOrientation::Portrait));
    EXPECT_TRUE(is("A3L", 8, TReportOrientation::Landscape));
    EXPECT_TRUE(is("A5L", 11, TReportOrientation::Landscape));
    EXPECT_TRUE(is("LGL", 5, TReportOrientation::Portrait));
    EXPECT_TRUE(is("LGLL", 5, TReportOrientation::Landscape));
    EXPECT_TRUE(is("TAB", 3, TReportOrientation::Portrait));
    EXPECT_TRUE(is("TABL", 3, TReportOrientation::Landscape));
    EXPECT_TRUE(is("ROLL", 0, TReportOrientation::Portrait));

    TReportImage device(100);
    const struct {
        const char* code;
        QSizeF inches;
    } named[] = {{"A3", QSizeF(297, 420) / 25.4}, {"LGLL", {14, 8.5}}, {"TAB", {11, 17}}};
    for (const auto& n : named) {
        SheetGeometry g{1, 2, 1, 1, 0, 0, 2, 1, n.code, "SR"};
        PaperChoice::Apply(device, g);
        EXPECT_NEAR(device.PageSizeInches().width(), n.inches.width(), 0.01) << n.code;
        EXPECT_NEAR(device.PageSizeInches().height(), n.inches.height(), 0.01) << n.code;
    }
    // A roll's page is its width by one page's length; a paper of its own size likewise.
    SheetGeometry roll{1.125f, 3.5f, 1, 1, 0.0625f, 0, 3.5f, 1.25f, "ROLL", "RR", 3.5f, 1.25f};
    PaperChoice::Apply(device, roll);
    EXPECT_EQ(device.SelectedPaper(), 0);
    EXPECT_EQ(device.PageSizeInches(), QSizeF(3.5, 1.25));
    SheetGeometry user = roll;
    user.paperSize = "USER";
    user.sheetWidth = 4;
    user.sheetHeight = 6;
    PaperChoice::Apply(device, user);
    EXPECT_EQ(device.PageSizeInches(), QSizeF(4, 6));
    // The next job on a named paper does not keep the size of the last.
    PaperChoice::Apply(device, SheetGeometry{1, 2, 1, 1, 0, 0, 2, 1, "LTR", "SR"});
    EXPECT_EQ(device.PageSizeInches(), QSizeF(8.5, 11));
    // A "USER" sheet stored before sizes were kept still takes the device's paper.
    SheetGeometry old = user;
    old.sheetWidth = old.sheetHeight = 0;
    EXPECT_TRUE(PaperChoice::ForGeometry(old).CustomInches.isEmpty());
}
