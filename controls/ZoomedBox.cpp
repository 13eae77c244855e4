#include "controls/ZoomedBox.h"

#include "controls/TCanvasPanel.h"

#include <QPainter>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
// Where a control keeps its design box: a property, so that every kind of control has one
// without sharing a base class.
constexpr const char* kDesignBox = "qvDesignBox";
} // namespace

double ZoomedBox::ZoomOf(const QWidget* control) {
    const auto* panel =
        control ? qobject_cast<const TCanvasPanel*>(control->parentWidget()) : nullptr;
    return panel ? panel->Zoom() : 1.0;
}

int ZoomedBox::ToScreen(int design, double zoom) {
    return zoom == 1.0 ? design : int(std::lround(design * zoom));
}

int ZoomedBox::ToDesign(int screen, double zoom) {
    return zoom == 1.0 ? screen : int(std::lround(screen / zoom));
}

int ZoomedBox::SideToScreen(int design, double zoom) {
    const int screen = ToScreen(design, zoom);
    return design > 0 ? std::max(screen, 1) : screen;
}

QRect ZoomedBox::ToScreen(const QRect& design, double zoom) {
    return {ToScreen(design.x(), zoom), ToScreen(design.y(), zoom),
            SideToScreen(design.width(), zoom), SideToScreen(design.height(), zoom)};
}

QRect ZoomedBox::Of(const QWidget* control) {
    const QRect geometry = control->geometry();
    const QVariant stored = control->property(kDesignBox);
    if (!stored.isValid())
        return geometry;
    const QRect box = stored.toRect();
    const double zoom = ZoomOf(control);
    const auto position = [zoom](int screen, int design) {
        return screen == ToScreen(design, zoom) ? design : ToDesign(screen, zoom);
    };
    const auto side = [zoom](int screen, int design) {
        return screen == SideToScreen(design, zoom) ? design : ToDesign(screen, zoom);
    };
    return {position(geometry.x(), box.x()), position(geometry.y(), box.y()),
            side(geometry.width(), box.width()), side(geometry.height(), box.height())};
}

void ZoomedBox::Set(QWidget* control, const QRect& design) {
    control->setProperty(kDesignBox, design);
    const QRect screen = ToScreen(design, ZoomOf(control));
    if (control->geometry() != screen)
        control->setGeometry(screen);
}

void ZoomedBox::SetSize(QWidget* control, const QSize& design) {
    Set(control, QRect(Of(control).topLeft(), design));
}

void ZoomedBox::Scale(QPainter& painter, const QWidget* control) {
    const double zoom = ZoomOf(control);
    if (zoom != 1.0)
        painter.scale(zoom, zoom);
}
