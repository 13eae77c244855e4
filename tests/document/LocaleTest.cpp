#include "document/ScreenMetrics.h"
#include "document/ConversionError.h"
#include "document/ObjectsTextReader.h"
#include "document/ObjectsTextWriter.h"
#include "document/Units.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>
#include <vector>

namespace {

// A numeric facet with "," as decimal separator, for when no comma locale is installed.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// Puts the process under a locale whose decimal separator is "," (Qt's default locale, the
// C++ global locale and, where one is installed, the C library's numeric locale) and restores
// everything afterwards.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        savedQt_ = QLocale();
        savedStd_ = std::locale();
        savedC_ = std::setlocale(LC_NUMERIC, nullptr);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"}) {
            if (std::setlocale(LC_NUMERIC, name))
                break;
        }
        SetScreenPixelsPerInch(96);
    }
    void TearDown() override {
        QLocale::setDefault(savedQt_);
        std::locale::global(savedStd_);
        std::setlocale(LC_NUMERIC, savedC_.c_str());
    }

private:
    QLocale savedQt_;
    std::locale savedStd_;
    std::string savedC_;
};

TEST_F(CommaLocale, StoredNumbersUseAPointAndTheLocaleIsLeftAsItWas) {
    ASSERT_EQ(QLocale().decimalPoint(), ",");
    EXPECT_EQ(PixelsToInchesToString(1000), "10.417");
    EXPECT_EQ(FloatToDBF(2.6254f), 2.625f);

    LabelItemValue box;
    box.kind = LabelItemKind::Rectangle;
    box.left = 1000;
    box.top = 6;
    box.width = 25;
    box.height = 25;
    const QString text = WriteObjectsText({box});
    EXPECT_TRUE(text.contains("LEFT=10.417\r\n"));
    EXPECT_FALSE(text.contains(','));

    std::vector<LabelItemValue> read;
    ReadObjectsText(text, [&](const LabelItemValue& item) { read.push_back(item); });
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].left, 1000);
    EXPECT_EQ(read[0].top, 6);

    // Nothing process-wide was switched behind the caller's back.
    EXPECT_EQ(QLocale().decimalPoint(), ",");
    EXPECT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
}

TEST_F(CommaLocale, ACommaInAStoredDistanceIsAConversionError) {
    std::vector<LabelItemValue> read;
    try {
        ReadObjectsText("LABELITEM=RECTANGLE\r\nTOP=1,5\r\n",
                        [&](const LabelItemValue& item) { read.push_back(item); });
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), "'1,5' is not a valid floating point value");
    }
    EXPECT_TRUE(read.empty());
}

} // namespace
