#pragma once

#include <QRect>

class QPainter;
class QWidget;

// The design panel shows the label at a zoom. Items are laid out in design pixels (the label
// at true scale, as the label model holds them) and drawn scaled: a control on the panel keeps
// the box it was given in design pixels, its widget geometry is that box at the panel's zoom,
// and it paints in design pixels through a scaled painter, so fonts and lines are drawn at the
// zoom rather than stretched. At zoom 1 the two are the same.
class ZoomedBox {
public:
    // The zoom of the design panel the control lies on; 1 for any other widget.
    static double ZoomOf(const QWidget* control);

    // Screen pixels for design pixels at zoom (rounded, halves away from zero), and back.
    static int ToScreen(int design, double zoom);
    static int ToDesign(int screen, double zoom);
    // A side of some length stays at least one screen pixel long.
    static int SideToScreen(int design, double zoom);
    static QRect ToScreen(const QRect& design, double zoom);

    // The control's box in design pixels. What moved or sized the widget since its box was set
    // (the selection frame, the control's own sizing) is read back side by side: a coordinate
    // the widget still has where the box puts it keeps the box's value exactly, so moving an
    // item at a zoom never changes its size. A control never placed is at its own size.
    static QRect Of(const QWidget* control);
    // Gives the control a box in design pixels and places its widget at the zoom.
    static void Set(QWidget* control, const QRect& design);
    static void SetSize(QWidget* control, const QSize& design);
    // Makes painter draw in the control's design pixels.
    static void Scale(QPainter& painter, const QWidget* control);
};
