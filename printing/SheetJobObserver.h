#pragma once

#include <QString>

// What a sheet job tells whoever watches it (a status window, the batch's error stream, a
// test) while it draws. Each call comes from inside the drawing, on the job's thread.
class SheetJobObserver {
public:
    virtual ~SheetJobObserver() = default;
    // After each label; false stops the job after the label just drawn.
    virtual bool LabelDrawn() { return true; }
    // The job's first drawing problem (a barcode whose data cannot be encoded), once: one
    // line, however many labels it concerns.
    virtual void DrawingWarning(const QString& /*warning*/) {}
    // Every problem of a label, once per label and problem, as one line naming its record
    // ("Record 7: the text "{Name}" does not fit its box") or, without a merge, its label.
    virtual void LabelWarning(const QString& /*line*/) {}
    // A label's first problem: subject is what its lines name it by ("Record 7", "Label 3").
    virtual void WarnedLabel(const QString& /*subject*/) {}
};
