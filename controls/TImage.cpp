#include "controls/TImage.h"

#include "controls/ZoomedBox.h"
#include <QPainter>

#include "document/ScreenMetrics.h"

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    resize(105, 105);
}

bool TImage::LoadFromFile(const QString& path, QString* error) {
    hint_ = path;
    picture_ = Picture::fromFile(path, error);
    applyNaturalSize();
    update();
    return !picture_.isNull();
}

void TImage::setStretch(bool on) {
    stretch_ = on;
    applyNaturalSize();
    update();
}

void TImage::RefreshLayout() {
    applyNaturalSize();
}

void TImage::applyNaturalSize() {
    // Without a picture there is no natural size: the box stays as given.
    if (stretch_ || picture_.isNull())
        return;
    const QSize natural = picture_.naturalSize(ScreenPixelsPerInch());
    if (natural.isValid() && !natural.isEmpty() && ZoomedBox::Of(this).size() != natural) {
        applyingSize_ = true;
        ZoomedBox::SetSize(this, natural);
        applyingSize_ = false;
    }
}

void TImage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!applyingSize_)
        applyNaturalSize();
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ZoomedBox::Scale(painter, this);
    const QRectF box(QPointF(0, 0), QSizeF(ZoomedBox::Of(this).size()));
    if (picture_.isNull()) {
        DrawPicturePlaceholder(painter, box, hint_);
        return;
    }
    if (stretch_) {
        picture_.draw(painter, box);
        return;
    }
    // Unstretched, the picture keeps its own size from the top-left corner.
    const QSize natural = picture_.naturalSize(ScreenPixelsPerInch());
    picture_.draw(painter, QRectF(QPointF(0, 0), QSizeF(natural)));
}
