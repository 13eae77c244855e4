#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QWidget>

#include "document/BrushStyle.h"
#include "document/ColorValue.h"

// Shape kinds; items use stRectangle, stRoundRect and stEllipse.
enum TShapeType {
    stRectangle = 0,
    stSquare = 1,
    stRoundRect = 2,
    stRoundSquare = 3,
    stEllipse = 4,
    stCircle = 5
};

// The control of rectangle, rounded-rectangle and ellipse items. A pen of width p draws the
// outline centred on a box inset by p / 2, so the whole stroke lies inside the control: the
// outer p pixels of each side are pen, the rest is fill. A fresh shape is 25 x 25 pixels,
// black 1-pixel pen, hollow (clear brush), RoundPerc 25. A hollow shape takes presses only
// near its outline (a mask), so what lies inside it can be picked.
// Every setter repaints. Mouse and drag events are hooked from outside (installEventFilter).
class TPimShape : public QWidget {
    Q_OBJECT
public:
    explicit TPimShape(QWidget* parent = nullptr);

    TShapeType Shape() const { return shape_; }
    void setShape(TShapeType shape);

    ColorValue PenColor() const { return penColor_; }
    void setPenColor(ColorValue color);
    int PenWidth() const { return penWidth_; } // pixels
    void setPenWidth(int width);

    ColorValue BrushColor() const { return brushColor_; }
    void setBrushColor(ColorValue color);
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void setBrushStyle(TBrushStyle style);

    // Corner rounding of the rounded kinds, percent of the larger side.
    int RoundPerc() const { return roundPerc_; }
    void setRoundPerc(int percent);

    // Width and height of the corner ellipse of a rounded rectangle whose larger side is
    // largerSide: largerSide x (percent x 0.01) in extended precision, truncated toward zero.
    // The extended 0.01 lies just below one hundredth, so 100 at 20 % gives 19, 25 at 20 % 4.
    static int CornerEllipse(int largerSide, int percent);
    // The corner ellipse this control draws now.
    int CornerEllipse() const;

    // The box the pen is centred on, in pixel-edge coordinates: for pen width p and a control
    // W x H it runs from (p/2, p/2) to (W - p/2, H - p/2). Integer pixel corners (o, o) and
    // (o + W - p + 1, o + H - p + 1) with o = p / 2 rounded toward zero name the same box.
    QRectF OutlineBox() const;
    // The outline's path, centred on OutlineBox.
    QPainterPath OutlinePath() const;
    // How far from its pen a hollow shape still takes a press, in pixels.
    static constexpr int HitTolerance = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void makeSquareIfNeeded();
    void updateHitMask();

    TShapeType shape_ = stRectangle;
    ColorValue penColor_ = kColorBlack;
    int penWidth_ = 1;
    ColorValue brushColor_ = kColorWhite;
    TBrushStyle brushStyle_ = TBrushStyle::Clear;
    int roundPerc_ = 25;
};
