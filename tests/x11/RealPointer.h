#pragma once

#include <QPoint>

class QWidget;

// The real pointer of the X server the tests run on, moved and clicked through the XTest
// extension: the events take the path a user's clicks take, mouse grabs included, which
// events sent straight to a widget would bypass. After each step the Qt events it caused
// are processed.
class RealPointer {
public:
    RealPointer();
    ~RealPointer();
    RealPointer(const RealPointer&) = delete;
    RealPointer& operator=(const RealPointer&) = delete;

    // False when no X server with the XTest extension could be reached.
    bool IsOpen() const { return display_ != nullptr; }

    void MoveTo(const QPoint& global);
    // Buttons are X buttons: 1 left, 3 right.
    void Press(int button = 1);
    void Release(int button = 1);
    // Moves over a point of a widget (its centre when none is given) and clicks there.
    void Click(QWidget* widget, int button = 1);
    void Click(QWidget* widget, const QPoint& local, int button = 1);
    // Presses at from, moves in steps to to and releases there (points of the widget).
    void Drag(QWidget* widget, const QPoint& from, const QPoint& to, int steps = 8);

private:
    void Settle();

    void* display_ = nullptr;
};
