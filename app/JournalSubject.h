#pragma once

#include "document/JournalEntry.h"

// The label the recovery journal keeps: whether it has unsaved changes, and what restoring it
// takes.
class JournalSubject {
public:
    virtual ~JournalSubject() = default;
    virtual bool HasUnsavedChanges() const = 0;
    // The label as it stands; the journal sets the time of the change.
    virtual JournalEntry UnsavedLabel() const = 0;
};
