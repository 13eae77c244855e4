#include <QAction>
#include "support/ModelItems.h"
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

#include "MainWindowFixture.h"
#include "app/Preferences.h"
#include "controls/TCanvasPanel.h"
#include "controls/TBarcode.h"
#include "controls/TImage.h"
#include "controls/TPim3DLabel.h"
#include "controls/TextBoxLayout.h"
#include "designer/RecordBar.h"
#include <QSpinBox>
#include <QToolButton>
#include "designer/ItemMenus.h"
#include "designer/LabelItems.h"
#include "merge/MergeCommands.h"
#include "merge/TMergeSourceDialog.h"
#include "printing/PrintJobs.h"
#include "printing/TLabelPrint.h"

using Answer = ScriptedPrompter::Answer;

namespace {

QString TextItem(const QString& text, double top) {
    return QStringLiteral("LABELITEM=TEXT\nTOP=%1\nLEFT=0.1\nWIDTH=2\nHEIGHT=0.2\nFONTSIZE=10\n"
                          "FONTCOLOR=0\nANGLE=0\nTEXT=%2\nFONTNAME=Arial\nFONTBOLD=N\n"
                          "FONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\nRELATIVEY=0\n")
        .arg(top)
        .arg(text);
}

QString RunTool(const QString& program, const QStringList& arguments, int* exitCode = nullptr,
                QString* err = nullptr) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitCode();
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

int RedPixels(const QImage& image) {
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() - c.green() > 100 && c.red() - c.blue() > 100 ? 1 : 0;
        }
    return red;
}

int RedPixels(QWidget* widget) {
    return RedPixels(widget->grab().toImage());
}

class MergeCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->Printing().PrintersInstalled = [] { return true; };
        window->Printing().PaperSupported = [](int) { return true; };
        csv = dir.filePath(QStringLiteral("guests.csv"));
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Name;City\nAda;London\nGrace;Arlington\nAlan;Wilmslow\nEdsger;Austin\n");
    }
    // "Merge…" with csv chosen in the file dialog; remember ticks the box.
    void ChooseSource(bool remember, QStringList* shownNames = nullptr) {
        prompts.Then(Answer::Dialog(
            true, [this](QDialog& dialog) { dynamic_cast<QFileDialog&>(dialog).selectFile(csv); }));
        prompts.Then(Answer::Dialog(true, [remember, shownNames](QDialog& dialog) {
            auto& merge = dynamic_cast<TMergeSourceDialog&>(dialog);
            if (shownNames) {
                for (int c = 0; c < merge.FieldsGrid->columnCount(); ++c)
                    *shownNames << merge.FieldsGrid->horizontalHeaderItem(c)->text();
                for (int r = 0; r < merge.FieldsGrid->rowCount(); ++r)
                    *shownNames << merge.FieldsGrid->item(r, 0)->text();
            }
            merge.RememberBox->setChecked(remember);
            // QV_MERGE_PICTURE=file.png keeps a picture of the dialog to look at.
            if (const QString picture = qEnvironmentVariable("QV_MERGE_PICTURE");
                !picture.isEmpty())
                merge.grab().save(picture);
        }));
        window->mnuMerge->trigger();
    }
    QString csv;
};

} // namespace

TEST_F(MergeCommandsTest, ChosenSourceShowsItsFieldsPrintsARecordPerLabelAndIsRemembered) {
    SaveNewLabel(QStringLiteral("Badges"));
    AddItemsFromText(window->Model(), TextItem(QStringLiteral("{Name} of {City}"), 0.1));
    window->SaveButton->click();
    QStringList shown;
    ChooseSource(true, &shown);
    EXPECT_EQ(shown, QStringList({"Name", "City", "Ada", "Grace", "Alan", "Edsger"}));
    EXPECT_EQ(window->Merging().CurrentFileName(), csv);

    // "Insert Merge Field" lists the source's fields and appends the reference.
    QWidget* text = window->LabelPanel->findChildren<TPim3DLabel*>().value(0);
    ASSERT_NE(text, nullptr);
    window->AttachControl(text);
    QMenu* fields = window->Menus->PopupMenuTextInsertMergeField;
    emit fields->aboutToShow();
    QStringList captions;
    for (QAction* action : fields->actions())
        captions << action->text();
    EXPECT_EQ(captions, QStringList({"Name", "City"}));
    fields->actions().value(1)->trigger();
    EXPECT_EQ(qobject_cast<TPim3DLabel*>(text)->Caption(),
              QStringLiteral("{Name} of {City}{City}"));
    window->CancelButton->click();

    // Export: the question asks for copies; four records, two copies, on one 3 x 10 sheet.
    const QString pdf = dir.filePath(QStringLiteral("badges.pdf"));
    prompts.Then(Answer::Text(QStringLiteral("2"))).Then(Answer::SaveFile(pdf));
    window->mnuExportPdf->trigger();
    EXPECT_EQ(prompts.Messages(QStringLiteral("Text")), QStringList({"Copies of each label:|1"}));
    const QString pages = RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_EQ(pages.count(QStringLiteral("Ada of London")), 2);
    EXPECT_EQ(pages.count(QStringLiteral("Edsger of Austin")), 2);

    // The next run finds the source in QV.INI under the label.
    EXPECT_EQ(Preferences(dir.path()).ReadMergeSource(QStringLiteral("badges")), csv);
    RestartWindow();
    EXPECT_EQ(window->Merging().CurrentFileName(), csv);
    // "No Merge" forgets it.
    prompts.Then(Answer::Dialog(true, [](QDialog& dialog) {
        dynamic_cast<TMergeSourceDialog&>(dialog).NoMergeButtonClick();
    }));
    window->mnuMerge->trigger();
    EXPECT_EQ(window->Merging().CurrentFileName(), QString());
    EXPECT_EQ(Preferences(dir.path()).ReadMergeSource(QStringLiteral("Badges")), QString());
}

// A field the source lacks is drawn as "{Zip?}" and named once in the status window, which
// then stays open for the user to read it.
TEST_F(MergeCommandsTest, MissingFieldIsAWarningLineInTheStatusWindow) {
    SaveNewLabel(QStringLiteral("Badges"));
    AddItemsFromText(window->Model(), TextItem(QStringLiteral("{Name} {Zip}"), 0.1) +
                                 TextItem(QStringLiteral("{ZIP}"), 0.5));
    window->SaveButton->click();
    ChooseSource(false);
    QString finalText, button, during;
    prompts.Then(Answer::Dialog(true, [&](QDialog& dialog) {
        auto& status = dynamic_cast<TLabelPrint&>(dialog);
        const auto process = status.ProcessMessages;
        status.ProcessMessages = [&, process] {
            process();
            if (during.isEmpty())
                during = status.StatusText->text();
        };
        status.FormActivate();
        finalText = status.StatusText->text();
        button = status.CancelButton->text();
        status.CancelButtonClick();
    }));
    prompts.Then(Answer::Dialog(true));
    window->mnuPreviewLabels->trigger();
    EXPECT_EQ(during, QStringLiteral("Printing page 1\nRecord 1 of 4\n"
                                     "Warning: guests.csv has no field {Zip?}"));
    EXPECT_EQ(finalText,
              QStringLiteral("\nLabel Preview Ready!\nWarning: guests.csv has no field {Zip?}"));
    EXPECT_EQ(button, QStringLiteral("Close"));
    EXPECT_EQ(window->Printing().LastOutcome(), PrintJobs::Outcome::Completed);
    EXPECT_TRUE(prompts.Messages(QStringLiteral("Question")).isEmpty());
}

// On the design panel a reference to a field the source lacks shows as "{Zip?}" in red, the
// stored text stays as typed and the paper shows no red.
TEST_F(MergeCommandsTest, MissingFieldIsRedOnThePanelOnly) {
    SaveNewLabel(QStringLiteral("Badges"));
    AddItemsFromText(window->Model(), TextItem(QStringLiteral("{Name} from {Zip}"), 0.1) +
                                 TextItem(QStringLiteral("{City} {{Zip}}"), 0.5));
    window->SaveButton->click();
    const QList<TPim3DLabel*> texts = window->LabelPanel->findChildren<TPim3DLabel*>();
    ASSERT_EQ(texts.size(), 2);
    const QString stored = window->SaveItems();
    EXPECT_EQ(RedPixels(texts[0]), 0); // no source: as typed

    ChooseSource(true);
    EXPECT_GT(RedPixels(texts[0]), 20);
    EXPECT_EQ(RedPixels(texts[1]), 0);
    EXPECT_EQ(window->SaveItems(), stored);
    EXPECT_FALSE(Changed());
    // QV_PANEL_PICTURE=file.png keeps a picture of the panel to look at.
    if (const QString picture = qEnvironmentVariable("QV_PANEL_PICTURE"); !picture.isEmpty())
        window->LabelPanel->grab().save(picture);

    const QString pdf = dir.filePath(QStringLiteral("badges.pdf"));
    prompts.Then(Answer::Text(QStringLiteral("1"))).Then(Answer::SaveFile(pdf));
    window->mnuExportPdf->trigger();
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-f"), QStringLiteral("1"),
             QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"), pdf,
             dir.filePath("page")});
    const QImage page(dir.filePath(QStringLiteral("page-1.png")));
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                    .contains(QStringLiteral("Ada from {Zip?}")));
    EXPECT_EQ(RedPixels(page), 0);

    // The next run marks it again from QV.INI; "No Merge" shows the text as typed.
    RestartWindow();
    QWidget* first = window->LabelPanel->findChildren<TPim3DLabel*>().value(0);
    ASSERT_NE(first, nullptr);
    EXPECT_GT(RedPixels(first), 20);
    prompts.Then(Answer::Dialog(true, [](QDialog& dialog) {
        dynamic_cast<TMergeSourceDialog&>(dialog).NoMergeButtonClick();
    }));
    window->mnuMerge->trigger();
    EXPECT_EQ(RedPixels(first), 0);
}

// With a source chosen the record bar shows which record the panel shows, and the panel
// shows that record as it prints: texts filled in and shrunk, barcodes, pictures. The
// stored label never changes with the record shown.
TEST_F(MergeCommandsTest, RecordBarShowsEachRecordAsItPrints) {
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("Id;Name;Zip\n1;Ada;10001\n2;Bartholomew Featherstonehaugh-Cholmondeley;20002\n"
               "3;Alan;30003\n");
    file.close();
    for (const auto& [name, colour] : {std::pair{"1.png", Qt::red}, std::pair{"2.png", Qt::blue}}) {
        QImage picture(20, 10, QImage::Format_ARGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(dir.filePath(QString::fromLatin1(name))));
    }
    SaveNewLabel(QStringLiteral("Badges"));
    LabelItemValue box = ItemKind(LabelItemKind::Text).newItem();
    box.top = 5, box.left = 5, box.width = 140, box.height = 40;
    box.text = QStringLiteral("{Name}\n{Zip}");
    box.textBox.box = box.textBox.shrink = true;
    box.textBox.minFontSize = 4;
    const QString boxName = window->Model().CreateItemFromValue(box);
    LabelItemValue code = ItemKind(LabelItemKind::Barcode).newItem();
    code.top = 50, code.left = 5, code.width = 120, code.height = 40;
    code.barcodeData = QStringLiteral("{Zip}");
    window->Model().CreateItemFromValue(code);
    LabelItemValue photo = ItemKind(LabelItemKind::Image).newItem();
    photo.top = 5, photo.left = 150, photo.width = 40, photo.height = 20, photo.stretch = true;
    photo.fileName = QStringLiteral("{Id}.png");
    window->Model().CreateItemFromValue(photo);
    window->SaveButton->click();
    const QString stored = window->SaveItems();
    RecordBar* bar = window->MergeRecordBar;
    EXPECT_FALSE(bar->isVisibleTo(window.get()));

    int recordsShown = 0;
    prompts.Then(Answer::Dialog(
        true, [this](QDialog& dialog) { dynamic_cast<QFileDialog&>(dialog).selectFile(csv); }));
    prompts.Then(Answer::Dialog(true, [&recordsShown](QDialog& dialog) {
        auto& merge = dynamic_cast<TMergeSourceDialog&>(dialog);
        recordsShown = int(merge.RecordCount());
        EXPECT_EQ(merge.RecordsLabel->text(), QStringLiteral("3 records"));
        merge.FromRecordBox->setValue(2);
        merge.ToRecordBox->setValue(2);
    }));
    window->mnuMerge->trigger();
    EXPECT_EQ(recordsShown, 3);
    EXPECT_EQ(window->Merging().RecordRange().first, 2);
    EXPECT_EQ(window->Merging().RecordRange().last, 2);

    ASSERT_TRUE(bar->isVisibleTo(window.get()));
    EXPECT_EQ(bar->SourceLabel->text(), QStringLiteral("Merge: guests.csv"));
    EXPECT_EQ(bar->CountLabel->text(), QStringLiteral("of 3"));
    EXPECT_EQ(bar->Record(), 1);
    auto* text = qobject_cast<TPim3DLabel*>(window->Items().Control(boxName));
    auto* barcode = window->LabelPanel->findChild<TBarcode*>();
    auto* image = window->LabelPanel->findChild<TImage*>();
    ASSERT_TRUE(text && barcode && image);
    const auto shownLines = [text] {
        QStringList lines;
        for (const TextBoxLine& line : text->LinesLayout().lines)
            lines << line.text;
        return lines;
    };
    EXPECT_EQ(shownLines(), QStringList({"Ada", "10001"}));
    EXPECT_EQ(barcode->DataShown(), QStringLiteral("10001"));
    EXPECT_EQ(image->grab().toImage().pixelColor(10, 10), QColor(Qt::red));
    const double fullSize = text->LinesLayout().points;

    bar->NextButton->click();
    EXPECT_EQ(bar->Record(), 2);
    EXPECT_EQ(shownLines().value(1), QStringLiteral("20002"));
    EXPECT_LT(text->LinesLayout().points, fullSize); // the long name shrinks, as it prints
    EXPECT_TRUE(text->LinesLayout().fits);
    EXPECT_EQ(barcode->DataShown(), QStringLiteral("20002"));
    EXPECT_EQ(image->grab().toImage().pixelColor(10, 10), QColor(Qt::blue));
    if (const QString folder = qEnvironmentVariable("QV_PICTURE_DIR"); !folder.isEmpty())
        window->grab().save(QDir(folder).filePath(QStringLiteral("record-bar.png")));

    bar->LastButton->click();
    EXPECT_EQ(bar->Record(), 3);
    EXPECT_FALSE(bar->NextButton->isEnabled());
    EXPECT_FALSE(image->HasPicture()); // 3.png is missing: the placeholder, as print shows
    bar->FirstButton->click();
    EXPECT_EQ(shownLines().value(0), QStringLiteral("Ada"));
    EXPECT_EQ(window->SaveItems(), stored);
    EXPECT_FALSE(Changed());

    // The range chosen in the Merge dialog is what a job prints: record 2 alone.
    const QString pdf = dir.filePath(QStringLiteral("range.pdf"));
    prompts.Then(Answer::Text(QStringLiteral("1"))).Then(Answer::SaveFile(pdf));
    window->mnuExportPdf->trigger();
    const QString printed = RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(printed.contains(QStringLiteral("Bartholomew"))) << printed.toStdString();
    EXPECT_FALSE(printed.contains(QStringLiteral("Ada")));
    EXPECT_FALSE(printed.contains(QStringLiteral("Alan")));

    // "No Merge" hides the bar and shows the label as typed.
    prompts.Then(Answer::Dialog(true, [](QDialog& dialog) {
        dynamic_cast<TMergeSourceDialog&>(dialog).NoMergeButtonClick();
    }));
    window->mnuMerge->trigger();
    EXPECT_FALSE(bar->isVisibleTo(window.get()));
    EXPECT_EQ(barcode->DataShown(), QStringLiteral("{Zip?}"));
    EXPECT_EQ(shownLines(), QStringList({"{Name}", "{Zip}"}));
}

// Export to PDF ends with how many records had problems; the lines themselves are behind
// "Show Details", once each however many copies were printed.
TEST_F(MergeCommandsTest, ExportEndsWithASummaryOfTheRecordsWithWarnings) {
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("Name\nAda\nBartholomew Featherstonehaugh-Cholmondeley of Kensington\nAlan\n"
               "Wolfeschlegelsteinhausenbergerdorff the Elder\n");
    file.close();
    SaveNewLabel(QStringLiteral("Badges"));
    LabelItemValue box = ItemKind(LabelItemKind::Text).newItem();
    box.top = 5, box.left = 5, box.width = 60, box.height = 20;
    box.text = QStringLiteral("{Name}");
    box.textBox.box = true;
    window->Model().CreateItemFromValue(box);
    window->SaveButton->click();
    ChooseSource(false);

    QString summary, details;
    const QString pdf = dir.filePath(QStringLiteral("warned.pdf"));
    prompts.Then(Answer::Text(QStringLiteral("2"))).Then(Answer::SaveFile(pdf));
    prompts.Then(Answer::Dialog(true, [&](QDialog& dialog) {
        auto& message = dynamic_cast<QMessageBox&>(dialog);
        summary = message.text();
        details = message.detailedText();
    }));
    window->mnuExportPdf->trigger();
    EXPECT_TRUE(QFileInfo::exists(pdf));
    EXPECT_TRUE(summary.endsWith(QStringLiteral("2 records have warnings."))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("written to warned.pdf")));
    const QStringList lines = details.split(u'\n');
    ASSERT_EQ(lines.size(), 2) << details.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Record 2: the text \"{Name}\" does not fit")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Record 4: ")));
    EXPECT_EQ(prompts.Unanswered(), 0u);
}

TEST_F(MergeCommandsTest, BadSourceIsReportedAndNothingPrints) {
    SaveNewLabel(QStringLiteral("Badges"));
    ChooseSource(false);
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("Ken;Murray Hill;extra\n");
    file.close();
    window->mnuPreviewLabels->trigger();
    // The box names the file, not its folders.
    EXPECT_EQ(
        prompts.Messages(QStringLiteral("Information")).value(0),
        QStringLiteral("guests.csv, line 6 (record 5): 3 fields where the first row names 2"));
    EXPECT_EQ(window->Printing().LastOutcome(), PrintJobs::Outcome::Failed);
}

TEST_F(MergeCommandsTest, BatchMergesAFileAndRefusesABadOne) {
    SaveNewLabel(QStringLiteral("Badges"));
    AddItemsFromText(window->Model(), TextItem(QStringLiteral("{Name}"), 0.1));
    window->SaveButton->click();
    const QString batch =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../../app/quorvane-batch");
    const QString pdf = dir.filePath(QStringLiteral("batch.pdf"));
    int code = -1;
    QString err;
    RunTool(
        batch,
        {"--dir", dir.path(), "--label", "badges", "--merge", csv, "--copies", "3", "--pdf", pdf},
        &code, &err);
    ASSERT_EQ(code, 0) << err.toStdString();
    const QString text = RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_EQ(text.count(QStringLiteral("Grace")), 3);

    const QString bad = dir.filePath(QStringLiteral("bad.csv"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Name\nAda\n\"Grace\n");
    file.close();
    QFile::remove(pdf);
    RunTool(batch, {"--dir", dir.path(), "--label", "Badges", "--merge", bad, "--pdf", pdf}, &code,
            &err);
    EXPECT_EQ(code, 3);
    EXPECT_TRUE(err.endsWith(QStringLiteral("quorvane-batch: ") + bad +
                             QStringLiteral(", line 3 (record 2): a quote that is never closed\n")))
        << err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    RunTool(batch, {"--dir", dir.path(), "--label", "Badges", "--copies", "2", "--pdf", pdf},
            &code);
    EXPECT_EQ(code, 2);
}
