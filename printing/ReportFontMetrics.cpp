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
    TReportFontDesc Desc;
    double Dpi = 0;
    std::unique_ptr<ReportFontMetrics> Metrics;
};

// A handful of fonts per job: a short list searched from the most recent is enough.
std::vector<CacheEntry>& Cache() {
    static std::vector<CacheEntry> cache;
    return cache;
}

} // namespace

QFont ReportFontMetrics::DeviceFont(const TReportFontDesc& desc, double dotsPerInch) {
    // A symbol font must be known before it is measured, or another font stands in.
    if (desc.Name.contains(QLatin1String("wingding"), Qt::CaseInsensitive)) {
        static const bool registered = (RegisterSymbolFonts(), true);
        Q_UNUSED(registered);
    }
    QFont font(desc.Name);
    font.setPixelSize(std::max(1, qRound(desc.Size * dotsPerInch / 72.0)));
    font.setBold(desc.Bold);
    font.setItalic(desc.Italic);
    font.setUnderline(desc.Underline);
    font.setStrikeOut(desc.StrikeOut);
    font.setKerning(false);
    return font;
}

const ReportFontMetrics& ReportFontMetrics::For(const TReportFontDesc& desc, double dotsPerInch) {
    auto& cache = Cache();
    for (auto it = cache.rbegin(); it != cache.rend(); ++it)
        if (it->Dpi == dotsPerInch && it->Desc == desc)
            return *it->Metrics;
    const QFont font = DeviceFont(desc, dotsPerInch);
    const QFontMetrics fm(font);
    auto metrics = std::make_unique<ReportFontMetrics>();
    metrics->PixelsPerEm = font.pixelSize();
    metrics->Ascent = fm.ascent();
    metrics->Descent = fm.descent();
    metrics->InternalLeading = std::max(0, fm.ascent() + fm.descent() - font.pixelSize());
    metrics->Widths = std::make_shared<QFontMetricsF>(font);
    if (cache.size() > 64)
        cache.erase(cache.begin());
    cache.push_back({desc, dotsPerInch, std::move(metrics)});
    return *cache.back().Metrics;
}
