#include "designer/ImagePreview.h"

#include <QPainter>

#include "document/ScreenMetrics.h"

namespace {
const QSize PlaceholderSize(160, 90);
}

ImagePreview::ImagePreview(QWidget* parent) : QWidget(parent) {
    resize(0, 0);
}

bool ImagePreview::LoadFile(const QString& path) {
    fileName_ = path;
    error_.clear();
    picture_ = Picture::fromFile(path, &error_);
    if (picture_.isNull()) {
        setToolTip(error_);
        resize(PlaceholderSize);
    } else {
        setToolTip(QString());
        resize(picture_.naturalSize(ScreenPixelsPerInch()));
    }
    update();
    return !picture_.isNull();
}

void ImagePreview::Clear() {
    picture_ = Picture();
    fileName_.clear();
    error_.clear();
    setToolTip(QString());
    resize(0, 0);
    update();
}

void ImagePreview::paintEvent(QPaintEvent* /*event*/) {
    if (fileName_.isEmpty())
        return;
    QPainter painter(this);
    if (picture_.isNull())
        DrawPicturePlaceholder(painter, QRectF(rect()), fileName_);
    else
        picture_.draw(painter, QRectF(rect()));
}
