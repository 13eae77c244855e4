#pragma once

class MergeSource;

// The merge source chosen for the label on screen, as the print jobs ask for it.
class MergeSourceChoice {
public:
    virtual ~MergeSourceChoice() = default;
    // The source, opened on first use; null when the label prints without one. Throws
    // MergeSourceError when it cannot be opened.
    virtual MergeSource* CurrentSource() = 0;
};
