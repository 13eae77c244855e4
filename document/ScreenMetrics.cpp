#include "document/ScreenMetrics.h"

namespace {
int g_pixelsPerInch = 96;
}

int ScreenPixelsPerInch() {
    return g_pixelsPerInch;
}

void SetScreenPixelsPerInch(int pixelsPerInch) {
    if (pixelsPerInch > 0)
        g_pixelsPerInch = pixelsPerInch;
}
