#include "RealKeyboard.h"

#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {
constexpr int SettleMs = 40;
}

RealKeyboard::RealKeyboard() {
    Display* display = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (display && !XTestQueryExtension(display, &event, &error, &major, &minor)) {
        XCloseDisplay(display);
        display = nullptr;
    }
    display_ = display;
}

RealKeyboard::~RealKeyboard() {
    if (display_)
        XCloseDisplay(static_cast<Display*>(display_));
}

void RealKeyboard::Type(unsigned long keysym) {
    auto* display = static_cast<Display*>(display_);
    const KeyCode code = XKeysymToKeycode(display, keysym);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XSync(display, False);
    QTest::qWait(SettleMs);
}
