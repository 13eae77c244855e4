#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "document/ChosenPositions.h"
#include "document/ColorValue.h"
#include "merge/MergeRun.h"
#include "merge/MergeSource.h"
#include "merge/MergeSourceError.h"
#include "printing/SheetJob.h"
#include "printing/SheetJobObserver.h"
#include "printing/SheetRenderer.h"
#include "printing/TReportFiler.h"
#include "printing/TReportImage.h"
#include "printing/TReportPdfWriter.h"

#include <QImage>
#include <QtMath>

namespace {

SheetGeometry Sheet(int across, int down) {
    SheetGeometry geometry;
    geometry.labelsAcross = across;
    geometry.labelsDown = down;
    geometry.topMargin = 0.5f;
    geometry.leftMargin = 0.1875f;
    geometry.horizontalPitch = 2.75f;
    geometry.verticalPitch = 1.0f;
    geometry.labelWidth = 2.625f;
    geometry.labelHeight = 1.0f;
    geometry.paperSize = QStringLiteral("LTR");
    return geometry;
}

QString Text(const QString& text, double top = 0.1) {
    return QStringLiteral("LABELITEM=TEXT\nTOP=%1\nLEFT=0.1\nWIDTH=2\nHEIGHT=0.2\nFONTSIZE=10\n"
                          "FONTCOLOR=0\nANGLE=0\nTEXT=%2\nFONTNAME=Arial\nFONTBOLD=N\n"
                          "FONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\nRELATIVEY=0\n")
        .arg(top)
        .arg(text);
}

const QString kCounter =
    QStringLiteral("LABELITEM=COUNTER\nTOP=0.5\nLEFT=0.1\nWIDTH=1\nHEIGHT=0.3\nFONTSIZE=10\n"
                   "FONTCOLOR=0\nANGLE=0\nFONTNAME=Arial\nFONTBOLD=N\nFONTITALIC=N\n"
                   "FONTUNDER=N\nRELATIVEX=0\nRELATIVEY=0\nSTARTINGNUMBER=1\nREPEATEACH=1\n");

class MergePrintTest : public ::testing::Test {
protected:
    std::unique_ptr<MergeSource> Csv(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("records.csv"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        return MergeSource::Open(path);
    }
    // Draws the job into a preview stream and reads back the texts of each page.
    std::vector<RecordingSurface> Pages(const SheetGeometry& geometry, const QString& objects,
                                        MergeRun& run) {
        SheetJob job;
        job.Label.geometry = geometry;
        job.Selection = selection;
        job.ObjectsText = objects + QStringLiteral("NOTHING=NOTHING\n");
        job.Sheets = 99; // a merge decides the sheets itself
        job.Merge = &run;
        struct Progress : SheetJobObserver {
            Progress(QStringList& shown, MergeRun& merge) : lines(shown), run(merge) {}
            bool LabelDrawn() override {
                lines << run.Progress();
                return true;
            }
            QStringList& lines;
            MergeRun& run;
        } observer(progress, run);
        SheetRenderer print(job, &observer);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        TReportFiler filer;
        filer.SelectPaper(1);
        filer.Stream = &buffer;
        filer.OnPrint = [&print](TBaseReport& report) { print.PrintLabels(report); };
        filer.Execute();
        return RecordingSurface::Pages(bytes);
    }
    QTemporaryDir dir;
    ChosenPositions selection;
    QStringList progress;
};

QByteArray Names(int count) {
    QByteArray csv = "Name\n";
    for (int i = 1; i <= count; ++i)
        csv += "N" + QByteArray::number(i) + "\n";
    return csv;
}

// The warning lines a job sends while it draws.
struct WarningLines : SheetJobObserver {
    void LabelWarning(const QString& line) override { lines << line; }
    QStringList lines;
};

} // namespace

// Five records, two copies each, on a 3 x 2 sheet of which positions 1, 3 and 5 are chosen:
// ten labels fill three chosen positions per sheet, so four sheets, the last holding one.
TEST_F(MergePrintTest, RecordsFollowTheVisitingOrderOverChosenPositionsAndSheets) {
    auto source = Csv(Names(5));
    MergeRun run(*source, 2);
    selection.SpecificLabelsChosen = true;
    for (int position : {1, 3, 5})
        selection.SelectedPositions[position] = true;
    const auto pages = Pages(Sheet(3, 2), Text(QStringLiteral("{Name}")) + kCounter, run);
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].TextList(), QStringList({"N1", "1", "N1", "2", "N2", "3"}));
    EXPECT_EQ(pages[1].TextList(), QStringList({"N2", "4", "N3", "5", "N3", "6"}));
    EXPECT_EQ(pages[2].TextList(), QStringList({"N4", "7", "N4", "8", "N5", "9"}));
    EXPECT_EQ(pages[3].TextList(), QStringList({"N5", "10"}));
    // Position 1 is row 0, column 1; position 3 row 1, column 0.
    EXPECT_NEAR(pages[0].Texts[0].Pivot.x(), 0.1875 + 2.75 + 0.1, 1e-6);
    EXPECT_NEAR(pages[0].Texts[2].Pivot.x(), 0.1875 + 0.1, 1e-6);
    EXPECT_EQ(progress.size(), 10);
    EXPECT_EQ(progress.front(), QStringLiteral("Record 1 of 5"));
    EXPECT_EQ(progress.back(), QStringLiteral("Record 5 of 5"));
    EXPECT_EQ(run.SheetsFor(3), 4);

    // Collated, the five records run once per copy, the second set going on where the first
    // ended; the same ten labels, sheets and counter.
    progress.clear();
    MergeRun sets(*source, 2, true);
    const auto collated = Pages(Sheet(3, 2), Text(QStringLiteral("{Name}")) + kCounter, sets);
    ASSERT_EQ(collated.size(), 4u);
    EXPECT_EQ(collated[0].TextList(), QStringList({"N1", "1", "N2", "2", "N3", "3"}));
    EXPECT_EQ(collated[1].TextList(), QStringList({"N4", "4", "N5", "5", "N1", "6"}));
    EXPECT_EQ(collated[2].TextList(), QStringList({"N2", "7", "N3", "8", "N4", "9"}));
    EXPECT_EQ(collated[3].TextList(), QStringList({"N5", "10"}));
    ASSERT_EQ(progress.size(), 10);
    EXPECT_EQ(progress[5], QStringLiteral("Record 1 of 5, set 2 of 2"));
    EXPECT_EQ(sets.SheetsFor(3), 4);
}

// Records times copies is counted in 64 bits, and a job past the limit is refused before
// anything is drawn rather than wrapped round to a blank page.
TEST_F(MergePrintTest, HugeJobsAreCountedWholeAndRefusedPastTheLimit) {
    auto source = Csv(Names(250000));
    MergeRun run(*source, 9999);
    EXPECT_EQ(run.Records(), 250000);
    EXPECT_EQ(run.SheetsFor(1), 2499750000LL);
    EXPECT_EQ(run.SheetsFor(30), 83325000LL);
    const QString refusal = run.SheetLimitError(Sheet(3, 10), selection);
    EXPECT_EQ(refusal, QStringLiteral("250,000 records with 9,999 copies each would take "
                                      "83,325,000 sheets; one job prints at most 1,000,000 "
                                      "sheets."));
    EXPECT_THROW(Pages(Sheet(3, 10), Text(QStringLiteral("{Name}")), run), std::runtime_error);
    MergeRun fits(*source, 4);
    EXPECT_EQ(fits.SheetLimitError(Sheet(1, 1), selection), QString());
}

// A field that holds line breaks (a quoted address) prints on its one line, the breaks
// as blanks.
TEST_F(MergePrintTest, LineBreaksInAFieldPrintAsBlanks) {
    auto source = Csv("Street\n\"12 St James's Square,\r\nApt 3\"\n\"\tIndented\n\"\n");
    MergeRun run(*source, 1);
    const auto pages = Pages(Sheet(2, 1), Text(QStringLiteral("{Street}")), run);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].TextList(), QStringList({"12 St James's Square, Apt 3", "Indented"}));
}

TEST_F(MergePrintTest, SubstitutionEscapesCounterAndMissingFields) {
    auto source = Csv("First,Last Name\nAda,Lovelace\n");
    MergeRun run(*source, 1);
    const QString objects = Text(QStringLiteral("{first} {Last Name}")) +
                            Text(QStringLiteral("{{literal}} {#}/{Zip}"), 0.4) + kCounter +
                            Text(QStringLiteral("{Zip}{Title}"), 0.7);
    const auto pages = Pages(Sheet(2, 1), objects, run);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].TextList(),
              QStringList({"Ada Lovelace", "{literal} 1/{Zip?}", "1", "{Zip?}{Title?}"}));
    EXPECT_EQ(run.MissingFields(objects), QStringList({"Zip", "Title"}));
    EXPECT_EQ(run.MissingFieldsWarning(objects),
              QStringLiteral("Warning: records.csv has no field {Zip?}, {Title?}"));
    EXPECT_EQ(run.MissingFieldsWarning(Text(QStringLiteral("{First}"))), QString());
}

// A barcode's data takes the record's fields and the label's counter value; a field the
// source lacks is reported like one in a text.
TEST_F(MergePrintTest, BarcodeDataTakesTheRecordsFields) {
    auto source = Csv("Asset\nA-1\nA-2\n");
    MergeRun run(*source, 1);
    const QString barcode = QStringLiteral(
        "LABELITEM=BARCODE\nTOP=0.1\nLEFT=0.1\nWIDTH=2\nHEIGHT=0.5\nSYMBOLOGY=CODE128\n"
        "DATA=%1\nSHOWTEXT=Y\nCOLOR=0\nBACKGROUND=16777215\n");
    const QString objects = kCounter + barcode.arg(QStringLiteral("{Asset}/{#}"));
    const auto pages = Pages(Sheet(2, 1), objects, run);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].TextList(), QStringList({"1", "A-1/1", "2", "A-2/2"}));
    EXPECT_EQ(run.MissingFields(barcode.arg(QStringLiteral("{Room}{#}"))), QStringList({"Room"}));
}

// Without a source the text prints as typed, braces and all.
TEST_F(MergePrintTest, WithoutASourceTextPrintsAsTyped) {
    SheetJob job;
    job.Label.geometry = Sheet(1, 1);
    job.ObjectsText = Text(QStringLiteral("{Name} {{x}}")) + QStringLiteral("NOTHING=NOTHING\n");
    SheetRenderer print(job, nullptr);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    TReportFiler filer;
    filer.Stream = &buffer;
    filer.OnPrint = [&print](TBaseReport& report) { print.PrintLabels(report); };
    filer.Execute();
    EXPECT_EQ(RecordingSurface::Pages(bytes)[0].TextList(), QStringList({"{Name} {{x}}"}));
}

// The built-in fields print with or without a source: the job's one date and time, and on a
// label without a counter "{#}" numbers the labels of the job from 1.
TEST_F(MergePrintTest, DateTimeAndLabelNumbersPrintOnEveryLabel) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    SheetJob job;
    job.Label.geometry = Sheet(2, 2);
    job.Clock = QDateTime(QDate(2026, 3, 31), QTime(9, 30));
    job.Sheets = 2;
    job.ObjectsText = Text(QStringLiteral("No. {#:000} {Name} {date+1:dd.MM.yyyy} {time}")) +
                      QStringLiteral("NOTHING=NOTHING\n");
    const auto render = [](const SheetJob& drawn) {
        SheetRenderer print(drawn, nullptr);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        TReportFiler filer;
        filer.Stream = &buffer;
        filer.OnPrint = [&print](TBaseReport& report) { print.PrintLabels(report); };
        filer.Execute();
        return RecordingSurface::Pages(bytes);
    };
    const auto pages = render(job);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].TextList().last(), "No. 008 {Name} 01.04.2026 09:30");
    EXPECT_EQ(pages[0].TextList().first(), "No. 001 {Name} 01.04.2026 09:30");

    // With a counter item "{#}" is the counter's value on its label, before or behind it.
    auto source = Csv("Name\nAda\nBob\n");
    MergeRun run(*source, 1);
    const QString objects = Text(QStringLiteral("{Name} {#:00}")) + kCounter +
                            Text(QStringLiteral("{date:yyyy} {#}"), 0.7);
    const auto merged = Pages(Sheet(2, 1), objects, run);
    ASSERT_EQ(merged.size(), 1u);
    const QString year = QString::number(QDate::currentDate().year());
    EXPECT_EQ(merged[0].TextList(),
              QStringList({"Ada 01", "1", year + " 1", "Bob 02", "2", year + " 2"}));
    EXPECT_EQ(run.MissingFields(objects), QStringList());
    QLocale::setDefault(QLocale::system());
}

// An address box fits every record: a long name shrinks the text by half points, a field
// holding a line break gives two lines, a line whose fields are all empty is left out, and
// a text that cannot fit even at the smallest size is clipped at its box and named in a
// warning line with its record.
TEST_F(MergePrintTest, AddressBoxesFitEveryRecordAndNameTheOnesThatDoNot) {
    auto source = Csv(QByteArray("Name,Street,City\n"
                                 "Ada Lovelace,12 St James's Square,London\n"
                                 "Augusta Wilhelmina von Hohenzollern-Sigmaringen,1 Way,Berne\n"
                                 "Bob,\"3 Long Road\nBuilding B\",Leeds\n"
                                 "Cy,,York\n") +
                      "Dee " + QByteArray(400, 'W') + ",2 Lane,Hull\n");
    MergeRun run(*source, 1);
    SheetJob job;
    job.Label.geometry = Sheet(1, 5);
    job.ObjectsText = QStringLiteral(
        "LABELITEM=TEXT\nTEXT={Name}\nTOP=0.1\nLEFT=0.1\nWIDTH=2.4\nHEIGHT=0.8\n"
        "FONTNAME=Arial\nFONTCOLOR=0\nFONTSIZE=14\nFONTBOLD=N\nFONTITALIC=N\nFONTUNDER=N\n"
        "ANGLE=0\nRELATIVEX=0\nRELATIVEY=0\nTEXTLINE={Street}\nTEXTLINE={City}\nBOX=Y\n"
        "ALIGN=C\nSHRINK=Y\nSKIPBLANK=Y\nNOTHING=NOTHING\n");
    job.Merge = &run;
    WarningLines observer;
    SheetRenderer print(job, &observer);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    TReportFiler filer;
    filer.SelectPaper(1);
    filer.Stream = &buffer;
    filer.OnPrint = [&print](TBaseReport& report) { print.PrintLabels(report); };
    filer.Execute();
    const auto pages = RecordingSurface::Pages(bytes);
    ASSERT_EQ(pages.size(), 1u);
    const auto& texts = pages[0].Texts;
    QStringList drawn;
    for (const auto& text : texts)
        drawn << text.Text;
    ASSERT_EQ(drawn.size(), 3 + 3 + 4 + 2 + 3) << drawn.join('|').toStdString();
    EXPECT_EQ(drawn.mid(6, 6),
              QStringList({"Bob", "3 Long Road", "Building B", "Leeds", "Cy", "York"}));
    EXPECT_EQ(texts[0].Font.Size, 14.0);
    EXPECT_LT(texts[3].Font.Size, 14.0); // the long name's label, and only that one
    EXPECT_GE(texts[3].Font.Size, 6.0);
    EXPECT_EQ(std::fmod(texts[3].Font.Size * 2, 1.0), 0.0);
    EXPECT_EQ(texts[6].Font.Size, 12.5); // four lines need a smaller size than three
    EXPECT_EQ(texts[10].Font.Size, 14.0);
    // Centred: the short lines start further in than the long ones.
    EXPECT_GT(texts[8].Pivot.x(), texts[7].Pivot.x());
    // Every box is clipped; the one that does not fit is named, once.
    EXPECT_GE(pages[0].Clips.size(), 5u);
    ASSERT_EQ(observer.lines.size(), 1) << observer.lines.join('|').toStdString().substr(0, 600);
    EXPECT_EQ(observer.lines[0],
              "Record 5: the text \"{Name} / {Street} / {City}\" does not fit its box");

    // Kept for a person to look at.
    QString shots = qEnvironmentVariable("QV_SHOT_DIR");
    if (shots.isEmpty())
        shots = QDir::temp().filePath(QStringLiteral("quorvane-shots"));
    QDir().mkpath(shots);
    job.Options.Outlines = true;
    SheetRenderer again(job, nullptr);
    TReportImage image(100);
    image.OnPrint = [&again](TBaseReport& report) { again.PrintLabels(report); };
    image.Execute();
    ASSERT_EQ(image.Pages().size(), 1u);
    image.Pages()[0].copy(0, 0, 320, 560).save(QDir(shots).filePath("address-boxes.png"));
}

// A bad record anywhere stops the job before the first sheet is drawn; a source without
// records too.
TEST_F(MergePrintTest, ABadSourceIsRefusedBeforeAnythingIsDrawn) {
    QByteArray csv = Names(2000);
    csv += "\"unterminated\n";
    auto source = Csv(csv);
    try {
        MergeRun run(*source, 1);
        FAIL() << "the bad record was not found";
    } catch (const MergeSourceError& error) {
        EXPECT_TRUE(error.Message().endsWith(
            QStringLiteral("records.csv, line 2002 (record 2001): a quote that is never closed")))
            << error.Message().toStdString();
    }
    auto empty = Csv("Name\n");
    EXPECT_THROW(MergeRun(*empty, 1), MergeSourceError);
}

// A hundred addresses on a 3 x 10 Letter sheet: four pages, each address at its position.
TEST_F(MergePrintTest, HundredAddressesToPdfEachAtItsPosition) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils (pdftotext) is not installed";
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("QV_KEEP_TEST_OUTPUT"));
    QByteArray csv = "Name,Street,City\n";
    for (int i = 1; i <= 100; ++i)
        csv += QStringLiteral("Person %1,\"%2 Elm Street, Apt %1\",Springfield %3\n")
                   .arg(i)
                   .arg(100 + i)
                   .arg(10000 + i)
                   .toUtf8();
    auto source = Csv(csv);
    MergeRun run(*source, 1);
    SheetJob job;
    job.Label.geometry = Sheet(3, 10);
    job.Label.geometry.leftMargin = 0.1875f;
    job.Label.geometry.horizontalPitch = 2.75f;
    job.ObjectsText = Text(QStringLiteral("{Name}"), 0.05) + Text(QStringLiteral("{Street}"), 0.3) +
                      Text(QStringLiteral("{City}"), 0.55) + QStringLiteral("NOTHING=NOTHING\n");
    job.Merge = &run;
    const QString pdf = dir.filePath(QStringLiteral("addresses.pdf"));
    TReportPdfWriter writer(pdf);
    job.Render(writer);

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(u'\f');
    ASSERT_GE(pages.size(), 4);
    EXPECT_TRUE(pages.size() == 4 || (pages.size() == 5 && pages[4].trimmed().isEmpty()));
    // Each row of labels reads as three columns: record r of the sheet in column r mod 3.
    for (int page = 0; page < 4; ++page) {
        QStringList lines;
        for (const QString& line : pages[page].split(u'\n'))
            if (line.contains(QLatin1String("Person")))
                lines << line;
        const int onPage = page < 3 ? 30 : 10;
        ASSERT_EQ(lines.size(), (onPage + 2) / 3) << "page " << page + 1;
        for (int row = 0; row < lines.size(); ++row) {
            const QStringList cells =
                lines[row].trimmed().split(QRegularExpression(QStringLiteral("\\s{2,}")));
            QStringList expected;
            for (int column = 0; column < 3; ++column) {
                const int record = page * 30 + row * 3 + column + 1;
                if (record <= 100)
                    expected << QStringLiteral("Person %1").arg(record);
            }
            EXPECT_EQ(cells, expected) << "page " << page + 1 << " row " << row + 1;
        }
    }
    EXPECT_TRUE(pages[3].contains(QLatin1String("200 Elm Street, Apt 100")));
    EXPECT_TRUE(pages[3].contains(QLatin1String("Springfield 10100")));
}

// A sheet as people print it: 95 addresses from a CSV file, three lines in a box that shrinks
// to fit each record, beside a PNG logo with see-through parts over a coloured box. Record 7's
// long name is shrunk inside its label: no ink crosses into the gaps between the labels, and
// the colour shows through the logo where the logo is clear.
TEST_F(MergePrintTest, NinetyFiveAddressesWithALogoStayInsideTheirLabels) {
    QByteArray csv = "Name,Street,City\n";
    for (int i = 1; i <= 95; ++i)
        csv += (i == 7 ? QByteArray("Bartholomew Featherstonehaugh-Cholmondeley")
                       : "Person " + QByteArray::number(i)) +
               ",\"" + QByteArray::number(100 + i) + " Elm Street\",Springfield " +
               QByteArray::number(10000 + i) + "\n";
    auto source = Csv(csv);
    MergeRun run(*source, 1);
    // The logo: a dark square in the middle of a clear 40 x 40 picture.
    QImage logo(40, 40, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 30; ++x)
            logo.setPixelColor(x, y, QColor(20, 20, 20));
    const QString logoPath = dir.filePath(QStringLiteral("logo.png"));
    ASSERT_TRUE(logo.save(logoPath));
    const int boxColour = 0x40C0F0; // stored BGR: an orange
    SheetJob job;
    job.Label.geometry = Sheet(3, 10);
    job.ObjectsText =
        QStringLiteral("LABELITEM=RECTANGLE\nTOP=0.1\nLEFT=0.05\nWIDTH=0.5\nHEIGHT=0.5\n"
                       "LINECOLOR=0\nLINETHICKNESS=0\nCOLOR=%1\nBRUSHSTYLE=SOLID\nROUNDING=0\n"
                       "LABELITEM=IMAGE\nTOP=0.1\nLEFT=0.05\nWIDTH=0.5\nHEIGHT=0.5\n"
                       "FILENAMEANDPATH=%2\nFIT=Y\n"
                       "LABELITEM=TEXT\nTEXT={Name}\nTOP=0.05\nLEFT=0.6\nWIDTH=1.95\nHEIGHT=0.9\n"
                       "FONTNAME=Arial\nFONTCOLOR=0\nFONTSIZE=14\nFONTBOLD=N\nFONTITALIC=N\n"
                       "FONTUNDER=N\nANGLE=0\nRELATIVEX=0\nRELATIVEY=0\nTEXTLINE={Street}\n"
                       "TEXTLINE={City}\nBOX=Y\nALIGN=L\nVALIGN=M\nSHRINK=Y\nNOTHING=NOTHING\n")
            .arg(boxColour)
            .arg(logoPath);
    job.Merge = &run;
    WarningLines observer;
    SheetRenderer print(job, &observer);
    constexpr double kDpi = 100;
    TReportImage image(kDpi);
    image.OnPrint = [&print](TBaseReport& report) { print.PrintLabels(report); };
    image.Execute();
    ASSERT_EQ(image.Pages().size(), 4u); // 30 + 30 + 30 + 5
    EXPECT_TRUE(observer.lines.isEmpty()) << observer.lines.join('|').toStdString();
    const QImage page = image.Pages()[0].convertToFormat(QImage::Format_RGB32);
    const auto ink = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 200; };
    // The gaps between the columns (0.125 in wide) hold no ink on any row.
    const SheetGeometry& g = job.Label.geometry;
    for (int column = 1; column < 3; ++column) {
        const int from =
            qCeil((g.leftMargin + (column - 1) * g.horizontalPitch + g.labelWidth) * kDpi) + 1;
        const int to = qFloor((g.leftMargin + column * g.horizontalPitch) * kDpi) - 1;
        for (int y = 0; y < page.height(); ++y)
            for (int x = from; x <= to; ++x)
                ASSERT_FALSE(ink(x, y)) << "ink between the labels at " << x << "," << y;
    }
    // Record 7 (row 3, column 1) has ink all along its long first line, shrunk inside its label.
    const double top7 = g.topMargin + 2 * g.verticalPitch;
    const int row = qRound((top7 + g.labelHeight) * kDpi);
    int right = -1;
    for (int x = 0; x < page.width() / 3; ++x)
        for (int y = qRound(top7 * kDpi); y < row; ++y)
            if (ink(x, y))
                right = std::max(right, x);
    EXPECT_GT(right, qRound((g.leftMargin + 2.0) * kDpi)) << "the long name fills its box";
    EXPECT_LT(right, qRound((g.leftMargin + g.labelWidth) * kDpi));
    // The logo's clear parts show the box's colour, its square prints dark.
    const QPointF logoCorner((g.leftMargin + 0.05) * kDpi, (g.topMargin + 0.1) * kDpi);
    EXPECT_EQ(page.pixelColor((logoCorner + QPointF(4, 4)).toPoint()),
              ColorValueToQColor(boxColour));
    EXPECT_EQ(page.pixelColor((logoCorner + QPointF(25, 25)).toPoint()), QColor(20, 20, 20));
    if (const QString folder = qEnvironmentVariable("QV_PICTURE_DIR"); !folder.isEmpty()) {
        QDir().mkpath(folder);
        page.save(QDir(folder).filePath(QStringLiteral("ninety-five-addresses-page1.png")));
        page.copy(0, qRound((g.topMargin + 1.5) * kDpi), page.width() / 2, qRound(2.2 * kDpi))
            .scaled(page.width(), qRound(4.4 * kDpi), Qt::KeepAspectRatio, Qt::SmoothTransformation)
            .save(QDir(folder).filePath(QStringLiteral("ninety-five-addresses-record7.png")));
    }
}
