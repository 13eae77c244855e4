#include "designer/ImagePreview.h"

#include <QPainter>

#include <algorithm>

#include "document/ScreenMetrics.h"

namespace {
const QSize PlaceholderSize(160, 90);
}

ImagePreview::ImagePreview(QWidget* parent) : QWidget(parent) {
    resize(0, 0);
}

QSize ImagePreview::NaturalSize() const {
    return picture_.isNull() ? QSize() : picture_.naturalSize(ScreenPixelsPerInch());
}

bool ImagePreview::LoadFile(const QString& path) {
    fileName_ = path;
    error_.clear();
    scale_ = 1.0;
    picture_ = Picture::fromFile(path, &error_);
    if (picture_.isNull()) {
        setToolTip(error_);
        resize(PlaceholderSize);
    } else {
        setToolTip(QString());
        const QSize natural = NaturalSize();
        QSize shown = natural;
        if (!room_.isEmpty() &&
            (natural.width() > room_.width() || natural.height() > room_.height())) {
            shown = natural.scaled(room_, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
            scale_ = std::min(double(shown.width()) / natural.width(),
                              double(shown.height()) / natural.height());
        }
        resize(shown);
    }
    update();
    return !picture_.isNull();
}

void ImagePreview::Clear() {
    picture_ = Picture();
    fileName_.clear();
    error_.clear();
    scale_ = 1.0;
    setToolTip(QString());
    resize(0, 0);
    update();
}

void ImagePreview::paintEvent(QPaintEvent* /*event*/) {
    if (fileName_.isEmpty())
        return;
    QPainter painter(this);
    if (picture_.isNull()) {
        DrawPicturePlaceholder(painter, QRectF(rect()), fileName_);
        return;
    }
    // Transparent parts show the label's white, as they print.
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    picture_.draw(painter, QRectF(rect()));
}
