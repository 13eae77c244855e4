#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "RenderProbe.h"
#include "printing/PaperChoice.h"
#include "printing/SheetJob.h"
#include "printing/TReportPdfWriter.h"

namespace {

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

QImage PdfPage(const QString& pdf, int dpi, const QString& stem) {
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

void Sheet(TBaseReport& report) {
    QImage logo(2, 1, QImage::Format_RGB32);
    logo.setPixel(0, 0, qRgb(230, 20, 30));
    logo.setPixel(1, 0, qRgb(20, 160, 40));
    report.SetOrigin(1, 1);
    report.SetFont(QStringLiteral("Arial"), 20);
    report.SetFontPlacement(TVerticalPlacement::Top);
    report.PrintXY(0, 0.5, QStringLiteral("Quorvane"));
    report.SetPen(Qt::black, TPenStyle::Solid, -3);
    report.SetBrush(QColor(0, 0, 255), TReportBrushStyle::Solid);
    report.Rectangle(0, 1, 2, 2);
    report.StretchDraw(3, 1, 5, 2, logo);
}

// The document's title as its information dictionary holds it: a literal or hexadecimal
// string, in UTF-16 when it starts with a byte order mark. Read from the bytes themselves, so
// that no PDF reader is needed.
QString InfoTitle(const QByteArray& pdf) {
    const qsizetype key = pdf.lastIndexOf("/Title");
    if (key < 0)
        return QStringLiteral("(no title)");
    qsizetype at = key + 6;
    while (at < pdf.size() && (pdf[at] == ' ' || pdf[at] == '\n' || pdf[at] == '\r'))
        ++at;
    QByteArray raw;
    if (at < pdf.size() && pdf[at] == '<') {
        const qsizetype end = pdf.indexOf('>', at);
        raw = QByteArray::fromHex(pdf.mid(at + 1, end - at - 1));
    } else if (at < pdf.size() && pdf[at] == '(') {
        int depth = 1;
        for (++at; at < pdf.size() && depth > 0; ++at) {
            char c = pdf[at];
            if (c == '\\' && at + 1 < pdf.size()) {
                c = pdf[++at];
                if (c >= '0' && c <= '7') { // up to three octal digits
                    int value = 0;
                    for (int n = 0; n < 3 && at < pdf.size() && pdf[at] >= '0' && pdf[at] <= '7';
                         ++n, ++at)
                        value = value * 8 + (pdf[at] - '0');
                    --at;
                    c = char(value);
                } else if (c == 'n') {
                    c = '\n';
                } else if (c == 'r') {
                    c = '\r';
                }
            } else if (c == '(') {
                ++depth;
            } else if (c == ')' && --depth == 0) {
                break;
            }
            raw += c;
        }
    }
    if (raw.startsWith("\xFE\xFF")) {
        QString text;
        for (qsizetype i = 2; i + 1 < raw.size(); i += 2)
            text += QChar(char16_t((uchar(raw[i]) << 8) | uchar(raw[i + 1])));
        return text;
    }
    return QString::fromLatin1(raw);
}

} // namespace

TEST(PdfOutput, TextShapesAndImageColoursWhereTheyWereDrawn) {
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils (pdftoppm) is not installed";
    QTemporaryDir dir;
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("QV_KEEP_TEST_OUTPUT"));
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    TReportPdfWriter writer(pdf);
    writer.SelectPaper(1);
    writer.Title = QStringLiteral("Test Report");
    writer.OnPrint = Sheet;
    writer.Execute();
    ASSERT_TRUE(QFile::exists(pdf));

    EXPECT_TRUE(RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                    .contains(QStringLiteral("Quorvane")));
    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("612 x 792"))) << info.toStdString();

    // Word box in points: x from the origin (1 inch), the text's top near 1.5 inch.
    const QString boxes =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Quorvane"));
    const auto match = word.match(boxes);
    ASSERT_TRUE(match.hasMatch()) << boxes.toStdString() << dir.path().toStdString();
    EXPECT_NEAR(match.captured(1).toDouble(), 72, 4);
    // The top placement puts the cell top at y - ascent - internal leading (20.5 points).
    EXPECT_NEAR(match.captured(2).toDouble(), 1.5 * 72 - 20.5, 1);

    const QImage page = PdfPage(pdf, 100, dir.filePath(QStringLiteral("sheet")));
    ASSERT_EQ(page.size(), QSize(850, 1100));
    EXPECT_EQ(page.pixel(200, 250), qRgb(0, 0, 255)); // inside the blue box
    const QRect box = RenderProbe::InkBox(page, QRect(50, 180, 300, 140));
    EXPECT_NEAR(box.left(), 100 - 1.5, 1.5); // outline 0.03 inch centred on x = 1 inch
    EXPECT_NEAR(box.right(), 300 + 1.5, 1.5);
    // The bitmap keeps its exact colours (no lossy compression).
    EXPECT_EQ(page.pixel(450, 250), qRgb(230, 20, 30));
    EXPECT_EQ(page.pixel(550, 250), qRgb(20, 160, 40));
}

// A text met for the first time is drawn differently from one met again (which reuses its
// shaped glyphs): the two must land alike, kerning and ligatures included.
TEST(PdfOutput, RepeatedTextLandsLikeItsFirstDrawing) {
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils (pdftoppm) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("repeat.pdf"));
    TReportPdfWriter writer(pdf);
    writer.SelectPaper(1);
    writer.OnPrint = [](TBaseReport& report) {
        report.SetFont(QStringLiteral("Arial"), 20);
        report.SetUnderline(true);
        for (int i = 0; i < 3; ++i)
            report.PrintXY(1, 1 + 2 * i, QStringLiteral("AVATAR To fi, Wye"));
    };
    writer.Execute();
    const QString boxes =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\"[^>]*>Wye"));
    QList<QRegularExpressionMatch> found;
    for (auto it = word.globalMatch(boxes); it.hasNext();)
        found.append(it.next());
    ASSERT_EQ(found.size(), 3) << boxes.toStdString();
    for (int i = 1; i < 3; ++i) {
        EXPECT_EQ(found[i].captured(1), found[0].captured(1));
        EXPECT_EQ(found[i].captured(3), found[0].captured(3));
        EXPECT_NEAR(found[i].captured(2).toDouble() - found[0].captured(2).toDouble(), 144.0 * i,
                    0.01);
    }
    const QImage page = PdfPage(pdf, 100, dir.filePath(QStringLiteral("repeat")));
    const QRect first(50, 40, 700, 100);
    EXPECT_GT(RenderProbe::InkBox(page, first).width(), 200);
    EXPECT_EQ(page.copy(first), page.copy(first.translated(0, 200)));
    EXPECT_EQ(page.copy(first), page.copy(first.translated(0, 400)));
}

TEST(PdfOutput, A4LandscapePagesAndEveryPageWritten) {
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils (pdfinfo) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("a4l.pdf"));
    TReportPdfWriter writer(pdf);
    PaperChoice::Apply(writer, QStringLiteral("A4L"));
    EXPECT_NEAR(writer.PageSizeInches().width(), 11.69, 0.01);
    writer.OnPrint = [](TBaseReport& report) {
        report.NewPage();
        report.SetPen(Qt::black, TPenStyle::Solid, -5);
        report.MoveTo(10, 1);
        report.LineTo(11, 1); // only on a landscape page is x = 10 inches on paper
    };
    writer.Execute();
    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("842 x 595"))))
        << info.toStdString();
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
             QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-singlefile"), pdf,
             dir.filePath(QStringLiteral("p2"))});
    const QImage second(dir.filePath(QStringLiteral("p2.png")));
    EXPECT_TRUE(RenderProbe::IsInk(second.pixel(525, 50)));
}

TEST(PdfOutput, AbandonedDocumentLeavesNoFile) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("gone.pdf"));
    TReportPdfWriter writer(pdf);
    writer.OnPrint = [](TBaseReport& report) {
        report.PrintXY(1, 1, QStringLiteral("x"));
        report.Abort();
    };
    writer.Execute();
    EXPECT_TRUE(writer.Aborted());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(PdfOutput, UnwritableFileIsAnErrorNamingIt) {
    TReportPdfWriter writer(QStringLiteral("/nonexistent/dir/out.pdf"));
    try {
        writer.Execute();
        FAIL() << "expected an error";
    } catch (const std::runtime_error& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("out.pdf")));
    }
}

// What a person searches for or copies out of the PDF is what was typed: a ligature the font
// draws for "fi" still reads as two letters, whether the text is met for the first time or
// again; every embedded font is a subset and says so in its name; the document carries the
// label's description and the program's name.
TEST(PdfOutput, TextReadsBackAsTyped) {
    if (!HavePoppler())
        GTEST_SKIP() << "poppler-utils (pdftotext) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("search.pdf"));
    TReportPdfWriter writer(pdf);
    writer.SelectPaper(1);
    writer.Title = QStringLiteral("Springfield badges");
    writer.OnPrint = [](TBaseReport& report) {
        double y = 1;
        for (const QString& font : {QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("DejaVu Serif")})
            for (int again = 0; again < 2; ++again) {
                report.SetFont(font, 14);
                report.PrintXY(1, y, QStringLiteral("Springfield office, fluffy waffle"));
                y += 0.5;
            }
    };
    writer.Execute();
    const QString text = RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_EQ(text.count(QStringLiteral("Springfield office, fluffy waffle")), 6)
        << text.toStdString();
    for (const QChar ligature :
         {QChar(0xFB00), QChar(0xFB01), QChar(0xFB02), QChar(0xFB03), QChar(0xFB04)})
        EXPECT_FALSE(text.contains(ligature)) << text.toStdString();

    // pdffonts tells a subset by its tag; the tagged names come in an update at the end, which
    // every reader follows, so the text and the pages read as before.
    const QString fonts = RunTool(QStringLiteral("pdffonts"), {pdf});
    const QStringList rows = fonts.split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(rows.size(), 3) << fonts.toStdString();
    for (const QString& row : rows)
        EXPECT_TRUE(row.contains(QRegularExpression(
            QStringLiteral("^[A-Z]{6}\\+\\S+ +CID TrueType +Identity-H +yes yes yes"))))
            << row.toStdString();

    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("Title:\\s+Springfield badges\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Quorvane\\n"))))
        << info.toStdString();
}

// A job's PDF is titled with the label's description (as the table holds it, without the
// blanks around it), accents and all; a label without one keeps the engine's own title.
TEST(PdfOutput, AJobsDocumentIsTitledWithItsLabelsDescription) {
    QTemporaryDir dir;
    const auto titleOf = [&](const QString& description) {
        SheetJob job;
        job.Label.description = description;
        job.Label.geometry.labelsAcross = job.Label.geometry.labelsDown = 1;
        job.Label.geometry.labelWidth = job.Label.geometry.labelHeight = 1.0f;
        job.Label.geometry.horizontalPitch = job.Label.geometry.verticalPitch = 1.0f;
        job.Label.geometry.paperSize = QStringLiteral("LTR");
        job.ObjectsText = QStringLiteral("NOTHING=NOTHING\r\n");
        const QString pdf = dir.filePath(QStringLiteral("titled.pdf"));
        TReportPdfWriter writer(pdf);
        job.Render(writer);
        QFile file(pdf);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return InfoTitle(file.readAll());
    };
    EXPECT_EQ(titleOf(QStringLiteral("  Name badges (Süd) ")), "Name badges (Süd)");
    EXPECT_EQ(titleOf(QStringLiteral("Shelf \\ labels")), "Shelf \\ labels");
    EXPECT_EQ(titleOf(QStringLiteral("   ")), "Test Report");
}
