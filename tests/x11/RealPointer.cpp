#include "RealPointer.h"

#include <QTest>
#include <QWidget>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {
constexpr int SettleMs = 25;

Display* Of(void* display) {
    return static_cast<Display*>(display);
}
} // namespace

RealPointer::RealPointer() {
    Display* display = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (display && !XTestQueryExtension(display, &event, &error, &major, &minor)) {
        XCloseDisplay(display);
        display = nullptr;
    }
    display_ = display;
}

RealPointer::~RealPointer() {
    if (display_)
        XCloseDisplay(Of(display_));
}

void RealPointer::Settle() {
    XSync(Of(display_), False);
    QTest::qWait(SettleMs);
}

void RealPointer::MoveTo(const QPoint& global) {
    XTestFakeMotionEvent(Of(display_), -1, global.x(), global.y(), CurrentTime);
    Settle();
}

void RealPointer::Press(int button) {
    XTestFakeButtonEvent(Of(display_), unsigned(button), True, CurrentTime);
    Settle();
}

void RealPointer::Release(int button) {
    XTestFakeButtonEvent(Of(display_), unsigned(button), False, CurrentTime);
    Settle();
}

void RealPointer::Click(QWidget* widget, int button) {
    Click(widget, widget->rect().center(), button);
}

void RealPointer::Click(QWidget* widget, const QPoint& local, int button) {
    MoveTo(widget->mapToGlobal(local));
    Press(button);
    Release(button);
}

void RealPointer::Drag(QWidget* widget, const QPoint& from, const QPoint& to, int steps) {
    MoveTo(widget->mapToGlobal(from));
    Press(1);
    for (int step = 1; step <= steps; ++step)
        MoveTo(widget->mapToGlobal(from + (to - from) * step / steps));
    Release(1);
}
