#include "controls/ItemFont.h"

#include <algorithm>
#include <cstdlib>

int FontPixelSize(int points, int pixelsPerInch) {
    // Integer multiply-then-divide with halves rounded away from zero, as the screen's own
    // font mapping does; a negative size is taken as its magnitude.
    const long long product = static_cast<long long>(std::abs(points)) * pixelsPerInch;
    const long long pixels = (product * 2 + 72) / 144;
    // A hand-edited size far beyond any real font is held to a size Qt can still render.
    constexpr long long kLargestPixels = 10000;
    return static_cast<int>(std::clamp(pixels, 1LL, kLargestPixels));
}

QFont MakeItemFont(const QString& family, int points, bool bold, bool italic, bool underline,
                   int pixelsPerInch) {
    QFont font(family);
    font.setPixelSize(FontPixelSize(points, pixelsPerInch));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setKerning(false);
    return font;
}
