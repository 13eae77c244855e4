#include "storage/TemplateTable.h"
#include "templates/TemplateEditorRules.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every shipped stock sheet must be one the template editor itself would accept, so that
// "New" (a copy) and saving it never fail on a stock geometry.
TEST(StockTemplates, EveryStockSheetPassesTheEditorsChecks) {
    QTemporaryDir dir;
    QString message;
    auto table = TemplateTable::Open(dir.path(), message);
    ASSERT_TRUE(table) << message.toStdString();
    int rows = 0;
    QStringList names;
    for (table->First(); !table->Eof(); table->Next(), ++rows) {
        const LabelTemplate t = table->Current();
        SCOPED_TRACE(t.name.toStdString());
        EXPECT_EQ(TemplateEditorRules::ValidLabel(t.geometry, t.name), "");
        EXPECT_TRUE(TemplateEditorRules::CountsInRange(t.geometry));
        EXPECT_FALSE(t.userDefined);
        EXPECT_TRUE(TemplateEditorRules::PaperSizeCodes().contains(t.geometry.paperSize));
        EXPECT_TRUE(TemplateEditorRules::LabelShapeCodes().contains(t.geometry.labelShape));
        // The whole name fits the field (nothing was cut when it was written).
        EXPECT_LE(t.name.toUtf8().size(), TemplateTable::NameWidth);
        EXPECT_FALSE(names.contains(t.name, Qt::CaseInsensitive));
        names << t.name;
        // The labels lie on the paper.
        const double paperWidth = t.geometry.paperSize == "A4" ? 210 / 25.4 : 8.5;
        const double paperHeight = t.geometry.paperSize == "A4" ? 297 / 25.4 : 11.0;
        const SheetGeometry& g = t.geometry;
        EXPECT_LE(g.leftMargin + (g.labelsAcross - 1) * g.horizontalPitch + g.labelWidth,
                  paperWidth + 0.01);
        EXPECT_LE(g.topMargin + (g.labelsDown - 1) * g.verticalPitch + g.labelHeight,
                  paperHeight + 0.01);
    }
    EXPECT_GE(rows, 60);
    for (const char* kind : {"Address", "Return Address", "Shipping", "File Folder", "Name Badge",
                             "CD/DVD", "Round", "Square", "Oval"})
        EXPECT_FALSE(names.filter(kind).isEmpty()) << kind;
}
