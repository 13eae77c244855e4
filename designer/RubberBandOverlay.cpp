#include "designer/RubberBandOverlay.h"

#include <QPainter>
#include <QRegion>

RubberBandOverlay::RubberBandOverlay(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("RubberBand"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void RubberBandOverlay::ShowOutline(const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        hide();
        return;
    }
    setGeometry(rect);
    const QRegion whole(0, 0, rect.width(), rect.height());
    setMask(whole.subtracted(QRegion(1, 1, rect.width() - 2, rect.height() - 2)));
    raise();
    show();
    update();
}

void RubberBandOverlay::paintEvent(QPaintEvent*) {
    // A focus rectangle: alternate black and white pixels, visible on any background.
    QPainter painter(this);
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outline);
    QPen dots(Qt::black, 1, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.drawRect(outline);
}
