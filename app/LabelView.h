#pragma once

#include <QString>

class QWidget;
struct SheetGeometry;

// What the current label's life needs of the main window: the description box, the Save
// and Cancel buttons, the design panel and the screen status. The main window implements it;
// the label itself lives in the label model, its record's state in LabelRecords.
class LabelView {
public:
    // What the screen status depends on.
    struct ScreenState {
        bool empty = true;    // the label table has no current record
        bool isNew = false;   // the design on screen is not stored yet
        bool changed = false; // the label has unsaved changes
    };

    virtual ~LabelView() = default;

    virtual void FocusDescription() = 0;
    // Shows or hides the Save and Cancel buttons.
    virtual void ShowSaveButtons(bool shown) = 0;
    // Sizes the design panel to the label (whole pixels) and gives it the label's shape.
    virtual void FitPanel(const SheetGeometry& geometry) = 0;
    // Clears the selection on the design panel.
    virtual void DetachControl() = 0;
    // Shows and enables the panel, tools and commands to match the label's state.
    virtual void UpdateScreenStatus(const ScreenState& state) = 0;
    // The window the label chooser is parented to.
    virtual QWidget* DialogParent() = 0;
};
