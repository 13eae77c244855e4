#pragma once

#include <QtGlobal>

// How a text item lays its lines out. Every value here has a default that keeps a text as it
// always was: one line per TEXT line, no box, nothing wrapped or shrunk.
enum class TextAlign : quint8 { Left, Centre, Right };
enum class TextVAlign : quint8 { Top, Middle, Bottom };

struct TextBoxOptions {
    // The item keeps the width and height the user gave it; its text is laid out inside.
    bool box = false;
    TextAlign align = TextAlign::Left;
    TextVAlign valign = TextVAlign::Top;
    // Words wrap at the box's width.
    bool wrap = false;
    // The font steps down by ShrinkStep points until the text fits its box, never below
    // minFontSize points.
    bool shrink = false;
    double minFontSize = 6.0;
    // A multiple of the font's line height, from one baseline to the next.
    double lineSpacing = 1.0;
    // A line whose merge fields all came out empty is left out, the lines below move up.
    bool skipBlank = false;

    static constexpr double ShrinkStep = 0.5;
    static constexpr double DefaultMinFontSize = 6.0;

    bool operator==(const TextBoxOptions&) const = default;
};
