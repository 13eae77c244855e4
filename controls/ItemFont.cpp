#include "controls/ItemFont.h"

#include <cstdlib>

int FontPixelSize(int points, int pixelsPerInch) {
    // Integer multiply-then-divide with halves rounded away from zero, as the screen's own
    // font mapping does; a negative size is taken as its magnitude.
    const long long product = static_cast<long long>(std::abs(points)) * pixelsPerInch;
    const long long pixels = (product * 2 + 72) / 144;
    return pixels < 1 ? 1 : static_cast<int>(pixels);
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
