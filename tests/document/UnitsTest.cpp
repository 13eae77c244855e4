#include "document/Units.h"
#include "document/ScreenMetrics.h"
#include "document/ObjectsTextSyntax.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class UnitsAt : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { SetScreenPixelsPerInch(GetParam()); }
    void TearDown() override { SetScreenPixelsPerInch(96); }
};

TEST(Units, DistancesAt96AreWrittenWithThreeDecimalsRoundingHalvesAwayFromZero) {
    SetScreenPixelsPerInch(96);
    const std::pair<int, const char*> cases[] = {
        {0, "0.000"},  {1, "0.010"},     {6, "0.063"},   {10, "0.104"},  {25, "0.260"},
        {96, "1.000"}, {1000, "10.417"}, {-5, "-0.052"}, {-6, "-0.063"},
    };
    for (const auto& [pixels, text] : cases)
        EXPECT_EQ(PixelsToInchesToString(pixels), QString::fromLatin1(text)) << pixels;
    EXPECT_EQ(PixelsToInches(6), 0.0625f);
}

TEST(Units, At120TenPixelsAreWritten0083) {
    SetScreenPixelsPerInch(120);
    EXPECT_EQ(PixelsToInchesToString(10), "0.083");
    EXPECT_EQ(InchesToPixels(0.083f), 10);
    SetScreenPixelsPerInch(96);
}

TEST_P(UnitsAt, EveryPixelValueSurvivesItsThreeDecimalText) {
    for (int pixels = -3000; pixels <= 20000; ++pixels) {
        const float read = static_cast<float>(ParseStoredFloat(PixelsToInchesToString(pixels)));
        ASSERT_EQ(InchesToPixels(read), pixels) << "at " << GetParam() << " ppi";
    }
}

TEST_P(UnitsAt, LabelWidthGivesTheDesignPanelWidth) {
    EXPECT_EQ(InchesToPixels(2.625f), GetParam() == 96 ? 252 : 315);
}

INSTANTIATE_TEST_SUITE_P(ScreenScales, UnitsAt, ::testing::Values(96, 120));

TEST(Units, InchesToPixelsSendsTiesToTheEvenPixel) {
    SetScreenPixelsPerInch(96);
    EXPECT_EQ(InchesToPixels(1.0f / 64), 2); // 1.5 pixels
    EXPECT_EQ(InchesToPixels(3.0f / 64), 4); // 4.5 pixels
    EXPECT_EQ(InchesToPixels(-3.0f / 64), -4);
    SetScreenPixelsPerInch(120);
    EXPECT_EQ(InchesToPixels(1.0f / 16), 8);  // 7.5 pixels
    EXPECT_EQ(InchesToPixels(3.0f / 16), 22); // 22.5 pixels
    SetScreenPixelsPerInch(96);
}

TEST(Units, InchesBeyondThePixelRangeAreClampedNotWrapped) {
    SetScreenPixelsPerInch(96);
    EXPECT_EQ(InchesToPixels(1e30f), std::numeric_limits<int>::max());
    EXPECT_EQ(InchesToPixels(-1e30f), std::numeric_limits<int>::min());
    EXPECT_EQ(InchesToPixels(std::numeric_limits<float>::infinity()),
              std::numeric_limits<int>::max());
}

TEST(Units, FloatToDBFRoundsThroughTheThreeDecimalText) {
    EXPECT_EQ(FloatToDBF(1.0004f), 1.0f);
    // 1.0005 in single precision lies just below the half.
    EXPECT_EQ(FloatToDBF(1.0005f), 1.0f);
    EXPECT_EQ(FloatToDBF(0.0625f), 0.063f);
    EXPECT_EQ(FloatToDBF(2.625f), 2.625f);
    EXPECT_EQ(FloatToDBF(-0.0625f), -0.063f);
    EXPECT_EQ(FormatInches(1.0005f), "1.000");
    EXPECT_EQ(FormatInches(-0.0004f), "0.000");
    EXPECT_EQ(FormatInches(123456.5f), "123456.500");
}

} // namespace
