#include "app/JournaledLabel.h"

#include "app/DesignUndo.h"
#include "app/LabelRecords.h"
#include "document/LabelModel.h"
#include "merge/MergeCommands.h"

JournaledLabel::JournaledLabel(const LabelRecords& records, const LabelModel& model,
                               const DesignUndo& undo, const MergeCommands* merge)
    : records_(records), model_(model), undo_(undo), merge_(merge) {}

bool JournaledLabel::HasUnsavedChanges() const {
    return !records_.FirstActivation() && records_.HasLabel() && records_.Changed();
}

bool JournaledLabel::Busy() const {
    return records_.Loading() || undo_.StepOpen();
}

JournalEntry JournaledLabel::UnsavedLabel() const {
    JournalEntry entry = JournalEntry::Of(model_.Design());
    if (!records_.IsNew() && !records_.Empty()) {
        entry.record = records_.Table()->RecNo();
        entry.storedDescription = records_.Label().description;
    }
    if (merge_)
        entry.mergeSource = merge_->CurrentFileName();
    return entry;
}
