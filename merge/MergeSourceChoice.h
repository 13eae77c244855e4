#pragma once

#include "merge/MergeRun.h"

class MergeSource;

// The merge source chosen for the label on screen, as the print jobs ask for it.
class MergeSourceChoice {
public:
    virtual ~MergeSourceChoice() = default;
    // The source, opened on first use; null when the label prints without one. Throws
    // MergeSourceError when it cannot be opened.
    virtual MergeSource* CurrentSource() = 0;
    // The records of the source a job prints (all of them unless the person chose a part).
    virtual MergeRun::Range RecordRange() const { return {}; }
};
