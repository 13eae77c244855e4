#include "printing/PrinterAlignmentSettings.h"
#include "support/ModelItems.h"
#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

#include "BatchProcess.h"
#include "MainWindowFixture.h"
#include "document/ChosenPositions.h"
#include "designer/LabelItems.h"
#include "printing/PrintJobs.h"
#include "printing/SheetJob.h"
#include "printing/TFilePreview.h"
#include "printing/TLabelPrint.h"
#include "printing/TPreviewForm.h"
#include "printing/TSelectLabelsToPrint.h"
#include "storage/LabelTable.h"
#include "support/TestData.h"

using Answer = ScriptedPrompter::Answer;

namespace {

const QString kBox =
    QStringLiteral("LABELITEM=RECTANGLE\nTOP=0.1\nLEFT=0.1\nWIDTH=0.5\nHEIGHT=0.5\nLINECOLOR=0\n"
                   "LINETHICKNESS=1\nCOLOR=0\nBRUSHSTYLE=SOLID\nROUNDING=0\nNOTHING=NOTHING\n");

class PrintCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->Printing().PrintersInstalled = [] { return true; };
        window->Printing().PaperSupported = [](int) { return true; };
    }
};

} // namespace

// Without a printer, printing opens the print dialog (which offers a PDF file) and the
// preview shows the sheet; the printer's own settings explain that there is none.
TEST_F(PrintCommandsTest, MenuCommandsWithoutAPrinter) {
    SaveNewLabel(QStringLiteral("Parcels"));
    window->Printing().PrintersInstalled = [] { return false; };
    ASSERT_TRUE(window->mnuPrintLabels->isEnabled());
    prompts.Then(Answer::Dialog(false)); // the print dialog, cancelled
    window->mnuPrintLabels->trigger();
    prompts.Then(Answer::Dialog(
        true, [](QDialog& dialog) { dynamic_cast<TLabelPrint&>(dialog).FormActivate(); }));
    AddItemsFromText(window->Model(), kBox);
    int pages = 0;
    prompts.Then(Answer::Dialog(true, [&pages](QDialog& dialog) {
        auto& preview = dynamic_cast<TPreviewForm&>(dialog);
        preview.show();
        QCoreApplication::processEvents();
        pages = preview.FilePreview1->Pages();
        if (const QString folder = PictureOutputDir(); !folder.isEmpty())
            preview.grab().save(
                QDir(folder).filePath(QStringLiteral("preview-without-printer.png")));
        preview.hide();
    }));
    window->mnuPreviewLabels->trigger();
    EXPECT_EQ(window->Printing().LastOutcome(), PrintJobs::Outcome::Completed);
    EXPECT_EQ(pages, 1);
    window->mnuPrinterSetup->trigger();
    window->mnuPrinterAlignment->trigger();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Information")),
              QStringList({"No printers installed", "No printers installed"}));
    EXPECT_EQ(prompts.Unanswered(), 0u);
    // "Printer &Alignment…" follows "P&rinter Setup" in the File menu.
    const QList<QAction*> file = window->mnuFile->actions();
    const qsizetype setup = file.indexOf(window->mnuPrinterSetup);
    ASSERT_GE(setup, 0);
    ASSERT_LT(setup + 1, file.size());
    EXPECT_EQ(file[setup + 1], window->mnuPrinterAlignment);
    EXPECT_EQ(window->mnuPrinterAlignment->text(), QStringLiteral("Printer &Alignment…"));
}

TEST_F(PrintCommandsTest, PreviewPrintsTheUnsavedLabelOnScreen) {
    SaveNewLabel(QStringLiteral("Parcels"));
    AddItemsFromText(window->Model(), kBox);
    QString memo;
    int pages = 0;
    prompts.Then(Answer::Dialog(true, [&memo](QDialog& dialog) {
        auto& status = dynamic_cast<TLabelPrint&>(dialog);
        memo = status.Job().ObjectsText;
        status.FormActivate();
    }));
    prompts.Then(Answer::Dialog(true, [&pages](QDialog& dialog) {
        auto& preview = dynamic_cast<TPreviewForm&>(dialog);
        preview.show();
        QCoreApplication::processEvents();
        pages = preview.FilePreview1->Pages();
        preview.hide();
    }));
    window->mnuPreviewLabels->trigger();
    EXPECT_TRUE(memo.contains(QStringLiteral("LABELITEM=RECTANGLE")));
    // The job takes the items' text as written (CRLF lines, as stored), not as a text box
    // would show it.
    EXPECT_EQ(window->SaveItems(), memo);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(window->Printing().LastOutcome(), PrintJobs::Outcome::Completed);
}

TEST_F(PrintCommandsTest, SpecificLabelsAndPdfExportFromTheMenu) {
    SaveNewLabel(QStringLiteral("Parcels"));
    AddItemsFromText(window->Model(), kBox);
    prompts.Then(Answer::Dialog(true, [](QDialog& dialog) {
        auto& chooser = dynamic_cast<TSelectLabelsToPrint&>(dialog);
        chooser.NonebuttonClick();
        chooser.LabelsList->item(1)->setCheckState(Qt::Checked);
        chooser.OkbuttonClick();
    }));
    window->mnuSelectSpecificLabels->trigger();
    EXPECT_TRUE(window->Model().Positions().SpecificLabelsChosen);
    EXPECT_TRUE(window->Model().Positions().isSelected(1));
    EXPECT_FALSE(window->Model().Positions().isSelected(0));

    const QString pdf = dir.filePath(QStringLiteral("parcels.pdf"));
    prompts.Then(Answer::Text(QStringLiteral("3"))).Then(Answer::SaveFile(pdf));
    window->mnuExportPdf->trigger();
    ASSERT_TRUE(QFileInfo::exists(pdf));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(60000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    window->Model().Positions().clear();
}

TEST_F(PrintCommandsTest, BatchRendersAStoredLabelWhileTheProgramHoldsTheTable) {
    SaveNewLabel(QStringLiteral("Parcels"));
    AddItemsFromText(window->Model(), kBox);
    window->SaveButton->click();
    ASSERT_FALSE(Changed());

    const QString pngs = dir.filePath(QStringLiteral("pngs"));
    BatchResult run = RunBatch({"--dir", dir.path(), "--label", "PARCELS", "--sheets", "2",
                                "--positions", "1:2,10:3", "--png", pngs, "--dpi", "50"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage sheet(QDir(pngs).filePath(QStringLiteral("sheet-0002.png")));
    ASSERT_EQ(sheet.size(), QSize(425, 550));
    const auto inkAt = [&sheet](double x, double y) {
        return qGray(sheet.pixel(qRound(x * 50), qRound(y * 50))) < 128;
    };
    EXPECT_TRUE(inkAt(0.1875 + 2.75 + 0.35, 0.5 + 0.35));
    EXPECT_TRUE(inkAt(0.1875 + 5.5 + 0.35, 9.5 + 0.35));
    EXPECT_FALSE(inkAt(0.1875 + 0.35, 0.5 + 0.35));

    const QString pdf = dir.filePath(QStringLiteral("parcels.pdf"));
    EXPECT_EQ(RunBatch({"--dir", dir.path(), "--label", "Parcels", "--pdf", pdf}).exitCode, 0);
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);

    // A printer's stored correction moves the drawing only when asked for.
    PrinterAlignmentSettings(QDir(dir.path()).filePath(QStringLiteral("QV.INI")))
        .Write(QStringLiteral("Shop"), {0.1, 0.2, 1.0, 1.0});
    const auto boxLeftTop = [&](const QStringList& extra) {
        const QString folder = dir.filePath(QStringLiteral("moved"));
        QDir(folder).removeRecursively();
        const BatchResult result =
            RunBatch(QStringList{"--dir", dir.path(), "--label", "Parcels", "--positions", "1:1",
                                 "--png", folder, "--dpi", "100"} +
                     extra);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QImage page(QDir(folder).filePath(QStringLiteral("sheet-0001.png")));
        for (int y = 0; y < page.height(); ++y) // the first ink, top row first
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 128)
                    return QPoint(x, y);
        return QPoint(-1, -1);
    };
    const QPoint plain = boxLeftTop({});
    EXPECT_EQ(plain, QPoint(qRound((0.1875 + 0.1) * 100), qRound((0.5 + 0.1) * 100)));
    EXPECT_EQ(boxLeftTop({"--printer-offsets", "Shop"}) - plain, QPoint(10, 20));
    EXPECT_EQ(boxLeftTop({"--printer-offsets", "Unknown"}), plain);
}

// --date and --time fix what the date and time fields print, for output that is the same
// whenever it is made.
TEST_F(PrintCommandsTest, BatchDateAndTimeAreFixedByItsOptions) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils (pdftotext) is not installed";
    SaveNewLabel(QStringLiteral("Dated"));
    AddItemsFromText(window->Model(), QStringLiteral(
        "LABELITEM=TEXT\r\nTEXT=Best before {date+30:dd.MM.yyyy}, packed {time:HH:mm} No. "
        "{#:0000}\r\nTOP=0.100\r\nLEFT=0.100\r\nWIDTH=2.000\r\nHEIGHT=0.200\r\nFONTNAME=Arial\r\n"
        "FONTCOLOR=0\r\nFONTSIZE=8\r\nFONTBOLD=N\r\nFONTITALIC=N\r\nFONTUNDER=N\r\nANGLE=0\r\n"
        "RELATIVEX=0.000\r\nRELATIVEY=0.000\r\n"));
    window->SaveButton->click();
    const QString pdf = dir.filePath(QStringLiteral("dated.pdf"));
    const BatchResult run = RunBatch({"--dir", dir.path(), "--label", "Dated", "--positions",
                                      "1:1,1:2", "--pdf", pdf, "--date", "2026-03-31", "--time",
                                      "07:45"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("Best before 30.04.2026, packed 07:45 No. 0001")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Best before 30.04.2026, packed 07:45 No. 0002")) << printed.toStdString();
}

// "--merge -" takes the records from the standard input and "--records" prints a range of
// them; every label's problem is a warning line naming its record.
TEST_F(PrintCommandsTest, BatchPrintsARangeOfRecordsFromStandardInput) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils (pdftotext) is not installed";
    SaveNewLabel(QStringLiteral("Piped"));
    AddItemsFromText(window->Model(), QStringLiteral(
        "LABELITEM=TEXT\r\nTEXT=Name: {Name}\r\nTOP=0.100\r\nLEFT=0.100\r\nWIDTH=2.000\r\n"
        "HEIGHT=0.200\r\nFONTNAME=Arial\r\nFONTCOLOR=0\r\nFONTSIZE=8\r\nFONTBOLD=N\r\n"
        "FONTITALIC=N\r\nFONTUNDER=N\r\nANGLE=0\r\nRELATIVEX=0.000\r\nRELATIVEY=0.000\r\n"
        "LABELITEM=BARCODE\r\nTOP=0.400\r\nLEFT=0.100\r\nWIDTH=1.500\r\nHEIGHT=0.500\r\n"
        "SYMBOLOGY=EANX\r\nDATA={Name}\r\nSHOWTEXT=Y\r\nCOLOR=0\r\nBACKGROUND=16777215\r\n"));
    window->SaveButton->click();
    const QString pdf = dir.filePath(QStringLiteral("piped.pdf"));
    const BatchResult run = RunBatch(
        {"--dir", dir.path(), "--label", "Piped", "--merge", "-", "--records", "2-3", "--pdf", pdf},
        [](QProcess& batch) {
            batch.write("Name\nAnn\nBea\n4006381333931\nDot\n");
            batch.closeWriteChannel();
        });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("Name: Bea")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Name: 4006381333931"));
    EXPECT_FALSE(printed.contains("Name: Ann") || printed.contains("Name: Dot"));
    // Record 2's letters cannot be an EAN; record 3's digits can.
    EXPECT_TRUE(run.err.contains("warning: Record 2: barcode not printed: ")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Record 3:"));

    for (const char* range : {"0-2", "3-2", "x", "-4"}) {
        const BatchResult bad = RunBatch({"--dir", dir.path(), "--label", "Piped", "--merge", "-",
                                          "--records", range, "--pdf", pdf});
        EXPECT_EQ(bad.exitCode, 2) << range;
        EXPECT_TRUE(bad.err.contains("--records takes FROM-TO")) << bad.err.toStdString();
    }
}

// Pictures named relative to the data directory: a PNG logo keeps its transparency over a
// coloured box, and an SVG drawing stays vectors in the PDF (no image of it there).
TEST_F(PrintCommandsTest, BatchPicturesKeepTransparencyAndSvgStaysVectors) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
        GTEST_SKIP() << "poppler-utils (pdfimages) is not installed";
    for (const char* name : {"logo.png", "logo.svg"})
        ASSERT_TRUE(QFile::copy(TestDataPath(QStringLiteral("pictures/") + name),
                                dir.filePath(QString::fromLatin1(name))));
    SaveNewLabel(QStringLiteral("Logos"));
    AddItemsFromText(window->Model(), QStringLiteral(
        "LABELITEM=RECTANGLE\r\nTOP=0.100\r\nLEFT=0.100\r\nWIDTH=2.000\r\nHEIGHT=1.000\r\n"
        "BRUSHSTYLE=SOLID\r\nCOLOR=16744448\r\nLINETHICKNESS=0\r\nLINECOLOR=0\r\n"
        "LABELITEM=IMAGE\r\nTOP=0.100\r\nLEFT=0.100\r\nWIDTH=2.000\r\nHEIGHT=1.000\r\n"
        "STRETCH=Y\r\nFILENAMEANDPATH=logo.png\r\nFIT=Y\r\n"
        "LABELITEM=IMAGE\r\nTOP=1.300\r\nLEFT=0.100\r\nWIDTH=2.000\r\nHEIGHT=1.000\r\n"
        "STRETCH=Y\r\nFILENAMEANDPATH=logo.svg\r\nFIT=Y\r\n"));
    window->SaveButton->click();
    const QString pdf = dir.filePath(QStringLiteral("logos.pdf"));
    const BatchResult run =
        RunBatch({"--dir", dir.path(), "--label", "Logos", "--positions", "1:1", "--pdf", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("warning")) << run.err.toStdString();
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {"-list", pdf});
    ASSERT_TRUE(images.waitForFinished(60000));
    int pictures = 0, masks = 0;
    for (const QString& line : QString::fromUtf8(images.readAllStandardOutput()).split(u'\n')) {
        const QStringList columns = line.simplified().split(u' ');
        pictures += columns.size() > 2 && columns[2] == QLatin1String("image");
        // A soft mask, or a plain one for pixels wholly clear or wholly opaque as the logo's.
        masks += columns.size() > 2 &&
                 (columns[2] == QLatin1String("smask") || columns[2] == QLatin1String("mask"));
    }
    EXPECT_EQ(pictures, 1); // the PNG; the SVG is drawn as shapes
    EXPECT_EQ(masks, 1);    // the PNG's transparency

    const QString pngs = dir.filePath(QStringLiteral("logos"));
    ASSERT_EQ(RunBatch({"--dir", dir.path(), "--label", "Logos", "--positions", "1:1", "--png",
                        pngs, "--dpi", "100"})
                  .exitCode,
              0);
    const QImage sheet(QDir(pngs).filePath(QStringLiteral("sheet-0001.png")));
    ASSERT_FALSE(sheet.isNull());
    QString shots = qEnvironmentVariable("QV_SHOT_DIR");
    if (shots.isEmpty())
        shots = QDir::temp().filePath(QStringLiteral("quorvane-shots"));
    QDir().mkpath(shots);
    sheet.copy(0, 0, 400, 400).save(QDir(shots).filePath("pictures-printed.png"));
    // The logo (40 x 20) fills the 2 x 1 inch box: its left half red, its right half shows the
    // box's colour through it.
    int red = 0, blue = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            const QRgb p = sheet.pixel(x, y);
            red += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
            blue += qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) > 100;
        }
    EXPECT_GT(red, 80 * 80);  // one square inch of red, less the edges
    EXPECT_GT(blue, 80 * 80); // the box's colour through the see-through half
}

// An independent reader reads back every symbology it knows from the batch renderer's PNG at
// 300 dpi. zbarimg comes with the project's packages: without it the test fails.
TEST_F(PrintCommandsTest, ZbarReadsBackEveryBarcodeTheBatchRendererDraws) {
    struct Case {
        const char* symbology;
        const char* data;
        const char* read; // as zbarimg reports it
    };
    const Case cases[] = {
        {"CODE128", "Quorvane-42", "CODE-128:Quorvane-42"},
        {"CODE39", "ABC-123", "CODE-39:ABC-123"},
        {"EANX", "5901234123457", "EAN-13:5901234123457"},
        {"EANX", "9638507", "EAN-8:96385074"},
        {"UPCA", "03600029145", "UPC-A:036000291452"},
        {"ITF14", "1234567890123", "I2/5:12345678901231"},
        {"GS1_128", "[01]09501101530003", "CODE-128:0109501101530003"},
        {"QRCODE", "Asset {#}, room 7", "QR-Code:Asset 12, room 7"},
        {"CODE93", "QV-93", "CODE-93:QV-93"},
        {"CODABAR", "A40156B", "Codabar:A40156B"},
        // zbar reports a UPC-E symbol as the UPC-A number it stands for.
        {"UPCE", "0123456", "UPC-A:012345000065"},
        {"C25INTER", "123456", "I2/5:123456"},
        {"DBAR_OMN", "0950110153000", "DataBar:0109501101530003"},
        {"DBAR_EXP", "[01]98898765432106[3202]012345", "DataBar-Exp:01988987654321063202012345"},
    };
    QString objects = QStringLiteral("LABELITEM=COUNTER\r\nTOP=0.000\r\nLEFT=7.000\r\n"
                                     "STARTINGNUMBER=12\r\nREPEATEACH=1\r\n");
    // Two columns of symbols, 1.2 inches apart down the page.
    double top = 0.3, left = 0.3;
    for (const Case& c : cases) {
        objects += QStringLiteral("LABELITEM=BARCODE\r\nTOP=%1\r\nLEFT=%4\r\nWIDTH=3.000\r\n"
                                  "HEIGHT=0.900\r\nSYMBOLOGY=%2\r\nDATA=%3\r\nSHOWTEXT=Y\r\n"
                                  "COLOR=0\r\nBACKGROUND=16777215\r\n")
                       .arg(top, 0, 'f', 3)
                       .arg(QLatin1String(c.symbology), QString::fromUtf8(c.data))
                       .arg(left, 0, 'f', 3);
        top += 1.2;
        if (top > 9) {
            top = 0.3;
            left = 4.3;
        }
    }
    SaveNewLabel(QStringLiteral("Barcodes"));
    AddItemsFromText(window->Model(), objects);
    ASSERT_EQ(window->Items().OrderList().size(), int(std::size(cases)) + 1);
    window->SaveButton->click();
    ASSERT_FALSE(Changed());

    const QString pngs = dir.filePath(QStringLiteral("barcodes"));
    const BatchResult run = RunBatch({"--dir", dir.path(), "--label", "Barcodes", "--positions",
                                      "1:1", "--png", pngs, "--dpi", "300"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("warning"))) << run.err.toStdString();
    const QString sheet = QDir(pngs).filePath(QStringLiteral("sheet-0001.png"));
    ASSERT_TRUE(QFileInfo::exists(sheet));
    // Kept for a person to look at, beside the designer's pictures.
    QString shots = qEnvironmentVariable("QV_SHOT_DIR");
    if (shots.isEmpty())
        shots = QDir::temp().filePath(QStringLiteral("quorvane-shots"));
    QDir().mkpath(shots);
    QImage(sheet).copy(0, 0, 2400, 3100).save(QDir(shots).filePath("barcodes-printed.png"));

    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {"--quiet", "-Supca.enable", sheet});
    ASSERT_TRUE(zbar.waitForStarted(30000)) << "zbarimg is missing: run scripts/deps.sh";
    ASSERT_TRUE(zbar.waitForFinished(120000));
    const QStringList read = QString::fromUtf8(zbar.readAllStandardOutput())
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const Case& c : cases)
        EXPECT_TRUE(read.contains(QString::fromUtf8(c.read)))
            << c.read << " not among: " << read.join(" | ").toStdString();

    // In a PDF the symbols are vector shapes: the file holds no image at all.
    const QString pdf = dir.filePath(QStringLiteral("barcodes.pdf"));
    ASSERT_EQ(
        RunBatch({"--dir", dir.path(), "--label", "Barcodes", "--positions", "1:1", "--pdf", pdf})
            .exitCode,
        0);
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {"-list", pdf});
    ASSERT_TRUE(images.waitForFinished(60000));
    const QStringList listed = QString::fromUtf8(images.readAllStandardOutput())
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(listed.size(), 2) << listed.join("\n").toStdString(); // the two heading lines
}

TEST_F(PrintCommandsTest, BatchExitCodes) {
    SaveNewLabel(QStringLiteral("Parcels"));
    const QString out = dir.filePath(QStringLiteral("x.pdf"));
    const BatchResult help = RunBatch({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--positions", "--printer NAME", "--outlines", "--crop-marks",
                               "--mirror", "--collate", "*.dbf *.DBF", "*.csv",
                               "--date YYYY-MM-DD", "--time HH:MM", "--records FROM-TO"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;

    const BatchResult noOutput = RunBatch({"--dir", dir.path(), "--label", "Parcels"});
    EXPECT_EQ(noOutput.exitCode, 2);
    EXPECT_TRUE(noOutput.err.contains(QStringLiteral("--pdf")));
    EXPECT_EQ(RunBatch({"--label", "Parcels", "--pdf", out, "--sheets", "0"}).exitCode, 2);
    EXPECT_EQ(
        RunBatch({"--dir", dir.path(), "--label", "Parcels", "--pdf", out, "--positions", "11:1"})
            .exitCode,
        2);
    EXPECT_EQ(RunBatch({"--dir", dir.path(), "--label", "Parcels", "--bogus", "1"}).exitCode, 2);
    const BatchResult bogusLast = RunBatch({"--label", "Parcels", "--pdf", out, "--bogus"});
    EXPECT_EQ(bogusLast.exitCode, 2);
    EXPECT_TRUE(bogusLast.err.contains(QStringLiteral("unknown option --bogus")))
        << bogusLast.err.toStdString();
    const BatchResult dpiWithPdf =
        RunBatch({"--dir", dir.path(), "--label", "Parcels", "--pdf", out, "--dpi", "150"});
    EXPECT_EQ(dpiWithPdf.exitCode, 2);
    EXPECT_TRUE(dpiWithPdf.err.contains(QStringLiteral("--dpi"))) << dpiWithPdf.err.toStdString();
    for (const char* positions : {"1:+2", "+1:2", "1:2x", "1: 0x2", "1:-1", "1:\u0662"})
        EXPECT_EQ(RunBatch({"--dir", dir.path(), "--label", "Parcels", "--pdf", out, "--positions",
                            QString::fromUtf8(positions)})
                      .exitCode,
                  2)
            << positions;
    EXPECT_EQ(RunBatch({"--dir", dir.path(), "--label", "Parcels", "--pdf", out, "--sheets", "+2"})
                  .exitCode,
              2);

    // The print options: --collate only with a merge, one output only, a printer's own
    // alignment only; a queue that does not exist is not found.
    const BatchResult collate =
        RunBatch({"--dir", dir.path(), "--label", "Parcels", "--pdf", out, "--collate"});
    EXPECT_EQ(collate.exitCode, 2);
    EXPECT_TRUE(collate.err.contains(QStringLiteral("--collate needs --merge")));
    const BatchResult twoOutputs =
        RunBatch({"--dir", dir.path(), "--label", "Parcels", "--pdf", out, "--printer", "PDF"});
    EXPECT_EQ(twoOutputs.exitCode, 2);
    EXPECT_TRUE(
        twoOutputs.err.contains(QStringLiteral("exactly one of --pdf, --png and --printer")));
    EXPECT_EQ(RunBatch({"--dir", dir.path(), "--label", "Parcels", "--printer", "PDF",
                        "--printer-offsets", "PDF"})
                  .exitCode,
              2);
    const BatchResult noQueue = RunBatch({"--dir", dir.path(), "--label", "Parcels", "--printer",
                                          "No such queue here", "--outlines"});
    EXPECT_EQ(noQueue.exitCode, 3);
    EXPECT_TRUE(noQueue.err.contains(QStringLiteral("no printer \"No such queue here\"")))
        << noQueue.err.toStdString();

    for (const QStringList& clock :
         {QStringList{"--date", "2026-02-30"}, QStringList{"--date", "31.03.2026"},
          QStringList{"--time", "25:00"}, QStringList{"--time", "9:5"}}) {
        const BatchResult bad =
            RunBatch(QStringList{"--dir", dir.path(), "--label", "Parcels", "--pdf", out} + clock);
        EXPECT_EQ(bad.exitCode, 2) << clock.join(' ').toStdString();
        EXPECT_TRUE(bad.err.contains(clock[0] + " takes a")) << bad.err.toStdString();
    }

    const BatchResult missing = RunBatch({"--dir", dir.path(), "--label", "Nope", "--pdf", out});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Nope")));
    QTemporaryDir empty;
    EXPECT_EQ(RunBatch({"--dir", empty.path(), "--label", "Parcels", "--pdf", out}).exitCode, 3);

    EXPECT_EQ(
        RunBatch({"--dir", dir.path(), "--label", "Parcels", "--pdf", "/nonexistent-folder/x.pdf"})
            .exitCode,
        4);
    EXPECT_FALSE(QFileInfo::exists(out));

    // A table that is there but cannot be read is not "not found".
    QTemporaryDir damaged;
    QFile garbage(QDir(damaged.path()).filePath(QStringLiteral("QVLBLS.DBF")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("this is not a table at all");
    garbage.close();
    const BatchResult unreadable =
        RunBatch({"--dir", damaged.path(), "--label", "Parcels", "--pdf", out});
    EXPECT_EQ(unreadable.exitCode, 4) << unreadable.err.toStdString();
    EXPECT_TRUE(unreadable.err.contains(QStringLiteral("cannot read")));
}

TEST_F(PrintCommandsTest, FailedBatchRunLeavesNoFileAndExistingOnesUntouched) {
    // A label whose second item holds a number that cannot be read: the first sheet's
    // output is under way when the run fails.
    SaveNewLabel(QStringLiteral("Broken"));
    AddItemsFromText(window->Model(), kBox);
    window->SaveButton->click();
    window.reset(); // the program lets go of the table
    {
        QString message;
        auto table = LabelTable::Open(dir.path(), message);
        ASSERT_TRUE(table) << message.toStdString();
        ASSERT_TRUE(table->Seek(QStringLiteral("BROKEN")));
        table->Edit();
        table->SetMemo(QStringLiteral("OBJECTS"),
                       kBox + QStringLiteral("LABELITEM=RECTANGLE\nTOP=nan\nLEFT=x\n"));
        table->Post();
    }
    const QString keep = dir.filePath(QStringLiteral("keep.pdf"));
    {
        QFile file(keep);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the user's own file");
    }
    const BatchResult pdf = RunBatch({"--dir", dir.path(), "--label", "Broken", "--pdf", keep});
    EXPECT_EQ(pdf.exitCode, 4) << pdf.err.toStdString();
    QFile kept(keep);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("the user's own file"));

    const QString pngs = dir.filePath(QStringLiteral("pngs"));
    const BatchResult png = RunBatch(
        {"--dir", dir.path(), "--label", "Broken", "--png", pngs, "--sheets", "2", "--dpi", "30"});
    EXPECT_EQ(png.exitCode, 4) << png.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pngs)) << "the folder this run made is gone again";
    QDir(dir.path()).mkdir(QStringLiteral("pngs"));
    EXPECT_EQ(RunBatch({"--dir", dir.path(), "--label", "Broken", "--png", pngs}).exitCode, 4);
    EXPECT_EQ(QDir(pngs).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*partial*")}, QDir::Files | QDir::Hidden),
              QStringList());
}

// --printer prints the stored label on a CUPS queue (the test queue "PDF", whose jobs arrive
// as PDF files), mirrored and corrected by the queue's alignment in QV.INI: the box that
// stands 0.2875 in from the left of a plain sheet lands as far from the right, moved 0.1 in
// right and 0.05 in down as the correction says.
TEST_F(PrintCommandsTest, BatchPrintsOnAQueueMirroredWithItsAlignment) {
    const QString queue = QStringLiteral("PDF");
    const QString outFolder = QStringLiteral("/tmp/cups-pdf-out");
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    if (!lpstat.waitForFinished(10000) ||
        !QString::fromUtf8(lpstat.readAllStandardOutput()).contains(QStringLiteral("is running")) ||
        QPrinterInfo::printerInfo(queue).isNull() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP()
            << "Skipping: no CUPS scheduler with the PDF queue (scripts/cups-test-queue.sh "
               "as root sets it up) or no pdftoppm";
    SaveNewLabel(QStringLiteral("Mirror Queue Check"));
    AddItemsFromText(window->Model(), kBox);
    window->SaveButton->click();
    PrinterAlignment alignment;
    alignment.OffsetX = 0.1;
    alignment.OffsetY = 0.05;
    ASSERT_TRUE(PrinterAlignmentSettings(QDir(dir.path()).filePath(QStringLiteral("QV.INI")))
                    .Write(queue, alignment));

    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    const BatchResult run = RunBatch({"--dir", dir.path(), "--label", "Mirror Queue Check",
                                      "--positions", "1:1", "--printer", queue, "--mirror"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // The job is named after the document's title; either name is this job's.
    QString pdf;
    QElapsedTimer timer;
    timer.start();
    while (pdf.isEmpty() && timer.elapsed() < 60000) {
        for (const QFileInfo& file : QDir(outFolder).entryInfoList(
                 {"Mirror_Queue_Check*.pdf", "Test_Report*.pdf"}, QDir::Files, QDir::Time))
            if (file.lastModified() >= started && file.size() > 0) {
                QThread::msleep(500); // the backend may still be writing
                pdf = file.absoluteFilePath();
                break;
            }
        QThread::msleep(200);
    }
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << outFolder.toStdString();
    const QString prefix = dir.filePath(QStringLiteral("queued"));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-singlefile"),
                  QStringLiteral("-png"), pdf, prefix});
    ASSERT_TRUE(render.waitForFinished(60000));
    const QImage page(prefix + QStringLiteral(".png"));
    ASSERT_EQ(page.size(), QSize(850, 1100));
    int left = page.width(), right = -1, top = page.height();
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
    // Plain: 0.2875 .. 0.7875 in from the left. Mirrored: 7.7125 .. 8.2125, then +0.1.
    EXPECT_NEAR(left, 781.25, 1.5);
    EXPECT_NEAR(right + 1, 831.25, 1.5);
    EXPECT_NEAR(top, 65, 1.5); // 0.5 + 0.1 + 0.05 in
}
