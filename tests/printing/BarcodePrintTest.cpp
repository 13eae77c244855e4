#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "ReportRendering.h"
#include "controls/BarcodeSymbol.h"
#include "document/ChosenPositions.h"
#include "printing/BarcodePrint.h"
#include "printing/SheetJob.h"
#include "printing/SheetJobObserver.h"
#include "printing/SheetRenderer.h"
#include "document/PrintItemValue.h"
#include "printing/TLabelPrint.h"
#include "printing/TReportFiler.h"
#include "support/ScriptedPrompter.h"

namespace {

PrintItemValue Barcode(BarcodeSymbology symbology, double width, double height) {
    PrintItemValue item;
    item.kind = LabelItemKind::Barcode;
    item.left = 0.37;
    item.top = 0.61;
    item.width = width;
    item.height = height;
    item.symbology = symbology;
    item.showText = true;
    item.color = 0;
    item.background = 0xFFFFFF;
    return item;
}

// The x of every change between ink and paper along one row of the image, in pixels.
std::vector<int> Edges(const QImage& image, int row) {
    std::vector<int> edges;
    bool ink = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool dark = qGray(image.pixel(x, row)) < 128;
        if (dark != ink)
            edges.push_back(x);
        ink = dark;
    }
    return edges;
}

SheetGeometry OneAcross(int down) {
    SheetGeometry geometry;
    geometry.labelsAcross = 1;
    geometry.labelsDown = down;
    geometry.horizontalPitch = 4.0f;
    geometry.verticalPitch = 1.0f;
    geometry.labelWidth = 4.0f;
    geometry.labelHeight = 1.0f;
    return geometry;
}

} // namespace

// At 600 dpi every bar edge lies within one device dot of Zint's geometry, on paper and in
// the preview stream alike: the bars are filled rectangles, not a scaled bitmap.
TEST(BarcodePrint, BarEdgesLieWithinOneDotOfZintsGeometryAt600Dpi) {
    for (auto [symbology, data] : {std::pair{BarcodeSymbology::Code128, "Quorvane-42"},
                                   std::pair{BarcodeSymbology::Ean, "5901234123457"},
                                   std::pair{BarcodeSymbology::Itf14, "1234567890123"}}) {
        SCOPED_TRACE(BarcodeSymbologyName(symbology).toStdString());
        const PrintItemValue item = Barcode(symbology, 2.713, 0.9);
        const BarcodeDrawing drawing = BarcodeSymbol::Make(symbology, data, true, {2.713, 0.9});
        ASSERT_TRUE(drawing.ok()) << drawing.error.toStdString();
        const auto draw = [&](TBaseReport& report) {
            EXPECT_EQ(BarcodePrint::Draw(report, item, data), "");
        };
        const QImage paper = ReportRendering::ToImage(600, draw);
        const QImage replayed =
            ReportRendering::ReplayPage(ReportRendering::ToStream(600, draw), 0, 600);
        // A row through the middle of the tallest bar, clear of ITF-14's bearer bars.
        QRectF tallest = drawing.bars.front();
        for (const QRectF& bar : drawing.bars)
            if (bar.height() > tallest.height())
                tallest = bar;
        const double y = tallest.center().y();
        const int row = qRound((item.top + y) * 600);
        // Bars that touch make one stretch of ink.
        std::vector<std::pair<double, double>> runs;
        for (const QRectF& bar : drawing.bars)
            if (bar.top() < y && bar.bottom() > y)
                runs.push_back({bar.left(), bar.right()});
        std::sort(runs.begin(), runs.end());
        std::vector<double> expected;
        for (const auto& [left, right] : runs) {
            if (!expected.empty() && left <= (expected.back() / 600 - item.left) + 1e-9) {
                expected.back() = (item.left + right) * 600;
                continue;
            }
            expected.push_back((item.left + left) * 600);
            expected.push_back((item.left + right) * 600);
        }
        for (const QImage& image : {paper, replayed}) {
            const std::vector<int> edges = Edges(image, row);
            ASSERT_EQ(edges.size(), expected.size());
            for (size_t i = 0; i < edges.size(); ++i)
                EXPECT_LE(std::abs(edges[i] - expected[i]), 1.0) << i;
        }
        EXPECT_EQ(paper, replayed);
    }
}

TEST(BarcodePrint, MatrixSymbolsKeepSquareModulesCentredInTheBox) {
    const BarcodeDrawing qr = BarcodeSymbol::Make(BarcodeSymbology::QrCode, "hello", true, {2, 1});
    ASSERT_TRUE(qr.ok());
    QRectF bounds;
    for (const QRectF& bar : qr.bars)
        bounds |= bar;
    EXPECT_NEAR(bounds.center().x(), 1.0, 0.01);
    EXPECT_LE(bounds.height(), 1.0 + 1e-9);
    EXPECT_GT(bounds.height(), 0.7); // the box's height less the quiet zones
    EXPECT_NEAR(bounds.width(), bounds.height(), 1e-6);
    EXPECT_TRUE(qr.texts.isEmpty()); // Zint prints no line under matrix symbols
}

// Invalid data never gives a barcode: the label shows the placeholder, the status window one
// warning line with Zint's reason, however many labels carry it.
TEST(BarcodePrint, DataThatCannotBeEncodedPrintsThePlaceholderAndOneWarningLine) {
    SheetJob job;
    job.Label.geometry = OneAcross(3);
    job.ObjectsText =
        "LABELITEM=BARCODE\nTOP=0.1\nLEFT=0.1\nWIDTH=2\nHEIGHT=0.5\nSYMBOLOGY=EANX\n"
        "DATA=590123412345A\nSHOWTEXT=Y\nCOLOR=0\nBACKGROUND=16777215\nNOTHING=NOTHING\n";
    // The lines an observer of the same job hears: one, however many labels carry it.
    struct Warnings : SheetJobObserver {
        void DrawingWarning(const QString& warning) override { warned << warning; }
        void LabelWarning(const QString& line) override { lines << line; }
        QStringList warned;
        QStringList lines;
    } observer;
    TReportFiler probe;
    probe.SelectPaper(1);
    QBuffer discard;
    discard.open(QIODevice::WriteOnly);
    probe.Stream = &discard;
    SheetRenderer probeRenderer(job, &observer);
    probe.OnPrint = [&probeRenderer](TBaseReport& report) { probeRenderer.PrintLabels(report); };
    probe.Execute();
    const QStringList warned = observer.warned;

    TLabelPrint print(job, false);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    TReportFiler& filer = *print.LabelReportFiler;
    filer.SetResolution(300);
    filer.SelectPaper(1);
    filer.Stream = &buffer;
    {
        ScriptedPrompter prompter;
        print.FormActivate();
    }

    const QString zint = BarcodeSymbol::Validate(BarcodeSymbology::Ean, "590123412345A");
    ASSERT_FALSE(zint.isEmpty());
    ASSERT_EQ(warned.size(), 1);
    // Besides, each label's own line, naming the label.
    ASSERT_EQ(observer.lines.size(), 3);
    EXPECT_EQ(observer.lines[0], warned[0]);
    EXPECT_TRUE(observer.lines[2].startsWith("Label 3: barcode not printed: "))
        << observer.lines[2].toStdString();
    EXPECT_EQ(print.DrawingWarning(), warned[0]);
    EXPECT_TRUE(print.DrawingWarning().contains(zint)) << print.DrawingWarning().toStdString();
    EXPECT_FALSE(print.WarningText->isHidden());
    EXPECT_GE(print.CancelButton->y(), print.WarningText->geometry().bottom());
    // Kept for a person to look at.
    QString shots = qEnvironmentVariable("QV_SHOT_DIR");
    if (shots.isEmpty())
        shots = QDir::temp().filePath(QStringLiteral("quorvane-shots"));
    QDir().mkpath(shots);
    print.StatusText->setText(QStringLiteral("\nLabel Preview Ready!"));
    print.grab().save(QDir(shots).filePath(QStringLiteral("status-with-warning.png")));
    const auto pages = RecordingSurface::Pages(bytes);
    ASSERT_EQ(pages.size(), 1u);
    // Per label: the background, the frame and the cross; the two lines of the placeholder.
    EXPECT_EQ(pages[0].Shapes, 3 * 4);
    EXPECT_EQ(pages[0].TextList().count(QStringLiteral("Invalid barcode data")), 3);
    EXPECT_EQ(pages[0].TextList().count(zint), 3);
}

// "{#}" is the number the label's counter prints, also when the counter is drawn first.
TEST(BarcodePrint, TheCounterFieldIsTheLabelsCounterValue) {
    SheetJob job;
    job.Label.geometry = OneAcross(3);
    job.ObjectsText =
        "LABELITEM=COUNTER\nTOP=0.1\nLEFT=3\nFONTSIZE=10\nFONTNAME=Arial\nSTARTINGNUMBER=7\n"
        "REPEATEACH=1\nLABELITEM=BARCODE\nTOP=0.1\nLEFT=0.1\nWIDTH=2\nHEIGHT=0.5\n"
        "SYMBOLOGY=CODE128\nDATA=A{#}-{Room}\nSHOWTEXT=Y\nCOLOR=0\nBACKGROUND=16777215\n";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    TReportFiler filer;
    filer.SelectPaper(1);
    filer.Stream = &buffer;
    SheetRenderer print(job, nullptr);
    filer.OnPrint = [&print](TBaseReport& report) { print.PrintLabels(report); };
    filer.Execute();
    const auto pages = RecordingSurface::Pages(bytes);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].TextList(),
              QStringList({"7", "A7-{Room?}", "8", "A8-{Room?}", "9", "A9-{Room?}"}));
    EXPECT_EQ(print.Warning(), "");
}
