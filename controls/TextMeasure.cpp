#include "controls/TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>

#include <mutex>
#include <vector>

namespace {

// The em of the reference font in pixels: large enough that the 1/64-pixel steps of the
// font engine are far below anything a printer shows.
constexpr int kReferenceEm = 1000;

struct CachedFont {
    QString family;
    bool bold = false;
    bool italic = false;
    std::shared_ptr<const QFontMetricsF> metrics;
};

// A job measures a few fonts many times: a short list searched from the latest is enough.
std::shared_ptr<const QFontMetricsF> ReferenceMetrics(const QString& family, bool bold,
                                                      bool italic) {
    static std::mutex lock; // a job may draw on another thread than the panel's
    static std::vector<CachedFont> cache;
    const std::lock_guard guard(lock);
    for (auto it = cache.rbegin(); it != cache.rend(); ++it)
        if (it->bold == bold && it->italic == italic && it->family == family)
            return it->metrics;
    QFont font(family);
    font.setPixelSize(kReferenceEm);
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    auto metrics = std::make_shared<const QFontMetricsF>(font);
    if (cache.size() >= 32)
        cache.erase(cache.begin());
    cache.push_back({family, bold, italic, metrics});
    return metrics;
}

} // namespace

TextMeasure::TextMeasure(const QString& family, bool bold, bool italic)
    : metrics_(ReferenceMetrics(family, bold, italic)) {
    ascent_ = metrics_->ascent() / kReferenceEm;
    descent_ = metrics_->descent() / kReferenceEm;
    lineHeight_ = metrics_->lineSpacing() / kReferenceEm;
}

double TextMeasure::WidthEm(QStringView text) const {
    if (text.isEmpty())
        return 0;
    return metrics_->horizontalAdvance(text.toString()) / kReferenceEm;
}
