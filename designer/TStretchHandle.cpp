#include "designer/TStretchHandle.h"

#include "controls/ZoomedBox.h"
#include "designer/RubberBandOverlay.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int IdleSize = 24;
constexpr int Square = 5;
constexpr int MaxGrid = 32;

// The handle lies 2 pixels beyond the item at left and top and 3 at right and bottom.
QRect HandleBoundsFor(const QRect& item) {
    return {item.x() - 2, item.y() - 2, item.width() + 5, item.height() + 5};
}

int Snap(int value, int grid) {
    return grid * (value / grid); // truncates toward zero, as the grid always has
}

Qt::CursorShape CursorOf(TStretchHandle::GrabZone zone) {
    switch (zone) {
    case TStretchHandle::TopLeft:
    case TStretchHandle::BottomRight:
        return Qt::SizeFDiagCursor;
    case TStretchHandle::TopRight:
    case TStretchHandle::BottomLeft:
        return Qt::SizeBDiagCursor;
    case TStretchHandle::TopMiddle:
    case TStretchHandle::BottomMiddle:
        return Qt::SizeVerCursor;
    case TStretchHandle::LeftMiddle:
    case TStretchHandle::RightMiddle:
        return Qt::SizeHorCursor;
    case TStretchHandle::Move:
        break;
    }
    return Qt::ArrowCursor;
}
} // namespace

TStretchHandle::TStretchHandle() : QWidget(nullptr) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    resize(IdleSize, IdleSize);
    setEnabled(false);
    hide();
}

TStretchHandle::~TStretchHandle() {
    delete overlay_.data();
}

void TStretchHandle::AttachItem(QWidget* control) {
    if (!control)
        return;
    if (control->isWindow())
        throw EBadChild("Handles can not be attached to a Form!");
    if (attached_.contains(control))
        return;
    if (parentWidget() != control->parentWidget()) {
        attached_.clear();
        setParent(control->parentWidget());
    }
    eraseBand();
    setEnabled(true);
    attached_.append(control);
    setGeometry(HandleBoundsFor(itemRect()));
    show();
    zone_ = Move;
    raise();
    // Captured at once, so that a press that selected the item and is dragged on moves it;
    // never while a dialog or menu is open, which would then get no mouse at all.
    if (isVisible() && !QApplication::activeModalWidget() && !QApplication::activePopupWidget())
        captureMouse();
    if (isVisible() && isEnabled())
        setFocus(Qt::MouseFocusReason);
    emit AttachedChanged();
}

void TStretchHandle::DetachAll() {
    const bool had = !attached_.isEmpty();
    eraseBand();
    releaseCapture();
    dragging_ = false;
    passedTo_ = nullptr;
    attached_.clear();
    zone_ = Move;
    unsetCursor();
    hide();
    setEnabled(false);
    if (parentWidget())
        setParent(nullptr);
    resize(IdleSize, IdleSize);
    if (had)
        emit AttachedChanged();
}

void TStretchHandle::DetachItem(QWidget* control) {
    if (!attached_.contains(control))
        return;
    if (attached_.size() == 1) {
        DetachAll();
        return;
    }
    eraseBand();
    dragging_ = false;
    attached_.removeAll(control);
    setGeometry(HandleBoundsFor(itemRect()));
    update();
    emit AttachedChanged();
}

QList<QWidget*> TStretchHandle::AttachedItems() const {
    QList<QWidget*> items;
    for (const QPointer<QWidget>& item : attached_)
        if (item)
            items.append(item);
    return items;
}

bool TStretchHandle::IsAttached(const QWidget* control) const {
    for (const QPointer<QWidget>& item : attached_)
        if (item == control)
            return true;
    return false;
}

bool TStretchHandle::Hits(const QWidget* control, const QPoint& panelPoint) {
    if (!control || !control->geometry().contains(panelPoint))
        return false;
    const QRegion mask = control->mask();
    return mask.isEmpty() || mask.contains(panelPoint - control->pos());
}

QWidget* TStretchHandle::AttachedItem(int index) const {
    if (index < 0 || index >= attached_.size())
        return nullptr;
    return attached_[index];
}

void TStretchHandle::setColor(const QColor& color) {
    color_ = color;
    update();
}

void TStretchHandle::setGridX(int grid) {
    gridX_ = qBound(1, grid, MaxGrid);
}

void TStretchHandle::setGridY(int grid) {
    gridY_ = qBound(1, grid, MaxGrid);
}

void TStretchHandle::setSnapToGrid(bool snap) {
    setGridX(snap ? 8 : 1);
    setGridY(snap ? 8 : 1);
}

void TStretchHandle::SetBounds(const QRect& bounds) {
    const QRect old = geometry();
    const int dL = bounds.x() - old.x();
    const int dT = bounds.y() - old.y();
    const int dW = bounds.width() - old.width();
    const int dH = bounds.height() - old.height();
    for (const QPointer<QWidget>& item : attached_) {
        if (!item)
            continue;
        const QRect g = item->geometry();
        item->setGeometry(g.x() + dL, g.y() + dT, qMax(0, g.width() + dW),
                          qMax(0, g.height() + dH));
    }
    setGeometry(bounds);
}

void TStretchHandle::FitToItem() {
    if (dragging_ || !AttachedItem(0))
        return;
    const QRect bounds = HandleBoundsFor(itemRect());
    if (bounds != geometry())
        setGeometry(bounds); // the panel repaints where the old frame was
    raise();
    update();
}

// The rectangle the attached items span together.
QRect TStretchHandle::itemRect() const {
    QRect span;
    bool first = true;
    for (const QPointer<QWidget>& item : attached_) {
        if (!item)
            continue;
        span = first ? item->geometry() : span.united(item->geometry());
        first = false;
    }
    return span;
}

TStretchHandle::GrabZone TStretchHandle::ZoneAt(const QPoint& point, const QSize& handleSize) {
    const int x = point.x();
    const int y = point.y();
    const int w = handleSize.width();
    const int h = handleSize.height();
    // The middles are exact halves: |x - w/2| < 3 is |2x - w| < 6.
    const bool left = std::abs(x) < Square;
    const bool right = std::abs(x - w) < Square;
    const bool top = std::abs(y) < Square;
    const bool bottom = std::abs(y - h) < Square;
    const bool midX = std::abs(2 * x - w) < 6;
    const bool midY = std::abs(2 * y - h) < 6;
    GrabZone zone = Move;
    if (left && top)
        zone = TopLeft;
    if (right && bottom)
        zone = BottomRight;
    if (right && top)
        zone = TopRight;
    if (left && bottom)
        zone = BottomLeft;
    if (midX && top)
        zone = TopMiddle;
    if (midX && bottom)
        zone = BottomMiddle;
    if (midY && left)
        zone = LeftMiddle;
    if (midY && right)
        zone = RightMiddle;
    // Every drawn pixel of a square acts on that square, also where the tolerances above
    // fall short of what is drawn (the right and bottom squares).
    const QList<QRect> squares = SquaresFor(handleSize);
    for (int i = 0; i < squares.size(); ++i)
        if (squares[i].contains(point))
            zone = GrabZone(TopLeft + i);
    return zone;
}

QList<QRect> TStretchHandle::SquaresFor(const QSize& handleSize) {
    // The item's rectangle grown by 2 is the handle less its last column and row.
    const int left = 0;
    const int top = 0;
    const int right = handleSize.width() - 1;
    const int bottom = handleSize.height() - 1;
    const int midX = left + (right - left) / 2;
    const int midY = top + (bottom - top) / 2;
    // In zone order, from TopLeft to RightMiddle.
    return {
        {left, top, Square, Square},
        {right - Square, top, Square, Square},
        {left, bottom - Square, Square, Square},
        {right - Square, bottom - Square, Square, Square},
        {midX - 2, top, Square, Square},
        {left, midY - 2, Square, Square},
        {midX - 2, bottom - Square, Square, Square},
        {right - Square, midY - 2, Square, Square},
    };
}

void TStretchHandle::paintEvent(QPaintEvent*) {
    if (attached_.isEmpty())
        return;
    QPainter painter(this);
    if (attached_.size() == 1) {
        for (const QRect& square : SquaresFor(size()))
            painter.fillRect(square, color_);
        return;
    }
    // Each item of a group shows its own frame, hollow: the group moves but does not resize.
    painter.setPen(color_);
    painter.setBrush(Qt::white);
    for (const QPointer<QWidget>& item : attached_) {
        if (!item)
            continue;
        const QRect frame = HandleBoundsFor(item->geometry()).translated(-pos());
        for (const QRect& square : SquaresFor(frame.size()))
            painter.drawRect(square.translated(frame.topLeft()).adjusted(0, 0, -1, -1));
    }
}

bool TStretchHandle::insideItem(const QPoint& panelPoint) const {
    for (const QPointer<QWidget>& item : attached_) {
        if (!item)
            continue;
        // The frame's squares reach 2 pixels beyond the item. A hollow shape is held by its
        // outline, and inside where no other item lies: a press on an item inside it picks
        // that item.
        if (!item->geometry().adjusted(-2, -2, 2, 2).contains(panelPoint))
            continue;
        if (item->mask().isEmpty() || Hits(item, panelPoint) ||
            targetAt(panelPoint) == parentWidget())
            return true;
    }
    return false;
}

void TStretchHandle::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (attached_.isEmpty() || !parentWidget())
        return;
    // Shift or Ctrl adds or removes the item beneath: the selection decides, not a drag.
    const bool toggles = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (event->button() != Qt::LeftButton || toggles || !insideItem(mapToParent(point))) {
        unsetCursor();
        passThrough(event);
        return;
    }
    beginDrag(point);
}

void TStretchHandle::beginDrag(const QPoint& point) {
    pressPoint_ = point;
    dragging_ = true;
}

void TStretchHandle::mouseMoveEvent(QMouseEvent* event) {
    if (attached_.isEmpty() || passedTo_)
        return;
    const QPoint point = event->position().toPoint();
    const bool leftHeld = event->buttons().testFlag(Qt::LeftButton);
    if (!leftHeld)
        releaseCapture();
    else if (!dragging_)
        beginDrag(point); // the press that selected the item went to the item itself
    showZone(point);
    if (!dragging_)
        return;
    if (zone_ == Move)
        setCursor(dragCursor_);
    drawBand(dropRect(clamped(point)));
}

void TStretchHandle::showZone(const QPoint& point) {
    const GrabZone zone = attached_.size() > 1 ? Move : ZoneAt(point, size());
    setCursor(CursorOf(zone));
    if (!dragging_)
        zone_ = zone;
}

QPoint TStretchHandle::clamped(const QPoint& point) const {
    const QWidget* panel = parentWidget();
    if (!panel)
        return point;
    return {qBound(-x(), point.x(), panel->width() - x()),
            qBound(-y(), point.y(), panel->height() - y())};
}

QRect TStretchHandle::itemDesignRect() const {
    QRect span;
    bool first = true;
    for (const QPointer<QWidget>& item : attached_) {
        if (!item)
            continue;
        span = first ? ZoomedBox::Of(item) : span.united(ZoomedBox::Of(item));
        first = false;
    }
    return span;
}

// Worked out in design pixels, where the grid lies, so that the grid scales with the label;
// the pointer's travel counts at the panel's zoom.
QRect TStretchHandle::dropRect(const QPoint& pointer) const {
    return ZoomedBox::ToScreen(designDropRect(pointer), ZoomedBox::ZoomOf(this));
}

QRect TStretchHandle::designDropRect(const QPoint& pointer) const {
    const double zoom = ZoomedBox::ZoomOf(this);
    const QRect item = itemDesignRect();
    const int dx = ZoomedBox::ToDesign(pointer.x() - pressPoint_.x(), zoom);
    const int dy = ZoomedBox::ToDesign(pointer.y() - pressPoint_.y(), zoom);
    const int L = item.x(), T = item.y(), W = item.width(), H = item.height();
    int left = L, top = T, width = W, height = H;
    const bool movesLeft =
        zone_ == Move || zone_ == TopLeft || zone_ == BottomLeft || zone_ == LeftMiddle;
    const bool movesTop =
        zone_ == Move || zone_ == TopLeft || zone_ == TopRight || zone_ == TopMiddle;
    const bool movesRight = zone_ == TopRight || zone_ == BottomRight || zone_ == RightMiddle;
    const bool movesBottom = zone_ == BottomLeft || zone_ == BottomRight || zone_ == BottomMiddle;
    if (movesLeft) {
        left = Snap(L + dx, gridX_);
        if (zone_ != Move)
            width = W + L - left;
    }
    if (movesTop) {
        top = Snap(T + dy, gridY_);
        if (zone_ != Move)
            height = H + T - top;
    }
    if (movesRight)
        width = Snap(W + dx, gridX_);
    if (movesBottom)
        height = Snap(H + dy, gridY_);
    return {left, top, qMax(0, width), qMax(0, height)};
}

void TStretchHandle::drawBand(const QRect& rect) {
    QWidget* panel = parentWidget();
    if (!panel)
        return;
    band_ = rect;
    QWidget* window = panel->window();
    if (!overlay_ || overlay_->parentWidget() != window) {
        delete overlay_.data();
        overlay_ = new RubberBandOverlay(window);
    }
    overlay_->ShowOutline(QRect(panel->mapTo(window, rect.topLeft()), rect.size()));
}

void TStretchHandle::eraseBand() {
    band_ = {};
    if (overlay_)
        overlay_->hide();
}

void TStretchHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (passedTo_) {
        QPointer<QWidget> target = passedTo_;
        passedTo_ = nullptr;
        forward(target, event);
        return;
    }
    if (event->button() != Qt::LeftButton || !dragging_) {
        if (event->buttons() == Qt::NoButton)
            releaseCapture();
        return;
    }
    finishDrag(event->position().toPoint());
}

void TStretchHandle::finishDrag(const QPoint& pointer) {
    const QPoint point = clamped(pointer);
    lastDrop_ = itemRect();
    lastDropDesign_ = itemDesignRect();
    if (point != pressPoint_) {
        lastDrop_ = dropRect(point);
        lastDropDesign_ = designDropRect(point);
        SetBounds(HandleBoundsFor(lastDrop_));
    }
    eraseBand();
    if (parentWidget())
        parentWidget()->update();
    update();
    if (isVisible())
        setFocus(Qt::MouseFocusReason);
    dragging_ = false;
    unsetCursor();
    releaseCapture();
    if (OnMouseUp)
        OnMouseUp();
}

QPoint TStretchHandle::ArrowStep(int key, Qt::KeyboardModifiers modifiers, double zoom, int gridX,
                                 int gridY) {
    // One screen pixel, but never less than the design pixel items are placed in; Shift:
    // one grid step.
    const int pixel = std::max(1, int(std::lround(1 / zoom)));
    const bool grid = modifiers.testFlag(Qt::ShiftModifier);
    const int across = grid ? gridX : pixel;
    const int down = grid ? gridY : pixel;
    switch (key) {
    case Qt::Key_Left:
        return {-across, 0};
    case Qt::Key_Right:
        return {across, 0};
    case Qt::Key_Up:
        return {0, -down};
    case Qt::Key_Down:
        return {0, down};
    default:
        return {};
    }
}

void TStretchHandle::keyPressEvent(QKeyEvent* event) {
    const double zoom = ZoomedBox::ZoomOf(this);
    const QPoint step = ArrowStep(event->key(), event->modifiers(), zoom, gridX_, gridY_);
    const bool arrow = !step.isNull();
    if (arrow && !attached_.isEmpty())
        SetBounds(HandleBoundsFor(ZoomedBox::ToScreen(itemDesignRect().translated(step), zoom)));
    const QPointer<TStretchHandle> self(this);
    if (OnKeyDown)
        OnKeyDown(event->key());
    if (self && !arrow)
        event->ignore();
}

QWidget* TStretchHandle::targetAt(const QPoint& panelPoint) const {
    QWidget* panel = parentWidget();
    const QObjectList& children = panel->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto* child = qobject_cast<QWidget*>(*it);
        if (!child || child->isWindow() || child->isHidden() ||
            qobject_cast<TStretchHandle*>(child) ||
            child->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        if (Hits(child, panelPoint))
            return child;
    }
    return panel;
}

// What a press at a point of the panel is for: the item there, else a selected item whose
// box holds the point (a hollow shape), else the panel.
QWidget* TStretchHandle::pickAt(const QPoint& panelPoint) const {
    QWidget* target = targetAt(panelPoint);
    if (target != parentWidget())
        return target;
    for (auto it = attached_.crbegin(); it != attached_.crend(); ++it)
        if (*it && (*it)->geometry().contains(panelPoint))
            return *it;
    return target;
}

void TStretchHandle::passThrough(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    QWidget* target = nullptr;
    if (rect().contains(point)) {
        target = pickAt(mapToParent(point));
    } else {
        // A press elsewhere that reached the handle only because it holds the mouse.
        releaseCapture();
        target = QApplication::widgetAt(event->globalPosition().toPoint());
        if (target == this)
            target = nullptr;
    }
    if (!target)
        return;
    passedTo_ = target;
    forward(target, event);
}

void TStretchHandle::forward(QWidget* target, QMouseEvent* event) {
    if (!target)
        return;
    const QPoint local = target->mapFromGlobal(mapToGlobal(event->position().toPoint()));
    QMouseEvent passed(event->type(), local, event->globalPosition(), event->button(),
                       event->buttons(), event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(target, &passed);
}

void TStretchHandle::contextMenuEvent(QContextMenuEvent* event) {
    if (!parentWidget())
        return;
    // The item beneath opens its own menu.
    QWidget* target = pickAt(mapToParent(event->pos()));
    const QPoint local = target->mapFromGlobal(mapToGlobal(event->pos()));
    QContextMenuEvent passed(event->reason(), local, event->globalPos(), event->modifiers());
    QCoreApplication::sendEvent(target, &passed);
    event->accept();
}

void TStretchHandle::captureMouse() {
    grabMouse();
    // The capture must end before any dialog or menu opens: the window system would send
    // every click to the design panel, and the dialog would see only the keyboard.
    qApp->installEventFilter(this);
}

void TStretchHandle::releaseCapture() {
    qApp->removeEventFilter(this);
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}

bool TStretchHandle::OpensOverTheWindow(const QObject* object, const QEvent* event) {
    if (event->type() != QEvent::Show || !object->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(object);
    return widget->isWindow() &&
           (widget->windowModality() != Qt::NonModal || widget->windowType() == Qt::Popup);
}

bool TStretchHandle::eventFilter(QObject* watched, QEvent* event) {
    if (OpensOverTheWindow(watched, event)) {
        if (dragging_) {
            eraseBand();
            dragging_ = false;
        }
        // The release of a press passed through goes to the new window.
        passedTo_ = nullptr;
        unsetCursor();
        releaseCapture();
    }
    return QWidget::eventFilter(watched, event);
}
