#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/TImage.h"

namespace {
QString WriteBitmap(const QTemporaryDir& dir, const QString& name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}
} // namespace

TEST(TImage, UnstretchedTakesThePictureSizeAndKeepsThePathInItsHint) {
    QTemporaryDir dir;
    const QString path = WriteBitmap(dir, QStringLiteral("logo.bmp"), QSize(37, 21), Qt::red);
    for (const int ppi : {96, 120}) {
        ScopedPixelsPerInch scope(ppi);
        TImage image;
        image.resize(200, 100);
        EXPECT_TRUE(image.LoadFromFile(path));
        EXPECT_TRUE(image.HasPicture());
        EXPECT_EQ(image.Hint(), path);
        EXPECT_FALSE(image.Stretch());
        EXPECT_TRUE(image.AutoSize());
        EXPECT_EQ(image.size(), QSize(37, 21));
        const QImage painted = RenderOnWhite(image);
        EXPECT_EQ(painted.pixelColor(0, 0), QColor(Qt::red));
        EXPECT_EQ(painted.pixelColor(36, 20), QColor(Qt::red));
    }
}

TEST(TImage, StretchedKeepsItsBoxAndFillsIt) {
    QTemporaryDir dir;
    const QString path = WriteBitmap(dir, QStringLiteral("logo.BMP"), QSize(10, 10), Qt::blue);
    TImage image;
    image.setStretch(true);
    image.resize(80, 30);
    EXPECT_TRUE(image.LoadFromFile(path));
    EXPECT_FALSE(image.AutoSize());
    EXPECT_EQ(image.size(), QSize(80, 30));
    const QImage painted = RenderOnWhite(image);
    EXPECT_EQ(painted.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(painted.pixelColor(79, 29), QColor(Qt::blue));

    image.setStretch(false);
    EXPECT_EQ(image.size(), QSize(10, 10));
    image.show();
    image.resize(50, 50); // unstretched, the picture decides the size
    EXPECT_EQ(image.size(), QSize(10, 10));
}

// A picture that cannot be read still leaves the item with its box, path and stretch flag,
// drawn as an outlined placeholder naming the file.
TEST(TImage, MissingOrUnreadableFileShowsAPlaceholder) {
    QTemporaryDir dir;
    QFile broken(dir.filePath(QStringLiteral("broken.bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();
    const QString missing = dir.filePath(QStringLiteral("moved away.bmp"));

    for (const QString& path : {missing, broken.fileName()}) {
        for (const bool stretch : {false, true}) {
            TImage image;
            image.setStretch(stretch);
            image.setGeometry(5, 6, 120, 50);
            QString error;
            EXPECT_FALSE(image.LoadFromFile(path, &error));
            EXPECT_FALSE(error.isEmpty());
            EXPECT_FALSE(image.HasPicture());
            EXPECT_EQ(image.Hint(), path);
            EXPECT_EQ(image.Stretch(), stretch);
            EXPECT_EQ(image.geometry(), QRect(5, 6, 120, 50));

            const QImage painted = RenderOnWhite(image);
            const QRect ink = InkBounds(painted);
            EXPECT_LE(ink.left(), 1);
            EXPECT_LE(ink.top(), 1);
            EXPECT_GE(ink.right(), 118);
            EXPECT_GE(ink.bottom(), 48);
            // The file's name is written inside the outline.
            EXPECT_GT(InkCount(painted, QRect(10, 10, 100, 30)), 20);
        }
    }
}
