#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "RenderProbe.h"
#include "printing/AlignmentTestSheet.h"
#include "printing/PaperChoice.h"
#include "printing/SheetRenderer.h"
#include "printing/TReportImage.h"
#include "printing/TReportPdfWriter.h"
#include "support/StoredLabels.h"
#include "support/TestData.h"

namespace {

constexpr int kDpi = 200;

QImage DrawSheet(const SheetGeometry& geometry) {
    AlignmentTestSheet sheet;
    sheet.Geometry = geometry;
    sheet.TemplateName = QStringLiteral("Address 1 x 2-5/8 (30)");
    sheet.PrinterName = QStringLiteral("PDF");
    TReportImage image(kDpi);
    SheetRenderer::SetUpEngine(image);
    PaperChoice::Apply(image, geometry.paperSize);
    image.OnPrint = [&sheet](TBaseReport& report) { sheet.Draw(report); };
    image.Execute();
    return RenderProbe::ToRgb32(image.Pages().at(0));
}

QRect Inches(double left, double top, double right, double bottom) {
    return QRect(QPoint(qRound(left * kDpi), qRound(top * kDpi)),
                 QPoint(qRound(right * kDpi), qRound(bottom * kDpi)));
}

} // namespace

// Each ruler crosses its edge in the middle, so the two rulers of a label never print over
// each other: outside the corners there is nothing but the outline.
TEST(AlignmentTestSheet, RulersCrossTheEdgesApartFromEachOther) {
    const SheetGeometry g{1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "SR"};
    const QImage page = DrawSheet(g);
    if (const QString folder = PictureOutputDir(); !folder.isEmpty())
        page.save(QDir(folder).filePath(QStringLiteral("alignment-test-sheet-corner.png")));
    const double left = g.leftMargin, top = g.topMargin;
    const double right = left + 2 * g.horizontalPitch + g.labelWidth;
    const double bottom = top + 9 * g.verticalPitch + g.labelHeight;
    // The empty corners outside the first and the last label.
    EXPECT_TRUE(
        RenderProbe::InkBox(page, Inches(left - 0.3, top - 0.3, left - 0.02, top - 0.02)).isNull());
    EXPECT_TRUE(
        RenderProbe::InkBox(page, Inches(right + 0.02, bottom + 0.02, right + 0.3, bottom + 0.3))
            .isNull());
    // Ticks across the middle of each edge, on both sides of it.
    for (const QRect& ruler : {Inches(left - 0.25, top + 0.35, left - 0.01, top + 0.65),
                               Inches(left + 0.01, top + 0.35, left + 0.3, top + 0.65),
                               Inches(left + 1.16, top - 0.25, left + 1.46, top - 0.01),
                               Inches(right + 0.01, bottom - 0.65, right + 0.25, bottom - 0.35),
                               Inches(right - 1.46, bottom + 0.01, right - 1.16, bottom + 0.25)})
        EXPECT_FALSE(RenderProbe::InkBox(page, ruler).isNull()) << ruler.x() << "," << ruler.y();
}

// The caption writes the corrections as the locale writes numbers.
TEST(AlignmentTestSheet, CaptionWritesTheLocalesNumbers) {
    struct Restore {
        QLocale previous;
        ~Restore() { QLocale::setDefault(previous); }
    } restore;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("test-sheet.pdf"));
    AlignmentTestSheet sheet;
    sheet.Geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, "LTR", "SR"};
    sheet.PrinterName = QStringLiteral("PDF");
    sheet.Alignment.OffsetX = 0.125;
    {
        TReportPdfWriter writer(pdf);
        SheetRenderer::SetUpEngine(writer);
        PaperChoice::Apply(writer, sheet.Geometry.paperSize);
        writer.OnPrint = [&sheet](TBaseReport& report) { sheet.Draw(report); };
        writer.Execute();
    }
    const QString text = PdfText(pdf).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("horizontal +0,125 in (+3,17 mm)")))
        << text.toStdString();
}
