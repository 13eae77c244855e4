#pragma once

#include "document/JournalEntry.h"

// The label the recovery journal keeps: whether it has unsaved changes, and what restoring it
// takes.
class JournalSubject {
public:
    virtual ~JournalSubject() = default;
    virtual bool HasUnsavedChanges() const = 0;
    // True while the label is in the middle of a change (a label being loaded, a drag under
    // way): what stands then is no state to restore.
    virtual bool Busy() const = 0;
    // The label as it stands; the journal sets the time of the change.
    virtual JournalEntry UnsavedLabel() const = 0;
};
