#pragma once

#include "designer/LabelItems.h"
#include "document/SheetGeometry.h"

#include <QString>

// Everything the user designs on a label, as values free of any widget: the description
// in its box, the template name and geometry, and the items with their names and stacking.
// Undoing a step puts one of these back.
struct DesignState {
    QString description;
    QString templateName;
    SheetGeometry geometry;
    LabelItems::Snapshot items;

    bool operator==(const DesignState&) const = default;
};
