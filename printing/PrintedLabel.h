#pragma once

#include <QString>

#include "document/SheetGeometry.h"

// The label a print, preview or PDF job draws: the one on screen, saved or not.
class PrintedLabel {
public:
    virtual ~PrintedLabel() = default;
    // Description, geometry and PAPERSIZE.
    virtual CurrentLabel Label() const = 0;
    // The label's items as objects text, written afresh for each job.
    virtual QString ObjectsText() = 0;
};
