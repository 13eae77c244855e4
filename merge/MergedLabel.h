#pragma once

#include <QString>

// The label whose merge source the merge commands choose and open: the one on screen, known
// to them by its description, under which its source is kept.
class MergedLabel {
public:
    virtual ~MergedLabel() = default;
    virtual QString MergedLabelDescription() const = 0;
};
