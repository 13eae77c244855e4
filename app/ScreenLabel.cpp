#include "app/ScreenLabel.h"

#include "app/LabelRecords.h"
#include "document/LabelModel.h"

ScreenLabel::ScreenLabel(const LabelRecords& records, const LabelModel& model)
    : records_(records), model_(model) {}

CurrentLabel ScreenLabel::Label() const {
    return records_.Label();
}

// What prints is what Save would store.
QString ScreenLabel::ObjectsText() {
    return model_.Design().SaveItems();
}

QString ScreenLabel::MergedLabelDescription() const {
    return records_.Label().description;
}
