#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "document/SpecificLabels.h"
#include "printing/LabelPrintJobs.h"
#include "printing/TFilePreview.h"
#include "printing/TLabelPrint.h"
#include "printing/TPreviewForm.h"
#include "printing/TReportPrinter.h"
#include "support/ScriptedPrompter.h"

namespace {

SheetGeometry Sheet(const QString& paper = QStringLiteral("LTR")) {
    SheetGeometry geometry;
    geometry.labelsAcross = 3;
    geometry.labelsDown = 2;
    geometry.topMargin = 0.5f;
    geometry.leftMargin = 0.1875f;
    geometry.horizontalPitch = 2.75f;
    geometry.verticalPitch = 1.0f;
    geometry.paperSize = paper;
    return geometry;
}

QString CounterLabel(const QString& startingNumber = QStringLiteral("1")) {
    return QStringLiteral("LABELITEM=COUNTER\nTOP=0.1\nLEFT=0.1\nWIDTH=1\nHEIGHT=0.3\n"
                          "FONTSIZE=12\nFONTCOLOR=0\nANGLE=0\nFONTNAME=Arial\nFONTBOLD=N\n"
                          "FONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\nRELATIVEY=0\n"
                          "STARTINGNUMBER=%1\nREPEATEACH=1\nNOTHING=NOTHING\n")
        .arg(startingNumber);
}

// What the person does with the status window: watch the run, and close it when it stays.
ScriptedPrompter::Answer WatchStatusWindow(QStringList& seen) {
    return ScriptedPrompter::Answer::Dialog(true, [&seen](QDialog& dialog) {
        auto& window = static_cast<TLabelPrint&>(dialog);
        seen << window.windowTitle() << window.CancelButton->text();
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.RunFinished(), 10000);
        seen << window.StatusText->text().trimmed();
        if (window.isVisible() && window.RunFailed())
            window.CancelButton->click();
    });
}

} // namespace

TEST(LabelPrintJobs, PreviewRunsOneSheetAndShowsItInThePreviewWindow) {
    SpecificLabels selection;
    int written = 0;
    LabelPrintJobs jobs({[] { return Sheet(); },
                         [&written] {
                             ++written;
                             return CounterLabel();
                         }},
                        selection);
    QStringList seen;
    QString pageLabel;
    ScriptedPrompter prompter;
    prompter.Then(WatchStatusWindow(seen))
        .Then(ScriptedPrompter::Answer::Dialog(true, [&pageLabel](QDialog& dialog) {
            auto& preview = static_cast<TPreviewForm&>(dialog);
            EXPECT_EQ(preview.windowTitle(), QStringLiteral("Preview Labels"));
            preview.show();
            pageLabel = preview.PageLabel->text();
            preview.CloseButton->click();
        }));
    EXPECT_EQ(jobs.DoPRint(false, 1), LabelPrintJobs::Outcome::Completed);
    EXPECT_EQ(written, 1);
    EXPECT_EQ(seen, QStringList({"Preview Status", "Stop", "Label Preview Ready!"}));
    EXPECT_EQ(pageLabel, QStringLiteral("Page 1 of 1"));
    EXPECT_EQ(prompter.Unanswered(), 0u);
}

TEST(LabelPrintJobs, AFailedPreviewSaysSoAndOpensNoPreviewWindow) {
    SpecificLabels selection;
    LabelPrintJobs jobs({[] { return Sheet(); }, [] { return CounterLabel("x1"); }}, selection);
    QStringList seen;
    ScriptedPrompter prompter;
    prompter.Then(WatchStatusWindow(seen)).Then(ScriptedPrompter::Answer::No());
    EXPECT_EQ(jobs.DoPRint(false, 1), LabelPrintJobs::Outcome::Failed);
    EXPECT_EQ(seen.last(), QStringLiteral("Label Preview Failed!"));
    EXPECT_EQ(prompter.Messages(QStringLiteral("Error")),
              QStringList({"'x1' is not a valid integer value"}));
    EXPECT_EQ(prompter.Unanswered(), 0u); // no preview window was asked for
}

TEST(LabelPrintJobs, CommandsWithoutPrintersSaySo) {
    if (TReportPrinter::PrintersInstalled())
        GTEST_SKIP() << "a printer is installed on this machine";
    SpecificLabels selection;
    LabelPrintJobs jobs({[] { return Sheet(); }, [] { return CounterLabel(); }}, selection);
    ScriptedPrompter prompter;
    jobs.mnuPrintLabelsClick();
    jobs.mnuPreviewClick();
    jobs.mnuPrinterSetupClick();
    EXPECT_EQ(prompter.Messages(QStringLiteral("Information")),
              QStringList({"No printers installed", "No printers installed - cannot preview",
                           "No printers installed"}));
}

TEST(LabelPrintJobs, ExportWritesEverySheetToPdfThroughTheSameDrawing) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    SpecificLabels selection;
    selection.SpecificLabelsChosen = true;
    selection.SelectedPositions[0] = selection.SelectedPositions[5] = true;
    LabelPrintJobs::ExportPdf(pdf, Sheet(QStringLiteral("A4L")), CounterLabel(), 2, selection);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    const QString details = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(details.contains(QStringLiteral("Pages:           2"))) << details.toStdString();
    EXPECT_TRUE(details.contains(QStringLiteral("842 x 595"))) << details.toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    text.waitForFinished();
    const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    EXPECT_EQ(words, QStringLiteral("1 2 3 4")) << words.toStdString();
}
