#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "RenderProbe.h"
#include "document/ChosenPositions.h"
#include "printing/PaperChoice.h"
#include "printing/PrintJobs.h"
#include "printing/TLabelPrint.h"
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
        report.SetBrush(Qt::black, TBrushStyle::Solid);
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
    PrintJobs jobs(nullptr, {[&] { return objects; }, [&] { return label; }}, selection);
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
