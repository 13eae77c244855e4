#pragma once

#include <QString>

#include <functional>

class LabelRecords;

// The question asked before a command would leave the label on screen with changes not
// saved (Exit, Select Label, New Label): Save changes to "<description>"? Save stores the
// label exactly as the Save button does, so a missing or duplicate description stops it with
// the same message; Discard goes back to the label as last saved; Cancel keeps everything.
class UnsavedChanges {
public:
    // description gives the description as the box shows it now.
    UnsavedChanges(LabelRecords& records, std::function<QString()> description);

    // True when the command may go on: nothing was unsaved, the label was saved, or the user
    // chose to discard the changes. A save that failed or was refused returns false with the
    // changes still on screen; an engine error is thrown as the Save button throws it.
    bool Resolve();

private:
    LabelRecords& records_;
    std::function<QString()> description_;
};
