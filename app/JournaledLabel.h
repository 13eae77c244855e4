#pragma once

#include "app/JournalSubject.h"

class DesignUndo;
class LabelModel;
class LabelRecords;
class MergeCommands;

// The label on screen as the recovery journal keeps it: the record it was loaded from, its
// design (description, template and geometry, its items as Save writes them) and the merge
// source chosen for it.
class JournaledLabel : public JournalSubject {
public:
    // All must outlive it; merge may be null (no merge sources).
    JournaledLabel(const LabelRecords& records, const LabelModel& model, const DesignUndo& undo,
                   const MergeCommands* merge);

    bool HasUnsavedChanges() const override;
    bool Busy() const override;
    JournalEntry UnsavedLabel() const override;

private:
    const LabelRecords& records_;
    const LabelModel& model_;
    const DesignUndo& undo_;
    const MergeCommands* merge_;
};
