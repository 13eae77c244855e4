#pragma once

#include "merge/MergedLabel.h"
#include "printing/PrintedLabel.h"

class LabelModel;
class LabelRecords;

// The label on screen as the print jobs and the merge commands see it: the record's
// description, and the label model's geometry and items written afresh.
class ScreenLabel : public PrintedLabel, public MergedLabel {
public:
    // records and model must outlive it.
    ScreenLabel(const LabelRecords& records, const LabelModel& model);

    CurrentLabel Label() const override;
    QString ObjectsText() override;
    QString MergedLabelDescription() const override;

private:
    const LabelRecords& records_;
    const LabelModel& model_;
};
