#include "designer/ZoomMapping.h"

#include "controls/TCanvasPanel.h"
#include "controls/ZoomedBox.h"
#include "document/ScreenMetrics.h"

#include <algorithm>
#include <array>

namespace {
// The steps Zoom In and Zoom Out go through, as percentages.
constexpr std::array<double, 13> kLadder = {25,  33,  50,  67,  75,  100, 125,
                                            150, 200, 300, 400, 600, 800};
// Zooms nearer than this count as the same step.
constexpr double kSameStep = 0.005;
} // namespace

ZoomMapping::ZoomMapping(double zoom, int pixelsPerInch)
    : zoom_(Clamped(zoom)),
      pixelsPerInch_(pixelsPerInch > 0 ? pixelsPerInch : ScreenPixelsPerInch()) {}

ZoomMapping ZoomMapping::Of(const QWidget* panel) {
    const auto* canvas = qobject_cast<const TCanvasPanel*>(panel);
    return ZoomMapping(canvas ? canvas->Zoom() : 1.0);
}

int ZoomMapping::ToScreen(int design) const {
    return ZoomedBox::ToScreen(design, zoom_);
}

QPoint ZoomMapping::ToScreen(const QPoint& design) const {
    return {ToScreen(design.x()), ToScreen(design.y())};
}

QRect ZoomMapping::ToScreen(const QRect& design) const {
    return ZoomedBox::ToScreen(design, zoom_);
}

int ZoomMapping::ToDesign(int screen) const {
    return ZoomedBox::ToDesign(screen, zoom_);
}

QPoint ZoomMapping::ToDesign(const QPoint& screen) const {
    return {ToDesign(screen.x()), ToDesign(screen.y())};
}

QSize ZoomMapping::ToDesign(const QSize& screen) const {
    return {ToDesign(screen.width()), ToDesign(screen.height())};
}

double ZoomMapping::ScreenToInches(double screen) const {
    return screen / (zoom_ * pixelsPerInch_);
}

QPointF ZoomMapping::ScreenToInches(const QPointF& screen) const {
    return {ScreenToInches(screen.x()), ScreenToInches(screen.y())};
}

double ZoomMapping::InchesToScreen(double inches) const {
    return inches * zoom_ * pixelsPerInch_;
}

double ZoomMapping::Clamped(double zoom) {
    return std::clamp(zoom, MinZoom, MaxZoom);
}

double ZoomMapping::StepIn(double zoom) {
    for (const double percent : kLadder)
        if (percent / 100 > zoom + kSameStep)
            return percent / 100;
    return MaxZoom;
}

double ZoomMapping::StepOut(double zoom) {
    for (auto it = kLadder.rbegin(); it != kLadder.rend(); ++it)
        if (*it / 100 < zoom - kSameStep)
            return *it / 100;
    return MinZoom;
}

double ZoomMapping::Fitting(const QSizeF& labelInches, const QSize& room, int pixelsPerInch) {
    if (labelInches.width() <= 0 || labelInches.height() <= 0 || room.isEmpty())
        return 1.0;
    const double across = room.width() / (labelInches.width() * pixelsPerInch);
    const double down = room.height() / (labelInches.height() * pixelsPerInch);
    return Clamped(std::min(across, down));
}
