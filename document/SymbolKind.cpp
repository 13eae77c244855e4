// Symbol items: one character of the symbol font.
#include "document/ItemKinds.h"
#include "document/LabelItemValue.h"

namespace {

using K = StoredKey;

constexpr StoredLineSpec kSymbolLines[] = {
    {K::Top}, {K::Left}, {K::Width}, {K::Height}, {K::FontSize}, {K::FontColor}, {K::AsciiChar},
};

LabelItemValue newSymbol() {
    LabelItemValue v;
    v.kind = LabelItemKind::Symbol;
    v.asciiChar = 0; // asked for when placed
    v.fontSize = 18;
    v.fontColor = kColorBlack;
    return v;
}

} // namespace

extern const ItemKindDescriptor SymbolItemKind = {LabelItemKind::Symbol, u"SYMBOL", kSymbolLines,
                                                  &newSymbol};
