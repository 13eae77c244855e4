#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>

class QWidget;

// The one mapping between the label and the design panel on screen. The label model holds
// items in design pixels (inches at the screen's pixels per inch, the label at true scale);
// the panel shows them at a zoom, so that a design pixel is Zoom() screen pixels. Positions are
// measured from the label's top-left corner. At zoom 1 screen and design pixels are the same.
class ZoomMapping {
public:
    static constexpr double MinZoom = 0.25;
    static constexpr double MaxZoom = 8.0;

    explicit ZoomMapping(double zoom = 1.0, int pixelsPerInch = 0);
    // The mapping of a design panel (TCanvasPanel) at its zoom; zoom 1 for any other widget.
    static ZoomMapping Of(const QWidget* panel);

    double Zoom() const { return zoom_; }
    int PixelsPerInch() const { return pixelsPerInch_; }

    // Design pixels to screen pixels (rounded, halves away from zero), and back.
    int ToScreen(int design) const;
    QPoint ToScreen(const QPoint& design) const;
    QRect ToScreen(const QRect& design) const;
    int ToDesign(int screen) const;
    QPoint ToDesign(const QPoint& screen) const;
    QSize ToDesign(const QSize& screen) const;

    // Inches on the label for a screen distance from its top-left corner, and back.
    double ScreenToInches(double screen) const;
    QPointF ScreenToInches(const QPointF& screen) const;
    double InchesToScreen(double inches) const;

    // A zoom kept within MinZoom..MaxZoom.
    static double Clamped(double zoom);
    // The next zoom of the ladder (25 % … 800 %) above or below zoom.
    static double StepIn(double zoom);
    static double StepOut(double zoom);
    // The zoom at which a label of labelInches fills room (screen pixels) without spilling
    // over, within MinZoom..MaxZoom.
    static double Fitting(const QSizeF& labelInches, const QSize& room, int pixelsPerInch);

private:
    double zoom_;
    int pixelsPerInch_;
};
