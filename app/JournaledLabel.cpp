#include "app/JournaledLabel.h"

#include "app/DesignUndo.h"
#include "app/LabelRecords.h"
#include "app/LabelView.h"
#include "designer/LabelItems.h"
#include "merge/MergeCommands.h"

JournaledLabel::JournaledLabel(const LabelRecords& records, const LabelItems& items,
                               const LabelView& view, const DesignUndo& undo,
                               const MergeCommands* merge)
    : records_(records), items_(items), view_(view), undo_(undo), merge_(merge) {}

bool JournaledLabel::HasUnsavedChanges() const {
    return !records_.FirstActivation() && records_.HasLabel() && records_.Changed();
}

bool JournaledLabel::Busy() const {
    return records_.Loading() || undo_.StepOpen();
}

JournalEntry JournaledLabel::UnsavedLabel() const {
    JournalEntry entry;
    if (!records_.IsNew() && !records_.Empty()) {
        entry.record = records_.Table()->RecNo();
        entry.storedDescription = records_.Label.description;
    }
    entry.description = view_.DescriptionText();
    entry.templateName = records_.Label.templateName;
    entry.geometry = records_.Label.geometry;
    entry.objectsText = items_.SaveItems();
    if (merge_)
        entry.mergeSource = merge_->CurrentFileName();
    return entry;
}
