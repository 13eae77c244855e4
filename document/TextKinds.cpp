// Text and counter items: a text of one or more lines (in a box of its own when asked),
// turned by whole degrees.
#include "document/ItemKinds.h"
#include "document/LabelItemValue.h"

namespace {

using K = StoredKey;

constexpr StoredLineSpec kTextLines[] = {
    {K::Text},      {K::Top},      {K::Left},       {K::Width},     {K::Height},
    {K::FontName},  {K::FontColor}, {K::FontSize},   {K::FontBold},  {K::FontItalic},
    {K::FontUnder}, {K::Angle},     {K::RelativeX}, {K::RelativeY},
};

constexpr StoredLineSpec kTextOptionalLines[] = {
    {K::TextLine}, {K::Box},         {K::Align},       {K::VAlign},    {K::Wrap},
    {K::Shrink},   {K::MinFontSize}, {K::LineSpacing}, {K::SkipBlank},
};

// The font lines are in another order than a text's, and the origin comes first.
constexpr StoredLineSpec kCounterLines[] = {
    {K::Top},          {K::Left},       {K::Width},     {K::Height},   {K::RelativeX},
    {K::RelativeY},    {K::StartingNumber}, {K::RepeatEach}, {K::FontName}, {K::FontSize},
    {K::FontColor},    {K::FontBold},   {K::FontItalic}, {K::FontUnder}, {K::Angle},
};

LabelItemValue newText() {
    LabelItemValue v;
    v.kind = LabelItemKind::Text;
    v.text = QStringLiteral("Text");
    v.fontName = QStringLiteral("Arial");
    v.fontSize = 10;
    v.fontColor = kColorBlack;
    v.bold = true;
    return v;
}

LabelItemValue newCounter() {
    LabelItemValue v = newText();
    v.kind = LabelItemKind::Counter;
    v.text.clear();
    v.startingNumber = -1; // asked for when placed
    v.repeatEach = 1;
    return v;
}

// A text keeps its angle in 0..359 on file; the item holds -180..180. A counter writes its
// angle as the item holds it.
void textToStored(LabelItemValue& v) {
    if (v.angle < 0)
        v.angle += 360;
}

} // namespace

extern const ItemKindDescriptor TextItemKind = {
    LabelItemKind::Text, u"TEXT", kTextLines, &newText, &textToStored, kTextOptionalLines};
extern const ItemKindDescriptor CounterItemKind = {LabelItemKind::Counter, u"COUNTER",
                                                   kCounterLines, &newCounter, nullptr};
