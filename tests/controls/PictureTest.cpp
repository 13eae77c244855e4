#include "WmfTestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "controls/Picture.h"
#include "support/TestData.h"

TEST(Picture, BitmapLoadsAtItsOwnPixelSizeWhateverTheExtensionCase) {
    QTemporaryDir dir;
    QImage image(37, 21, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(QStringLiteral("logo.Bmp"));
    ASSERT_TRUE(image.save(path, "BMP"));

    const Picture picture = Picture::fromFile(path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(picture.naturalSize(96), QSize(37, 21));
    EXPECT_EQ(picture.naturalSize(120), QSize(37, 21));

    QImage canvas(74, 42, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture.draw(painter, QRectF(0, 0, 74, 42));
    painter.end();
    EXPECT_EQ(canvas.pixelColor(70, 40), QColor(Qt::red));
}

TEST(Picture, MissingFileGivesNullPictureAndAMessageNamingTheFile) {
    QString error;
    const Picture picture = Picture::fromFile(QStringLiteral("/nonexistent/x.bmp"), &error);
    EXPECT_TRUE(picture.isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("x.bmp")));
}

namespace {

// A one-inch placeable metafile: a red square over its left half.
QByteArray HalfRedMetafile() {
    WmfBuilder b;
    b.window(0, 0, 1000, 1000);
    b.pen(5, 0, 0xFF000000).select(0);
    b.brush(0, 0xFFFF0000).select(1);
    b.rectangle(0, 0, 500, 1000);
    return b.placeable(0, 0, 1000, 1000, 1000);
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

TEST(Picture, MetafileLoadsWhateverTheExtensionCaseAndTakesItsFrameSize) {
    QTemporaryDir dir;
    for (const QString& name :
         {QStringLiteral("clip.wmf"), QStringLiteral("CLIP.WMF"), QStringLiteral("Clip.Wmf")}) {
        const Picture picture = Picture::fromFile(WriteFile(dir, name, HalfRedMetafile()));
        ASSERT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_EQ(picture.kind(), Picture::Kind::Metafile);
        EXPECT_EQ(picture.naturalSize(96), QSize(96, 96)); // one inch
        EXPECT_EQ(picture.naturalSize(120), QSize(120, 120));
    }
    QImage bitmap(5, 7, QImage::Format_RGB32);
    bitmap.fill(Qt::blue);
    for (const QString& name : {QStringLiteral("a.bmp"), QStringLiteral("B.BMP")}) {
        ASSERT_TRUE(bitmap.save(dir.filePath(name), "BMP"));
        const Picture picture = Picture::fromFile(dir.filePath(name));
        EXPECT_EQ(picture.kind(), Picture::Kind::Bitmap);
        EXPECT_EQ(picture.naturalSize(96), QSize(5, 7));
    }
}

TEST(Picture, RealClipArtTakesItsNaturalSizeFromTheHeader) {
    const Picture picture = Picture::fromData(ReadWmfTestFile("lo-bus-classic.wmf"),
                                              QStringLiteral("lo-bus-classic.wmf"));
    ASSERT_FALSE(picture.isNull());
    // Frame 10000 x 8050 at 2540 units per inch.
    EXPECT_EQ(picture.naturalSize(96), QSize(378, 304));
}

TEST(Picture, StretchedMetafileFillsItsBoxOnScreenAndAt600Dpi) {
    const Picture picture = Picture::fromData(HalfRedMetafile(), QStringLiteral("m.wmf"));
    for (int dpi : {96, 600}) {
        const double scale = dpi / 96.0;
        QImage page(qRound(300 * scale), qRound(200 * scale), QImage::Format_ARGB32_Premultiplied);
        page.setDotsPerMeterX(qRound(dpi / 0.0254));
        page.setDotsPerMeterY(qRound(dpi / 0.0254));
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.scale(scale, scale); // the box in screen pixels, as the renderer places it
        picture.draw(painter, QRectF(40, 30, 200, 100));
        painter.end();
        const QRect ink = InkBounds(page);
        EXPECT_NEAR(ink.left(), 40 * scale, 1) << dpi;
        EXPECT_NEAR(ink.top(), 30 * scale, 1) << dpi;
        EXPECT_NEAR(ink.right() + 1, 140 * scale, 1) << dpi; // the left half of 200
        EXPECT_NEAR(ink.bottom() + 1, 130 * scale, 1) << dpi;
    }
}

TEST(Picture, MetafileStaysVectorInPdfAndBitmapsStayExact) {
    QTemporaryDir dir;
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(QColor(12, 200, 34));
    ASSERT_TRUE(bitmap.save(dir.filePath(QStringLiteral("b.bmp")), "BMP"));
    const auto pdfOf = [&](const Picture& picture) {
        const QString path = dir.filePath(QStringLiteral("out.pdf"));
        {
            QPdfWriter writer(path);
            writer.setResolution(600);
            QPainter painter(&writer);
            picture.draw(painter, QRectF(600, 600, 1200, 1200));
        }
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    };
    const QByteArray vector = pdfOf(Picture::fromData(HalfRedMetafile(), QStringLiteral("m.wmf")));
    EXPECT_FALSE(vector.contains("/Subtype /Image"));
    const QByteArray raster = pdfOf(Picture::fromFile(dir.filePath(QStringLiteral("b.bmp"))));
    EXPECT_TRUE(raster.contains("/Subtype /Image"));
    EXPECT_FALSE(raster.contains("/DCTDecode")) << "no JPEG for bitmaps";
}

TEST(Picture, ContentsDecideTheKindAndOtherFilesAreRefused) {
    QString error;
    EXPECT_TRUE(
        Picture::fromData(QByteArray("\xFF\xD8\xFF\xE0 jpeg", 10), "x.jpg", &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("x.jpg")));
    EXPECT_TRUE(Picture::fromData("BM broken", "broken.bmp", &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("broken.bmp")));
    // A metafile named .bmp is still read as the metafile it is.
    EXPECT_EQ(Picture::fromData(HalfRedMetafile(), "odd.bmp").kind(), Picture::Kind::Metafile);
}

TEST(Picture, PlaceholderMarksTheBox) {
    QImage canvas(120, 60, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    DrawPicturePlaceholder(painter, QRectF(0, 0, 120, 60), QStringLiteral("/gone/logo.wmf"));
    painter.end();
    EXPECT_GT(InkCount(canvas, QRect(0, 0, 120, 2)), 50);    // the outline
    EXPECT_GT(InkCount(canvas, QRect(10, 20, 100, 20)), 10); // the name
}

namespace {

// A 40 x 20 picture: opaque red on the left half, fully transparent on the right.
QImage HalfTransparentRed() {
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixelColor(x, y, Qt::red);
    return image;
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}


QImage DrawnOver(const Picture& picture, const QColor& ground, const QSize& size) {
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(ground);
    QPainter painter(&canvas);
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return canvas;
}

} // namespace

// Every format of Qt's image readers is read by its contents, whatever the name says, and
// transparent pixels stay transparent.
TEST(Picture, EveryPixelFormatLoadsAndKeepsItsTransparency) {
    for (const char* file : {"logo.png", "logo.gif", "logo.tiff", "logo.webp"}) {
        SCOPED_TRACE(file);
        QString error;
        const Picture picture = Picture::fromData(
            ReadTestData(QStringLiteral("pictures/") + file), "logo.bin", &error);
        ASSERT_FALSE(picture.isNull()) << error.toStdString();
        EXPECT_EQ(picture.kind(), Picture::Kind::Bitmap);
        EXPECT_EQ(picture.naturalSize(96), QSize(40, 20));
        EXPECT_TRUE(picture.hasAlpha());
        const QImage drawn = DrawnOver(picture, Qt::green, {40, 20});
        EXPECT_EQ(drawn.pixelColor(5, 10), QColor(Qt::red));
        EXPECT_EQ(drawn.pixelColor(35, 10), QColor(Qt::green)) << "the ground shows through";
    }
    // JPEG has no transparency: a photo loads as the opaque picture it is.
    const Picture jpeg = Picture::fromData(ReadTestData("pictures/photo.jpg"), "photo.jpg");
    ASSERT_FALSE(jpeg.isNull());
    EXPECT_FALSE(jpeg.hasAlpha());
    EXPECT_EQ(jpeg.naturalSize(96), QSize(30, 10));
    EXPECT_LT(qAbs(DrawnOver(jpeg, Qt::white, {30, 10}).pixelColor(15, 5).blue() - 200), 8);
    for (const char* pattern : {"*.png", "*.jpg", "*.gif", "*.tiff", "*.webp", "*.svg", "*.bmp",
                                "*.wmf"})
        EXPECT_TRUE(Picture::FilePatterns().contains(pattern)) << pattern;
    EXPECT_TRUE(Picture::HasPictureExtension("/photos/Ada.JPG"));
    EXPECT_FALSE(Picture::HasPictureExtension("notes.txt"));
    EXPECT_TRUE(Picture::FileDialogFilter().startsWith("All pictures (*.bmp *.wmf *.svg"));
}

// An SVG drawing keeps its vectors: drawn into a PDF it leaves no image there, and on a
// raster it fills its box at any size.
TEST(Picture, SvgDrawsAsVectors) {
    const Picture picture = Picture::fromData(ReadTestData("pictures/logo.svg"), "logo.svg");
    ASSERT_EQ(picture.kind(), Picture::Kind::Vector);
    EXPECT_EQ(picture.naturalSize(96), QSize(192, 96));
    EXPECT_EQ(picture.naturalSize(300), QSize(600, 300));
    EXPECT_EQ(picture.aspect(), QSizeF(200, 100));
    const QImage drawn = DrawnOver(picture, Qt::white, {400, 200});
    EXPECT_EQ(drawn.pixelColor(100, 100), QColor(Qt::blue));
    EXPECT_EQ(drawn.pixelColor(300, 100), QColor(Qt::white));

    QTemporaryDir dir;
    const QString path = dir.filePath("svg.pdf");
    {
        QPdfWriter writer(path);
        QPainter painter(&writer);
        picture.draw(painter, QRectF(100, 100, 2000, 1000));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("/Subtype /Image"));

    QString error;
    EXPECT_TRUE(Picture::fromData("<svg xmlns='http://www.w3.org/2000/svg'><rect", "cut.svg",
                                  &error)
                    .isNull());
    EXPECT_TRUE(error.contains("cut.svg")) << error.toStdString();
}

// FIT=Y: the picture's proportions, as large as the box allows, centred in it.
TEST(Picture, FittedIntoItsBoxKeepingItsProportions) {
    const Picture wide = Picture::fromData(Encoded(HalfTransparentRed(), "PNG"), "w.png");
    EXPECT_EQ(wide.fittedInto(QRectF(0, 0, 100, 100)), QRectF(0, 25, 100, 50));
    EXPECT_EQ(wide.fittedInto(QRectF(10, 10, 20, 100)), QRectF(10, 55, 20, 10));
    EXPECT_EQ(Picture().fittedInto(QRectF(1, 2, 3, 4)), QRectF(1, 2, 3, 4));
}
