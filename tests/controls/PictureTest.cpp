#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "controls/Picture.h"

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
