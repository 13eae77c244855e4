#pragma once

#include <QRect>
#include <QWidget>

// The dotted outline shown while an item is dragged. It covers only the outline's own pixels
// (a mask), so that showing, moving and hiding it repaints nothing but the outline: the item
// and the panel beneath stay untouched until the drag ends. It lies on top of the window, so
// the outline may reach beyond the design panel as the item would.
class RubberBandOverlay : public QWidget {
    Q_OBJECT
public:
    explicit RubberBandOverlay(QWidget* window);

    // Shows the outline of rect, given in the window's coordinates; an empty rect hides it.
    void ShowOutline(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
};
