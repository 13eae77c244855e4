#include "controls/SymbolGlyph.h"

#include "controls/WingdingsMap.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRawFont>

#include <array>

namespace {

bool IsWingdingsFamily(const QString& family) {
    return family.contains(QLatin1String("wingding"), Qt::CaseInsensitive);
}

// Fonts asked, in order, for the Unicode stand-in of a code the Wingdings font lacks.
// Symbola covers all but one of them; the Devanagari font has the Om sign.
const QStringList& StandInFamilies() {
    static const QStringList families = {QStringLiteral("Symbola"),
                                         QStringLiteral("Noto Sans Symbols2"),
                                         QStringLiteral("Noto Sans Symbols"),
                                         QStringLiteral("DejaVu Sans"),
                                         QStringLiteral("Noto Sans Devanagari"),
                                         QStringLiteral("Noto Sans")};
    return families;
}

bool FamilyHasCharacter(const QString& family, char32_t ch) {
    static QHash<QString, QRawFont> raws;
    auto it = raws.find(family);
    if (it == raws.end()) {
        QFont font(family);
        font.setPixelSize(32);
        QRawFont raw = QRawFont::fromFont(font);
        // A missing family resolves to some other font: only take the one asked for.
        if (raw.familyName().compare(family, Qt::CaseInsensitive) != 0)
            raw = QRawFont();
        it = raws.insert(family, raw);
    }
    return it->isValid() && it->supportsCharacter(static_cast<uint>(ch));
}

// The family that draws a code's Unicode stand-in; cached per code.
QString StandInFamily(unsigned char code) {
    static std::array<QString, 256> cache;
    static std::array<bool, 256> known{};
    if (!known[code]) {
        const char32_t ch = WingdingsToUnicode(code);
        QString chosen = StandInFamilies().front();
        for (const QString& family : StandInFamilies()) {
            if (ch != 0 && FamilyHasCharacter(family, ch)) {
                chosen = family;
                break;
            }
        }
        cache[code] = chosen;
        known[code] = true;
    }
    return cache[code];
}

// For a Wingdings font: the character that reaches code's glyph, or 0 when it has none.
// Symbol-encoded fonts answer at U+F000 + code; a few re-encoded copies answer at code.
char16_t WingdingsCharacter(const QRawFont& raw, unsigned char code) {
    static QHash<QString, std::array<char16_t, 256>> tables;
    const QString key = raw.familyName() + QLatin1Char('/') + raw.styleName();
    auto it = tables.find(key);
    if (it == tables.end()) {
        std::array<char16_t, 256> table{};
        for (int c = 33; c < 256; ++c) {
            if (raw.supportsCharacter(0xF000u + c))
                table[c] = static_cast<char16_t>(0xF000 + c);
            else if (raw.supportsCharacter(static_cast<uint>(c)))
                table[c] = static_cast<char16_t>(c);
        }
        it = tables.insert(key, table);
    }
    return (*it)[code];
}

} // namespace

SymbolGlyphChoice ChooseSymbolGlyph(unsigned char code, const QFont& font) {
    RegisterSymbolFonts();
    SymbolGlyphChoice choice;
    choice.font = font;
    const QRawFont raw = QRawFont::fromFont(font);
    if (raw.isValid() && IsWingdingsFamily(raw.familyName())) {
        if (const char16_t ch = WingdingsCharacter(raw, code)) {
            choice.text = QString(QChar(ch));
            choice.fromWingdings = true;
            return choice;
        }
    }
    const char32_t ch = WingdingsToUnicode(code);
    if (ch == 0) {
        // Codes below 33 are not symbols: draw them as the font would (usually nothing).
        choice.text = QString(QChar(code));
        return choice;
    }
    choice.font.setFamilies({StandInFamily(code)});
    choice.text = QString::fromUcs4(&ch, 1);
    return choice;
}

void DrawSymbolGlyph(QPainter& painter, const QPointF& topLeft, unsigned char code,
                     const QFont& font) {
    const SymbolGlyphChoice choice = ChooseSymbolGlyph(code, font);
    const QFontMetricsF cell(font, painter.device());
    painter.save();
    painter.setFont(choice.font);
    painter.drawText(topLeft + QPointF(0, cell.ascent()), choice.text);
    painter.restore();
}

QSizeF MeasureSymbolGlyph(unsigned char code, const QFont& font, QPaintDevice* device) {
    const SymbolGlyphChoice choice = ChooseSymbolGlyph(code, font);
    const QFontMetricsF cell(font, device);
    const QFontMetricsF glyph(choice.font, device);
    return {glyph.horizontalAdvance(choice.text), cell.ascent() + cell.descent()};
}

void RegisterSymbolFonts() {
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const QString& family : QFontDatabase::families()) {
        if (IsWingdingsFamily(family))
            return;
    }
    const QString wineWingdings = QStringLiteral("/usr/share/wine/fonts/wingding.ttf");
    if (QFileInfo::exists(wineWingdings))
        QFontDatabase::addApplicationFont(wineWingdings);
}
