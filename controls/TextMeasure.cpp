#include "controls/TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRawFont>

#include <array>

#include <mutex>
#include <vector>

// The reference font of one family and style, with the advances of the characters most texts
// are made of. Shaping a text at the reference size loads every glyph's outline again (the
// font engine keeps no metrics at that size), so a merge of many records would spend most of
// its layout time there. Where the font's default shaping features cannot join or move these
// characters, the advance of a text of them is exactly the sum of theirs: each is a whole
// number of 1/64 pixels, so the sum is exact in a double.
struct ReferenceFont {
    std::shared_ptr<const QFontMetricsF> metrics;
    bool byCharacter = false;
    std::array<double, 256> advances{}; // pixels at the reference size; Latin-1 codes
};

namespace {

// The em of the reference font in pixels: large enough that the 1/64-pixel steps of the
// font engine are far below anything a printer shows.
constexpr int kReferenceEm = 1000;

bool InTable(char16_t c) {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF);
}

// The feature tags of a GSUB or GPOS table (OpenType: version, then the offsets of the script,
// feature and lookup lists; the feature list counts its records of a tag and an offset).
QList<QByteArray> FeatureTags(const QByteArray& table) {
    QList<QByteArray> tags;
    const auto u16 = [&table](qsizetype at) {
        return at + 2 <= table.size() ? (uchar(table[at]) << 8) | uchar(table[at + 1]) : -1;
    };
    const int list = u16(6);
    const int count = list < 0 ? -1 : u16(list);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = list + 2 + 6 * qsizetype(i);
        if (at + 4 > table.size())
            break;
        tags.append(table.mid(at, 4));
    }
    return tags;
}

// Whether shaping leaves the table's characters as they are, one glyph each at its own
// advance: none of the substitutions or placements applied by default to Latin text that can
// join or move base characters (kerning is off; mark placement moves only marks, and the
// table holds none).
bool ShapesByCharacter(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid())
        return false;
    static const QList<QByteArray> joining = {"liga", "clig", "calt", "rlig", "rclt",
                                              "locl", "curs", "dist", "abvm", "blwm"};
    for (const char* name : {"GSUB", "GPOS"})
        for (const QByteArray& tag : FeatureTags(raw.fontTable(name)))
            if (joining.contains(tag))
                return false;
    // A character the font lacks comes from another font, which may shape otherwise.
    for (char16_t c = 0x20; c <= 0xFF; ++c)
        if (InTable(c) && !raw.supportsCharacter(QChar(c)))
            return false;
    return true;
}

struct CachedFont {
    QString family;
    bool bold = false;
    bool italic = false;
    std::shared_ptr<const ReferenceFont> font;
};

// A job measures a few fonts many times: a short list searched from the latest is enough.
std::shared_ptr<const ReferenceFont> ReferenceFor(const QString& family, bool bold, bool italic) {
    static std::mutex lock; // a job may draw on another thread than the panel's
    static std::vector<CachedFont> cache;
    const std::lock_guard guard(lock);
    for (auto it = cache.rbegin(); it != cache.rend(); ++it)
        if (it->bold == bold && it->italic == italic && it->family == family)
            return it->font;
    QFont font(family);
    font.setPixelSize(kReferenceEm);
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    auto reference = std::make_shared<ReferenceFont>();
    reference->metrics = std::make_shared<const QFontMetricsF>(font);
    reference->byCharacter = ShapesByCharacter(font);
    if (reference->byCharacter)
        for (char16_t c = 0x20; c <= 0xFF; ++c)
            if (InTable(c))
                reference->advances[c] = reference->metrics->horizontalAdvance(QString(QChar(c)));
    if (cache.size() >= 32)
        cache.erase(cache.begin());
    cache.push_back({family, bold, italic, reference});
    return reference;
}

} // namespace

TextMeasure::TextMeasure(const QString& family, bool bold, bool italic)
    : font_(ReferenceFor(family, bold, italic)) {
    ascent_ = font_->metrics->ascent() / kReferenceEm;
    descent_ = font_->metrics->descent() / kReferenceEm;
    lineHeight_ = font_->metrics->lineSpacing() / kReferenceEm;
}

bool TextMeasure::MeasuresByCharacter() const {
    return font_->byCharacter;
}

double TextMeasure::WidthEm(QStringView text) const {
    if (text.isEmpty())
        return 0;
    if (font_->byCharacter) {
        double pixels = 0;
        for (const QChar c : text) {
            if (!InTable(c.unicode()))
                return ShapedWidthEm(text);
            pixels += font_->advances[c.unicode()];
        }
        return pixels / kReferenceEm;
    }
    return ShapedWidthEm(text);
}

double TextMeasure::ShapedWidthEm(QStringView text) const {
    if (text.isEmpty())
        return 0;
    return font_->metrics->horizontalAdvance(text.toString()) / kReferenceEm;
}
