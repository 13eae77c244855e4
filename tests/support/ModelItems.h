#pragma once

#include "document/LabelModel.h"

#include <QString>

// Adds the items of an objects text to a label, front-most in text order, as stored values
// (nothing is asked); kept blocks of unknown kinds are left out.
inline void AddItemsFromText(LabelModel& model, const QString& objectsText) {
    LabelDesign read;
    read.REstoreItems(objectsText);
    for (const DesignItem& item : read.items)
        model.CreateItemFromValue(item.value);
}

// Takes every item off a label, as one edit.
inline void RemoveAllItems(LabelModel& model) {
    LabelDesign empty = model.Design();
    empty.items.clear();
    empty.kept.clear();
    model.Restore(empty);
}
