#include "controls/Picture.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

Picture Picture::fromFile(const QString& path, QString* error) {
    Picture picture;
    QImage image;
    if (!image.load(path, "BMP")) {
        if (error)
            *error = QStringLiteral("Cannot read the picture \"%1\".").arg(path);
        return picture;
    }
    picture.kind_ = Kind::Bitmap;
    picture.bitmap_ = image;
    return picture;
}

QSize Picture::naturalSize(int /*pixelsPerInch*/) const {
    if (kind_ == Kind::Bitmap)
        return bitmap_.size();
    return {};
}

void Picture::draw(QPainter& painter, const QRectF& target) const {
    if (kind_ == Kind::Bitmap)
        painter.drawImage(target, bitmap_);
}

void DrawPicturePlaceholder(QPainter& painter, const QRectF& target, const QString& fileName) {
    painter.save();
    painter.setPen(QPen(Qt::darkGray, 0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::darkGray);
    painter.drawText(target, Qt::AlignCenter | Qt::TextWrapAnywhere, QFileInfo(fileName).fileName());
    painter.restore();
}
