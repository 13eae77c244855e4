#include <gtest/gtest.h>

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
