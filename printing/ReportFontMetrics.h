#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <memory>

#include "printing/ReportTypes.h"

// The metrics of a font realised at a device resolution, in whole device pixels, the way a
// printer driver reports them. The em height is the point size at that resolution, rounded.
struct ReportFontMetrics {
    int PixelsPerEm = 0;
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;               // ascent + descent - em: the room above the accents
    std::shared_ptr<QFontMetricsF> Widths; // advances in device pixels

    // The font to draw with at that resolution: sized in device pixels, kerning off.
    static QFont DeviceFont(const TReportFontDesc& desc, double dotsPerInch);

    // Cached per font and resolution: text output asks for them on every label.
    static const ReportFontMetrics& For(const TReportFontDesc& desc, double dotsPerInch);
};
