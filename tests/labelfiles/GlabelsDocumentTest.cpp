#include "labelfiles/GlabelsDocument.h"
#include "labelfiles/LabelDocument.h"
#include "labelfiles/LabelImport.h"
#include "document/LabelDesign.h"
#include "storage/LabelTable.h"
#include "support/StoredLabels.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zlib.h>

// gLabels 3 documents (tests/data/glabels, made and rendered by gLabels itself; see SOURCE.md
// there) brought over as labels of ours.

namespace {

LabelDocument Open(const QString& name) {
    return LabelDocument::Open(TestDataPath(QStringLiteral("glabels/") + name));
}

std::vector<LabelItemValue> Items(const LabelFile& file) {
    LabelDesign design;
    const auto read = design.REstoreItems(file.objectsText);
    EXPECT_FALSE(read.error);
    return design.ItemValues();
}

QByteArray Gzip(const QByteArray& bytes) {
    z_stream s{};
    deflateInit2(&s, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&s, uLong(bytes.size()))) + 64, '\0');
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    s.avail_in = uInt(bytes.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    out.resize(int(s.total_out));
    deflateEnd(&s);
    return out;
}

QString ErrorOf(const QByteArray& bytes) {
    const GlabelsDocument::Read read = GlabelsDocument::FromBytes(bytes, QString(), "x");
    EXPECT_FALSE(read.file);
    return read.error;
}

// One word as pdftotext -bbox places it, in points from the page's top left.
struct Word {
    QString text;
    double x = 0, y = 0;
};
QList<Word> Words(const QString& bbox) {
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    QList<Word> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(bbox))
        words.append({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    return words;
}

} // namespace

TEST(GlabelsDocument, AnAddressLabelComesOverWhole) {
    const LabelDocument document = Open("address.glabels");
    ASSERT_TRUE(document.file) << document.error.toStdString();
    EXPECT_TRUE(document.notCarried.isEmpty()) << document.notCarried.join('\n').toStdString();
    ASSERT_TRUE(document.sheet);
    EXPECT_EQ(document.sheet->brand, "Avery");
    EXPECT_EQ(document.sheet->partNumber, "5160");
    const SheetGeometry& g = document.file->label.geometry;
    EXPECT_FLOAT_EQ(g.labelWidth, 2.625f);
    EXPECT_FLOAT_EQ(g.labelHeight, 1.0f);
    EXPECT_EQ(g.labelsAcross, 3);
    EXPECT_EQ(g.paperSize, "LTR");
    EXPECT_TRUE(document.file->mergeSource.endsWith("/glabels/addresses.csv"));
    EXPECT_EQ(document.file->label.description, "address");

    const std::vector<LabelItemValue> items = Items(*document.file);
    std::vector<LabelItemKind> kinds;
    QStringList texts;
    for (const LabelItemValue& v : items) {
        kinds.push_back(v.kind);
        if (v.kind == LabelItemKind::Text)
            texts << v.text;
    }
    using K = LabelItemKind;
    EXPECT_EQ(kinds, (std::vector<K>{K::Rectangle, K::Text, K::Text, K::Text, K::Text, K::Ellipse,
                                     K::HorizontalLine, K::VerticalLine, K::Barcode}));
    EXPECT_EQ(texts, QStringList({"{Name}", "{Street}", "{Zip} {City}", "Priority {{A}}"}));
    const LabelItemValue& box = items[0];
    EXPECT_EQ(box.brushStyle, TBrushStyle::Clear);
    EXPECT_EQ(box.penColor, MakeColorValue(0x30, 0x50, 0xa0));
    EXPECT_TRUE(items[1].bold);
    EXPECT_EQ(items[1].fontName, "Liberation Sans");
    EXPECT_EQ(items[1].fontSize, 11);
    EXPECT_TRUE(items[4].italic);
    EXPECT_EQ(items[4].fontColor, MakeColorValue(0xa0, 0x20, 0x20));
    EXPECT_EQ(items[5].brushStyle, TBrushStyle::Solid);
    EXPECT_EQ(items[5].brushColor, MakeColorValue(0xff, 0xd0, 0x40));
    EXPECT_EQ(items[8].symbology, BarcodeSymbology::Code128);
    EXPECT_EQ(items[8].barcodeData, "{Zip}");
    EXPECT_FALSE(items[8].showText);
}

TEST(GlabelsDocument, WhatCannotComeOverIsListedAndThePictureTravels) {
    const LabelDocument document = Open("badge.glabels");
    ASSERT_TRUE(document.file) << document.error.toStdString();
    const QString notes = document.notCarried.join('\n');
    for (const char* expected : {"shadow", "shrinking", "line at an angle", "POSTNET", "turned"})
        EXPECT_TRUE(notes.contains(QLatin1String(expected))) << expected << "\n"
                                                             << notes.toStdString();
    ASSERT_EQ(document.file->pictures.size(), 1u);
    EXPECT_EQ(document.file->pictures[0].name, "logo.png");
    EXPECT_EQ(document.file->pictures[0].data, ReadTestData("glabels/logo.png"));
    EXPECT_TRUE(document.file->objectsText.contains("FILENAMEANDPATH=" +
                                                    document.file->pictures[0].path + "\r\n"));
    // The banner has no outline: its hairline takes the fill's colour.
    const std::vector<LabelItemValue> items = Items(*document.file);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0].penWidth, 0);
    EXPECT_EQ(items[0].penColor, items[0].brushColor);
    EXPECT_EQ(document.sheet->geometry.paperSize, "USER");
    EXPECT_FLOAT_EQ(document.sheet->geometry.sheetWidth, 8.5f);
    EXPECT_TRUE(document.file->objectsText.contains("TEXT=Widgets & Sons\r\n"));
}

TEST(GlabelsDocument, DamagedAndHostileDocumentsAreRefused) {
    const QByteArray packed = ReadTestData("glabels/address.glabels");
    EXPECT_TRUE(ErrorOf(packed.left(packed.size() / 2)).contains("damaged"));
    QByteArray corrupt = packed;
    corrupt[30] = char(corrupt[30] ^ 0x55);
    EXPECT_FALSE(ErrorOf(corrupt).isEmpty());
    // A zip bomb: 200 MB of one letter in a few hundred kilobytes.
    const QByteArray bomb = Gzip("<Glabels-document>" + QByteArray(200 << 20, 'x'));
    EXPECT_LT(bomb.size(), 1 << 20);
    EXPECT_TRUE(ErrorOf(bomb).contains("more than 64 MB"));
    QByteArray deep = "<Glabels-document><Objects><Object-text><Span>";
    deep += QByteArray("<a>").repeated(10000) + QByteArray("</a>").repeated(10000);
    deep += "</Span></Object-text></Objects></Glabels-document>";
    EXPECT_TRUE(ErrorOf(deep).contains("nested too deeply"));
    EXPECT_TRUE(ErrorOf("<Glabels-document><Objects/></Glabels-document>").contains("sheet"));
    EXPECT_TRUE(ErrorOf("<Glabels-templates/>").contains("not a gLabels document"));
    // An entity that would swell to gigabytes is not expanded.
    QByteArray billion = "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\">";
    for (char c = 'b'; c <= 'j'; ++c)
        billion += QByteArray("<!ENTITY ") + c + " \"" + QByteArray("&") + char(c - 1) + ";" +
                   QByteArray("&") + char(c - 1) + ";" + QByteArray("&") + char(c - 1) + ";" +
                   QByteArray("&") + char(c - 1) + ";&" + char(c - 1) + ";&" + char(c - 1) +
                   ";&" + char(c - 1) + ";&" + char(c - 1) + ";&" + char(c - 1) + ";&" +
                   char(c - 1) + ";\">";
    billion += "]><Glabels-document>&j;</Glabels-document>";
    EXPECT_FALSE(ErrorOf(billion).isEmpty());
}

// The texts land where gLabels put them: each word of gLabels' first sheet within 0.02 in
// of the same word in quorvane-batch's rendering of the imported label.
TEST(GlabelsDocument, TextsLandWhereGlabelsPutsThem) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    for (const char* name : {"address", "badge"}) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        QString message;
        {
            std::unique_ptr<LabelTable> table = LabelTable::Open(dir.path(), message);
            ASSERT_TRUE(table) << message.toStdString();
            LabelDocument document = Open(QString::fromLatin1(name) + ".glabels");
            ASSERT_TRUE(document.file);
            const LabelImport::Outcome outcome = LabelImport::Run(*document.file, *table, dir.path());
            ASSERT_TRUE(outcome.imported) << outcome.error.toStdString();
        }
        const QString pdf = dir.filePath("out.pdf");
        QStringList arguments = {"--dir", dir.path(), "--label", name, "--pdf", pdf};
        if (QLatin1String(name) == QLatin1String("address"))
            arguments << "--merge" << TestDataPath("glabels/addresses.csv");
        const BatchResult batch = RunBatch(arguments);
        ASSERT_EQ(batch.exitCode, 0) << batch.err.toStdString();
        // Kept for a person to set beside gLabels' own rendering.
        if (const QString folder = PictureOutputDir(); !folder.isEmpty()) {
            const QString kept = QDir(folder).filePath(QStringLiteral("%1-quorvane.pdf").arg(name));
            QFile::remove(kept);
            QFile::copy(pdf, kept);
        }
        QProcess text;
        text.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
        ASSERT_TRUE(text.waitForFinished(60000));
        const QList<Word> ours = Words(QString::fromUtf8(text.readAllStandardOutput()));
        QFile reference(TestDataPath(QStringLiteral("glabels/%1-glabels.bbox").arg(name)));
        ASSERT_TRUE(reference.open(QIODevice::ReadOnly));
        const QList<Word> theirs = Words(QString::fromUtf8(reference.readAll()));
        ASSERT_FALSE(theirs.isEmpty());
        constexpr double Tolerance = 0.02 * 72; // points
        for (const Word& w : theirs) {
            double best = 1e9;
            const Word* nearest = nullptr;
            for (const Word& o : ours)
                if (o.text == w.text && std::hypot(o.x - w.x, o.y - w.y) < best) {
                    best = std::hypot(o.x - w.x, o.y - w.y);
                    nearest = &o;
                }
            ASSERT_NE(nearest, nullptr) << name << ": \"" << w.text.toStdString() << "\" missing";
            EXPECT_LE(std::abs(nearest->x - w.x), Tolerance)
                << name << " \"" << w.text.toStdString() << "\" x " << nearest->x << " vs " << w.x;
            EXPECT_LE(std::abs(nearest->y - w.y), Tolerance)
                << name << " \"" << w.text.toStdString() << "\" y " << nearest->y << " vs " << w.y;
        }
    }
}
