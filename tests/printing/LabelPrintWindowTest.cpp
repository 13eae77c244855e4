#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "document/ChosenPositions.h"
#include "printing/SheetJob.h"
#include "printing/TFilePreview.h"
#include "printing/TLabelPrint.h"
#include "printing/TPreviewForm.h"
#include "printing/TReportFiler.h"
#include "printing/TReportPdfWriter.h"
#include "printing/TReportPrinter.h"
#include "support/ScriptedPrompter.h"
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

SheetGeometry Sheet() {
    SheetGeometry geometry;
    geometry.labelsAcross = 3;
    geometry.labelsDown = 10;
    geometry.topMargin = 0.5f;
    geometry.leftMargin = 0.1875f;
    geometry.horizontalPitch = 2.75f;
    geometry.verticalPitch = 1.0f;
    geometry.paperSize = QStringLiteral("LTR");
    return geometry;
}

const char* kLabel =
    "LABELITEM=ROUNDRECTANGLE\nTOP=0.05\nLEFT=0.05\nWIDTH=2.5\nHEIGHT=0.9\nLINECOLOR=8388608\n"
    "LINETHICKNESS=2\nCOLOR=13434879\nBRUSHSTYLE=SOLID\nROUNDING=20\n"
    "LABELITEM=RECTANGLE\nTOP=0.2\nLEFT=1.9\nWIDTH=0.5\nHEIGHT=0.5\nLINECOLOR=0\n"
    "LINETHICKNESS=1\nCOLOR=255\nBRUSHSTYLE=DIAGCROSS\nROUNDING=0\n"
    "LABELITEM=TEXT\nTOP=0.15\nLEFT=0.15\nWIDTH=1.5\nHEIGHT=0.3\nFONTSIZE=14\nFONTCOLOR=0\n"
    "ANGLE=0\nTEXT=Quorvane\nFONTNAME=Arial\nFONTBOLD=Y\nFONTITALIC=N\nFONTUNDER=N\n"
    "RELATIVEX=0\nRELATIVEY=0\n"
    "LABELITEM=COUNTER\nTOP=0.5\nLEFT=0.15\nWIDTH=1\nHEIGHT=0.3\nFONTSIZE=12\nFONTCOLOR=32768\n"
    "ANGLE=0\nFONTNAME=Arial\nFONTBOLD=N\nFONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\n"
    "RELATIVEY=0\nSTARTINGNUMBER=101\nREPEATEACH=1\n"
    "LABELITEM=SYMBOL\nTOP=0.45\nLEFT=1.2\nWIDTH=0.4\nHEIGHT=0.4\nFONTSIZE=20\nFONTCOLOR=0\n"
    "ASCIICHAR=74\nNOTHING=NOTHING\n";

void SaveShot(QWidget& widget, const QString& name) {
    const QString dir = qEnvironmentVariable("QV_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget.grab().save(QDir(dir).filePath(name));
}

// Runs a preview job's status window to its end; the window closes itself after a normal end.
struct PreviewRun {
    explicit PreviewRun(const QString& objects) : job(Job(objects)), window(job, false) {
        window.LabelReportFiler->Stream = &buffer;
        window.LabelReportFiler->SetResolution(600);
        window.LabelReportFiler->SelectPaper(1);
    }
    void Run() {
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.RunFinished(), 10000);
    }
    static SheetJob Job(const QString& objects) {
        SheetJob job;
        job.Label.geometry = Sheet();
        job.ObjectsText = objects;
        return job;
    }
    SheetJob job;
    QByteArray bytes;
    QBuffer buffer{&bytes};
    TLabelPrint window;
};

} // namespace

TEST(LabelPrintWindow, PreviewRunsToItsEndAndClosesItself) {
    ScriptedPrompter prompter;
    PreviewRun run(QString::fromLatin1(kLabel));
    QStringList progress;
    run.window.LabelReportFiler->OnStatus = [&](const QString& text) { progress << text; };
    run.Run();
    EXPECT_EQ(progress, QStringList({"Printing page 1"}));
    EXPECT_EQ(run.window.StatusText->text(), QStringLiteral("\nLabel Preview Ready!"));
    SaveShot(run.window, QStringLiteral("status-window.png"));
    QTRY_VERIFY_WITH_TIMEOUT(!run.window.isVisible(), 5000);
    EXPECT_EQ(run.window.result(), QDialog::Accepted);
    EXPECT_FALSE(run.window.LabelReportFiler->Aborted());

    const auto pages = RecordingSurface::Pages(run.bytes);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].TextList().count(QStringLiteral("Quorvane")), 30);
    EXPECT_EQ(pages[0].TextList().last(), QChar(74)); // the symbol of the last label

    // The preview window over the finished stream.
    run.buffer.open(QIODevice::ReadOnly);
    TPreviewForm preview;
    preview.setWindowTitle(QStringLiteral("Preview Labels"));
    preview.FilePreview1->Stream = &run.buffer;
    preview.show();
    EXPECT_EQ(preview.PageLabel->text(), QStringLiteral("Page 1 of 1"));
    SaveShot(preview, QStringLiteral("preview-sheet.png"));
    preview.SBZoomPageClick();
    SaveShot(preview, QStringLiteral("preview-sheet-page.png"));
}

TEST(LabelPrintWindow, TheSameLabelExportsToPdf) {
    QTemporaryDir dir;
    const QString shots = qEnvironmentVariable("QV_SCREENSHOT_DIR");
    const QString pdf = QDir(shots.isEmpty() ? dir.path() : shots).filePath("sheet.pdf");
    SheetJob job;
    job.Label.geometry = Sheet();
    job.ObjectsText = QString::fromLatin1(kLabel);
    TReportPdfWriter writer(pdf);
    job.Render(writer);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

TEST(LabelPrintWindow, AnErrorIsShownAndTheRunIsNotReportedAsSuccess) {
    ScriptedPrompter prompter;
    prompter.Then(ScriptedPrompter::Answer::No());
    PreviewRun run(QStringLiteral("LABELITEM=TEXT\nFONTSIZE=1x\n"));
    run.Run();
    EXPECT_EQ(prompter.Messages(QStringLiteral("Error")),
              QStringList({"'1x' is not a valid integer value"}));
    EXPECT_TRUE(run.window.RunFailed());
    EXPECT_EQ(run.window.StatusText->text(), QStringLiteral("\nLabel Preview Failed!"));
    // No close request: the window waits for its button (and the question).
    QTest::qWait(50);
    EXPECT_TRUE(run.window.isVisible());
    run.window.CancelButton->click();
    EXPECT_FALSE(run.window.isVisible());
    EXPECT_EQ(run.window.result(), QDialog::Rejected);
    EXPECT_EQ(prompter.Messages(QStringLiteral("YesNo")), QStringList({"Cancel Preview?"}));
}

TEST(LabelPrintWindow, CancelConfirmedDuringTheRunAbortsItAndClosesWhenItReturns) {
    ScriptedPrompter prompter;
    prompter.Then(ScriptedPrompter::Answer::Yes());
    PreviewRun run(QString::fromLatin1(kLabel));
    run.job.Sheets = 3;
    int labels = 0;
    run.window.ProcessMessages = [&] {
        if (++labels == 2)
            run.window.CancelButton->click();
    };
    run.Run();
    EXPECT_EQ(labels, 2);
    EXPECT_TRUE(run.window.Cancelled);
    EXPECT_TRUE(run.window.LabelReportFiler->Aborted());
    EXPECT_EQ(run.window.StatusText->text(), QStringLiteral("\nLabel Preview Canceled!"));
    EXPECT_FALSE(run.window.isVisible());
    EXPECT_EQ(run.window.result(), QDialog::Rejected);
}

TEST(LabelPrintWindow, AnsweringNoLetsTheJobFinishAndTheWindowThenCloses) {
    ScriptedPrompter prompter;
    prompter.Then(ScriptedPrompter::Answer::No());
    PreviewRun run(QString::fromLatin1(kLabel));
    int labels = 0;
    run.window.ProcessMessages = [&] {
        if (++labels == 1)
            run.window.CancelButton->click();
    };
    run.Run();
    EXPECT_EQ(labels, 30);
    EXPECT_FALSE(run.window.LabelReportFiler->Aborted());
    EXPECT_EQ(run.window.StatusText->text(), QStringLiteral("\nLabel Preview Ready!"));
    QTRY_VERIFY_WITH_TIMEOUT(!run.window.isVisible(), 5000);
}

TEST(LabelPrintWindow, CaptionsAndEnginesOfTheJob) {
    SheetJob job;
    job.Label.geometry = Sheet();
    TLabelPrint window(job, false);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Print Status Screen"));
    EXPECT_EQ(window.size(), QSize(364, 130));
    EXPECT_EQ(window.LabelReportPrinter->StatusFormat, QStringLiteral("Printing Page %p"));
    EXPECT_EQ(window.LabelReportFiler->StatusFormat, QStringLiteral("Printing page %p"));
    EXPECT_EQ(window.LabelReportFiler->Title, QStringLiteral("Test Report"));
    EXPECT_EQ(window.LabelReportFiler->MarginLeft, 0.5);
    EXPECT_TRUE(window.findChildren<QPlainTextEdit*>().isEmpty()); // the job is a value
    window.IsPrinting = true;
    EXPECT_EQ(&window.Engine(), static_cast<TBaseReport*>(window.LabelReportPrinter.get()));
}
