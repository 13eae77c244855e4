#include "controls/Picture.h"

#include "controls/WmfPlayer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// Larger picture files are refused rather than read into memory.
constexpr qint64 kMaxPictureFileBytes = 256LL * 1024 * 1024;
// CSS and SVG count 96 of their pixels to the inch.
constexpr double kSvgUnitsPerInch = 96.0;

QString Message(const QString& name, const QString& reason) {
    return QCoreApplication::translate("Picture", "Cannot read the picture \"%1\": %2.")
        .arg(name, reason);
}

// An SVG document (or its gzip-compressed form): the XML names an svg element early on.
bool LooksLikeSvg(const QByteArray& data) {
    if (data.startsWith("\x1f\x8b"))
        return false; // compressed: left to the SVG reader when no image reader takes it
    const QByteArray head = data.left(4096);
    return head.contains("<svg") &&
           (head.trimmed().startsWith('<') || head.startsWith("\xEF\xBB\xBF"));
}

bool LooksLikeCompressedSvg(const QByteArray& data, const QString& name) {
    return data.startsWith("\x1f\x8b") &&
           name.endsWith(QLatin1String(".svgz"), Qt::CaseInsensitive);
}

QImage ReadImage(const QByteArray& data, const char* format, QString& reason) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // A photograph taken on its side is shown upright, as every viewer shows it.
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        reason = reader.errorString();
    return image;
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
            *error = Message(path, QCoreApplication::translate("Picture", "the file is too large"));
        return {};
    }
    return fromData(file.readAll(), path, error);
}

Picture Picture::fromData(const QByteArray& data, const QString& name, QString* error) {
    Picture picture;
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = Message(name, reason);
        return Picture();
    };
    if (data.startsWith("BM")) {
        QString reason;
        picture.bitmap_ = ReadImage(data, "BMP", reason);
        if (picture.bitmap_.isNull())
            return fail(QCoreApplication::translate("Picture", "the bitmap is damaged"));
        picture.kind_ = Kind::Bitmap;
        return picture;
    }
    if (WmfPlayer::looksLikeMetafile(data)) {
        auto player = std::make_shared<const WmfPlayer>(data);
        if (!player->isValid())
            return fail(QCoreApplication::translate("Picture", "the metafile header is damaged"));
        picture.metafile_ = std::move(player);
        picture.kind_ = Kind::Metafile;
        return picture;
    }
    if (LooksLikeSvg(data) || LooksLikeCompressedSvg(data, name)) {
        auto renderer = std::make_shared<QSvgRenderer>(data);
        if (!renderer->isValid() || renderer->defaultSize().isEmpty())
            return fail(QCoreApplication::translate("Picture", "the SVG drawing is damaged"));
        picture.drawing_ = std::move(renderer);
        picture.kind_ = Kind::Vector;
        return picture;
    }
    QBuffer probe;
    probe.setData(data);
    probe.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&probe);
    if (format.isEmpty())
        return fail(
            QCoreApplication::translate("Picture", "it is not a picture this program reads"));
    QString reason;
    picture.bitmap_ = ReadImage(data, format.constData(), reason);
    if (picture.bitmap_.isNull())
        return fail(QCoreApplication::translate("Picture", "the %1 picture is damaged (%2)")
                        .arg(QString::fromLatin1(format).toUpper(), reason));
    picture.kind_ = Kind::Bitmap;
    return picture;
}

QSize Picture::naturalSize(int pixelsPerInch) const {
    const auto pixels = [pixelsPerInch](double inches) {
        return std::max(1, static_cast<int>(std::lround(inches * pixelsPerInch)));
    };
    switch (kind_) {
    case Kind::Bitmap:
        return bitmap_.size();
    case Kind::Metafile: {
        const QSizeF inches = metafile_->sizeInInches();
        return {pixels(inches.width()), pixels(inches.height())};
    }
    case Kind::Vector: {
        const QSizeF units = drawing_->defaultSize();
        return {pixels(units.width() / kSvgUnitsPerInch),
                pixels(units.height() / kSvgUnitsPerInch)};
    }
    case Kind::None:
        break;
    }
    return {};
}

QSizeF Picture::aspect() const {
    switch (kind_) {
    case Kind::Bitmap:
        return QSizeF(bitmap_.size());
    case Kind::Metafile:
        return metafile_->sizeInInches();
    case Kind::Vector:
        return drawing_->viewBoxF().isEmpty() ? QSizeF(drawing_->defaultSize())
                                              : drawing_->viewBoxF().size();
    case Kind::None:
        break;
    }
    return {};
}

QRectF Picture::fittedInto(const QRectF& box) const {
    const QSizeF own = aspect();
    if (own.isEmpty() || box.isEmpty())
        return box;
    const QSizeF fitted = own.scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(box.x() + (box.width() - fitted.width()) / 2,
                  box.y() + (box.height() - fitted.height()) / 2, fitted.width(), fitted.height());
}

void Picture::draw(QPainter& painter, const QRectF& target) const {
    switch (kind_) {
    case Kind::Bitmap:
        painter.save();
        // Exact pixels in PDF output too (the PDF writer would store JPEG otherwise).
        painter.setRenderHint(QPainter::LosslessImageRendering, true);
        painter.drawImage(target, bitmap_);
        painter.restore();
        break;
    case Kind::Metafile:
        metafile_->play(painter, target);
        break;
    case Kind::Vector:
        painter.save();
        painter.setClipRect(target, Qt::IntersectClip);
        drawing_->render(&painter, target);
        painter.restore();
        break;
    case Kind::None:
        break;
    }
}

QStringList Picture::FilePatterns() {
    QStringList patterns{QStringLiteral("*.bmp"), QStringLiteral("*.wmf"), QStringLiteral("*.svg"),
                         QStringLiteral("*.svgz")};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
        // Qt's own SVG image reader would rasterise; the drawing is read as vectors above.
        if (!patterns.contains(pattern))
            patterns.append(pattern);
    }
    return patterns;
}

QString Picture::FileDialogFilter() {
    QString filter =
        QCoreApplication::translate("Picture", "All pictures (%1)").arg(FilePatterns().join(u' '));
    const QList<std::pair<QString, QString>> kinds = {
        {QCoreApplication::translate("Picture", "Windows bitmaps"), QStringLiteral("*.bmp")},
        {QCoreApplication::translate("Picture", "Windows metafiles"), QStringLiteral("*.wmf")},
        {QStringLiteral("PNG"), QStringLiteral("*.png")},
        {QStringLiteral("JPEG"), QStringLiteral("*.jpg *.jpeg")},
        {QCoreApplication::translate("Picture", "SVG drawings"), QStringLiteral("*.svg *.svgz")},
        {QStringLiteral("GIF"), QStringLiteral("*.gif")},
        {QStringLiteral("TIFF"), QStringLiteral("*.tif *.tiff")},
        {QStringLiteral("WebP"), QStringLiteral("*.webp")},
    };
    const QStringList patterns = FilePatterns();
    for (const auto& [caption, kindPatterns] : kinds)
        if (patterns.contains(kindPatterns.section(u' ', 0, 0)))
            filter += QStringLiteral(";;%1 (%2)").arg(caption, kindPatterns);
    return filter + QCoreApplication::translate("Picture", ";;All files (*)");
}

bool Picture::HasPictureExtension(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return !suffix.isEmpty() && FilePatterns().contains(QStringLiteral("*.") + suffix);
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
