#include "designer/DesignZoom.h"

#include "controls/TCanvasPanel.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace {
// Grey around a label that scrolls: left and right, top and bottom (screen pixels).
constexpr int MarginX = 17;
constexpr int MarginY = 3;
// Around a fitted label: more than the margins, so that a fitted label never scrolls.
constexpr int FitMargin = 20;
} // namespace

DesignZoom::DesignZoom(TCanvasPanel* panel, QWidget* area, QScrollArea* scrollBox, QObject* parent)
    : QObject(parent), panel_(panel), area_(area), scrollBox_(scrollBox) {
    // Wheel and pointer events reach the item under the pointer first; the application's
    // filter sees them whichever widget of the design area they go to.
    qApp->installEventFilter(this);
    panel_->setMouseTracking(true);
    area_->setMouseTracking(true);
}

DesignZoom::~DesignZoom() {
    qApp->removeEventFilter(this);
}

ZoomMapping DesignZoom::Mapping() const {
    return ZoomMapping::Of(panel_);
}

double DesignZoom::Zoom() const {
    return panel_ ? panel_->Zoom() : 1.0;
}

void DesignZoom::ZoomIn() {
    fitted_ = false;
    apply(ZoomMapping::StepIn(Zoom()), std::nullopt);
}

void DesignZoom::ZoomOut() {
    fitted_ = false;
    apply(ZoomMapping::StepOut(Zoom()), std::nullopt);
}

void DesignZoom::ActualSize() {
    fitted_ = false;
    apply(1.0, std::nullopt);
}

void DesignZoom::FitLabel() {
    fitted_ = true;
    Layout();
}

void DesignZoom::SetZoom(double zoom, std::optional<QPoint> globalPoint) {
    fitted_ = false;
    apply(zoom, globalPoint);
}

void DesignZoom::LabelShown() {
    const QSize label = panel_->DesignSize();
    const QSize room = Room();
    if (opensFitted_ && !label.isEmpty() && label.width() <= room.width() &&
        label.height() <= room.height())
        FitLabel();
    else
        ActualSize();
}

QSize DesignZoom::Room() const {
    if (!scrollBox_)
        return {};
    return scrollBox_->maximumViewportSize() - QSize(2 * FitMargin, 2 * FitMargin);
}

void DesignZoom::apply(double zoom, std::optional<QPoint> globalPoint) {
    if (!panel_ || !scrollBox_)
        return;
    zoom = ZoomMapping::Clamped(zoom);
    QWidget* viewport = scrollBox_->viewport();
    const QPoint anchor =
        globalPoint ? *globalPoint : viewport->mapToGlobal(viewport->rect().center());
    // The label point under the anchor, in design pixels (fractional).
    const double oldZoom = panel_->Zoom();
    const QPointF onPanel = panel_->mapFromGlobal(anchor);
    const QPointF design = onPanel / oldZoom;
    const bool changed = zoom != oldZoom;
    panel_->setZoom(zoom);
    Layout();
    if (changed) {
        // Scroll so that the same label point lies under the anchor again.
        const QPoint inViewport = viewport->mapFromGlobal(anchor);
        const QPointF wanted = QPointF(panel_->pos()) + design * zoom;
        scrollBox_->horizontalScrollBar()->setValue(int(std::lround(wanted.x() - inViewport.x())));
        scrollBox_->verticalScrollBar()->setValue(int(std::lround(wanted.y() - inViewport.y())));
        emit ZoomChanged(zoom);
        // The pointer now lies over another point of the label, or keeps its point.
        if (viewport->rect().contains(viewport->mapFromGlobal(QCursor::pos())))
            emit PointerMoved(
                Mapping().ScreenToInches(panel_->mapFromGlobal(QPointF(QCursor::pos()))));
    }
}

void DesignZoom::Layout() {
    if (!panel_ || !area_ || !scrollBox_ || laying_)
        return;
    laying_ = true;
    if (fitted_ && !panel_->DesignSize().isEmpty()) {
        const int ppi = Mapping().PixelsPerInch();
        const QSizeF inches(double(panel_->DesignSize().width()) / ppi,
                            double(panel_->DesignSize().height()) / ppi);
        const double zoom = ZoomMapping::Fitting(inches, Room(), ppi);
        if (zoom != panel_->Zoom()) {
            panel_->setZoom(zoom);
            emit ZoomChanged(zoom);
        }
    }
    // The grey area always reaches at least the visible part of the scroll box, so a press
    // anywhere around the panel lands on it. It is measured against the room the box has
    // without scroll bars: a label that fits shows none, and a bar only takes room from the
    // other direction when it is needed.
    const QSize need(panel_->width() + 2 * MarginX, panel_->height() + 2 * MarginY + 1);
    QSize room = scrollBox_->maximumViewportSize();
    const int barWidth = scrollBox_->verticalScrollBar()->sizeHint().width();
    const int barHeight = scrollBox_->horizontalScrollBar()->sizeHint().height();
    bool across = need.width() > room.width();
    const bool down = need.height() > room.height() - (across ? barHeight : 0);
    across = need.width() > room.width() - (down ? barWidth : 0);
    room -= QSize(down ? barWidth : 0, across ? barHeight : 0);
    const QSize areaSize = need.expandedTo(room);
    area_->resize(areaSize);
    // Centred in the room it leaves; against the margin where it scrolls.
    const int left = across ? MarginX : (areaSize.width() - panel_->width()) / 2;
    const int top = down ? MarginY : (areaSize.height() - panel_->height()) / 2;
    panel_->move(left, top);
    laying_ = false;
}

bool DesignZoom::overDesignArea(const QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || !area_)
        return false;
    return widget == area_ || area_->isAncestorOf(widget) ||
           (scrollBox_ && widget == scrollBox_->viewport());
}

bool DesignZoom::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Wheel && overDesignArea(watched)) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers().testFlag(Qt::ControlModifier)) {
            const int notch = wheel->angleDelta().y();
            if (notch != 0) {
                fitted_ = false;
                const double zoom =
                    notch > 0 ? ZoomMapping::StepIn(Zoom()) : ZoomMapping::StepOut(Zoom());
                apply(zoom, wheel->globalPosition().toPoint());
            }
            return true;
        }
    } else if (type == QEvent::MouseMove && overDesignArea(watched) && panel_) {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QPointF onPanel = panel_->mapFromGlobal(move->globalPosition());
        emit PointerMoved(Mapping().ScreenToInches(onPanel));
    } else if (type == QEvent::Leave && watched == scrollBox_) {
        emit PointerMoved(std::nullopt);
    }
    return QObject::eventFilter(watched, event);
}
