#pragma once

#include <QString>

// Conversions between screen pixels (design panel) and inches (everything stored).
// The scale is the screen's logical pixels per inch (ScreenPixelsPerInch), the same on both
// axes. Inch values in memory are single precision; pixel values are 32-bit integers.

// pixels / pixels-per-inch, rounded to single precision.
float PixelsToInches(int pixels);

// pixels-per-inch * inches, rounded to the nearest integer with a tie going to the even one.
// Values beyond the 32-bit range are clamped to it.
int InchesToPixels(float inches);

// PixelsToInches, then the three-decimal text form ("0.063" for 6 pixels at 96 per inch).
QString PixelsToInchesToString(int pixels);

// Rounds an inch value to three decimals through its text form, as a table field stores it:
// 1.0005 in single precision lies just below the half, so it gives 1.000.
float FloatToDBF(float inches);

// The three-decimal fixed-point text of a single value: the nearest value with three decimals
// (a half at the fourth decimal goes away from zero), an optional "-", at least one integer
// digit, "." and exactly three digits. Stored numbers always use "." whatever the locale.
QString FormatInches(float inches);
