#pragma once

#include "merge/MergedLabel.h"
#include "printing/PrintedLabel.h"

class LabelRecords;
class LabelView;

// The label on screen as the print jobs and the merge commands see it: the record's
// description and geometry, and the design panel's items written afresh.
class ScreenLabel : public PrintedLabel, public MergedLabel {
public:
    // records and view must outlive it.
    ScreenLabel(const LabelRecords& records, LabelView& view);

    CurrentLabel Label() const override;
    QString ObjectsText() override;
    QString MergedLabelDescription() const override;

private:
    const LabelRecords& records_;
    LabelView& view_;
};
