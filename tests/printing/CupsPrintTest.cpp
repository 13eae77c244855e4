#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "LabelOf.h"
#include "RenderProbe.h"
#include "ReportRendering.h"
#include "document/ChosenPositions.h"
#include "printing/PaperChoice.h"
#include "printing/PrintJobs.h"
#include "printing/PrinterAlignment.h"
#include "printing/TFilePreview.h"
#include "printing/TLabelPrint.h"
#include "printing/TPreviewForm.h"
#include "printing/TReportPrinter.h"
#include "support/ScriptedPrompter.h"
#include <QFile>
#include <QLabel>
#include <QTest>

// End to end through a real CUPS queue: scripts/cups-test-queue.sh sets up the "PDF" queue
// (cups-pdf), whose jobs arrive as PDF files in /tmp/cups-pdf-out.
namespace {

QString QueueName() {
    const QString name = qEnvironmentVariable("QV_CUPS_QUEUE");
    return name.isEmpty() ? QStringLiteral("PDF") : name;
}

QString OutputFolder() {
    const QString dir = qEnvironmentVariable("QV_CUPS_PDF_OUT");
    return dir.isEmpty() ? QStringLiteral("/tmp/cups-pdf-out") : dir;
}

QString WhyNoQueue() {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    if (!lpstat.waitForFinished(10000))
        return QStringLiteral("lpstat is not available");
    if (!QString::fromUtf8(lpstat.readAllStandardOutput()).contains(QStringLiteral("is running")))
        return QStringLiteral("no CUPS scheduler runs; scripts/test.sh starts one with its PDF "
                              "queue when run as root (scripts/cups-test-queue.sh)");
    if (QPrinterInfo::printerInfo(QueueName()).isNull())
        return QStringLiteral("the CUPS queue \"%1\" does not exist; run "
                              "scripts/cups-test-queue.sh as root, or name a cups-pdf queue in "
                              "QV_CUPS_QUEUE")
            .arg(QueueName());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        return QStringLiteral("pdftoppm is not installed (package poppler-utils)");
    return {};
}

// cups-pdf names its files after the job's title, spaces turned to underscores.
QString WaitForNewPdf(const QDateTime& since, const QString& titlePattern) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000) {
        const QFileInfoList files =
            QDir(OutputFolder()).entryInfoList({titlePattern}, QDir::Files, QDir::Time);
        for (const QFileInfo& file : files)
            if (file.lastModified() >= since && file.size() > 0) {
                QThread::msleep(500); // the backend may still be writing
                return file.absoluteFilePath();
            }
        QThread::msleep(200);
    }
    return {};
}

} // namespace

TEST(CupsPrint, SheetPrintedThroughTheQueueLandsWherePositionsSay) {
    const QString why = WhyNoQueue();
    if (!why.isEmpty())
        GTEST_SKIP() << "Skipping the CUPS print test: " << why.toStdString();

    ASSERT_TRUE(TReportPrinter::UsePrinter(QueueName()));
    TReportPrinter printer;
    EXPECT_TRUE(printer.SupportsPaper(1));
    ASSERT_EQ(PaperChoice::Check(printer, QStringLiteral("LTR")), QString());
    PaperChoice::Apply(printer, QStringLiteral("LTR"));
    printer.SetCopies(1);
    printer.Title = QStringLiteral("QV Placement Test");
    printer.OnPrint = [](TBaseReport& report) {
        // A 1-inch square 1 inch from the paper's corner, inside the printable area.
        report.SetOrigin(1, 1);
        report.SetPen(Qt::black, TPenStyle::Clear, 0);
        report.SetBrush(Qt::black, TReportBrushStyle::Solid);
        report.Rectangle(0, 0, 1, 1);
        report.SetPen(Qt::black, TPenStyle::Solid, -3);
        report.MoveTo(3, 0);
        report.LineTo(3, 2); // 0.03 inch wide at x = 4 inches
    };
    EXPECT_EQ(printer.XDpi(), TReportPrinter::Device().resolution());

    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    printer.Execute();
    ASSERT_FALSE(printer.Aborted());

    const QString pdf = WaitForNewPdf(started, QStringLiteral("QV_Placement_Test*.pdf"));
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << OutputFolder().toStdString();
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, stem});
    const QImage page = QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(page.size(), QSize(850, 1100));
    const QRect square = RenderProbe::InkBox(page, QRect(50, 50, 200, 200));
    EXPECT_NEAR(square.left(), 100, 1);
    EXPECT_NEAR(square.top(), 100, 1);
    EXPECT_NEAR(square.right(), 199, 1);
    EXPECT_NEAR(square.bottom(), 199, 1);
    const QRect line = RenderProbe::InkBox(page, QRect(350, 50, 100, 250));
    EXPECT_NEAR(line.center().x(), 400, 1);
    EXPECT_NEAR(line.width(), 3, 1);
}

TEST(CupsPrint, AbandonedDocumentIsNotPrinted) {
    const QString why = WhyNoQueue();
    if (!why.isEmpty())
        GTEST_SKIP() << "Skipping the CUPS print test: " << why.toStdString();
    ASSERT_TRUE(TReportPrinter::UsePrinter(QueueName()));
    TReportPrinter printer;
    printer.Title = QStringLiteral("Abandoned Report");
    printer.OnPrint = [&printer](TBaseReport& report) {
        report.SetPen(Qt::black, TPenStyle::Solid, -3);
        report.MoveTo(1, 1);
        report.LineTo(2, 2);
        printer.AbandonNow();
        report.Abort();
        report.LineTo(3, 1); // after the abandon: ignored
        report.NewPage();
    };
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    printer.Execute();
    EXPECT_TRUE(printer.Aborted());
    QThread::msleep(4000);
    const QFileInfoList files =
        QDir(OutputFolder())
            .entryInfoList({QStringLiteral("Abandoned*.pdf")}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files)
        EXPECT_LT(file.lastModified(), started) << file.fileName().toStdString();
}

TEST(CupsPrint, PrintJobOfTwoSheetsContinuesTheCounterAndPrintsEachSheetOnce) {
    const QString why = WhyNoQueue();
    if (!why.isEmpty())
        GTEST_SKIP() << "Skipping the CUPS print test: " << why.toStdString();
    ASSERT_TRUE(TReportPrinter::UsePrinter(QueueName()));
    SheetGeometry geometry;
    geometry.labelsAcross = 3;
    geometry.labelsDown = 2;
    geometry.topMargin = 0.5f;
    geometry.leftMargin = 0.1875f;
    geometry.horizontalPitch = 2.75f;
    geometry.verticalPitch = 1.0f;
    geometry.paperSize = QStringLiteral("LTR");
    const QString objects = QStringLiteral(
        "LABELITEM=COUNTER\nTOP=0.1\nLEFT=0.1\nWIDTH=1\nHEIGHT=0.3\nFONTSIZE=12\nFONTCOLOR=0\n"
        "ANGLE=0\nFONTNAME=Arial\nFONTBOLD=N\nFONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\n"
        "RELATIVEY=0\nSTARTINGNUMBER=1\nREPEATEACH=1\nNOTHING=NOTHING\n");
    ChosenPositions selection;
    CurrentLabel label;
    label.geometry = geometry;
    LabelOf onScreen(label, objects);
    PrintJobs jobs(nullptr, onScreen, selection);
    jobs.MainReportPrinter().SetCopies(3); // as the print dialog leaves it
    ScriptedPrompter prompter;
    prompter.Then(ScriptedPrompter::Answer::Dialog(true, [](QDialog& dialog) {
        auto& window = static_cast<TLabelPrint&>(dialog);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Print Status"));
        EXPECT_EQ(window.LabelReportPrinter->Title, QStringLiteral("Test Report"));
        // A name of its own, to tell this job's file from others sent to the same queue.
        window.LabelReportPrinter->Title = QStringLiteral("QV Counter Job");
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.RunFinished(), 20000);
        EXPECT_EQ(window.StatusText->text().trimmed(), QStringLiteral("Label Print Completed!"));
    }));
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    EXPECT_EQ(jobs.DoPRint(true, 2), PrintJobs::Outcome::Completed);
    EXPECT_EQ(TReportPrinter::Device().copyCount(), 1);

    const QString pdf = WaitForNewPdf(started, QStringLiteral("QV_Counter_Job*.pdf"));
    ASSERT_FALSE(pdf.isEmpty());
    // The queue's PDF keeps no text (its fonts are redrawn as glyph procedures): compare ink.
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("job"));
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"),
                                                   QStringLiteral("-png"), pdf, stem});
    const QImage first(stem + QStringLiteral("-1.png"));
    const QImage second(stem + QStringLiteral("-2.png"));
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_FALSE(QFile::exists(stem + QStringLiteral("-3.png"))); // two sheets, each once
    const auto counterAt = [](const QImage& page, int row, int column) {
        const int x = qRound((0.1875 + column * 2.75 + 0.1) * 100);
        const int y = qRound((0.5 + row * 1.0 + 0.1) * 100);
        return RenderProbe::InkBox(page.convertToFormat(QImage::Format_RGB32),
                                   QRect(x - 5, y - 20, 60, 40));
    };
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column) {
            EXPECT_FALSE(counterAt(first, row, column).isNull()) << row << column;
            EXPECT_FALSE(counterAt(second, row, column).isNull()) << row << column;
        }
    // Sheet 2 carries on: its second row reads 10, 11, 12, two digits wide.
    EXPECT_GT(counterAt(second, 1, 0).width(), counterAt(first, 1, 0).width() * 3 / 2);
    EXPECT_LT(counterAt(second, 0, 0).width(), counterAt(first, 1, 0).width() * 3 / 2);
}

namespace {

// The printers' corrections as QV.INI would hold them.
class FixedAlignments : public PrinterAlignmentStore {
public:
    PrinterAlignment Read(const QString& printer) const override {
        return printer == QueueName() ? alignment : PrinterAlignment{};
    }
    bool Write(const QString&, const PrinterAlignment& written) override {
        alignment = written;
        return true;
    }
    PrinterAlignment alignment;
};

SheetGeometry AlignmentSheet() {
    SheetGeometry geometry;
    geometry.labelsAcross = 3;
    geometry.labelsDown = 2;
    geometry.topMargin = 0.5f;
    geometry.leftMargin = 0.1875f;
    geometry.horizontalPitch = 2.75f;
    geometry.verticalPitch = 1.0f;
    geometry.labelWidth = 2.625f;
    geometry.labelHeight = 1.0f;
    geometry.paperSize = QStringLiteral("LTR");
    geometry.labelShape = QStringLiteral("RR");
    return geometry;
}

QImage PdfAt(const QString& pdf, int dpi, const QRect& crop = {}) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QStringList arguments{QStringLiteral("-r"),   QString::number(dpi),
                          QStringLiteral("-png"), QStringLiteral("-singlefile"),
                          QStringLiteral("-f"),   QStringLiteral("1"),
                          QStringLiteral("-l"),   QStringLiteral("1")};
    if (!crop.isNull())
        arguments << QStringLiteral("-x") << QString::number(crop.x()) << QStringLiteral("-y")
                  << QString::number(crop.y()) << QStringLiteral("-W")
                  << QString::number(crop.width()) << QStringLiteral("-H")
                  << QString::number(crop.height());
    QProcess::execute(QStringLiteral("pdftoppm"), arguments << pdf << stem);
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The top-left corner of the ink of the box each label draws at its origin, in dots; inkIn
// gives the ink's box inside an area of the page.
std::vector<QPoint> BoxCorners(const std::function<QRect(const QRect&)>& inkIn, double dpi) {
    std::vector<QPoint> corners;
    const SheetGeometry g = AlignmentSheet();
    for (int row = 0; row < g.labelsDown; ++row)
        for (int column = 0; column < g.labelsAcross; ++column) {
            const QPoint near(qRound((g.leftMargin + column * g.horizontalPitch) * dpi),
                              qRound((g.topMargin + row * g.verticalPitch) * dpi));
            const int reach = qRound(0.3 * dpi);
            corners.push_back(
                inkIn(QRect(near - QPoint(reach, reach),
                            QSize(2 * reach + qRound(0.2 * dpi), 2 * reach + qRound(0.1 * dpi))))
                    .topLeft());
        }
    return corners;
}

// Ink of a PDF page rendered at dpi, only the area asked for.
std::function<QRect(const QRect&)> PdfInk(const QString& pdf, int dpi) {
    return [pdf, dpi](const QRect& area) {
        return RenderProbe::InkBox(PdfAt(pdf, dpi, area)).translated(area.topLeft());
    };
}

std::vector<QPoint> ExpectedCorners(const PrinterAlignment& alignment, double dpi) {
    std::vector<QPoint> corners;
    const SheetGeometry g = AlignmentSheet();
    for (int row = 0; row < g.labelsDown; ++row)
        for (int column = 0; column < g.labelsAcross; ++column) {
            const QPointF paper = alignment.ToPaper(QPointF(
                g.leftMargin + column * g.horizontalPitch, g.topMargin + row * g.verticalPitch));
            corners.push_back(QPoint(qRound(paper.x() * dpi), qRound(paper.y() * dpi)));
        }
    return corners;
}

void ExpectCorners(const std::vector<QPoint>& found, const std::vector<QPoint>& wanted,
                   const char* what) {
    ASSERT_EQ(found.size(), wanted.size());
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_NEAR(found[i].x(), wanted[i].x(), 1) << what << " label " << i;
        EXPECT_NEAR(found[i].y(), wanted[i].y(), 1) << what << " label " << i;
    }
}

} // namespace

TEST(CupsPrint, PrinterAlignmentMovesPrinterJobsOnlyAndItsTestSheetPrints) {
    const QString why = WhyNoQueue();
    if (!why.isEmpty())
        GTEST_SKIP() << "Skipping the CUPS print test: " << why.toStdString();
    ASSERT_TRUE(TReportPrinter::UsePrinter(QueueName()));
    const QString objects =
        QStringLiteral("LABELITEM=RECTANGLE\nTOP=0\nLEFT=0\nWIDTH=0.5\nHEIGHT=0.3\nLINECOLOR=0\n"
                       "LINETHICKNESS=0\nCOLOR=0\nBRUSHSTYLE=SOLID\nROUNDING=0\nNOTHING=NOTHING\n");
    ChosenPositions selection;
    CurrentLabel label;
    label.geometry = AlignmentSheet();
    label.templateName = QStringLiteral("Avery 5160");
    FixedAlignments store;
    store.alignment = {0.04, -0.02, 1.01, 1.01};
    LabelOf onScreen(label, objects);
    PrintJobs jobs(nullptr, onScreen, selection);
    jobs.UseAlignmentStore(&store);
    ScriptedPrompter prompter;
    const auto runStatusWindow = [](const QString& title) {
        return ScriptedPrompter::Answer::Dialog(true, [title](QDialog& dialog) {
            auto& window = static_cast<TLabelPrint&>(dialog);
            window.LabelReportPrinter->Title = title;
            window.show();
            QTRY_VERIFY_WITH_TIMEOUT(window.RunFinished(), 20000);
        });
    };

    // Printed: every label's origin moves by the printer's correction, to the device dot.
    prompter.Then(runStatusWindow(QStringLiteral("QV Aligned Job")));
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_EQ(jobs.DoPRint(true, 1), PrintJobs::Outcome::Completed);
    const QString printed = WaitForNewPdf(started, QStringLiteral("QV_Aligned_Job*.pdf"));
    ASSERT_FALSE(printed.isEmpty());
    const int dpi = TReportPrinter::Device().resolution(); // the queue's device dots
    ExpectCorners(BoxCorners(PdfInk(printed, dpi), dpi), ExpectedCorners(store.alignment, dpi),
                  "printed");

    // Exported and previewed: as designed.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("export.pdf"));
    ASSERT_EQ(jobs.ExportPdf(pdf, 1), PrintJobs::Outcome::Completed);
    ExpectCorners(BoxCorners(PdfInk(pdf, dpi), dpi), ExpectedCorners({}, dpi), "exported");
    QByteArray preview;
    prompter.Then(runStatusWindow(QStringLiteral("QV Preview")))
        .Then(ScriptedPrompter::Answer::Dialog(true, [&preview](QDialog& dialog) {
            QIODevice* stream = static_cast<TPreviewForm&>(dialog).FilePreview1->Stream;
            stream->seek(0);
            preview = stream->readAll();
        }));
    ASSERT_EQ(jobs.DoPRint(false, 1), PrintJobs::Outcome::Completed);
    const QImage previewPage = ReportRendering::ReplayPage(preview, 0, 300);
    ExpectCorners(
        BoxCorners([&](const QRect& area) { return RenderProbe::InkBox(previewPage, area); }, 300),
        ExpectedCorners({}, 300), "previewed");

    // The test sheet, printed with the correction being tried.
    const QDateTime sheetStarted = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_EQ(jobs.PrintAlignmentTestSheet(store.alignment), PrintJobs::Outcome::Completed);
    const QString sheetPdf =
        WaitForNewPdf(sheetStarted, QStringLiteral("Printer_Alignment_Test*.pdf"));
    ASSERT_FALSE(sheetPdf.isEmpty());
    const QImage sheet = PdfAt(sheetPdf, 150);
    if (const QString folder = qEnvironmentVariable("QV_PICTURE_DIR"); !folder.isEmpty())
        sheet.save(QDir(folder).filePath(QStringLiteral("alignment-test-sheet.png")));
    // Each label's cross sits at its centre, moved by the correction.
    const SheetGeometry g = AlignmentSheet();
    for (int row = 0; row < g.labelsDown; ++row)
        for (int column = 0; column < g.labelsAcross; ++column) {
            const QPointF centre = store.alignment.ToPaper(
                QPointF(g.leftMargin + column * g.horizontalPitch + g.labelWidth / 2,
                        g.topMargin + row * g.verticalPitch + g.labelHeight / 2));
            const QPoint at(qRound(centre.x() * 150), qRound(centre.y() * 150));
            const QRect cross =
                RenderProbe::InkBox(sheet, QRect(at - QPoint(20, 20), QSize(41, 41)));
            EXPECT_NEAR(cross.center().x(), at.x(), 1) << row << column;
            EXPECT_NEAR(cross.center().y(), at.y(), 1) << row << column;
            EXPECT_NEAR(cross.width(), 0.2 * 150, 2);
        }
}

// A label printer's roll: every page of the job is one label long, its size the roll's width
// by one page's length, and each carries its label with its counter.
TEST(CupsPrint, RollPrintsEveryLabelOnAPageOfItsOwnSize) {
    const QString why = WhyNoQueue();
    if (!why.isEmpty())
        GTEST_SKIP() << "Skipping the CUPS print test: " << why.toStdString();
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed (package poppler-utils)";
    ASSERT_TRUE(TReportPrinter::UsePrinter(QueueName()));
    // A 3.5 x 1.125 in address label on a roll, 1/8 in of backing between labels.
    CurrentLabel label;
    label.description = QStringLiteral("QV Roll Job"); // the spooled document's name
    label.geometry = {1.125f, 3.5f, 1, 1, 0.0625f, 0, 3.5f, 1.25f, "ROLL", "RR", 3.5f, 1.25f};
    const QString objects = QStringLiteral(
        "LABELITEM=COUNTER\nTOP=0.3\nLEFT=0.2\nWIDTH=1\nHEIGHT=0.3\nFONTSIZE=14\nFONTCOLOR=0\n"
        "ANGLE=0\nFONTNAME=Arial\nFONTBOLD=N\nFONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\n"
        "RELATIVEY=0\nSTARTINGNUMBER=1\nREPEATEACH=1\nNOTHING=NOTHING\n");
    ChosenPositions selection;
    LabelOf onScreen(label, objects);
    PrintJobs jobs(nullptr, onScreen, selection);
    jobs.MainReportPrinter().SetCopies(1);
    ScriptedPrompter prompter;
    prompter.Then(ScriptedPrompter::Answer::Dialog(true, [](QDialog& dialog) {
        auto& window = static_cast<TLabelPrint&>(dialog);
        window.LabelReportPrinter->Title = QStringLiteral("QV Roll Job");
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.RunFinished(), 20000);
    }));
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_EQ(jobs.DoPRint(true, 3), PrintJobs::Outcome::Completed);
    const QString pdf = WaitForNewPdf(started, QStringLiteral("QV_Roll_Job*.pdf"));
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << OutputFolder().toStdString();

    QProcess info;
    info.start(QStringLiteral("pdfinfo"),
               {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                QStringLiteral("3"), pdf});
    ASSERT_TRUE(info.waitForFinished(20000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\b"))))
        << text.toStdString();
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(text.contains(QRegularExpression(
            QStringLiteral("Page\\s+%1 size:\\s+252 x 90 pts").arg(page))))
            << text.toStdString(); // 3.5 x 1.25 in
    // Each page carries its label's counter.
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("roll"));
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"),
                                                   QStringLiteral("-png"), pdf, stem});
    for (int page = 1; page <= 3; ++page) {
        const QImage image(stem + QStringLiteral("-%1.png").arg(page));
        ASSERT_EQ(image.size(), QSize(350, 125)) << page;
        EXPECT_FALSE(RenderProbe::InkBox(image.convertToFormat(QImage::Format_RGB32),
                                         QRect(15, 30, 100, 60))
                         .isNull())
            << page;
    }
    if (const QString keep = qEnvironmentVariable("QV_PICTURE_DIR"); !keep.isEmpty()) {
        QDir().mkpath(keep);
        QFile::remove(QDir(keep).filePath(QStringLiteral("roll-page-1.png")));
        QFile::copy(stem + QStringLiteral("-1.png"), QDir(keep).filePath(QStringLiteral("roll-page-1.png")));
    }
}
