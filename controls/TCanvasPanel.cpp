#include "controls/TCanvasPanel.h"

#include "controls/TPim3DLabel.h"
#include "controls/TSymbol.h"
#include "controls/ZoomedBox.h"
#include "document/ScreenMetrics.h"

#include <QChildEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>

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

void TCanvasPanel::SetDesignSize(const QSize& size) {
    designSize_ = size;
    resize(ZoomedBox::ToScreen(QRect(QPoint(), size), zoom_).size());
}

void TCanvasPanel::setZoom(double zoom) {
    if (zoom <= 0 || zoom == zoom_)
        return;
    // Each item's design box is read at the old zoom before any widget moves.
    QList<QPair<QWidget*, QRect>> boxes;
    for (QObject* child : children()) {
        auto* item = qobject_cast<QWidget*>(child);
        if (item && item->objectName().toUpper().contains(QLatin1String("SPECIAL")))
            boxes.append({item, ZoomedBox::Of(item)});
    }
    zoom_ = zoom;
    for (const auto& [item, box] : boxes)
        ZoomedBox::Set(item, box);
    if (designSize_.isValid())
        SetDesignSize(designSize_);
    update();
}

void TCanvasPanel::setSafeAreaShown(bool shown) {
    if (shown == safeAreaShown_)
        return;
    safeAreaShown_ = shown;
    update();
}

void TCanvasPanel::setTextMarker(TextMarker marker) {
    textMarker_ = std::move(marker);
    // The panel too: it draws what runs past the texts.
    update();
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
    paintOutline(painter, box, CornerEllipse());
    if (safeAreaShown_) {
        const qreal inset = SafeMarginInches * ScreenPixelsPerInch() * zoom_;
        QPen dashes(QColor(0, 120, 215), 1, Qt::DashLine);
        dashes.setCosmetic(true);
        painter.setPen(dashes);
        painter.setBrush(Qt::NoBrush);
        paintOutline(painter, box.adjusted(inset, inset, -inset, -inset),
                     std::max(0, CornerEllipse() - int(2 * inset)));
    }
    paintUnseenItems(painter);
    paintTextsPastThemselves(painter);
}

void TCanvasPanel::paintTextsPastThemselves(QPainter& painter) const {
    for (const TPim3DLabel* text : findChildren<TPim3DLabel*>(Qt::FindDirectChildrenOnly)) {
        if (text->isHidden() || !text->MayRunPastItself())
            continue;
        painter.save();
        // Inside its control the text draws itself (over what lies below it).
        painter.setClipRegion(QRegion(rect()).subtracted(QRegion(text->geometry())));
        painter.translate(text->pos());
        ZoomedBox::Scale(painter, text);
        text->PaintText(painter);
        painter.restore();
    }
}

void TCanvasPanel::paintOutline(QPainter& painter, const QRectF& box, int cornerEllipse) const {
    if (box.width() <= 0 || box.height() <= 0)
        return;
    switch (shape_) {
    case lsRectangle:
        painter.drawRect(box);
        break;
    case lsEllipse:
        painter.drawEllipse(box);
        break;
    default: {
        const qreal radius = cornerEllipse / 2.0;
        painter.drawRoundedRect(box, radius, radius, Qt::AbsoluteSize);
        break;
    }
    }
}

bool TCanvasPanel::DrawsNothing(const QWidget* item) {
    if (const auto* text = qobject_cast<const TPim3DLabel*>(item))
        return text->Caption().trimmed().isEmpty();
    if (const auto* symbol = qobject_cast<const TSymbol*>(item))
        return symbol->Caption().trimmed().isEmpty();
    return false;
}

QRect TCanvasPanel::OutlineRect(const QWidget* item) {
    const QRect r = item->geometry();
    const int side = qMax(OutlineMinimum, qMax(r.width(), r.height()));
    return {r.topLeft(), QSize(r.width() < OutlineMinimum ? side : r.width(),
                               r.height() < OutlineMinimum ? side : r.height())};
}

QList<QWidget*> TCanvasPanel::labelItems() const {
    QList<QWidget*> items;
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isHidden() &&
            widget->objectName().toUpper().contains(QLatin1String("SPECIAL")))
            items.append(widget);
    }
    return items;
}

QWidget* TCanvasPanel::UnseenItemAt(const QPoint& point) const {
    const QList<QWidget*> items = labelItems();
    for (auto it = items.crbegin(); it != items.crend(); ++it)
        if (DrawsNothing(*it) && OutlineRect(*it).contains(point))
            return *it;
    return nullptr;
}

void TCanvasPanel::paintUnseenItems(QPainter& painter) const {
    QPen dots(QColor(150, 150, 150), 1, Qt::DotLine);
    dots.setCosmetic(true);
    painter.setPen(dots);
    painter.setBrush(Qt::NoBrush);
    for (QWidget* item : labelItems())
        if (DrawsNothing(item))
            painter.drawRect(QRectF(OutlineRect(item)).adjusted(0.5, 0.5, -0.5, -0.5));
}

void TCanvasPanel::contextMenuEvent(QContextMenuEvent* event) {
    QWidget* unseen = UnseenItemAt(event->pos());
    if (!unseen) {
        QWidget::contextMenuEvent(event);
        return;
    }
    QContextMenuEvent passed(event->reason(), unseen->mapFromParent(event->pos()),
                             event->globalPos(), event->modifiers());
    QCoreApplication::sendEvent(unseen, &passed);
    event->accept();
}

void TCanvasPanel::childEvent(QChildEvent* event) {
    QWidget::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    if (event->removed())
        update();
}

bool TCanvasPanel::eventFilter(QObject* watched, QEvent* event) {
    const auto* item = qobject_cast<QWidget*>(watched);
    const bool labelItem = item && item->parentWidget() == this &&
                           item->objectName().toUpper().contains(QLatin1String("SPECIAL"));
    // A resize may be a text becoming blank or no longer blank.
    const QEvent::Type type = event->type();
    const bool placing = type == QEvent::Move || type == QEvent::Show || type == QEvent::Hide;
    if (labelItem && (type == QEvent::Resize || (placing && DrawsNothing(item))))
        update();
    // A text running past itself: its part outside moves with it.
    const auto* text = qobject_cast<const TPim3DLabel*>(watched);
    if (text && text->parentWidget() == this && (placing || type == QEvent::Resize) &&
        text->MayRunPastItself())
        update();
    return QWidget::eventFilter(watched, event);
}
