#pragma once

#include "document/ItemKinds.h"

#include <QString>

#include <optional>

class QWidget;
struct LabelItemValue;

// What an item's control shows that belongs to the label rather than to the item: the
// counter's first value, which "{#}" in a barcode shows on the panel.
class ItemControlContext {
public:
    virtual ~ItemControlContext() = default;
    virtual QString CounterShown() const = 0;
    // The value of a merge field in the record the panel shows; none without a record shown
    // (references then show as typed).
    virtual std::optional<QString> ShownField(const QString& name) const {
        (void)name;
        return std::nullopt;
    }
    // The picture file an image item's file name stands for on the panel: with a record
    // shown, its fields filled in and a relative name found; else the name as typed.
    virtual QString ShownFile(const QString& fileName) const { return fileName; }
};

// The controls part of an item kind: the control that shows its items on the design panel.
// The panel places every control at its item's box; the kind gives it the rest of the look.
struct ItemControlKind {
    // A new control for an item of the kind, a child of panel.
    QWidget* (*create)(QWidget* panel, const ItemControlContext& context);
    // Gives the control everything of the value but its box. A control that sizes itself to
    // what it shows (a text, a symbol, an unstretched picture) does so here, at once.
    void (*apply)(QWidget* control, const LabelItemValue& value);
    // Reads back what the control laid out of the item besides its box (a text's origin);
    // null for a kind whose box is all.
    void (*settle)(QWidget* control, LabelItemValue& value) = nullptr;
};

const ItemControlKind& ItemControl(LabelItemKind kind);

// The controls parts, one per kind, each defined in the kind's own file.
#define QV_KIND_CONTROL_PART(name, code) extern const ItemControlKind name##ItemControl;
QV_ITEM_KINDS(QV_KIND_CONTROL_PART)
#undef QV_KIND_CONTROL_PART
