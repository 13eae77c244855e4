// The control of symbol items.
#include "controls/ItemControls.h"
#include "controls/TSymbol.h"
#include "document/LabelItemValue.h"

#include <algorithm>

namespace {

QWidget* create(QWidget* panel, const ItemControlContext&) {
    return new TSymbol(panel);
}

// The symbol sizes itself to its character.
void apply(QWidget* control, const LabelItemValue& v) {
    auto* symbol = static_cast<TSymbol*>(control);
    symbol->setCharCode(static_cast<unsigned char>(std::clamp(v.asciiChar, 0, 255)));
    symbol->setFontSize(v.fontSize);
    symbol->setFontColor(v.fontColor);
}

// A code outside 0..255 is held as the control holds it.
void settle(QWidget* control, LabelItemValue& v) {
    v.asciiChar = static_cast<TSymbol*>(control)->CharCode();
}

} // namespace

extern const ItemControlKind SymbolItemControl = {&create, &apply, &settle};
