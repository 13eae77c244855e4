#pragma once

#include "printing/PrintedLabel.h"

// A print job's label read from a test's own variables, as they stand when the job starts.
class LabelOf : public PrintedLabel {
public:
    LabelOf(const CurrentLabel& label, const QString& objects) : label_(label), objects_(objects) {}
    CurrentLabel Label() const override { return label_; }
    QString ObjectsText() override { return objects_; }

private:
    const CurrentLabel& label_;
    const QString& objects_;
};
