#pragma once

#include "document/StoredKeys.h"

#include <QStringView>
#include <QtGlobal>

#include <optional>
#include <span>

struct LabelItemValue;

// Every kind of label item, in the order of its tool in the tool row: X(Name, code). The code
// numbers the kind on the print side (TEXT 0, COUNTER 1 … BARCODE 9). This list is where a
// kind is registered: each layer gives every kind listed here its part (its stored lines
// here, its control, its tool and menu, its drawing on paper), and a part that is missing
// fails the build. docs/architecture.md has the recipe.
#define QV_ITEM_KINDS(X)                                                                       \
    X(Text, 0)                                                                                 \
    X(Rectangle, 3)                                                                            \
    X(Ellipse, 5)                                                                              \
    X(RoundRectangle, 4)                                                                       \
    X(Symbol, 2)                                                                               \
    X(HorizontalLine, 8)                                                                       \
    X(VerticalLine, 7)                                                                         \
    X(Image, 6)                                                                                \
    X(Counter, 1)                                                                              \
    X(Barcode, 9)

enum class LabelItemKind : quint8 {
#define QV_KIND_VALUE(name, code) name = code,
    QV_ITEM_KINDS(QV_KIND_VALUE)
#undef QV_KIND_VALUE
};

// The kinds in tool-row order.
inline constexpr LabelItemKind AllItemKinds[] = {
#define QV_KIND_ENTRY(name, code) LabelItemKind::name,
    QV_ITEM_KINDS(QV_KIND_ENTRY)
#undef QV_KIND_ENTRY
};
inline constexpr int ItemKindCount = int(std::size(AllItemKinds));

// One line an item of a kind writes: its key, and the value of a line that never varies
// (ORIENTATION=H of a horizontal line).
struct StoredLineSpec {
    StoredKey key;
    QStringView fixed = {};
};

// What the document knows of a kind: how it is stored and what a new item of it holds.
struct ItemKindDescriptor {
    LabelItemKind kind;
    QStringView word;                      // LABELITEM=word
    std::span<const StoredLineSpec> lines; // written after LABELITEM, in this order
    // A new item as its tool places it at 0, 0, before any question is asked. Sizes of 0 are
    // the control's own size; a counter starting at -1, a symbol with code 0 and an image
    // without a file name are asked for when placed.
    LabelItemValue (*newItem)();
    // The value as it is written where the file keeps it otherwise than the item (a text's
    // angle in 0..359); null when the two are the same.
    void (*toStored)(LabelItemValue& value) = nullptr;
    // Written after lines, each only when its value differs from a fresh LabelItemValue's
    // (TEXTLINE once per line after the first): a label using none writes what it always did.
    std::span<const StoredLineSpec> optionalLines = {};
};

const ItemKindDescriptor& ItemKind(LabelItemKind kind);
// The kind stored under word (compared exactly), or nothing for a word this version does not
// know.
std::optional<LabelItemKind> ItemKindFromWord(QStringView word);

// The document parts, one per kind, each defined in the kind's own file.
#define QV_KIND_DOCUMENT_PART(name, code) extern const ItemKindDescriptor name##ItemKind;
QV_ITEM_KINDS(QV_KIND_DOCUMENT_PART)
#undef QV_KIND_DOCUMENT_PART
