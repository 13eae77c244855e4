#include "document/PaperSizes.h"
#include "storage/TemplateTable.h"
#include "templates/SheetRules.h"
#include "templates/TemplateEditorRules.h"

#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

namespace {
// Two sheets print alike when their layouts agree to 1/100 in.
QString LayoutKey(const SheetGeometry& g) {
    const auto r = [](double v) { return QString::number(std::lround(v * 100)); };
    return QStringList{g.paperSize,       r(g.sheetWidth),  r(g.sheetHeight),     g.labelShape,
                       r(g.labelWidth),   r(g.labelHeight), r(g.labelsAcross),    r(g.labelsDown),
                       r(g.leftMargin),   r(g.topMargin),   r(g.horizontalPitch), r(g.verticalPitch)}
        .join('|');
}
} // namespace

// Every shipped sheet keeps the sheet rules (labels of a size, on their paper, not
// overlapping), carries its maker and part number, and is listed once.
TEST(StockTemplates, EveryStockSheetKeepsTheSheetRules) {
    QTemporaryDir dir;
    QString message;
    auto table = TemplateTable::Open(dir.path(), message);
    ASSERT_TRUE(table) << message.toStdString();
    int rows = 0;
    QSet<QString> names, layouts, brands, parts, categories, papers;
    for (table->First(); !table->Eof(); table->Next(), ++rows) {
        const LabelTemplate t = table->Current();
        SCOPED_TRACE(t.name.toStdString());
        const SheetGeometry& g = t.geometry;
        EXPECT_EQ(SheetRules::Problem(g), "");
        EXPECT_FALSE(t.userDefined);
        EXPECT_GE(PaperSizes::IndexOf(g.paperSize), 0);
        EXPECT_TRUE(TemplateEditorRules::LabelShapeCodes().contains(g.labelShape));
        EXPECT_EQ(PaperSizes::SizeIsStored(g.paperSize), g.sheetWidth > 0);
        // Independently of the rules' own arithmetic: the last label's far corner lies on the
        // paper, to the rounding of the published figures.
        const QSizeF paper = PaperSizes::Inches(g);
        ASSERT_FALSE(paper.isEmpty());
        EXPECT_LE(g.leftMargin + (g.labelsAcross - 1) * g.horizontalPitch + g.labelWidth,
                  paper.width() + 0.01);
        EXPECT_LE(g.topMargin + (g.labelsDown - 1) * g.verticalPitch + g.labelHeight,
                  paper.height() + 0.01);
        EXPECT_LE(t.name.toUtf8().size(), TemplateTable::NameWidth);
        EXPECT_FALSE(names.contains(t.name.toUpper()));
        names.insert(t.name.toUpper());
        EXPECT_FALSE(t.brand.isEmpty());
        EXPECT_FALSE(t.partNumber.isEmpty());
        EXPECT_TRUE(t.name.startsWith(t.brand + ' ' + t.partNumber));
        EXPECT_FALSE(t.category.isEmpty());
        layouts.insert(LayoutKey(g));
        brands.insert(t.brand.toUpper());
        parts.insert((t.brand + ' ' + t.partNumber).toUpper());
        // "Avery 5260, 5960; Herma 4677": every part number named with its maker.
        for (const QString& group : t.equivalents.split("; ", Qt::SkipEmptyParts)) {
            const QString brand = group.section(' ', 0, 0);
            for (const QString& part : group.section(' ', 1).split(", ", Qt::SkipEmptyParts))
                parts.insert((brand + ' ' + part).toUpper());
        }
        categories.insert(t.category);
        papers.insert(g.paperSize);
    }
    std::cout << rows << " stock templates, " << layouts.size() << " layouts that differ, "
              << brands.size() << " brands, " << parts.size() << " part numbers\n";
    EXPECT_GE(rows, 1000);
    EXPECT_GE(brands.size(), 60);
    EXPECT_GE(parts.size(), 1600);
    for (const char* category : {"address", "return address", "shipping", "file folder",
                                 "name badge", "business card", "CD/DVD", "round", "square", "oval"})
        EXPECT_TRUE(categories.contains(category)) << category;
    for (const char* paper : {"LTR", "A4", "A5", "A3", "USER", "ROLL"})
        EXPECT_TRUE(papers.contains(paper)) << paper;
}
