#include "printing/ReportFontMetrics.h"

#include "controls/SymbolGlyph.h"

#include <QFontMetrics>
#include <QHash>
#include <QtMath>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct CacheEntry {
    TReportFontSpec Spec;
    double Dpi = 0;
    std::unique_ptr<ReportFontMetrics> Metrics;
};

// A handful of fonts per job: a short list searched from the most recent is enough.
std::vector<CacheEntry>& Cache() {
    static std::vector<CacheEntry> cache;
    return cache;
}

} // namespace

QFont ReportFontMetrics::DeviceFont(const TReportFontSpec& spec, double dotsPerInch) {
    // A symbol font must be known before it is measured, or another font stands in.
    if (spec.Name.contains(QLatin1String("wingding"), Qt::CaseInsensitive)) {
        static const bool registered = (RegisterSymbolFonts(), true);
        Q_UNUSED(registered);
    }
    QFont font(spec.Name);
    font.setPixelSize(std::max(1, qRound(spec.Size * dotsPerInch / 72.0)));
    font.setBold(spec.Bold);
    font.setItalic(spec.Italic);
    font.setUnderline(spec.Underline);
    font.setStrikeOut(spec.StrikeOut);
    font.setKerning(false);
    return font;
}

const ReportFontMetrics& ReportFontMetrics::For(const TReportFontSpec& spec, double dotsPerInch) {
    auto& cache = Cache();
    for (auto it = cache.rbegin(); it != cache.rend(); ++it)
        if (it->Dpi == dotsPerInch && it->Spec == spec)
            return *it->Metrics;
    const QFont font = DeviceFont(spec, dotsPerInch);
    const QFontMetrics fm(font);
    auto metrics = std::make_unique<ReportFontMetrics>();
    metrics->PixelsPerEm = font.pixelSize();
    metrics->Ascent = fm.ascent();
    metrics->Descent = fm.descent();
    metrics->InternalLeading = std::max(0, fm.ascent() + fm.descent() - font.pixelSize());
    metrics->Widths = std::make_shared<QFontMetricsF>(font);
    if (cache.size() > 64)
        cache.erase(cache.begin());
    cache.push_back({spec, dotsPerInch, std::move(metrics)});
    return *cache.back().Metrics;
}
