#include "document/JournalEntry.h"

LabelDesign JournalEntry::Design() const {
    LabelDesign design;
    design.description = description;
    design.templateName = templateName;
    design.geometry = geometry;
    design.REstoreItems(objectsText);
    return design;
}

JournalEntry JournalEntry::Of(const LabelDesign& design) {
    JournalEntry entry;
    entry.description = design.description;
    entry.templateName = design.templateName;
    entry.geometry = design.geometry;
    entry.objectsText = design.SaveItems();
    return entry;
}
