#include "storage/TableSchemas.h"
#include "storage/TemplateTable.h"
#include "storage/dbf/Table.h"
#include "support/TestData.h"
#include "templates/GlabelsTemplateFile.h"
#include "templates/LibreOfficeLabelsFile.h"
#include "templates/SheetRules.h"
#include "templates/TemplateImport.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>

#include <iostream>

#include <gtest/gtest.h>

namespace {
const LabelTemplate* Named(const ReadTemplates& read, const QString& prefix) {
    for (const LabelTemplate& t : read.templates)
        if (t.name.startsWith(prefix))
            return &t;
    return nullptr;
}
} // namespace

TEST(TemplateFiles, GlabelsLengthsInEveryUnit) {
    double inches = 0;
    const std::pair<const char*, double> cases[] = {
        {"2.625in", 2.625}, {"25.4mm", 1}, {"2.54cm", 1}, {"36pt", 0.5}, {"72", 1},
        {"6pc", 1},         {".5in", 0.5}, {" 1in ", 1},  {"0", 0},
    };
    for (const auto& [text, expected] : cases) {
        ASSERT_TRUE(GlabelsTemplateFile::ParseLength(text, inches)) << text;
        EXPECT_NEAR(inches, expected, 1e-9) << text;
    }
    for (const char* bad : {"in", "2 furlongs", "", "1.2.3mm", "nan"})
        EXPECT_FALSE(GlabelsTemplateFile::ParseLength(bad, inches)) << bad;
}

TEST(TemplateFiles, GlabelsShapesPapersLayoutsAndEquivalents) {
    const QByteArray xml = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Avery" part="5160" size="US-Letter" _description="Address Labels">
    <Meta category="label"/><Meta category="mail"/>
    <Label-rectangle id="0" width="189pt" height="72pt" round="5pt">
      <Markup-margin size="9pt"/>
      <Layout nx="3" ny="10" x0="11.25pt" y0="36pt" dx="200.25pt" dy="72pt"/>
    </Label-rectangle>
  </Template>
  <Template brand="Avery" part="5260" equiv="5160"/>
  <Template brand="Avery" part="8160" equiv="5160"/>
  <Template brand="Avery" part="9999" equiv="1234"/>
  <Template brand="Herma" part="5066" size="A4" description="Round labels">
    <Label-round id="0" radius="20mm" waste="1mm">
      <Layout nx="4" ny="6" x0="7.5mm" y0="13.5mm" dx="50mm" dy="45mm"/>
    </Label-round>
  </Template>
  <Template brand="Avery" part="5931" size="US-Letter" _description="CD/DVD Labels">
    <Label-cd id="0" radius="2.3125in" hole="0.8125in">
      <Markup-margin size="0.0625in"/>
      <Layout nx="1" ny="1" x0="1.9375in" y0="0.6875in" dx="0" dy="0"/>
      <Layout nx="1" ny="1" x0="1.9375in" y0="5.6875in" dx="0" dy="0"/>
    </Label-cd>
  </Template>
  <Template brand="Dymo" part="11352" size="Other" width="25mm" height="54mm" _description="Return Address Labels">
    <Label-rectangle id="0" width="25mm" height="54mm" round="0pt">
      <Layout nx="1" ny="1" x0="0pt" y0="0pt" dx="25mm" dy="54mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="E1" size="A4" _description="Oval labels">
    <Label-ellipse id="0" width="2cm" height="1cm">
      <Layout nx="2" ny="2" x0="1cm" y0="1cm" dx="2.5cm" dy="1.5cm"/>
    </Label-ellipse>
  </Template>
  <Template brand="Acme" part="WIDE" size="A4" _description="Too wide">
    <Label-rectangle id="0" width="150mm" height="20mm" round="0">
      <Layout nx="2" ny="1" x0="0" y0="0" dx="150mm" dy="0"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="OVER" size="US-Letter" _description="Overlapping">
    <Label-rectangle id="0" width="2in" height="1in" round="0">
      <Layout nx="3" ny="1" x0="0" y0="0" dx="1.5in" dy="0"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="BAD" size="US-Letter" _description="Broken">
    <Label-rectangle id="0" width="2 inches" height="1in" round="0">
      <Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="LAND" size="US-Letter" _description="Landscape sheet">
    <Label-rectangle id="0" width="5in" height="8in" round="0">
      <Layout nx="2" ny="1" x0="0.25in" y0="0.25in" dx="5.5in" dy="0"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>
)";
    const ReadTemplates read = GlabelsTemplateFile::Read(xml);
    ASSERT_FALSE(read.Failed()) << read.error.toStdString();

    const LabelTemplate* avery = Named(read, "Avery 5160 Address Labels");
    ASSERT_TRUE(avery);
    EXPECT_EQ(avery->brand, "Avery");
    EXPECT_EQ(avery->partNumber, "5160");
    EXPECT_EQ(avery->equivalents, "Avery 5260, 8160");
    EXPECT_EQ(avery->category, "address");
    const SheetGeometry& g = avery->geometry;
    EXPECT_EQ(g.paperSize, "LTR");
    EXPECT_EQ(g.labelShape, "RR");
    EXPECT_FLOAT_EQ(g.labelWidth, 2.625f);
    EXPECT_FLOAT_EQ(g.labelHeight, 1.0f);
    EXPECT_EQ(g.labelsAcross, 3);
    EXPECT_EQ(g.labelsDown, 10);
    EXPECT_FLOAT_EQ(g.leftMargin, 0.15625f);
    EXPECT_FLOAT_EQ(g.topMargin, 0.5f);
    EXPECT_FLOAT_EQ(g.horizontalPitch, 2.78125f);
    EXPECT_FLOAT_EQ(g.verticalPitch, 1.0f);

    const LabelTemplate* round = Named(read, "Herma 5066");
    ASSERT_TRUE(round);
    EXPECT_EQ(round->geometry.labelShape, "RE");
    EXPECT_EQ(round->geometry.paperSize, "A4");
    EXPECT_NEAR(round->geometry.labelWidth, 40 / 25.4, 1e-6);
    EXPECT_EQ(round->category, "round");

    // A CD keeps its outer circle and the first of its layouts, and the note says so.
    const LabelTemplate* cd = Named(read, "Avery 5931");
    ASSERT_TRUE(cd);
    EXPECT_EQ(cd->geometry.labelShape, "RE");
    EXPECT_FLOAT_EQ(cd->geometry.labelWidth, 4.625f);
    EXPECT_EQ(cd->geometry.labelsDown, 1);
    EXPECT_EQ(cd->category, "CD/DVD");
    ASSERT_EQ(read.notes.size(), 1);
    EXPECT_TRUE(read.notes[0].startsWith("Avery 5931 CD/DVD Labels: a sheet of 2 layouts"));

    // One label the size of its page: a label printer's roll.
    const LabelTemplate* dymo = Named(read, "Dymo 11352");
    ASSERT_TRUE(dymo);
    EXPECT_EQ(dymo->geometry.paperSize, "ROLL");
    EXPECT_NEAR(dymo->geometry.sheetWidth, 25 / 25.4, 1e-6);
    EXPECT_NEAR(dymo->geometry.sheetHeight, 54 / 25.4, 1e-6);
    EXPECT_EQ(dymo->category, "return address");

    const LabelTemplate* oval = Named(read, "Acme E1");
    ASSERT_TRUE(oval);
    EXPECT_EQ(oval->geometry.labelShape, "RE");
    EXPECT_NEAR(oval->geometry.horizontalPitch, 1 / 1.016, 1e-6);

    // Labels that only fit across the paper turned on its side.
    const LabelTemplate* land = Named(read, "Acme LAND");
    ASSERT_TRUE(land);
    EXPECT_EQ(land->geometry.paperSize, "LTRL");

    QStringList skipped;
    for (const auto& s : read.skipped)
        skipped << s.name + ": " + s.reason;
    EXPECT_EQ(read.templates.size(), 6);
    ASSERT_EQ(skipped.size(), 4) << skipped.join('\n').toStdString();
    EXPECT_TRUE(skipped.filter("Avery 9999: the same sheet as Avery 1234").size() == 1);
    EXPECT_TRUE(skipped.filter("Acme WIDE Too wide: The labels do not fit on the paper").size() == 1);
    EXPECT_TRUE(skipped.filter("Acme OVER Overlapping: The labels overlap").size() == 1);
    EXPECT_TRUE(skipped.filter("Acme BAD Broken: width=\"2 inches\" is not a length").size() == 1);
}

TEST(TemplateFiles, LibreOfficeSheetsAndRolls) {
    const QByteArray xml = R"(<?xml version='1.0' encoding='UTF-8'?>
<manufacturers>
<manufacturer name="Tower">
    <label id="L0"><name>CIL-W100 Mailing Label</name>
        <measure>S;7000;3700;7000;3700;0;0;3;8;21000;29700</measure></label>
    <label id="L1"><name>4144 Address</name>
        <measure>C;6604;2540;6350;2381;2159;0;3;1;23876;2540</measure></label>
    <label id="L2"><name>Odd paper</name>
        <measure>S;5000;3000;5000;3000;0;0;2;3;10000;9000</measure></label>
    <label id="L3"><name>Broken</name><measure>S;1;2;3</measure></label>
    <label id="L4"><name>Letter sheet</name>
        <measure>S;10795;2540;10160;2540;476;1270;2;10;21590;27940</measure></label>
</manufacturer>
</manufacturers>)";
    const ReadTemplates read = LibreOfficeLabelsFile::Read(xml);
    ASSERT_FALSE(read.Failed());
    ASSERT_EQ(read.templates.size(), 4);
    const LabelTemplate& a4 = read.templates[0];
    EXPECT_EQ(a4.name, "Tower CIL-W100 Mailing Label");
    EXPECT_EQ(a4.brand, "Tower");
    EXPECT_EQ(a4.partNumber, "CIL-W100");
    EXPECT_EQ(a4.geometry.paperSize, "A4");
    EXPECT_NEAR(a4.geometry.labelWidth, 70 / 25.4, 1e-6);
    EXPECT_EQ(a4.geometry.labelsAcross, 3);
    EXPECT_EQ(a4.geometry.labelsDown, 8);
    EXPECT_EQ(a4.category, "address");

    const LabelTemplate& roll = read.templates[1];
    EXPECT_EQ(roll.geometry.paperSize, "ROLL");
    EXPECT_NEAR(roll.geometry.sheetWidth, 238.76 / 25.4, 1e-6);
    EXPECT_NEAR(roll.geometry.sheetHeight, 1.0, 1e-6);
    EXPECT_EQ(roll.geometry.labelsDown, 1);
    EXPECT_EQ(SheetRules::Problem(roll.geometry), "");

    EXPECT_EQ(read.templates[2].geometry.paperSize, "USER");
    EXPECT_NEAR(read.templates[2].geometry.sheetHeight, 90 / 25.4, 1e-6);
    EXPECT_EQ(read.templates[3].geometry.paperSize, "LTR");
    ASSERT_EQ(read.skipped.size(), 1);
    EXPECT_EQ(read.skipped[0].name, "Tower Broken");
}

TEST(TemplateFiles, AFileOfAnotherKindIsRefusedWithAReason) {
    EXPECT_EQ(GlabelsTemplateFile::Read("<html><body/></html>").error,
              "This is not a gLabels template file");
    EXPECT_EQ(LibreOfficeLabelsFile::Read("not xml at all").error,
              "This is not a LibreOffice label file");
    const ReadTemplates cut = GlabelsTemplateFile::Read("<Glabels-templates><Template brand=");
    EXPECT_TRUE(cut.error.startsWith("The template file is damaged at line 1")) << cut.error.toStdString();
    EXPECT_TRUE(cut.templates.isEmpty());
}

TEST(TemplateFiles, LongListsOfEquivalentsAreCutAfterAWholePartNumber) {
    QStringList parts;
    for (int i = 0; i < 60; ++i)
        parts << QString::number(10000 + i);
    const QString fitted = ReadTemplates::FittedEquivalents("Avery " + parts.join(", "));
    EXPECT_LE(fitted.toUtf8().size(), 254);
    EXPECT_GT(fitted.size(), 240);
    EXPECT_TRUE(fitted.endsWith(parts.value(fitted.count(',')))) << fitted.toStdString();
    EXPECT_EQ(ReadTemplates::FittedEquivalents("Avery 5260, 5960"), "Avery 5260, 5960");
}

TEST(TemplateFiles, SheetRulesRefuseWhatCannotPrint) {
    SheetGeometry g{1, 2.625f, 3, 10, 0.5f, 0.15625f, 2.78125f, 1, "LTR", "RR"};
    EXPECT_EQ(SheetRules::Problem(g), "");
    SheetGeometry wide = g;
    wide.labelsAcross = 4;
    EXPECT_TRUE(SheetRules::Problem(wide).startsWith("The labels do not fit on the paper"));
    SheetGeometry tall = g;
    tall.paperSize = "A5";
    EXPECT_TRUE(SheetRules::Problem(tall).contains("from the left edge")) << SheetRules::Problem(tall).toStdString();
    SheetGeometry overlap = g;
    overlap.verticalPitch = 0.9f;
    EXPECT_TRUE(SheetRules::Problem(overlap).startsWith("The labels overlap"));
    overlap.labelsDown = 1; // a single row has no neighbour below
    EXPECT_EQ(SheetRules::Problem(overlap), "");
    SheetGeometry none = g;
    none.labelWidth = 0;
    EXPECT_EQ(SheetRules::Problem(none), "The label has no size");
    SheetGeometry user = g;
    user.paperSize = "USER";
    EXPECT_EQ(SheetRules::Problem(user), "The paper has no size");
    user.sheetWidth = 8.5f;
    user.sheetHeight = 11;
    EXPECT_EQ(SheetRules::Problem(user), "");
    SheetGeometry many = g;
    many.labelsDown = 100;
    EXPECT_TRUE(SheetRules::Problem(many).startsWith("The labels across and down"));
}

// The template files Debian installs (copies in tests/data/templates): every entry of every
// file is either imported or skipped with a reason, into a catalogue without them.
TEST(TemplateFiles, ImportsTheFilesDebianInstalls) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("QVLTPL.DBF");
    dbf::Table::create(path.toStdString(), TemplateTableFields());
    dbf::Table::open(path.toStdString())
        ->createIndexTag(TemplateTableTag, TemplateTableTagExpression);
    QString message;
    auto table = TemplateTable::Open(dir.path(), message);
    ASSERT_TRUE(table) << message.toStdString();

    int imported = 0, files = 0, notes = 0;
    QMap<QString, int> reasons;
    const QDir glabels(TestDataPath("templates/glabels"));
    const QStringList names = glabels.entryList({"*-templates.xml"}, QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 30);
    for (const QString& name : names) {
        const TemplateImport::Outcome outcome =
            TemplateImport::ImportFile(glabels.filePath(name), *table);
        ASSERT_TRUE(outcome.error.isEmpty()) << outcome.error.toStdString();
        ++files;
        imported += int(outcome.imported.size());
        notes += int(outcome.notes.size());
        for (const auto& s : outcome.skipped)
            ++reasons[s.reason.section(':', 0, 0)];
    }
    std::cout << "gLabels: " << files << " files, " << imported << " imported, " << notes
              << " of several layouts kept their first\n";
    for (auto it = reasons.cbegin(); it != reasons.cend(); ++it)
        std::cout << "  skipped " << it.value() << ": " << it.key().toStdString() << "\n";
    EXPECT_GE(imported, 1100);
    EXPECT_EQ(table->RecordCount(), quint32(imported));
    // A second import of the same file stores nothing and says why.
    const TemplateImport::Outcome again =
        TemplateImport::ImportFile(glabels.filePath("avery-us-templates.xml"), *table);
    EXPECT_TRUE(again.imported.isEmpty());
    ASSERT_FALSE(again.skipped.isEmpty());
    EXPECT_EQ(again.skipped.first().reason, TemplateImport::AlreadyPresent);
    EXPECT_EQ(table->RecordCount(), quint32(imported));

    const TemplateImport::Outcome lo =
        TemplateImport::ImportFile(TestDataPath("templates/labels.xml"), *table);
    ASSERT_TRUE(lo.error.isEmpty()) << lo.error.toStdString();
    QMap<QString, int> loReasons;
    for (const auto& s : lo.skipped)
        ++loReasons[s.reason.section(':', 0, 0)];
    std::cout << "LibreOffice: " << lo.imported.size() << " imported, " << lo.skipped.size()
              << " skipped\n";
    for (auto it = loReasons.cbegin(); it != loReasons.cend(); ++it)
        std::cout << "  skipped " << it.value() << ": " << it.key().toStdString() << "\n";
    EXPECT_GE(lo.imported.size(), 1500);
    EXPECT_EQ(lo.imported.size() + lo.skipped.size(), 1981);
    int rolls = 0;
    for (table->First(); !table->Eof(); table->Next()) {
        const LabelTemplate t = table->Current();
        EXPECT_TRUE(t.userDefined);
        EXPECT_EQ(SheetRules::Problem(t.geometry), "") << t.name.toStdString();
        rolls += t.geometry.paperSize == "ROLL";
    }
    EXPECT_GE(rolls, 150);
    // A file of another kind: a clear message, nothing stored.
    const TemplateImport::Outcome other =
        TemplateImport::ImportFile(TestDataPath("templates/SOURCES.md"), *table);
    EXPECT_TRUE(other.error.contains("is not a template file"));
    EXPECT_TRUE(other.Summary("SOURCES.md").contains("gLabels template files (*-templates.xml)"));
}
