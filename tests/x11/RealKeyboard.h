#pragma once

// The real keyboard of the X server the tests run on, typed through the XTest extension:
// the key goes to the window that has the X input focus, through Qt's own key handling,
// shortcuts and event filters included. After each key the Qt events it caused are
// processed.
class RealKeyboard {
public:
    RealKeyboard();
    ~RealKeyboard();
    RealKeyboard(const RealKeyboard&) = delete;
    RealKeyboard& operator=(const RealKeyboard&) = delete;

    bool IsOpen() const { return display_ != nullptr; }

    // Presses and releases the key of an X key symbol (XK_F1, XK_Escape...).
    void Type(unsigned long keysym);

private:
    void* display_ = nullptr;
};
