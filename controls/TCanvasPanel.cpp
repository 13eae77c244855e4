#include "controls/TCanvasPanel.h"

#include <QPainter>
#include <algorithm>

TCanvasPanel::TCanvasPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCanvasPanel::setShape(TLabelShapeType shape) {
    if (shape == shape_)
        return;
    shape_ = shape;
    update();
}

TLabelShapeType TCanvasPanel::ShapeFromCode(const QString& code, TLabelShapeType current) {
    if (code == QLatin1String("SR"))
        return lsRectangle;
    if (code == QLatin1String("RR"))
        return lsRoundRect;
    if (code == QLatin1String("RE"))
        return lsEllipse;
    return current;
}

QString TCanvasPanel::CodeFromShape(TLabelShapeType shape) {
    switch (shape) {
    case lsRectangle:
        return QStringLiteral("SR");
    case lsEllipse:
        return QStringLiteral("RE");
    default:
        return QStringLiteral("RR");
    }
}

void TCanvasPanel::setColor(const QColor& color) {
    color_ = color;
    update();
}

int TCanvasPanel::CornerEllipse() const {
    return std::max(width(), height()) / 6;
}

void TCanvasPanel::setTextMarker(TextMarker marker) {
    textMarker_ = std::move(marker);
    for (QWidget* item : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        item->update();
}

QList<TextRun> TCanvasPanel::MarkedText(const QString& text) const {
    return textMarker_ ? textMarker_(text) : QList<TextRun>();
}

void TCanvasPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    // Outline from (0, 0) to (Width, Height), far edges exclusive: the 1-pixel stroke lies on
    // the outermost pixels, whose centres are half a pixel in.
    const QRectF box(0.5, 0.5, width() - 1, height() - 1);
    switch (shape_) {
    case lsRectangle:
        painter.drawRect(box);
        break;
    case lsEllipse:
        painter.drawEllipse(box);
        break;
    default: {
        const qreal radius = CornerEllipse() / 2.0;
        painter.drawRoundedRect(box, radius, radius, Qt::AbsoluteSize);
        break;
    }
    }
}
