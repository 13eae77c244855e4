#pragma once

#include <QString>

// Key presses sent through the X server (XTest), so that they reach whichever window has the
// X input focus, exactly as a person's typing does. Open only while an X server with the
// XTest extension answers.
class RealKeyboard {
public:
    RealKeyboard();
    ~RealKeyboard();
    RealKeyboard(const RealKeyboard&) = delete;
    RealKeyboard& operator=(const RealKeyboard&) = delete;

    bool IsOpen() const { return display_ != nullptr; }

    // Presses and releases the key of an X keysym name ("Return", "Tab", "Down", "a"), with
    // Shift or Alt held when asked.
    void Press(const char* keysymName, bool shift = false, bool alt = false);
    // The same with Control held ("s" for Ctrl+S).
    void PressControl(const char* keysymName, bool shift = false);
    // Holds a key down (true) or lets it go (false): "Shift_L" held through a click.
    void Hold(const char* keysymName, bool down);
    // Types plain text: letters, digits, blanks and the characters of "x.-/".
    void Type(const QString& text);

private:
    void Key(unsigned long keysym, bool down);
    void* display_ = nullptr;
};
