#include "RealKeyboard.h"

#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {
constexpr int SettleMs = 15;

Display* Of(void* display) {
    return static_cast<Display*>(display);
}
} // namespace

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
        XCloseDisplay(Of(display_));
}

void RealKeyboard::Key(unsigned long keysym, bool down) {
    const KeyCode code = XKeysymToKeycode(Of(display_), keysym);
    XTestFakeKeyEvent(Of(display_), code, down ? True : False, CurrentTime);
    XSync(Of(display_), False);
}

void RealKeyboard::Press(const char* keysymName, bool shift, bool alt) {
    const KeySym keysym = XStringToKeysym(keysymName);
    if (shift)
        Key(XK_Shift_L, true);
    if (alt)
        Key(XK_Alt_L, true);
    Key(keysym, true);
    Key(keysym, false);
    if (alt)
        Key(XK_Alt_L, false);
    if (shift)
        Key(XK_Shift_L, false);
    QTest::qWait(SettleMs);
}

void RealKeyboard::Hold(const char* keysymName, bool down) {
    Key(XStringToKeysym(keysymName), down);
    QTest::qWait(SettleMs);
}

void RealKeyboard::PressControl(const char* keysymName, bool shift) {
    Key(XK_Control_L, true);
    Press(keysymName, shift);
    Key(XK_Control_L, false);
    QTest::qWait(SettleMs);
}

void RealKeyboard::Type(const QString& text) {
    for (const QChar c : text) {
        const char name[2] = {char(c.toLatin1()), 0};
        switch (c.unicode()) {
        case ' ':
            Press("space");
            break;
        case '.':
            Press("period");
            break;
        case '-':
            Press("minus");
            break;
        case '/':
            Press("slash");
            break;
        default:
            Press(name);
            break;
        }
    }
}
