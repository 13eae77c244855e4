#include "document/MergeFields.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <limits>
#include <map>

namespace {

FieldLookup Fields(std::map<QString, QString> values) {
    return [values](const QString& name) -> std::optional<QString> {
        const auto it = values.find(name);
        if (it == values.end())
            return std::nullopt;
        return it->second;
    };
}

TEST(MergeFields, ReferencesAreReplacedAndDoubledBracesAreLiteral) {
    const FieldLookup lookup = Fields({{"Name", "Ann Lee"}, {"City", "Leeds"}, {"#", "17"}});
    EXPECT_EQ(SubstituteMergeFields("{Name}, {City}", lookup), "Ann Lee, Leeds");
    EXPECT_EQ(SubstituteMergeFields("Tag {#}", lookup), "Tag 17");
    EXPECT_EQ(SubstituteMergeFields("{{Name}} = {Name}", lookup), "{Name} = Ann Lee");
    EXPECT_EQ(SubstituteMergeFields("a}}b{{c", lookup), "a}b{c");
    EXPECT_EQ(SubstituteMergeFields("{Name}{City}", lookup), "Ann LeeLeeds");
    EXPECT_EQ(SubstituteMergeFields("", lookup), "");
}

TEST(MergeFields, TextWithoutReferencesIsKeptAsTyped) {
    const FieldLookup lookup = Fields({{"x", "X"}});
    EXPECT_EQ(SubstituteMergeFields("open { only", lookup), "open { only");
    EXPECT_EQ(SubstituteMergeFields("close } only", lookup), "close } only");
    EXPECT_EQ(SubstituteMergeFields("}{x}", lookup), "}X");
    EXPECT_EQ(SubstituteMergeFields("{a{x}", lookup), "{aX");
    EXPECT_FALSE(HasMergeFields("{{literal}}"));
    EXPECT_FALSE(HasMergeFields("{ never closed"));
    EXPECT_TRUE(HasMergeFields("{x}"));
}

TEST(MergeFields, MissingFieldsShowAndAreReportedOnce) {
    QStringList missing;
    const QString out =
        SubstituteMergeFields("{Name} {Zip} {Zip} {}", Fields({{"Name", "Bo"}}), &missing);
    EXPECT_EQ(out, "Bo {Zip?} {Zip?} {?}");
    EXPECT_EQ(missing, QStringList({"Zip", ""}));
    EXPECT_EQ(SubstituteMergeFields("{Name}", FieldLookup{}), "{Name?}");
}

TEST(MergeFields, NamesAndReferences) {
    EXPECT_EQ(MergeFieldNames("{B} {A} {B} {{C}}"), QStringList({"B", "A"}));
    EXPECT_EQ(MergeFieldReference("Post Code"), "{Post Code}");
    EXPECT_EQ(MergeFieldReference("a{b}"), "{ab}");
    const QList<MergePiece> pieces = SplitMergeFields("x{{y{F}z");
    ASSERT_EQ(pieces.size(), 3);
    EXPECT_EQ(pieces[0].text, "x{y");
    EXPECT_TRUE(pieces[1].isField);
    EXPECT_EQ(pieces[1].text, "F");
    EXPECT_EQ(pieces[2].text, "z");
}

// The design panel's view of a text: as typed, but for the references the source lacks.
TEST(MergeFields, MissingReferencesAreMarkedOnTheTextAsTyped) {
    const auto known = [](const QString& name) { return name == QStringLiteral("Name"); };
    const QList<TextRun> runs = MissingFieldRuns("Dear {Name} of {Zip}{Town}, {{x}} {#} {", known);
    ASSERT_EQ(runs.size(), 3);
    EXPECT_EQ(runs[0].text, "Dear {Name} of ");
    EXPECT_FALSE(runs[0].marked);
    EXPECT_EQ(runs[1].text, "{Zip?}{Town?}");
    EXPECT_TRUE(runs[1].marked);
    EXPECT_EQ(runs[2].text, ", {{x}} {#} {");
    EXPECT_FALSE(runs[2].marked);
    // Nothing missing, or nothing referred to: shown as typed.
    EXPECT_TRUE(MissingFieldRuns("{Name} {{Zip}} {#}", known).isEmpty());
    EXPECT_TRUE(MissingFieldRuns("plain", known).isEmpty());
    EXPECT_EQ(MissingFieldRuns("{}", {}).value(0).text, "{?}");
}

} // namespace

namespace {

// Tuesday 31 March 2026, 14:05, the 17th label.
BuiltInFieldValues JobValues(qint64 number = 17) {
    return {QDate(2026, 3, 31), QTime(14, 5), number};
}

class EnglishLocale : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

using BuiltInFields = EnglishLocale;

} // namespace

TEST_F(BuiltInFields, EveryDateAndTimeForm) {
    const BuiltInFieldValues values = JobValues();
    const auto value = [&](const char* name) {
        return BuiltInFieldValue(QString::fromUtf8(name), values).value_or(QStringLiteral("-"));
    };
    EXPECT_EQ(value("date"), QLocale().toString(QDate(2026, 3, 31), QLocale::ShortFormat));
    EXPECT_EQ(value("date"), "31/03/2026");
    EXPECT_EQ(value("date:dd.MM.yyyy"), "31.03.2026");
    EXPECT_EQ(value("date:d MMMM yyyy"), "31 March 2026");
    EXPECT_EQ(value("Date:yyyy-MM-dd"), "2026-03-31");
    EXPECT_EQ(value("date+1:dd.MM.yyyy"), "01.04.2026");
    EXPECT_EQ(value("date+30:yyyy-MM-dd"), "2026-04-30");
    EXPECT_EQ(value("date-31:yyyy-MM-dd"), "2026-02-28");
    EXPECT_EQ(value("date+365"), "31/03/2027");
    EXPECT_EQ(value("date - 1 :dd"), "30");
    EXPECT_EQ(value("time"), "14:05");
    EXPECT_EQ(value("time:HH:mm"), "14:05");
    EXPECT_EQ(value("TIME:h.mm ap"), "2.05 pm");
    // Not the form of a built-in field: left to the merge source, or shown as missing.
    for (const char* other : {"dates", "date+", "date+x", "date++1", "date+-1", "date+999999",
                              "times", "#:0a", "Name", "# 2"})
        EXPECT_FALSE(IsBuiltInField(QString::fromUtf8(other))) << other;
}

TEST_F(BuiltInFields, CounterFieldsWithLeadingZeros) {
    const auto value = [](const char* name, qint64 number) {
        return BuiltInFieldValue(QString::fromUtf8(name), JobValues(number)).value_or("-");
    };
    EXPECT_EQ(value("#", 17), "17");
    EXPECT_EQ(value("#:00000", 17), "00017");
    EXPECT_EQ(value("#:00", 123456), "123456");
    EXPECT_EQ(value("#:0000", -42), "-0042");
    EXPECT_EQ(value("#:000", std::numeric_limits<qint64>::min()), "-9223372036854775808");
    EXPECT_TRUE(IsCounterField("#:000"));
    EXPECT_FALSE(IsCounterField("date"));
}

TEST_F(BuiltInFields, SubstitutionWithAndWithoutAMergeSource) {
    const BuiltInFieldValues values = JobValues(7);
    // A merge source's field of the same name comes first, except for the counter.
    const FieldLookup record = Fields({{"Name", "Ann"}, {"date", "as stored"}, {"#", "no"}});
    EXPECT_EQ(SubstituteFields("{Name} {date} {#:000} {time}", record, values),
              "Ann as stored 007 14:05");
    QStringList missing;
    EXPECT_EQ(SubstituteFields("{Zip} {date+1:dd.MM.}", Fields({}), values, &missing),
              "{Zip?} 01.04.");
    EXPECT_EQ(missing, QStringList{"Zip"});
    // Without a source only the built-in fields change; everything else stays as typed.
    EXPECT_EQ(SubstituteBuiltInFields("{{Name}} {Name} {date:yyyy} No. {#}", values),
              "{{Name}} {Name} 2026 No. 7");
    EXPECT_EQ(SubstituteBuiltInFields("no fields }} at all", values), "no fields }} at all");
    // The panel does not mark a built-in field as missing.
    const auto runs = MissingFieldRuns("{date:dd} {Zip} {#:00}", [](const QString&) { return false; });
    ASSERT_EQ(runs.size(), 3);
    EXPECT_EQ(runs[0].text, "{date:dd} ");
    EXPECT_EQ(runs[1].text, "{Zip?}");
    EXPECT_TRUE(runs[1].marked);
}
