#include "app/UnsavedChanges.h"

#include "app/LabelRecords.h"
#include "ui/Prompter.h"

UnsavedChanges::UnsavedChanges(LabelRecords& records, std::function<QString()> description)
    : records_(records), description_(std::move(description)) {}

bool UnsavedChanges::Resolve() {
    if (records_.FirstActivation() || !records_.Changed())
        return true;
    switch (AskSaveChanges(description_())) {
    case SaveChoice::Save:
        records_.SaveButtonClick();
        // A refused save (no description, a duplicate name) has shown why and keeps the label.
        return !records_.Changed();
    case SaveChoice::Discard:
        records_.CancelButtonClick();
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}
