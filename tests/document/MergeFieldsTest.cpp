#include "document/MergeFields.h"

#include <gtest/gtest.h>

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
