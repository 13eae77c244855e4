#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>

// The rotation dialog's dial: a circle filling the widget and a needle from the centre at
// the shown angle (0 points right, angles grow counter-clockwise). Pressing on it starts a
// drag at once with the crosshair cursor; every pointer position over the dial during the
// drag reports the angle pointed at.
class AngleDial : public QWidget {
    Q_OBJECT
public:
    explicit AngleDial(QWidget* parent = nullptr);

    int ShownAngle() const { return shownAngle_; }
    // Brings the value into 0..359 and repaints when the shown angle changes.
    void SetShownAngle(int value);

    // The angle, in whole degrees 0..359, that a pointer at p points at on a dial of the
    // given size; rounding to the nearest degree, halves to even.
    static int AngleAt(const QPoint& p, const QSize& size);
    // The far end of the needle for an angle on a dial of the given size.
    static QPoint NeedleEnd(int angle, const QSize& size);
    static int Normalised(int value);

    bool IsDragging() const { return dragging_; }

signals:
    void AngleDragged(int angle);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DragTo(const QPoint& p);
    void EndDrag();

    int shownAngle_ = 0;
    bool dragging_ = false;
};
