#pragma once

#include "app/JournalSubject.h"

class DesignUndo;
class LabelItems;
class LabelRecords;
class LabelView;
class MergeCommands;

// The label on screen as the recovery journal keeps it: the record it was loaded from, the
// description in its box, its template and geometry, its items as Save writes them and the
// merge source chosen for it.
class JournaledLabel : public JournalSubject {
public:
    // All must outlive it; merge may be null (no merge sources).
    JournaledLabel(const LabelRecords& records, const LabelItems& items, const LabelView& view,
                   const DesignUndo& undo, const MergeCommands* merge);

    bool HasUnsavedChanges() const override;
    bool Busy() const override;
    JournalEntry UnsavedLabel() const override;

private:
    const LabelRecords& records_;
    const LabelItems& items_;
    const LabelView& view_;
    const DesignUndo& undo_;
    const MergeCommands* merge_;
};
