#include "designer/BandSelection.h"

#include "designer/RubberBandOverlay.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

BandSelection::BandSelection(QWidget* panel,
                             std::function<void(const QRect&, bool adding)> finished,
                             QObject* parent)
    : QObject(parent), panel_(panel), finished_(std::move(finished)) {}

BandSelection::~BandSelection() {
    stop();
    delete overlay_.data();
}

void BandSelection::Start(const QPoint& panelPoint, bool adding) {
    if (!panel_)
        return;
    start_ = panelPoint;
    band_ = QRect(panelPoint, QSize(1, 1));
    adding_ = adding;
    if (!active_)
        qApp->installEventFilter(this);
    active_ = true;
}

bool BandSelection::eventFilter(QObject* watched, QEvent* event) {
    if (!active_ || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!move->buttons().testFlag(Qt::LeftButton)) {
            // The release went elsewhere (a window opened over the label).
            stop();
            break;
        }
        follow(move->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton) {
            follow(release->globalPosition().toPoint());
            finish();
        }
        break;
    }
    case QEvent::Show:
        // A dialog or menu opening ends the band without selecting.
        if (static_cast<QWidget*>(watched)->isWindow() && watched != panel_->window())
            stop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void BandSelection::follow(const QPoint& globalPoint) {
    if (!panel_)
        return;
    const QPoint point = panel_->mapFromGlobal(globalPoint);
    band_ = QRect(start_, point).normalized();
    QWidget* window = panel_->window();
    if (!overlay_ || overlay_->parentWidget() != window) {
        delete overlay_.data();
        overlay_ = new RubberBandOverlay(window);
    }
    overlay_->ShowOutline(QRect(panel_->mapTo(window, band_.topLeft()), band_.size()));
}

void BandSelection::finish() {
    const QRect band = band_;
    const bool adding = adding_;
    stop();
    if (finished_)
        finished_(band, adding);
}

void BandSelection::stop() {
    if (active_)
        qApp->removeEventFilter(this);
    active_ = false;
    if (overlay_)
        overlay_->hide();
}
