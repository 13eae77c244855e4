#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "LabelOf.h"
#include "RenderProbe.h"
#include "document/ChosenPositions.h"
#include "printing/PreviewStreamReader.h"
#include "printing/PrintJobs.h"
#include "printing/SheetJob.h"
#include "printing/TBaseReport.h"
#include "printing/TFilePreview.h"
#include "printing/TLabelPrint.h"
#include "printing/TPreviewForm.h"
#include "printing/TPrintOptionsTab.h"
#include "printing/TPrinterAlignment.h"
#include "printing/TPrinterSetup.h"
#include "printing/TReportImage.h"
#include "printing/TReportPrinter.h"
#include "support/ScriptedPrompter.h"
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMap>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QRadioButton>
#include <QTabWidget>
#include <limits>

using Answer = ScriptedPrompter::Answer;

namespace {

// A 3 x 10 letter sheet, labels 2.625 x 1 in.
CurrentLabel AddressLabel(const QString& paperSize = QStringLiteral("LTR")) {
    CurrentLabel label;
    label.description = QStringLiteral("Address");
    label.geometry = {1.0f, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1.0f, paperSize, "RR"};
    return label;
}

QString SolidBox(double left, double top, double size) {
    return QStringLiteral("LABELITEM=RECTANGLE\nTOP=%1\nLEFT=%2\nWIDTH=%3\nHEIGHT=%3\n"
                          "LINECOLOR=0\nLINETHICKNESS=1\nCOLOR=0\nBRUSHSTYLE=SOLID\nROUNDING=0\n")
        .arg(top)
        .arg(left)
        .arg(size);
}

QString Image(const QString& path, double left, double top, double size) {
    return QStringLiteral("LABELITEM=IMAGE\nTOP=%1\nLEFT=%2\nWIDTH=%3\nHEIGHT=%3\n"
                          "FILENAMEANDPATH=%4\n")
        .arg(top)
        .arg(left)
        .arg(size)
        .arg(path);
}

const QString kEnd = QStringLiteral("NOTHING=NOTHING\n");

// Runs the status window's job the way showing it does.
Answer RunStatus(QString* finalText = nullptr, std::function<void(TLabelPrint&)> before = {}) {
    return Answer::Dialog(true, [finalText, before](QDialog& dialog) {
        auto& status = dynamic_cast<TLabelPrint&>(dialog);
        if (before)
            before(status);
        status.FormActivate();
        if (finalText)
            *finalText = status.StatusText->text();
    });
}

QString ShotsDir() {
    const QString dir = QDir::temp().filePath(QStringLiteral("quorvane-shots"));
    QDir().mkpath(dir);
    return dir;
}

class PrintJobsTest : public ::testing::Test {
protected:
    PrintJobsTest() : jobs(nullptr, printed, selection) {
        jobs.PrintersInstalled = [] { return true; };
        jobs.PaperSupported = [](int) { return true; };
    }

    // Page 1 of pdf at dpi, as an image.
    QImage PdfPage(const QString& pdf, int dpi, int page = 1) {
        const QString prefix = dir.filePath(QStringLiteral("page"));
        QProcess process;
        process.start(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                       QString::number(page), QStringLiteral("-l"), QString::number(page),
                       QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, prefix});
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return {};
        return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir;
    ScriptedPrompter prompts;
    ChosenPositions selection;
    CurrentLabel label = AddressLabel();
    QString objects = SolidBox(0.1, 0.1, 0.5) + kEnd;
    LabelOf printed{label, objects};
    PrintJobs jobs;
};

} // namespace

// Without a printer, a preview still shows the template's paper and the print dialog still
// prints to a PDF file; only the printer's own settings have nothing to show.
TEST_F(PrintJobsTest, WithoutPrintersPreviewAndPrintToAFileStillWork) {
    jobs.PrintersInstalled = [] { return false; };
    jobs.PaperSupported = [](int) -> bool { throw std::logic_error("no printer to ask"); };
    label = AddressLabel(QStringLiteral("A4"));
    QSizeF previewPage;
    prompts.Then(RunStatus()).Then(Answer::Dialog(true, [&previewPage](QDialog& dialog) {
        QIODevice* stream = dynamic_cast<TPreviewForm&>(dialog).FilePreview1->Stream;
        PreviewStreamReader reader;
        ASSERT_TRUE(reader.Load(stream->readAll()));
        previewPage = reader.PageSize(0);
    }));
    jobs.mnuPreviewLabelsClick();
    EXPECT_EQ(jobs.LastOutcome(), PrintJobs::Outcome::Completed);
    EXPECT_NEAR(previewPage.width(), 8.27, 0.01);
    EXPECT_NEAR(previewPage.height(), 11.69, 0.01);

    // The person picks the PDF file in the print dialog and asks for two copies.
    QPrinter& device = TReportPrinter::Device();
    const QPrinter::OutputFormat format = device.outputFormat();
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    TReportPrinter::SetDialogLauncher([&pdf](QPrinter& printer, QWidget*, bool) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setCopyCount(2);
        return true;
    });
    prompts.Then(RunStatus());
    jobs.mnuPrintLabelsClick();
    TReportPrinter::SetDialogLauncher(nullptr);
    EXPECT_EQ(jobs.LastOutcome(), PrintJobs::Outcome::Completed);
    EXPECT_EQ(device.outputFileName(), pdf) << "the name chosen stays chosen";
    device.setCopyCount(1);
    device.setOutputFileName(QString());
    device.setOutputFormat(format);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(60000));
    const QString shown = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(shown.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))))
        << shown.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral(".*partial")}, QDir::Hidden | QDir::Files),
              QStringList());

    jobs.mnuPrinterSetupClick();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")),
              QStringList({"No printers installed"}));
    EXPECT_EQ(prompts.Unanswered(), 0u);
}

// The real print dialog lists the PDF file among the printers, under a plain name.
TEST_F(PrintJobsTest, PrintDialogOffersAPdfFile) {
    QStringList offered;
    prompts.Then(Answer::Dialog(false, [&offered](QDialog& dialog) {
        dialog.show(); // the dialog makes the entry as it is shown
        for (const QComboBox* box : dialog.findChildren<QComboBox*>())
            for (int i = 0; i < box->count(); ++i)
                offered << box->itemText(i);
        dialog.hide();
    }));
    jobs.mnuPrintLabelsClick();
    EXPECT_TRUE(offered.contains(QStringLiteral("Print to PDF file")))
        << offered.join(u'|').toStdString();
    EXPECT_EQ(jobs.LastOutcome(), PrintJobs::Outcome::NotRun);
}

TEST_F(PrintJobsTest, PaperThePrinterCannotTakeStopsTheJob) {
    std::vector<int> asked;
    jobs.PaperSupported = [&asked](int code) {
        asked.push_back(code);
        return code != 9;
    };
    label = AddressLabel(QStringLiteral("A4L"));
    EXPECT_EQ(jobs.DoPRint(false, 1), PrintJobs::Outcome::NotRun);
    // The paper in words, and the printer by name (there may be none on a test machine).
    const QStringList shown = prompts.Messages(QStringLiteral("Information"));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(
        QRegularExpression(QStringLiteral("^The printer (\"[^\"]+\" )?has no A4 paper\\.$"))))
        << shown[0].toStdString();
    EXPECT_EQ(asked, std::vector<int>({9}));

    // The alignment test sheet says the same in the same words, and prints nothing.
    EXPECT_EQ(jobs.PrintAlignmentTestSheet(PrinterAlignment()), PrintJobs::Outcome::NotRun);
    const QStringList again = prompts.Messages(QStringLiteral("Information"));
    ASSERT_EQ(again.size(), 2);
    EXPECT_EQ(again[1], shown[0]);
    EXPECT_EQ(asked, std::vector<int>({9, 9}));

    // A user-defined paper is never checked: the job runs.
    label = AddressLabel(QStringLiteral("USER"));
    prompts.Then(RunStatus()).Then(Answer::Dialog(true));
    EXPECT_EQ(jobs.DoPRint(false, 1), PrintJobs::Outcome::Completed);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(prompts.Unanswered(), 0u);
}

TEST_F(PrintJobsTest, PreviewHoldsOneSheetOfTheLabelOnScreen) {
    objects = SolidBox(0.1, 0.1, 0.5) +
              QStringLiteral(
                  "LABELITEM=TEXT\nTOP=0.1\nLEFT=0.7\nWIDTH=1.5\nHEIGHT=0.3\nFONTSIZE=10\n"
                  "FONTCOLOR=0\nANGLE=0\nTEXT=Quorvane\nFONTNAME=Arial\nFONTBOLD=Y\n"
                  "FONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\nRELATIVEY=0\n"
                  "LABELITEM=COUNTER\nTOP=0.5\nLEFT=0.7\nWIDTH=1\nHEIGHT=0.3\nFONTSIZE=10\n"
                  "FONTCOLOR=255\nANGLE=0\nFONTNAME=Arial\nFONTBOLD=N\nFONTITALIC=N\n"
                  "FONTUNDER=N\nRELATIVEX=0\nRELATIVEY=0\nSTARTINGNUMBER=101\nREPEATEACH=1\n") +
              kEnd;
    QString finalText;
    int pages = 0;
    QImage page;
    prompts.Then(RunStatus(&finalText, [](TLabelPrint& status) {
        EXPECT_EQ(status.windowTitle(), QStringLiteral("Preview Status"));
        EXPECT_EQ(status.CancelButton->text(), QStringLiteral("Stop"));
        EXPECT_EQ(status.Job().Sheets, 1);
        EXPECT_FALSE(status.IsPrinting);
    }));
    prompts.Then(Answer::Dialog(true, [&](QDialog& dialog) {
        auto& preview = dynamic_cast<TPreviewForm&>(dialog);
        preview.resize(900, 700);
        preview.show(); // offscreen; activation reads the stream
        QCoreApplication::processEvents();
        pages = preview.FilePreview1->Pages();
        preview.SBZoomPageClick();
        QCoreApplication::processEvents();
        page = preview.FilePreview1->PageImage();
        preview.grab().save(QDir(ShotsDir()).filePath(QStringLiteral("jobs-preview.png")));
        preview.hide();
    }));
    jobs.mnuPreviewLabelsClick();
    EXPECT_EQ(jobs.LastOutcome(), PrintJobs::Outcome::Completed);
    EXPECT_EQ(finalText, QStringLiteral("\nLabel Preview Ready!"));
    ASSERT_EQ(prompts.History().size(), 2u);
    EXPECT_EQ(prompts.History()[1].caption, QStringLiteral("Preview Labels"));
    EXPECT_EQ(pages, 1);
    // Thirty boxes: ink near the top-left label and the bottom-right one.
    ASSERT_FALSE(page.isNull());
    const double ppi = page.width() / 8.5;
    const auto inkAt = [&](double x, double y) {
        return RenderProbe::IsInk(page.pixel(qRound(x * ppi), qRound(y * ppi)));
    };
    EXPECT_TRUE(inkAt(0.1875 + 0.35, 0.5 + 0.35));
    EXPECT_TRUE(inkAt(0.1875 + 2 * 2.75 + 0.35, 0.5 + 9 + 0.35));
    EXPECT_FALSE(inkAt(0.1875 + 2.4, 0.5 + 0.35));
}

TEST_F(PrintJobsTest, FailedPreviewSaysSoAndOpensNoPreview) {
    objects = QStringLiteral("LABELITEM=RECTANGLE\nTOP=zero\nLEFT=0\nWIDTH=1\nHEIGHT=1\n") + kEnd;
    QString finalText;
    prompts.Then(Answer::Dialog(true, [&](QDialog& dialog) {
        auto& status = dynamic_cast<TLabelPrint&>(dialog);
        status.show(); // showing runs the job, as it does on screen
        QCoreApplication::processEvents();
        finalText = status.StatusText->text();
        EXPECT_TRUE(status.isVisible()); // stays open after an error
        status.grab().save(QDir(ShotsDir()).filePath(QStringLiteral("jobs-status-failed.png")));
        status.hide();
    }));
    EXPECT_EQ(jobs.DoPRint(false, 1), PrintJobs::Outcome::Failed);
    EXPECT_EQ(finalText, QStringLiteral("\nLabel Preview Failed!"));
    EXPECT_EQ(prompts.Messages(QStringLiteral("Error")).size(), 1u);
    EXPECT_EQ(prompts.Messages(QStringLiteral("Dialog")).size(), 1u); // no preview window

    // Printing shows its own wording.
    prompts.Then(RunStatus(&finalText));
    EXPECT_EQ(jobs.DoPRint(true, 1), PrintJobs::Outcome::Failed);
    EXPECT_EQ(finalText, QStringLiteral("\nLabel Print Failed!"));
}

TEST_F(PrintJobsTest, StoppedPreviewOpensNoPreview) {
    QString finalText;
    prompts.Then(RunStatus(&finalText, [](TLabelPrint& status) {
        status.ProcessMessages = [&status] {
            if (!status.Cancelled)
                status.CancelButtonClick();
        };
    }));
    prompts.Then(Answer::Yes());
    EXPECT_EQ(jobs.DoPRint(false, 1), PrintJobs::Outcome::Cancelled);
    EXPECT_EQ(finalText, QStringLiteral("\nLabel Preview Canceled!"));
    EXPECT_EQ(prompts.Messages(QStringLiteral("YesNo")), QStringList({"Cancel Preview?"}));
    EXPECT_EQ(prompts.Messages(QStringLiteral("Dialog")).size(), 1u);
}

TEST_F(PrintJobsTest, StatusWindowShowsProgressAndStops) {
    QImage shot;
    QString progress;
    prompts.Then(Answer::Dialog(true, [&](QDialog& dialog) {
        auto& status = dynamic_cast<TLabelPrint&>(dialog);
        status.ProcessMessages = [&] {
            if (!shot.isNull())
                return;
            QCoreApplication::processEvents();
            progress = status.StatusText->text();
            shot = status.grab().toImage();
            status.CancelButtonClick();
        };
        status.show(); // showing runs the job
        QCoreApplication::processEvents();
        status.hide();
    }));
    prompts.Then(Answer::Yes());
    EXPECT_EQ(jobs.DoPRint(false, 3), PrintJobs::Outcome::Cancelled);
    EXPECT_EQ(progress, QStringLiteral("Printing page 1"));
    EXPECT_EQ(shot.size(), QSize(364, 130));
    shot.save(QDir(ShotsDir()).filePath(QStringLiteral("jobs-status.png")));
}

TEST_F(PrintJobsTest, ExportWritesChosenSheetsWithColouredImages) {
    jobs.PrintersInstalled = [] { return false; }; // a PDF needs no printer
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(QColor(220, 20, 30));
    const QString bmp = dir.filePath(QStringLiteral("logo.bmp"));
    ASSERT_TRUE(red.save(bmp, "BMP"));
    objects = SolidBox(0.1, 0.1, 0.5) + Image(bmp, 1.0, 0.1, 0.6) + kEnd;
    selection.SpecificLabelsChosen = true;
    selection.SelectedPositions[0] = true; // row 1, column 1
    selection.SelectedPositions[4] = true; // row 2, column 2
    const QString pdf = dir.filePath(QStringLiteral("out"));

    // A bad count is shown and the entry opens again with what was typed, until Cancel.
    prompts.Then(Answer::Text(QStringLiteral("0"))).Then(Answer::CancelText());
    jobs.mnuExportPdfClick();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")),
              QStringList({"Enter a number of sheets from 1 to 9999."}));
    EXPECT_EQ(prompts.Messages(QStringLiteral("Text")),
              QStringList({"Number of sheets:|1", "Number of sheets:|0"}));
    EXPECT_EQ(jobs.LastOutcome(), PrintJobs::Outcome::NotRun);

    // ... or until a good one, and the export goes on.
    prompts.Then(Answer::Text(QStringLiteral("abc")))
        .Then(Answer::Text(QStringLiteral("2")))
        .Then(Answer::SaveFile(pdf));
    jobs.mnuExportPdfClick();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).size(), 2);
    EXPECT_EQ(prompts.Messages(QStringLiteral("Text")).last(), "Number of sheets:|abc");
    ASSERT_EQ(jobs.LastOutcome(), PrintJobs::Outcome::Completed);
    const QString written = pdf + QStringLiteral(".pdf");
    ASSERT_TRUE(QFileInfo::exists(written));

    // Given its extension by the program, an existing file is replaced only when confirmed.
    prompts.Then(Answer::Text(QStringLiteral("1"))).Then(Answer::SaveFile(pdf)).Then(Answer::No());
    jobs.mnuExportPdfClick();
    EXPECT_EQ(prompts.Messages(QStringLiteral("YesNo")).size(), 1u);
    EXPECT_EQ(prompts.Unanswered(), 0u);

    const int dpi = 50;
    const QImage page2 = PdfPage(written, dpi, 2);
    ASSERT_FALSE(page2.isNull()) << "pdftoppm could not read the PDF";
    EXPECT_EQ(page2.size(), QSize(425, 550)); // letter
    const auto at = [&](double x, double y) {
        return page2.pixel(qRound(x * dpi), qRound(y * dpi));
    };
    EXPECT_TRUE(RenderProbe::IsInk(at(0.1875 + 0.35, 0.5 + 0.35)));
    EXPECT_TRUE(RenderProbe::IsInk(at(0.1875 + 2.75 + 0.35, 1.5 + 0.35)));
    EXPECT_FALSE(RenderProbe::IsInk(at(0.1875 + 2.75 + 0.35, 0.5 + 0.35))); // not chosen
    const QColor logo(at(0.1875 + 1.3, 0.5 + 0.4));
    EXPECT_NEAR(logo.red(), 220, 6);
    EXPECT_NEAR(logo.green(), 20, 6);
    EXPECT_NEAR(logo.blue(), 30, 6);
}

TEST_F(PrintJobsTest, ExportToAnUnwritablePlaceReportsTheError) {
    EXPECT_EQ(jobs.ExportPdf(QStringLiteral("/nonexistent-folder/labels.pdf"), 1),
              PrintJobs::Outcome::Failed);
    EXPECT_EQ(prompts.Messages(QStringLiteral("Error")).size(), 1u);
}

TEST_F(PrintJobsTest, PrintDialogCopiesAreSheetsAndSetupKeepsItsPrinter) {
    std::vector<QPrinter*> devices;
    int copies = 0;
    bool confirm = false;
    std::vector<QPageLayout> opened; // what setup opened on
    TReportPrinter::SetDialogLauncher([&](QPrinter& printer, QWidget*, bool setup) {
        devices.push_back(&printer);
        if (setup) {
            opened.push_back(printer.pageLayout());
            printer.setDocName(QStringLiteral("chosen in setup"));
        } else {
            printer.setCopyCount(copies);
        }
        return confirm;
    });
    label = AddressLabel(QStringLiteral("A4L"));
    jobs.mnuPrinterSetupClick();
    confirm = true;
    label = AddressLabel(QStringLiteral("LTR"));
    jobs.mnuPrinterSetupClick();
    // Setup opens on the paper of the label's template.
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].pageSize().id(), QPageSize::A4);
    EXPECT_EQ(opened[0].orientation(), QPageLayout::Landscape);
    EXPECT_EQ(opened[1].pageSize().id(), QPageSize::Letter);
    EXPECT_EQ(opened[1].orientation(), QPageLayout::Portrait);

    confirm = false; // the print dialog cancelled: no job
    jobs.mnuPrintLabelsClick();
    EXPECT_TRUE(prompts.History().empty());

    confirm = true;
    copies = 3;
    int sheets = 0;
    prompts.Then(Answer::Dialog(false, [&sheets](QDialog& dialog) {
        auto& status = dynamic_cast<TLabelPrint&>(dialog);
        sheets = status.Job().Sheets;
        EXPECT_TRUE(status.IsPrinting);
        status.Engine().Abort(); // closed before it ran: nothing reaches the printer
    }));
    jobs.mnuPrintLabelsClick();
    EXPECT_EQ(sheets, 3);
    EXPECT_EQ(jobs.LastOutcome(), PrintJobs::Outcome::Cancelled);
    TReportPrinter::SetDialogLauncher(nullptr);

    // Every dialog worked on the one device, which keeps what setup chose.
    ASSERT_EQ(devices.size(), 4u);
    for (QPrinter* device : devices)
        EXPECT_EQ(device, &TReportPrinter::Device());
    EXPECT_EQ(TReportPrinter::Device().docName(), QStringLiteral("chosen in setup"));
}

// Printer setup asks for the printer, its paper and the orientation and confirms with "OK":
// no copies, no pages, no "Print". Cancel leaves the device alone; OK sets it for later jobs.
TEST_F(PrintJobsTest, PrinterSetupChoosesPrinterPaperAndOrientationWithOk) {
    // Without a CUPS queue the dialog still offers the stock papers.
    jobs.PrintersInstalled = [] { return true; };
    // The printer was left on A4 across; the dialog starts on the template's Letter paper.
    QPrinter& device = TReportPrinter::Device();
    device.setPageOrientation(QPageLayout::Landscape);
    device.setPageSize(QPageSize(QPageSize::A4));
    const QString printer = device.printerName();
    const auto choose = [&printer](QDialog& dialog) {
        auto& setup = dynamic_cast<TPrinterSetup&>(dialog);
        EXPECT_EQ(setup.windowTitle(), QStringLiteral("Printer Setup"));
        EXPECT_EQ(setup.ChosenPrinter(), printer);
        EXPECT_EQ(setup.ChosenPaper().id(), QPageSize::Letter);
        EXPECT_EQ(setup.ChosenOrientation(), QPageLayout::Portrait);
        QStringList captions;
        for (QPushButton* button : setup.findChildren<QPushButton*>())
            captions << button->text();
        EXPECT_TRUE(captions.contains(QStringLiteral("OK")));
        EXPECT_FALSE(captions.contains(QStringLiteral("Print")));
        EXPECT_FALSE(captions.contains(QStringLiteral("&Print")));
        EXPECT_TRUE(setup.findChildren<QAbstractSpinBox*>().isEmpty()) << "no copies to ask";
        const int a4 = setup.PaperBox->findData(int(QPageSize::A4));
        ASSERT_GE(a4, 0) << "A4 is offered";
        setup.PaperBox->setCurrentIndex(a4);
        setup.LandscapeButton->setChecked(true);
    };
    prompts.Then(Answer::Dialog(false, choose));
    jobs.mnuPrinterSetupClick();
    EXPECT_EQ(device.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(device.pageLayout().pageSize().id(), QPageSize::Letter);

    prompts.Then(Answer::Dialog(true, choose));
    jobs.mnuPrinterSetupClick();
    EXPECT_EQ(prompts.History().back().caption, QStringLiteral("Printer Setup"));
    EXPECT_EQ(device.printerName(), printer);
    EXPECT_EQ(device.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(device.pageLayout().pageSize().id(), QPageSize::A4);
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageSize(QPageSize(QPageSize::Letter));
}

namespace {

class MemoryAlignments : public PrinterAlignmentStore {
public:
    PrinterAlignment Read(const QString& printer) const override { return entries.value(printer); }
    bool Write(const QString& printer, const PrinterAlignment& alignment) override {
        entries[printer] = alignment;
        return true;
    }
    QMap<QString, PrinterAlignment> entries;
};

} // namespace

TEST_F(PrintJobsTest, PrinterAlignmentBoundsWhatIsTypedAndKeepsItPerPrinter) {
    MemoryAlignments store;
    const QString printer = TReportPrinter::CurrentPrinterName();
    store.entries[printer] = {0.01, 0.02, 1.0, 1.0};
    jobs.UseAlignmentStore(&store);
    std::vector<PrinterAlignment> testSheets;
    prompts.Then(Answer::Dialog(true, [&](QDialog& dialog) {
        auto& d = static_cast<TPrinterAlignment&>(dialog);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Printer Alignment"));
        EXPECT_TRUE(d.PrinterLabel->text().contains(printer));
        EXPECT_DOUBLE_EQ(d.eOffsetY->value(), 0.02); // opens with the stored entry
        d.OnPrintTestSheet = [&](const PrinterAlignment& a) { testSheets.push_back(a); };
        // In millimetres; beyond the limits: brought into bounds, with a message, and open.
        d.MMButton->click();
        EXPECT_NEAR(d.eOffsetY->value(), 0.51, 1e-9);
        d.eOffsetX->setValue(20);
        d.eScaleY->setValue(-3);
        d.OKButton->click();
        EXPECT_FALSE(d.result() == QDialog::Accepted);
        EXPECT_NEAR(d.eOffsetX->value(), 12.7, 1e-9);
        EXPECT_NEAR(d.eScaleY->value(), -2, 1e-9);
        d.eOffsetX->setValue(1.02);
        d.eOffsetY->setValue(-0.51);
        d.eScaleX->setValue(1);
        if (const QString folder = qEnvironmentVariable("QV_PICTURE_DIR"); !folder.isEmpty())
            d.grab().save(QDir(folder).filePath(QStringLiteral("printer-alignment-dialog.png")));
        d.TestSheetButton->click(); // with the values on screen
        d.OKButton->click();
    }));
    jobs.mnuPrinterAlignmentClick();
    const QStringList messages = prompts.Messages(QStringLiteral("Information"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("horizontal offset must lie within ±0.5 in")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("vertical scale correction")));
    ASSERT_EQ(testSheets.size(), 1u);
    const PrinterAlignment stored = store.entries.value(printer);
    EXPECT_EQ(testSheets[0], stored);
    EXPECT_NEAR(stored.OffsetX, 1.02 / 25.4, 1e-9);
    EXPECT_NEAR(stored.OffsetY, -0.51 / 25.4, 1e-9);
    EXPECT_NEAR(stored.ScaleX, 1.01, 1e-12);
    EXPECT_NEAR(stored.ScaleY, 0.98, 1e-12);

    // Cancel keeps what was stored; with no printer there is nothing to align.
    prompts.Then(Answer::Dialog(false));
    jobs.mnuPrinterAlignmentClick();
    EXPECT_EQ(store.entries.value(printer), stored);
    jobs.PrintersInstalled = [] { return false; };
    jobs.mnuPrinterAlignmentClick();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")).last(),
              QStringLiteral("No printers installed"));
    EXPECT_EQ(prompts.Unanswered(), 0u);
}

TEST(PrinterAlignment, OnlyThePrinterEngineMovesAndAnIdentityMovesNothing) {
    PrinterAlignment a{0.04, -0.02, 1.01, 1.01};
    EXPECT_EQ(a.Clamp(), QStringList());
    PrinterAlignment wild{0.7, -std::numeric_limits<double>::quiet_NaN(), 1.5, 0.9};
    EXPECT_EQ(wild.Clamp().size(), 4);
    EXPECT_EQ(wild, (PrinterAlignment{0.5, 0, 1.02, 0.98}));

    // Drawn through an engine told to use the correction: every position moves on paper.
    const auto boxCorner = [](const PrinterAlignment& alignment) {
        TReportImage image(600);
        image.SetCustomPageSize(QSizeF(4, 4));
        image.SetAlignment(alignment);
        image.OnPrint = [](TBaseReport& report) {
            report.SetOrigin(2, 1);
            report.SetPen(Qt::black, TPenStyle::Clear, 0);
            report.SetBrush(Qt::black, TReportBrushStyle::Solid);
            report.Rectangle(0, 0, 1, 1);
        };
        image.Execute();
        return RenderProbe::InkBox(RenderProbe::ToRgb32(image.Pages().at(0)));
    };
    EXPECT_EQ(boxCorner({}), QRect(1200, 600, 600, 600));
    const QRect moved = boxCorner(a);
    EXPECT_EQ(moved.topLeft(),
              QPoint(qRound((2 * 1.01 + 0.04) * 600), qRound((1 * 1.01 - 0.02) * 600)));
    EXPECT_NEAR(moved.width(), 606, 1);
}

// The print options reach every job of the commands; the print dialog's "Labels" tab shows
// and takes them, and its Collate box the merge's collation.
TEST_F(PrintJobsTest, PrintOptionsReachEveryJobFromTheDialog) {
    PrintOptions chosen;
    chosen.Outlines = true;
    chosen.Mirror = true;
    TPrintOptionsTab tab(chosen);
    EXPECT_TRUE(tab.OutlinesBox->isChecked());
    EXPECT_FALSE(tab.CropMarksBox->isChecked());
    tab.CropMarksBox->click();
    tab.MirrorBox->click();
    chosen.CropMarks = true;
    chosen.Mirror = false;
    EXPECT_EQ(tab.Options(), chosen);
    {
        // The tab in the print dialog itself, kept for a person to look at.
        QPrintDialog dialog(&TReportPrinter::Device());
        dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                          QAbstractPrintDialog::PrintCollateCopies);
        auto* shown = new TPrintOptionsTab(chosen);
        dialog.setOptionTabs({shown});
        dialog.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.findChild<TPrintOptionsTab*>(), shown);
        for (auto* button : dialog.findChildren<QPushButton*>())
            if (button->text().contains(QStringLiteral("Options")))
                button->click(); // the options part of the dialog, folded at first
        QCoreApplication::processEvents();
        for (auto* tabs : dialog.findChildren<QTabWidget*>())
            if (const int index = tabs->indexOf(shown); index >= 0)
                tabs->setCurrentIndex(index);
        const QString pictures = qEnvironmentVariable("QV_PICTURE_DIR");
        if (!pictures.isEmpty())
            dialog.grab().save(QDir(pictures).filePath(QStringLiteral("print-dialog-labels.png")));
        dialog.hide();
    }

    bool collate = true;
    TReportPrinter::SetDialogLauncher([&](QPrinter& printer, QWidget*, bool) {
        printer.setCopyCount(1);
        printer.setCollateCopies(collate);
        return true;
    });
    jobs.SetOptions(chosen);
    prompts.Then(Answer::Dialog(false, [&](QDialog& dialog) {
        auto& status = dynamic_cast<TLabelPrint&>(dialog);
        EXPECT_TRUE(status.Job().Options.Outlines);
        EXPECT_TRUE(status.Job().Options.CropMarks);
        EXPECT_TRUE(status.Job().Options.Collate);
        status.Engine().Abort(); // nothing reaches the printer
    }));
    jobs.mnuPrintLabelsClick();
    TReportPrinter::SetDialogLauncher(nullptr);
    EXPECT_TRUE(jobs.Options().Collate);

    chosen.Mirror = true;
    jobs.SetOptions(chosen);
    prompts.Then(RunStatus(nullptr, [](TLabelPrint& status) {
        EXPECT_TRUE(status.Job().Options.Mirror);
        EXPECT_TRUE(status.Engine().Mirror()); // the preview shows the sheet reversed
    }));
    prompts.Then(Answer::Dialog(true, [](QDialog&) {}));
    jobs.mnuPreviewLabelsClick();
    EXPECT_EQ(jobs.LastOutcome(), PrintJobs::Outcome::Completed);

    // The PDF of a mirrored job: the first label's box 0.2875 in from the paper's right edge.
    jobs.SetOptions(PrintOptions{.Mirror = true});
    const QString pdf = dir.filePath(QStringLiteral("mirrored.pdf"));
    ASSERT_EQ(jobs.ExportPdf(pdf, 1), PrintJobs::Outcome::Completed);
    const QImage page = PdfPage(pdf, 100);
    ASSERT_FALSE(page.isNull());
    const QRect ink = RenderProbe::InkBox(page, QRect(page.width() - 120, 0, 120, 120));
    EXPECT_NEAR(ink.right() + 1, page.width() - 28.75, 1.5);
    EXPECT_NEAR(ink.top(), 60, 1.5); // 0.5 + 0.1 in, as on a plain sheet
    EXPECT_TRUE(RenderProbe::InkBox(page, QRect(0, 0, 120, 120)).isEmpty());
}
