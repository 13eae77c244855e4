#pragma once

#include <QStringList>

struct LabelDesign;

// What one edit of a label changed, as the views that follow the design need to know it.
// Items are named; names of items whose kind changed count as removed and added.
struct DesignChange {
    bool description = false; // the description
    bool layout = false;      // the template name or the sheet geometry
    QStringList removed;      // items gone
    QStringList added;        // new items
    QStringList changed;      // items whose value changed
    bool restacked = false;   // the items' back-to-front order changed
    bool kept = false;        // the kept blocks of unknown kinds changed

    bool IsEmpty() const {
        return !description && !layout && removed.isEmpty() && added.isEmpty() &&
               changed.isEmpty() && !restacked && !kept;
    }

    // Everything that differs between two designs.
    static DesignChange Between(const LabelDesign& before, const LabelDesign& after);
};
