#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPolygonF>
#include <QTemporaryDir>
#include <QTransform>
#include <cmath>
#include <gtest/gtest.h>

#include "RecordingSurface.h"
#include "RenderProbe.h"
#include "document/ScreenMetrics.h"
#include "controls/TCanvasPanel.h"
#include "controls/ItemControls.h"
#include "controls/TPim3DLabel.h"
#include "controls/ZoomedBox.h"
#include "document/LabelItemValue.h"
#include "document/ChosenPositions.h"
#include "document/ConversionError.h"
#include "document/ObjectsTextWriter.h"
#include "printing/PaperChoice.h"
#include "printing/ReportFontMetrics.h"
#include "printing/SheetJob.h"
#include "printing/SheetJobObserver.h"
#include "printing/SheetRenderer.h"
#include "printing/TReportFiler.h"
#include "printing/TReportImage.h"
#include "support/TestData.h"

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

// Kept for a person to look at when QV_PICTURE_DIR is set.
void SaveTestPicture(const QImage& image, const QString& name) {
    const QString dir = PictureOutputDir();
    if (!dir.isEmpty())
        image.save(QDir(dir).filePath(name));
}

QString Counter(int start, int repeat) {
    return QStringLiteral("LABELITEM=COUNTER\nTOP=0.1\nLEFT=0.1\nWIDTH=1\nHEIGHT=0.3\n"
                          "FONTSIZE=10\nFONTCOLOR=0\nANGLE=0\nFONTNAME=Arial\nFONTBOLD=N\n"
                          "FONTITALIC=N\nFONTUNDER=N\nRELATIVEX=0\nRELATIVEY=0\n"
                          "STARTINGNUMBER=%1\nREPEATEACH=%2\n")
        .arg(start)
        .arg(repeat);
}

QString Shape(const char* kind, const char* box, int thickness, const char* brush,
              int rounding = 0) {
    return QStringLiteral("LABELITEM=%1\n%2\nLINECOLOR=0\nLINETHICKNESS=%3\nCOLOR=0\n"
                          "BRUSHSTYLE=%4\nROUNDING=%5\n")
        .arg(QLatin1String(kind), QLatin1String(box))
        .arg(thickness)
        .arg(QLatin1String(brush))
        .arg(rounding);
}

// Runs a job over objects text into a preview stream (the filer at 600 dpi).
// Counts the labels drawn; a test may stop the job after one of them.
struct Job : SheetJobObserver {
    explicit Job(const SheetGeometry& geometry, const QString& objects, int pages = 1) {
        job.Label.geometry = geometry;
        job.ObjectsText = objects + QStringLiteral("NOTHING=NOTHING\n");
        job.Sheets = pages;
    }
    bool LabelDrawn() override {
        ++labelsDrawn;
        return labelsDrawn != stopAfter;
    }
    void PrintLabels(TBaseReport& report) {
        SheetRenderer renderer(job, this);
        renderer.PrintLabels(report);
    }
    QByteArray ToStream(const PrinterAlignment& alignment = {}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        TReportFiler filer;
        filer.SetAlignment(alignment);
        filer.SetMirror(job.Options.Mirror);
        filer.SetResolution(600);
        filer.SelectPaper(1);
        filer.Stream = &buffer;
        filer.OnPrint = [this](TBaseReport& report) { PrintLabels(report); };
        filer.Execute();
        pagesWritten = filer.PagesWritten();
        return bytes;
    }
    std::vector<QImage> ToImages(double dpi, const QString& paperSize = QStringLiteral("LTR")) {
        TReportImage image(dpi);
        PaperChoice::Apply(image, paperSize);
        image.SetMirror(job.Options.Mirror);
        image.OnPrint = [this](TBaseReport& report) { PrintLabels(report); };
        image.Execute();
        return image.Pages();
    }
    SheetJob job;
    ChosenPositions& selection = job.Selection;
    int labelsDrawn = 0;
    int stopAfter = 0; // 0: never
    int pagesWritten = 0;
};

} // namespace

TEST(SheetRender, CounterNumbersRunAcrossPositionsAndPages) {
    Job job(Sheet(3, 2), Counter(1, 2), 2);
    const auto pages = RecordingSurface::Pages(job.ToStream());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].TextList(), QStringList({"1", "1", "2", "2", "3", "3"}));
    EXPECT_EQ(pages[1].TextList(), QStringList({"4", "4", "5", "5", "6", "6"}));
    // Row by row, each row left to right, from each label's origin.
    const auto& texts = pages[0].Texts;
    EXPECT_NEAR(texts[1].Pivot.x() - texts[0].Pivot.x(), 2.75, 1e-6);
    EXPECT_NEAR(texts[3].Pivot.y() - texts[0].Pivot.y(), 1.0, 1e-6);
    EXPECT_NEAR(texts[3].Pivot.x(), texts[0].Pivot.x(), 1e-6);
}

TEST(SheetRender, ChosenPositionsOnlyAndSkippedPositionsUseNoNumber) {
    Job job(Sheet(3, 2), Counter(7, 1), 2);
    job.selection.SpecificLabelsChosen = true;
    job.selection.SelectedPositions[1] = true; // row 0, column 1
    job.selection.SelectedPositions[3] = true; // row 1, column 0
    const auto pages = RecordingSurface::Pages(job.ToStream());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].TextList(), QStringList({"7", "8"}));
    EXPECT_EQ(pages[1].TextList(), QStringList({"9", "10"}));
    EXPECT_NEAR(pages[0].Texts[0].Pivot.x(), 0.1875 + 2.75 + 0.1, 1e-6);
    EXPECT_NEAR(pages[0].Texts[1].Pivot.x(), 0.1875 + 0.1, 1e-6);
    EXPECT_EQ(job.labelsDrawn, 4);
}

TEST(SheetRender, CounterIsSixtyFourBitAndPrintsNegativeNumbers) {
    Job big(Sheet(2, 1), Counter(2147483647, 1));
    EXPECT_EQ(RecordingSurface::Pages(big.ToStream())[0].TextList(),
              QStringList({"2147483647", "2147483648"}));
    Job negative(Sheet(3, 1), Counter(-1, 1));
    EXPECT_EQ(RecordingSurface::Pages(negative.ToStream())[0].TextList(),
              QStringList({"-1", "0", "1"}));
}

TEST(SheetRender, LabelOriginFromMarginAndPitchOnPaper) {
    Job job(Sheet(3, 3), Shape("RECTANGLE", "TOP=0\nLEFT=0\nWIDTH=0.5\nHEIGHT=0.5", 0, "SOLID"));
    const QImage page = job.ToImages(600)[0];
    // Row 2, column 1: origin (2.9375, 2.5).
    const QRect box = RenderProbe::InkBox(page, QRect(1700, 1450, 400, 400));
    EXPECT_EQ(box.left(), qRound(2.9375 * 600));
    EXPECT_EQ(box.top(), 1500);
}

TEST(SheetRender, LineThicknessThreeIsThreeHundredthsOfAnInch) {
    Job job(Sheet(1, 1),
            Shape("VERTICALLINE", "TOP=0.5\nLEFT=1\nWIDTH=0.2\nHEIGHT=0.5", 3, "CLEAR"));
    const QImage page = job.ToImages(600)[0];
    const int x = qRound((0.1875 + 1) * 600);
    EXPECT_EQ(RenderProbe::InkRunLengthInRow(page, qRound(1.25 * 600), x - 30), 18);
    const QRect line = RenderProbe::InkBox(page);
    EXPECT_EQ(line.center().x(), x - 1); // centred on the box's left edge
    EXPECT_NEAR(line.top(), 600, 1);
    EXPECT_NEAR(line.bottom(), 900, 1);
}

TEST(SheetRender, RoundedRectangleCornersFromRounding) {
    Job job(Sheet(1, 1),
            Shape("ROUNDRECTANGLE", "TOP=0\nLEFT=0\nWIDTH=2\nHEIGHT=1", 0, "SOLID", 50));
    const QImage page = job.ToImages(600)[0];
    const auto ink = [&](double x, double y) {
        return RenderProbe::IsInk(page.pixel(qRound((0.1875 + x) * 600), qRound((0.5 + y) * 600)));
    };
    EXPECT_FALSE(ink(0.1, 0.1)); // corner ellipse 1 inch wide and high
    EXPECT_TRUE(ink(0.2, 0.2));
    EXPECT_TRUE(ink(0.01, 0.5));
    EXPECT_FALSE(ink(1.9, 0.9));
}

TEST(SheetRender, TextPlacementAndTurnedTexts) {
    const QString text = QStringLiteral(
        "LABELITEM=TEXT\nTOP=0.25\nLEFT=0.5\nWIDTH=1\nHEIGHT=0.3\nFONTSIZE=12\nFONTCOLOR=255\n"
        "ANGLE=%1\nTEXT=Hello\nFONTNAME=Arial\nFONTBOLD=Y\nFONTITALIC=N\nFONTUNDER=N\n"
        "RELATIVEX=0.1\nRELATIVEY=0.05\n");
    Job plain(Sheet(1, 1), text.arg(0));
    const auto drawn = RecordingSurface::Pages(plain.ToStream())[0].Texts;
    ASSERT_EQ(drawn.size(), 1u);
    TReportFontDesc font{QStringLiteral("Arial"), 12, true};
    const ReportFontMetrics& m = ReportFontMetrics::For(font, 600);
    const double a = m.Ascent / 600.0, d = m.Descent / 600.0, leading = m.InternalLeading / 600.0;
    EXPECT_NEAR(drawn[0].Pivot.x(), 0.1875 + 0.5 + 0.1, 1e-9);
    EXPECT_NEAR(drawn[0].Pivot.y(), 0.5 + 0.25 + 0.05 + a + d / 2, 1e-9);
    EXPECT_NEAR(drawn[0].BaselineOffset, -leading, 1e-9); // top placement
    EXPECT_TRUE(drawn[0].Font.Bold);
    EXPECT_EQ(drawn[0].Color, QColor(255, 0, 0)); // red in the lowest byte
    EXPECT_EQ(drawn[0].Angle, 0);

    // A turned text turns about its cell's corner: at 270 the text's "down" points left.
    Job turned(Sheet(1, 1), text.arg(-90));
    const auto turnedText = RecordingSurface::Pages(turned.ToStream())[0].Texts;
    ASSERT_EQ(turnedText.size(), 1u);
    EXPECT_EQ(turnedText[0].Angle, 270);
    EXPECT_NEAR(turnedText[0].Pivot.x(), 0.1875 + 0.5 + 0.1 - (a + d / 2), 1e-9);
    EXPECT_NEAR(turnedText[0].Pivot.y(), 0.5 + 0.25 + 0.05, 1e-9);

    // On paper: the cell top lands at Top + RelativeY + d/2 - L from the label's origin;
    // the glyphs' tops a little below it.
    const QImage page = plain.ToImages(600)[0];
    const QRect ink = RenderProbe::InkBox(page);
    const double cellTop = (0.5 + 0.25 + 0.05 + d / 2 - leading) * 600;
    EXPECT_GT(ink.top(), cellTop);
    EXPECT_LT(ink.top(), cellTop + (a - 0.72 * 12 / 72.0) * 600 + 8);
}

TEST(SheetRender, LongTextPrintsWholeAndCounterFollowsBoldFlag) {
    const QString longText(150, QLatin1Char('x'));
    Job job(Sheet(1, 1),
            QStringLiteral("LABELITEM=TEXT\nTOP=0\nLEFT=0\nFONTSIZE=6\nFONTNAME=Arial\nTEXT=%1\n")
                    .arg(longText) +
                Counter(1, 1).replace(QStringLiteral("FONTBOLD=N"), QStringLiteral("FONTBOLD=Y")));
    const auto drawn = RecordingSurface::Pages(job.ToStream())[0].Texts;
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].Text, longText);
    EXPECT_TRUE(drawn[1].Font.Bold);
}

// Control characters mean nothing on a label: they go, the same way on every label, and a
// tab (or a line break, from a merged field) is a gap between words.
TEST(SheetRender, ControlCharactersAreLeftOutOnEveryLabel) {
    Job job(Sheet(3, 1),
            QStringLiteral("LABELITEM=TEXT\nTOP=0\nLEFT=0\nFONTSIZE=10\nFONTNAME=Arial\n"
                           "TEXT=\x01"
                           "Ada\t\tLovelace\x7f\u0085!\x1b\n"));
    const auto pages = RecordingSurface::Pages(job.ToStream());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].TextList(), QStringList(3, QStringLiteral("Ada Lovelace!")));
}

TEST(SheetRender, EmptyLabelPrintsEmptyPages) {
    Job job(Sheet(3, 10), QString(), 3);
    const auto pages = RecordingSurface::Pages(job.ToStream());
    EXPECT_EQ(job.pagesWritten, 3);
    ASSERT_EQ(pages.size(), 3u);
    for (const auto& page : pages) {
        EXPECT_TRUE(page.Texts.empty());
        EXPECT_EQ(page.Shapes, 0);
    }
}

TEST(SheetRender, CancelDuringTheSecondLabelEndsTheJobThere) {
    Job job(Sheet(3, 2), Counter(1, 1), 3);
    job.stopAfter = 2;
    const auto pages = RecordingSurface::Pages(job.ToStream());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].TextList(), QStringList({"1", "2"}));
    EXPECT_EQ(job.labelsDrawn, 2);
}

// The kind of picture follows the file's contents; a missing one prints a grey placeholder
// (frame and diagonals) and the label's warning names it, while the rest of the label prints.
TEST(SheetRender, ImagesByContentsAndMissingOnesMarked) {
    QTemporaryDir dir;
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(qRgb(0, 0, 200));
    bitmap.save(dir.filePath(QStringLiteral("logo.bmp")), "BMP");
    bitmap.save(dir.filePath(QStringLiteral("logo.bmp.txt")), "BMP");
    const QString wmf = TestDataPath(QStringLiteral("wmf/lo-pri-fax.wmf"));
    ASSERT_TRUE(QFile::exists(wmf)) << "test data file missing: " << wmf.toStdString();
    const auto image = [](const QString& path, double left) {
        return QStringLiteral("LABELITEM=IMAGE\nTOP=0.1\nLEFT=%1\nWIDTH=0.5\nHEIGHT=0.5\n"
                              "FILENAMEANDPATH=%2\n")
            .arg(left)
            .arg(path);
    };
    struct Lines : Job {
        using Job::Job;
        void LabelWarning(const QString& line) override { lines << line; }
        QStringList lines;
    } job(Sheet(1, 1), image(dir.filePath(QStringLiteral("logo.bmp")), 0) +
                           image(dir.filePath(QStringLiteral("gone.bmp")), 0.6) +
                           image(dir.filePath(QStringLiteral("logo.bmp.txt")), 1.2) +
                           image(wmf, 1.8) + Counter(5, 1));
    const auto pages = RecordingSurface::Pages(job.ToStream());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].TextList(), QStringList({"5"})); // the rest of the label prints
    ASSERT_EQ(job.lines.size(), 1);
    EXPECT_TRUE(job.lines[0].startsWith("Label 1: Cannot read the picture")) << job.lines[0].toStdString();
    EXPECT_TRUE(job.lines[0].contains("gone.bmp"));
    const QImage page = job.ToImages(100)[0];
    const int y = qRound((0.5 + 0.35) * 100);
    EXPECT_EQ(page.pixel(qRound((0.1875 + 0.25) * 100), y), qRgb(0, 0, 200));
    // The placeholder: grey ink on the frame, none but the diagonals inside.
    const QRect missing(qRound(0.7875 * 100) - 1, 59, 52, 52);
    const auto greyIn = [&page](const QRect& area) {
        int grey = 0;
        for (int row = area.top(); row <= area.bottom(); ++row)
            for (int x = area.left(); x <= area.right(); ++x)
                grey += qGray(page.pixel(x, row)) < 250;
        return grey;
    };
    EXPECT_EQ(RenderProbe::InkBox(page, missing), QRect()); // pale: never taken for content
    EXPECT_GT(greyIn(missing.adjusted(0, 0, -missing.width() + 3, 0)), 40); // the left edge
    EXPECT_EQ(greyIn(QRect(missing.left() + 10, missing.top() + 22, 3, 3)), 0); // off the lines
    EXPECT_EQ(page.pixel(qRound((1.3875 + 0.25) * 100), y), qRgb(0, 0, 200));
    EXPECT_FALSE(RenderProbe::InkBox(page, QRect(qRound(1.9875 * 100), 55, 50, 50)).isNull());
}

// A picture's name may hold fields, a relative one is found in the job's folders, FIT keeps
// its proportions centred in its box, and transparent pixels leave what lies below.
TEST(SheetRender, PicturesPerRecordFittedWithTheirTransparency) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("photos"));
    QFile::copy(TestDataPath(QStringLiteral("pictures/logo.png")),
                dir.filePath(QStringLiteral("photos/1.png")));
    // "{#}" is the label's number on a label without a counter.
    Job job(Sheet(1, 1),
            QStringLiteral("LABELITEM=RECTANGLE\nTOP=0.1\nLEFT=0.1\nWIDTH=1\nHEIGHT=1\n"
                           "LINETHICKNESS=0\nCOLOR=65280\nBRUSHSTYLE=SOLID\n"
                           "LABELITEM=IMAGE\nTOP=0.1\nLEFT=0.1\nWIDTH=1\nHEIGHT=1\n"
                           "FILENAMEANDPATH=photos/{#}.png\nFIT=Y\n"));
    job.job.PictureFolders = {dir.path()};
    const QImage page = job.ToImages(100)[0];
    // 40 x 20 pixels into a 1 inch box: 1 x 0.5 inch, centred down the box.
    const int left = qRound(0.1875 * 100) + 10, top = qRound(0.5 * 100) + 10;
    EXPECT_EQ(page.pixel(left + 25, top + 50), qRgb(255, 0, 0));        // the opaque half
    EXPECT_EQ(page.pixel(left + 75, top + 50), qRgb(0, 255, 0));        // the see-through half
    EXPECT_EQ(page.pixel(left + 25, top + 15), qRgb(0, 255, 0));        // above the fitted picture
}

TEST(SheetRender, A4LandscapeSheet) {
    SheetGeometry geometry = Sheet(1, 1);
    geometry.leftMargin = 10.5f;
    Job job(geometry, Shape("RECTANGLE", "TOP=0\nLEFT=0\nWIDTH=0.5\nHEIGHT=0.5", 0, "SOLID"));
    const QImage page = job.ToImages(50, QStringLiteral("A4L"))[0];
    EXPECT_EQ(page.size(), QSize(qRound(297 / 25.4 * 50), qRound(210 / 25.4 * 50)));
    EXPECT_EQ(RenderProbe::InkBox(page).left(), 525);
}

TEST(SheetRender, MalformedNumberEndsTheJobWithTheConversionMessage) {
    Job job(Sheet(1, 1), QStringLiteral("LABELITEM=RECTANGLE\nTOP=abc\n"));
    try {
        job.ToStream();
        FAIL() << "expected a conversion error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("'abc' is not a valid floating point value"));
    }
}

namespace {

constexpr int kAngleCount = 24; // every 15 degrees, -165 to 180
constexpr double kCellInches = 1.5;

int TurnedAngle(int index) {
    return -165 + 15 * index;
}

// The corner of each angle's cell on a 6 x 4 grid of 1.5-inch cells.
QPoint TurnedCorner(int index) {
    return QPoint(qRound((index % 6 * kCellInches + 0.2) * 96),
                  qRound((index / 6 * kCellInches + 0.2) * 96));
}

struct TurnedPanel {
    TurnedPanel() {
        panel.setColor(Qt::white);
        panel.resize(qRound((6 * kCellInches + 0.4) * 96), qRound((4 * kCellInches + 0.4) * 96));
        for (int i = 0; i < kAngleCount; ++i) {
            auto* label = new TPim3DLabel(&panel);
            label->setFontName(QStringLiteral("Arial"));
            label->setFontSize(14);
            label->setCaption(QStringLiteral("Quorvane %1").arg(TurnedAngle(i)));
            label->setAngle(TurnedAngle(i));
            // The middle of the turned text stays at the same spot of each cell.
            label->move(TurnedCorner(i) + QPoint(72, 72) -
                        QPoint(label->width() / 2, label->height() / 2));
            label->show();
            labels.push_back(label);
        }
    }
    // The objects text the window writes for these controls.
    QString ObjectsText() const {
        std::vector<LabelItemValue> values;
        for (TPim3DLabel* label : labels) {
            LabelItemValue v;
            v.kind = LabelItemKind::Text;
            const QPoint origin = label->TextOrigin();
            v.relativeX = origin.x(), v.relativeY = origin.y();
            v.fontName = label->FontName(), v.fontSize = label->FontSize();
            v.angle = label->Angle();
            v.text = label->Caption();
            v.top = label->y(), v.left = label->x();
            v.width = label->width(), v.height = label->height();
            values.push_back(v);
        }
        return WriteObjectsText(values);
    }
    QRect Area(int index) const { return labels[index]->geometry().adjusted(-12, -12, 12, 12); }
    TCanvasPanel panel;
    std::vector<TPim3DLabel*> labels;
};

std::vector<QImage> RenderLabel(const QString& objects, double dpi, bool antialiased = true) {
    SheetGeometry geometry = Sheet(1, 1);
    geometry.leftMargin = geometry.topMargin = 0;
    Job job(geometry, objects);
    TReportImage image(dpi);
    image.SetAntialiased(antialiased);
    image.SetCustomPageSize(QSizeF(6 * kCellInches + 0.4, 4 * kCellInches + 0.4));
    image.OnPrint = [&job](TBaseReport& report) { job.PrintLabels(report); };
    image.Execute();
    return image.Pages();
}

// The rotated cell of a text as the renderer lays it out, in device pixels: its corner half
// a descent less the internal leading below the text origin, in the text's own frame.
QRectF TurnedCellBox(TPim3DLabel& label, double dpi) {
    const TReportFontDesc font{label.FontName(), double(label.FontSize())};
    const ReportFontMetrics& m = ReportFontMetrics::For(font, dpi);
    const double w = m.Widths->horizontalAdvance(label.Caption());
    const double h = m.Ascent + m.Descent;
    const QPointF origin = QPointF(label.pos() + label.TextOrigin()) * (dpi / 96);
    QTransform turn;
    turn.translate(origin.x(), origin.y());
    turn.rotate(-label.Angle());
    turn.translate(0, m.Descent / 2.0 - m.InternalLeading);
    return turn.map(QPolygonF(QRectF(0, 0, w, h))).boundingRect();
}

void KeepPicture(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("QV_PICTURE_DIR");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(name));
}

// The panel in red over the print in blue: where both have ink the overlay is dark.
QImage Overlay(const QImage& panel, const QImage& print) {
    QImage out(panel.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const int p = qGray(panel.pixel(x, y));
            const int q = y < print.height() && x < print.width() ? qGray(print.pixel(x, y)) : 255;
            out.setPixel(x, y, qRgb(q, std::min(p, q), p));
        }
    return out;
}

} // namespace

TEST(SheetRender, TurnedTextsPrintWhereThePanelShowsThem) {
    const int previousPpi = ScreenPixelsPerInch();
    SetScreenPixelsPerInch(96);
    TurnedPanel design;
    design.panel.show();
    const QImage panel = RenderProbe::ToRgb32(design.panel.grab().toImage());
    const QString objects = design.ObjectsText();

    const QImage at96 = RenderProbe::ToRgb32(RenderLabel(objects, 96).at(0));
    KeepPicture(Overlay(panel, at96), QStringLiteral("turned-text-panel-vs-96dpi.png"));
    for (int i = 0; i < kAngleCount; ++i) {
        const QRect onPanel = RenderProbe::InkBox(panel, design.Area(i));
        const QRect onPaper = RenderProbe::InkBox(at96, design.Area(i));
        ASSERT_FALSE(onPanel.isNull());
        SCOPED_TRACE(TurnedAngle(i));
        EXPECT_NEAR(onPaper.left(), onPanel.left(), 1);
        EXPECT_NEAR(onPaper.right(), onPanel.right(), 1);
        EXPECT_NEAR(onPaper.top(), onPanel.top(), 1);
        EXPECT_NEAR(onPaper.bottom(), onPanel.bottom(), 1);
    }

    // At 600 dpi every text's ink lies inside its turned cell and fills most of it.
    const double dpi = 600;
    QImage at600 = RenderProbe::ToRgb32(RenderLabel(objects, dpi).at(0));
    std::vector<QRectF> cells;
    for (int i = 0; i < kAngleCount; ++i) {
        const QRectF cell = TurnedCellBox(*design.labels[i], dpi);
        cells.push_back(cell);
        const QRect area = design.Area(i);
        const QRect ink = RenderProbe::InkBox(
            at600, QRect(area.topLeft() * (dpi / 96), area.size() * (dpi / 96)));
        SCOPED_TRACE(TurnedAngle(i));
        ASSERT_FALSE(ink.isNull());
        EXPECT_GE(ink.left(), cell.left() - 2);
        EXPECT_LE(ink.right(), cell.right() + 2);
        EXPECT_GE(ink.top(), cell.top() - 2);
        EXPECT_LE(ink.bottom(), cell.bottom() + 2);
        EXPECT_GT(ink.width() * ink.height(), 0.6 * cell.width() * cell.height());
    }
    QPainter painter(&at600);
    painter.setPen(QPen(Qt::red, 3));
    for (const QRectF& cell : cells)
        painter.drawRect(cell);
    painter.end();
    KeepPicture(at600.scaled(at600.size() / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                QStringLiteral("turned-text-600dpi-cells.png"));
    SetScreenPixelsPerInch(previousPpi);
}

namespace {

// Text items made as the design panel makes them (the kind's control, applied and settled),
// one per 1.5-inch cell: boxes aligned, wrapped, shrunk and turned, and lines without a box.
struct BoxTextPanel {
    struct Case {
        QString text;
        QSize box; // pixels at 96 per inch; empty: no box
        TextAlign align = TextAlign::Left;
        TextVAlign valign = TextVAlign::Top;
        bool wrap = false;
        bool shrink = false;
        int angle = 0;
    };
    BoxTextPanel() {
        panel.setColor(Qt::white);
        panel.resize(qRound((6 * kCellInches + 0.4) * 96), qRound((4 * kCellInches + 0.4) * 96));
        const QList<Case> cases = {
            {"Ann Smith\n3 Long Road\nLeeds", {130, 70}, TextAlign::Centre, TextVAlign::Middle},
            {"Kensington Palace Gardens and Square", {130, 80}, TextAlign::Right,
             TextVAlign::Bottom, true},
            {"Bartholomew Featherstonehaugh", {130, 30}, TextAlign::Left,
             TextVAlign::Top, false, true},
            {"Up the\nbox", {50, 130}, TextAlign::Left, TextVAlign::Top, false, false, 90},
            {"Short\nmuch longer line", {}, TextAlign::Centre},
            {"Two\nlines turned", {}, TextAlign::Right, TextVAlign::Top, false, false, 90},
            {"Down the\nbox", {50, 130}, TextAlign::Centre, TextVAlign::Bottom, true, false, 270},
        };
        for (int i = 0; i < cases.size(); ++i) {
            const Case& c = cases[i];
            LabelItemValue v;
            v.kind = LabelItemKind::Text;
            v.text = c.text;
            v.fontName = QStringLiteral("Arial");
            v.fontSize = 14;
            v.angle = c.angle;
            v.textBox.box = !c.box.isEmpty();
            v.textBox.align = c.align;
            v.textBox.valign = c.valign;
            v.textBox.wrap = c.wrap;
            v.textBox.shrink = c.shrink;
            // Cells off the panel's rounded corners, whose outline would count as ink.
            const QPoint corner = TurnedCorner(i + 7);
            v.left = corner.x(), v.top = corner.y();
            v.width = c.box.width(), v.height = c.box.height();
            const ItemControlKind& kind = ItemControl(LabelItemKind::Text);
            QWidget* control = kind.create(&panel, context);
            control->move(v.left, v.top);
            if (v.textBox.box)
                control->resize(c.box);
            kind.apply(control, v);
            v.width = control->width(), v.height = control->height();
            kind.settle(control, v);
            control->show();
            controls.push_back(control);
            values.push_back(v);
        }
    }
    QRect Area(int index) const { return controls[index]->geometry().adjusted(-12, -12, 12, 12); }
    struct NoCounter : ItemControlContext {
        QString CounterShown() const override { return QStringLiteral("0"); }
    } context;
    TCanvasPanel panel;
    std::vector<QWidget*> controls;
    std::vector<LabelItemValue> values;
};

} // namespace

// Box texts and texts of several lines show on the panel as they print: the same lines,
// aligned, wrapped, shrunk, turned and kept inside their boxes.
TEST(SheetRender, BoxTextsPrintAsThePanelShowsThem) {
    const int previousPpi = ScreenPixelsPerInch();
    SetScreenPixelsPerInch(96);
    BoxTextPanel design;
    design.panel.show();
    const QImage panel = RenderProbe::ToRgb32(design.panel.grab().toImage());
    const QImage paper =
        RenderProbe::ToRgb32(RenderLabel(WriteObjectsText(design.values), 96).at(0));
    KeepPicture(Overlay(panel, paper), QStringLiteral("box-text-panel-vs-96dpi.png"));
    for (size_t i = 0; i < design.controls.size(); ++i) {
        SCOPED_TRACE(design.values[i].text.toStdString());
        const QRect onPanel = RenderProbe::InkBox(panel, design.Area(int(i)));
        const QRect onPaper = RenderProbe::InkBox(paper, design.Area(int(i)));
        ASSERT_FALSE(onPanel.isNull());
        ASSERT_FALSE(onPaper.isNull());
        EXPECT_NEAR(onPaper.left(), onPanel.left(), 2);
        EXPECT_NEAR(onPaper.right(), onPanel.right(), 2);
        EXPECT_NEAR(onPaper.top(), onPanel.top(), 2);
        EXPECT_NEAR(onPaper.bottom(), onPanel.bottom(), 2);
        if (design.values[i].textBox.box) {
            // Nothing of a box's text lies outside its box, on either (a pixel of smoothing
            // aside).
            const QRect box = design.controls[i]->geometry().adjusted(-1, -1, 1, 1);
            EXPECT_TRUE(box.contains(onPanel)) << "panel";
            EXPECT_TRUE(box.contains(onPaper))
                << "paper " << onPaper.x() << "," << onPaper.y() << " " << onPaper.width() << "x"
                << onPaper.height() << " in " << box.x() << "," << box.y() << " " << box.width()
                << "x" << box.height();
        }
    }
    // The box of three lines holds three lines of ink, the wrapped box more than one.
    const auto inkRows = [&panel](const QRect& box) {
        int runs = 0;
        bool inside = false;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            bool ink = false;
            for (int x = box.left(); x <= box.right() && !ink; ++x)
                ink = RenderProbe::IsInk(panel.pixel(x, y));
            runs += ink && !inside;
            inside = ink;
        }
        return runs;
    };
    EXPECT_EQ(inkRows(design.controls[0]->geometry()), 3);
    EXPECT_GE(inkRows(design.controls[1]->geometry()), 2);
    // The long name shrank to fit on one line of its box.
    EXPECT_EQ(inkRows(design.controls[2]->geometry()), 1);
    SetScreenPixelsPerInch(previousPpi);
}

namespace {

// Hatched rectangles and ellipses of every hatch style, one per cell, placed as the design
// panel places them, at odd offsets so that each lies off the hatch's period.
struct HatchPanel {
    explicit HatchPanel(double zoom) {
        panel.setColor(Qt::white);
        panel.SetDesignSize(
            QSize(qRound((6 * kCellInches + 0.4) * 96), qRound((4 * kCellInches + 0.4) * 96)));
        panel.setZoom(zoom);
        const TBrushStyle styles[] = {TBrushStyle::Horizontal, TBrushStyle::Vertical,
                                      TBrushStyle::FDiagonal,  TBrushStyle::BDiagonal,
                                      TBrushStyle::Cross,      TBrushStyle::DiagCross};
        int cell = 0;
        for (LabelItemKind kind : {LabelItemKind::Rectangle, LabelItemKind::Ellipse})
            for (TBrushStyle style : styles) {
                LabelItemValue v;
                v.kind = kind;
                v.brushStyle = style;
                v.brushColor = 0xC00000; // blue, stored as BGR
                v.penWidth = 1;
                v.penColor = 0;
                const QPoint corner = TurnedCorner(cell) + QPoint(13 + cell, 7 + 2 * cell);
                v.left = corner.x(), v.top = corner.y();
                v.width = 101, v.height = 77;
                const ItemControlKind& controlKind = ItemControl(kind);
                QWidget* control = controlKind.create(&panel, context);
                ZoomedBox::Set(control, QRect(corner, QSize(v.width, v.height)));
                controlKind.apply(control, v);
                control->show();
                boxes.push_back(QRect(corner, QSize(v.width, v.height)));
                values.push_back(v);
                ++cell;
            }
    }
    struct NoCounter : ItemControlContext {
        QString CounterShown() const override { return QStringLiteral("0"); }
    } context;
    TCanvasPanel panel;
    std::vector<QRect> boxes; // design pixels
    std::vector<LabelItemValue> values;
};

} // namespace

// The panel and paper draw hatches with the same lines: at the same scale (the panel at zoom
// 1 and paper at 96 dots per inch, zoom 2 and 192) every pixel inside a shape is the same.
TEST(SheetRender, HatchesPrintAsThePanelShowsThem) {
    const int previousPpi = ScreenPixelsPerInch();
    SetScreenPixelsPerInch(96);
    for (const int zoom : {1, 2}) {
        SCOPED_TRACE(zoom);
        HatchPanel design(zoom);
        design.panel.show();
        const QImage panel = RenderProbe::ToRgb32(design.panel.grab().toImage());
        const QImage paper = RenderProbe::ToRgb32(
            RenderLabel(WriteObjectsText(design.values), 96.0 * zoom, false).at(0));
        KeepPicture(Overlay(panel, paper),
                    QStringLiteral("hatch-panel-vs-paper-zoom%1.png").arg(zoom));
        for (size_t i = 0; i < design.boxes.size(); ++i) {
            SCOPED_TRACE(i);
            // Inside the outline, clear of the pen and the ellipse's edge.
            const QRect design_box = design.boxes[i];
            const QRect inside(design_box.topLeft() * zoom, design_box.size() * zoom);
            const QRect core = inside.adjusted(4 * zoom, 4 * zoom, -4 * zoom, -4 * zoom);
            int differ = 0, hatched = 0;
            for (int y = core.top(); y <= core.bottom(); ++y)
                for (int x = core.left(); x <= core.right(); ++x) {
                    const QPoint d = QPoint(x, y) - core.center();
                    if (design.values[i].kind == LabelItemKind::Ellipse &&
                        std::pow(d.x() / (core.width() / 2.0), 2) +
                                std::pow(d.y() / (core.height() / 2.0), 2) >
                            0.8)
                        continue;
                    differ += panel.pixel(x, y) != paper.pixel(x, y);
                    hatched += qBlue(panel.pixel(x, y)) > 150 && qRed(panel.pixel(x, y)) < 100;
                }
            EXPECT_EQ(differ, 0);
            EXPECT_GT(hatched, core.width() * core.height() / 40) << "lines drawn";
        }
    }
    SetScreenPixelsPerInch(previousPpi);
}

// A blank text is outlined on the panel so that it can be found, and prints as nothing.
TEST(SheetRender, ABlankTextIsOutlinedOnThePanelOnly) {
    const int previousPpi = ScreenPixelsPerInch();
    SetScreenPixelsPerInch(96);
    TurnedPanel design;
    TPim3DLabel* blank = design.labels[11];
    ASSERT_EQ(blank->Angle(), 0);
    blank->setObjectName(QStringLiteral("Special1")); // a label item, as the window names it
    design.labels[12]->setObjectName(QStringLiteral("Special2"));
    blank->setCaption(QString());
    design.panel.show();
    const QImage panel = RenderProbe::ToRgb32(design.panel.grab().toImage());
    const QImage paper = RenderProbe::ToRgb32(RenderLabel(design.ObjectsText(), 96).at(0));
    KeepPicture(Overlay(panel, paper), QStringLiteral("blank-text-panel-vs-96dpi.png"));

    const QRect outline = TCanvasPanel::OutlineRect(blank);
    EXPECT_GE(outline.width(), TCanvasPanel::OutlineMinimum);
    EXPECT_GE(outline.height(), TCanvasPanel::OutlineMinimum);
    int marked = 0;
    for (int x = outline.left(); x <= outline.right(); ++x)
        marked += panel.pixel(x, outline.top()) != qRgb(255, 255, 255);
    for (int y = outline.top(); y <= outline.bottom(); ++y)
        marked += panel.pixel(outline.left(), y) != qRgb(255, 255, 255);
    EXPECT_GE(marked, (outline.width() + outline.height()) / 3) << "dotted, every other pixel";
    EXPECT_TRUE(RenderProbe::InkBox(paper, outline.adjusted(-4, -4, 4, 4)).isNull());
    EXPECT_FALSE(RenderProbe::InkBox(paper, design.Area(12)).isNull()); // its neighbour prints
    // A text with something to show has no outline.
    const QRect other = TCanvasPanel::OutlineRect(design.labels[12]).adjusted(-1, -1, 1, 1);
    EXPECT_FALSE(TCanvasPanel::DrawsNothing(design.labels[12]));
    EXPECT_EQ(panel.pixel(other.topLeft()), qRgb(255, 255, 255));
    SetScreenPixelsPerInch(previousPpi);
}

// Outlines go round every drawn label in grey; crop marks stand in the margins in line with
// the labels' edges, never over a label, and stop at the paper's edge.
TEST(SheetRender, OutlinesAndCropMarks) {
    SheetGeometry geometry = Sheet(3, 2);
    geometry.labelShape = QStringLiteral("SR");
    Job job(geometry, Shape("RECTANGLE", "TOP=0.25\nLEFT=0.25\nWIDTH=0.5\nHEIGHT=0.5", 0, "SOLID"));
    job.job.Options.Outlines = true;
    job.job.Options.CropMarks = true;
    job.selection.SpecificLabelsChosen = true;
    job.selection.SelectedPositions[0] = true;
    job.selection.SelectedPositions[4] = true; // row 1, column 1
    const std::vector<RecordingSurface> pages = RecordingSurface::Pages(job.ToStream());
    ASSERT_EQ(pages.size(), 1u);
    // Two labels, each its box and outline; marks above and below six column edges, left and
    // right of three row edges (the rows touch, so their shared edge has one mark each side).
    EXPECT_EQ(pages[0].Lines, 6 * 2 + 3 * 2);
    EXPECT_EQ(pages[0].Shapes - pages[0].Lines, 2 * 2);

    const double dpi = 100;
    const QImage page = job.ToImages(dpi)[0];
    SaveTestPicture(page, QStringLiteral("sheet-outlines-crop-marks.png"));
    const auto at = [&](double x, double y) {
        return page.pixelColor(qRound(x * dpi), qRound(y * dpi));
    };
    const auto dark = [](const QColor& c) { return qGray(c.rgb()) < 160; };
    // The outline of label (1, 1) at its left edge, halfway down; none round label (0, 1).
    EXPECT_TRUE(dark(at(0.1875 + 2.75, 1.5 + 0.5)));
    EXPECT_FALSE(dark(at(0.1875 + 5.5, 0.5 + 0.5)));
    // A mark above the first column's left edge, in the top margin, and one left of the first
    // row's top edge; nothing between the gap and the labels.
    EXPECT_TRUE(dark(at(0.1875, 0.5 - 0.15)));
    EXPECT_FALSE(dark(at(0.1875, 0.5 - 0.03)));
    EXPECT_TRUE(dark(at(0.1875 - 0.1, 0.5)));
    // Below the last row, in line with the last column's right edge.
    EXPECT_TRUE(dark(at(0.1875 + 5.5 + 2.625, 2.5 + 0.15)));
}

// A mirrored sheet is the plain one reversed left to right about the middle of the paper;
// the printer's correction still moves it the way it moves a plain sheet.
TEST(SheetRender, MirroredSheetsTurnAboutThePaperAndKeepTheCorrection) {
    const QString box =
        Shape("RECTANGLE", "TOP=0.25\nLEFT=0.25\nWIDTH=0.5\nHEIGHT=0.5", 0, "SOLID") +
        QStringLiteral("LABELITEM=TEXT\nTOP=0.1\nLEFT=1\nWIDTH=1\nHEIGHT=0.3\n"
                       "FONTSIZE=14\nFONTCOLOR=0\nANGLE=0\nTEXT=Window\n"
                       "FONTNAME=Arial\nFONTBOLD=Y\nFONTITALIC=N\nFONTUNDER=N\n"
                       "RELATIVEX=0\nRELATIVEY=0\n");
    Job plain(Sheet(1, 1), box);
    Job mirrored(Sheet(1, 1), box);
    mirrored.job.Options.Mirror = true;
    const double dpi = 100;
    const QImage front = plain.ToImages(dpi)[0];
    const QImage back = mirrored.ToImages(dpi)[0];
    SaveTestPicture(back, QStringLiteral("sheet-mirrored.png"));
    ASSERT_EQ(front.size(), back.size());
    // The box: 0.4375 in from the left on the plain sheet, as far from the right mirrored.
    const QRect plainBox = RenderProbe::InkBox(front, QRect(0, 0, 100, 150));
    const QRect backBox = RenderProbe::InkBox(back, QRect(front.width() - 100, 0, 100, 150));
    EXPECT_EQ(plainBox.left(), qRound(0.4375 * dpi));
    EXPECT_NEAR(back.width() - 1 - backBox.right(), plainBox.left(), 1);
    EXPECT_EQ(backBox.top(), plainBox.top());
    // The text as a whole, flipped, lands on the plain sheet's text within a pixel.
    const QImage flipped = back.mirrored(true, false);
    const QRect area(100, 50, 300, 60);
    const QRect plainText = RenderProbe::InkBox(front, area);
    const QRect flippedText = RenderProbe::InkBox(flipped, area);
    EXPECT_NEAR(flippedText.left(), plainText.left(), 1);
    EXPECT_NEAR(flippedText.right(), plainText.right(), 1);

    // The preview stream keeps the turn; a correction of +0.1 in moves the mirrored drawing
    // right, as it moves the plain one.
    mirrored.job.Options.Mirror = true;
    PrinterAlignment alignment;
    alignment.OffsetX = 0.1;
    const auto pages = RecordingSurface::Pages(mirrored.ToStream(alignment));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_DOUBLE_EQ(pages[0].MirrorAxis, 8.5);
    ASSERT_FALSE(pages[0].Texts.empty());
    // Drawn at 0.1875 + 1 - 0.1 before the turn: 8.5 - 1.0875 = 7.4125 = (8.5 - 1.1875) + 0.1.
    EXPECT_NEAR(pages[0].MirrorAxis - pages[0].Texts[0].Pivot.x(), 8.5 - 1.1875 + 0.1, 1e-9);
}

// A record's value longer than the typed text is shown on the panel as it prints: at its own
// width from the text's origin, running past the item's box, not squeezed into it.
TEST(SheetRender, ARecordsLongerValueRunsOnAsItPrints) {
    const int previousPpi = ScreenPixelsPerInch();
    SetScreenPixelsPerInch(96);
    const QString value = QStringLiteral("Bartholomew Featherstone");
    constexpr double kCell = 3.0; // inches: 3 x 2 cells on the page RenderLabel prints
    const int angles[] = {0, 90, 180, -90, 45, -150};
    TurnedPanel design; // its page and helpers; its own texts are replaced
    design.panel.setShape(lsRectangle); // no rounded corner reaching into a cell
    qDeleteAll(design.labels);
    design.labels.clear();
    std::vector<QRect> cells;
    for (int i = 0; i < 6; ++i) {
        auto* label = new TPim3DLabel(&design.panel);
        label->setFontName(QStringLiteral("Arial"));
        label->setFontSize(14);
        label->setCaption(QStringLiteral("{Name}"));
        label->setAngle(angles[i]);
        const QRect cell(qRound((i % 3 * kCell + 0.2) * 96), qRound((i / 3 * kCell + 0.2) * 96),
                         qRound(kCell * 96), qRound(kCell * 96));
        // The value's middle at the cell's centre: its origin 1.1 in back along its line.
        const double turn = angles[i] * M_PI / 180;
        const QPointF origin = QPointF(cell.center()) - QPointF(std::cos(turn), -std::sin(turn)) * 1.1 * 96;
        label->move(origin.toPoint() - label->TextOrigin());
        label->show();
        design.labels.push_back(label);
        cells.push_back(cell);
    }
    design.panel.setTextMarker([&value](const QString& text) {
        return text == QStringLiteral("{Name}") ? QList<TextRun>{{value, false}} : QList<TextRun>{};
    });
    design.panel.show();
    const QImage panel = RenderProbe::ToRgb32(design.panel.grab().toImage());
    // The print of the same texts with the value in place of the field.
    QString objects = design.ObjectsText();
    objects.replace(QStringLiteral("TEXT={Name}"), QStringLiteral("TEXT=") + value);
    const QImage print = RenderProbe::ToRgb32(RenderLabel(objects, 96).at(0));
    KeepPicture(Overlay(panel, print), QStringLiteral("record-value-panel-vs-96dpi.png"));
    for (int i = 0; i < 6; ++i) {
        const QRect onPanel = RenderProbe::InkBox(panel, cells[i]);
        const QRect onPaper = RenderProbe::InkBox(print, cells[i]);
        SCOPED_TRACE(angles[i]);
        ASSERT_FALSE(onPanel.isNull());
        const QRect item = design.labels[i]->geometry();
        EXPECT_GT(std::max(onPanel.width(), onPanel.height()),
                  std::max(item.width(), item.height()) + 60)
            << "the value is squeezed into the typed text's box";
        EXPECT_NEAR(onPaper.left(), onPanel.left(), 2);
        EXPECT_NEAR(onPaper.right(), onPanel.right(), 2);
        EXPECT_NEAR(onPaper.top(), onPanel.top(), 2);
        EXPECT_NEAR(onPaper.bottom(), onPanel.bottom(), 2);
    }
    SetScreenPixelsPerInch(previousPpi);
}
