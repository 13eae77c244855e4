#include "document/StoredKeys.h"

#include <array>

namespace {

struct StoredKeyRow {
    StoredKey key;
    QStringView name;
    StoredForm form;
};

// In StoredKey order.
constexpr std::array<StoredKeyRow, 43> kRows = {{
    {StoredKey::LabelItem, u"LABELITEM", StoredForm::Word},
    {StoredKey::Text, u"TEXT", StoredForm::String},
    {StoredKey::Top, u"TOP", StoredForm::Distance},
    {StoredKey::Left, u"LEFT", StoredForm::Distance},
    {StoredKey::Width, u"WIDTH", StoredForm::Distance},
    {StoredKey::Height, u"HEIGHT", StoredForm::Distance},
    {StoredKey::RelativeX, u"RELATIVEX", StoredForm::Distance},
    {StoredKey::RelativeY, u"RELATIVEY", StoredForm::Distance},
    {StoredKey::StartingNumber, u"STARTINGNUMBER", StoredForm::Integer},
    {StoredKey::RepeatEach, u"REPEATEACH", StoredForm::Integer},
    {StoredKey::FontName, u"FONTNAME", StoredForm::String},
    {StoredKey::FontSize, u"FONTSIZE", StoredForm::Integer},
    {StoredKey::FontColor, u"FONTCOLOR", StoredForm::Integer},
    {StoredKey::FontBold, u"FONTBOLD", StoredForm::Flag},
    {StoredKey::FontItalic, u"FONTITALIC", StoredForm::Flag},
    {StoredKey::FontUnder, u"FONTUNDER", StoredForm::Flag},
    {StoredKey::Angle, u"ANGLE", StoredForm::Integer},
    {StoredKey::AsciiChar, u"ASCIICHAR", StoredForm::Integer},
    {StoredKey::BrushStyle, u"BRUSHSTYLE", StoredForm::BrushName},
    {StoredKey::Color, u"COLOR", StoredForm::Integer},
    {StoredKey::LineThickness, u"LINETHICKNESS", StoredForm::Integer},
    {StoredKey::LineColor, u"LINECOLOR", StoredForm::Integer},
    {StoredKey::Rounding, u"ROUNDING", StoredForm::Integer},
    {StoredKey::Orientation, u"ORIENTATION", StoredForm::Letter},
    {StoredKey::Stretch, u"STRETCH", StoredForm::Flag},
    {StoredKey::FileNameAndPath, u"FILENAMEANDPATH", StoredForm::String},
    {StoredKey::Symbology, u"SYMBOLOGY", StoredForm::SymbologyName},
    {StoredKey::Data, u"DATA", StoredForm::String},
    {StoredKey::ShowText, u"SHOWTEXT", StoredForm::Flag},
    {StoredKey::Background, u"BACKGROUND", StoredForm::Integer},
    {StoredKey::TextLine, u"TEXTLINE", StoredForm::String},
    {StoredKey::Box, u"BOX", StoredForm::Flag},
    {StoredKey::Align, u"ALIGN", StoredForm::Letter},
    {StoredKey::VAlign, u"VALIGN", StoredForm::Letter},
    {StoredKey::Wrap, u"WRAP", StoredForm::Flag},
    {StoredKey::Shrink, u"SHRINK", StoredForm::Flag},
    {StoredKey::MinFontSize, u"MINFONTSIZE", StoredForm::Decimal},
    {StoredKey::LineSpacing, u"LINESPACING", StoredForm::Decimal},
    {StoredKey::SkipBlank, u"SKIPBLANK", StoredForm::Flag},
    {StoredKey::Fit, u"FIT", StoredForm::Flag},
    {StoredKey::Ecc, u"ECC", StoredForm::Integer},
    {StoredKey::Quiet, u"QUIET", StoredForm::Flag},
    {StoredKey::Nothing, u"NOTHING", StoredForm::Filler},
}};

constexpr bool RowsInKeyOrder() {
    for (size_t i = 0; i < kRows.size(); ++i)
        if (size_t(kRows[i].key) != i)
            return false;
    return size_t(StoredKey::Nothing) + 1 == kRows.size();
}
static_assert(RowsInKeyOrder(), "one row per StoredKey, in its order");

} // namespace

QStringView StoredKeyName(StoredKey key) {
    return kRows[size_t(key)].name;
}

StoredForm StoredKeyForm(StoredKey key) {
    return kRows[size_t(key)].form;
}

std::optional<StoredKey> StoredKeyFromName(QStringView name) {
    // Most lines of a text are read here; the names differ early, so a plain walk is quick.
    for (const StoredKeyRow& row : kRows)
        if (row.name == name)
            return row.key;
    return std::nullopt;
}
