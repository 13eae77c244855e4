#pragma once

#include <cstdint>

// The Unicode character each Wingdings code 33..255 stands for, from the public
// Wingdings-to-Unicode correspondence (Unicode 7 added most of the pictographs).
// Two codes have no Unicode equivalent and get a look-alike: 127 (an empty frame in the
// font) maps to U+25AF WHITE VERTICAL RECTANGLE and 255 (the Windows flag) to U+229E
// SQUARED PLUS. Codes outside 33..255 give 0.
char32_t WingdingsToUnicode(int code);
