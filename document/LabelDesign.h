#pragma once

#include "document/ConversionError.h"
#include "document/LabelItemValue.h"
#include "document/SheetGeometry.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One item of a label: its name ("Special" + n, unique in the label) and its value.
struct DesignItem {
    QString name;
    LabelItemValue value;
    bool operator==(const DesignItem&) const = default;
};

// An item of a kind this version does not know, kept as it was read so that Save writes it
// back unchanged: its lines, and the item it follows (its name; empty before the first item).
struct KeptBlock {
    QString after;
    QString lines; // every line ended by CR LF
    bool operator==(const KeptBlock&) const = default;
};

// One label as the user designs it, free of any window: what Save stores, what print draws
// and what undo puts back. Lengths of the items are screen pixels, of the geometry inches.
struct LabelDesign {
    static constexpr int MaxItems = 1000; // names run from Special1 to Special1000

    QString description;  // the name the label is stored under, as typed
    QString templateName; // the template its geometry came from
    SheetGeometry geometry;
    std::vector<DesignItem> items; // back to front: index 0 is the rearmost
    std::vector<KeptBlock> kept;

    bool operator==(const LabelDesign&) const = default;

    // The index of the item named name (compared exactly), -1 when there is none.
    int IndexOf(const QString& name) const;
    const DesignItem* Find(const QString& name) const;
    // The first of Special1 … Special1000 that no item is named (names compare without regard
    // to case); empty when all are taken.
    QString FreeName() const;
    // True when an item is a counter.
    bool HasCounter() const;

    // The items' values back to front.
    std::vector<LabelItemValue> ItemValues() const;
    // The objects text of the items, kept blocks in their places: what Save stores.
    QString SaveItems() const;

    // The design-side reading of an objects text: replaces the items by the text's, named
    // Special1, Special2 … in order.
    // Items beyond MaxItems are dropped (counted in dropped). A malformed value leaves the
    // items before its block read, and comes back as error.
    struct ItemsRead {
        int dropped = 0;
        std::optional<ConversionError> error;
    };
    ItemsRead REstoreItems(const QString& objectsText);
};
