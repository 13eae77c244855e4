#pragma once

#include <QString>

// Where a label's remembered merge source is kept between runs, by the label's description
// (matched case-blind); the program keeps it in QV.INI.
class MergeSourceMemory {
public:
    virtual ~MergeSourceMemory() = default;
    // The file kept for the label, or "" when none is.
    virtual QString ReadMergeSource(const QString& description) const = 0;
    // Keeps fileName for the label; "" forgets the entry. False when it cannot be written.
    virtual bool WriteMergeSource(const QString& description, const QString& fileName) const = 0;
};
