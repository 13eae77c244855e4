#include "app/ScreenLabel.h"

#include "app/LabelRecords.h"
#include "app/LabelView.h"

ScreenLabel::ScreenLabel(const LabelRecords& records, LabelView& view)
    : records_(records), view_(view) {}

CurrentLabel ScreenLabel::Label() const {
    return records_.Label;
}

QString ScreenLabel::ObjectsText() {
    return view_.SaveItems();
}

QString ScreenLabel::MergedLabelDescription() const {
    return records_.Label.description;
}
