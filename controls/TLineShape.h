#pragma once

#include <QWidget>

#include "document/ColorValue.h"

enum TLineStyle { stHorizontal = 0, stVertical = 1, stAngle = 2 };

// The control of horizontal and vertical line items. The stroke runs along the top edge
// (horizontal: the top PenWidth rows across the whole width) or the left edge (vertical: the
// left PenWidth columns down the whole height); the rest of the control only gives room to
// click and drag it. A fresh line is 1 x 1 pixel, black, 1 pixel wide.
// Mouse and drag events are hooked from outside (installEventFilter).
class TLineShape : public QWidget {
    Q_OBJECT
public:
    explicit TLineShape(QWidget* parent = nullptr);

    TLineStyle LineStyle() const { return lineStyle_; }
    void setLineStyle(TLineStyle style);

    ColorValue PenColor() const { return penColor_; }
    void setPenColor(ColorValue color);
    int PenWidth() const { return penWidth_; } // pixels
    void setPenWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TLineStyle lineStyle_ = stHorizontal;
    ColorValue penColor_ = kColorBlack;
    int penWidth_ = 1;
};
