#include "controls/Picture.h"

#include "controls/WmfPlayer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <cmath>

namespace {

// Larger picture files are refused rather than read into memory.
constexpr qint64 kMaxPictureFileBytes = 256LL * 1024 * 1024;

QString Message(const QString& name, const QString& reason) {
    return QStringLiteral("Cannot read the picture \"%1\": %2.").arg(name, reason);
}

} // namespace

Picture Picture::fromFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = Message(path, file.errorString());
        return {};
    }
    if (file.size() > kMaxPictureFileBytes) {
        if (error)
            *error = Message(path, QStringLiteral("the file is too large"));
        return {};
    }
    return fromData(file.readAll(), path, error);
}

Picture Picture::fromData(const QByteArray& data, const QString& name, QString* error) {
    Picture picture;
    if (data.startsWith("BM")) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "BMP");
        QImage image = reader.read();
        if (image.isNull()) {
            if (error)
                *error = Message(name, QStringLiteral("the bitmap is damaged"));
            return {};
        }
        picture.bitmap_ = image;
        picture.kind_ = Kind::Bitmap;
        return picture;
    }
    if (WmfPlayer::looksLikeMetafile(data)) {
        auto player = std::make_shared<const WmfPlayer>(data);
        if (player->isValid()) {
            picture.metafile_ = std::move(player);
            picture.kind_ = Kind::Metafile;
            return picture;
        }
        if (error)
            *error = Message(name, QStringLiteral("the metafile header is damaged"));
        return {};
    }
    if (error)
        *error = Message(name, QStringLiteral("it is neither a Windows bitmap nor a metafile"));
    return {};
}

QSize Picture::naturalSize(int pixelsPerInch) const {
    if (kind_ == Kind::Bitmap)
        return bitmap_.size();
    if (kind_ == Kind::Metafile) {
        const QSizeF inches = metafile_->sizeInInches();
        return {std::max(1, static_cast<int>(std::lround(inches.width() * pixelsPerInch))),
                std::max(1, static_cast<int>(std::lround(inches.height() * pixelsPerInch)))};
    }
    return {};
}

void Picture::draw(QPainter& painter, const QRectF& target) const {
    if (kind_ == Kind::Bitmap) {
        painter.save();
        // Exact pixels in PDF output too (the PDF writer would store JPEG otherwise).
        painter.setRenderHint(QPainter::LosslessImageRendering, true);
        painter.drawImage(target, bitmap_);
        painter.restore();
    } else if (kind_ == Kind::Metafile) {
        metafile_->play(painter, target);
    }
}

void DrawPicturePlaceholder(QPainter& painter, const QRectF& target, const QString& fileName) {
    painter.save();
    painter.setPen(QPen(Qt::darkGray, 0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::darkGray);
    painter.drawText(target, Qt::AlignCenter | Qt::TextWrapAnywhere,
                     QFileInfo(fileName).fileName());
    painter.restore();
}
