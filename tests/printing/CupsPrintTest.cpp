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
#include "printing/PaperChoice.h"
#include "printing/TReportPrinter.h"

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
        return QStringLiteral("no CUPS scheduler runs (start one with scripts/cups-test-queue.sh)");
    if (QPrinterInfo::printerInfo(QueueName()).isNull())
        return QStringLiteral("the CUPS queue \"%1\" does not exist").arg(QueueName());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        return QStringLiteral("pdftoppm is not installed");
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
