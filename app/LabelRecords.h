#pragma once

#include "document/SheetGeometry.h"
#include "storage/LabelTable.h"

#include <QString>

#include <functional>
#include <memory>

class LabelItems;
class TZendorMain;

// The life of the current label: loading the label table's current record into the
// designer, marking changes, saving with the duplicate-name test, cancelling, choosing,
// starting, cloning and deleting labels, and rebuilding the indexes. The main window
// holds one and routes its commands here.
class LabelRecords {
public:
    LabelRecords(TZendorMain& window, LabelItems& items);
    ~LabelRecords();

    // Window state.
    bool FirstActivation = true; // until the first activation has run
    bool StartUp = true;         // until the first label has been loaded
    bool NewLabelFlag = false;   // the design on screen is not stored yet
    bool SuppressReload = false; // the program itself moves the record pointer
    bool Loading = false;        // a record is being loaded
    CurrentLabel Label;

    // Chooses a template and applies it to Label; true when one was applied.
    std::function<bool()> LoadTemplate;

    // Opens (creating when missing) the label table of the data directory; on failure the
    // message is shown and false returned.
    bool OpenLabelTable(const QString& directory);
    LabelTable* Table() const { return table_.get(); }
    void CloseLabelTable();

    bool Empty() const;   // no current record
    bool Changed() const; // Save and Cancel are showing
    void UpdateScreenStatus();

    void TriggerChange();
    void ShutOffSaveButtons();
    // Copies the current record into Label and the designer. A malformed stored number ends
    // the load with a message; the items read so far stay and the flags are restored.
    void LoadFromLabelFile();
    // Writes Label and the items; an engine error is thrown with the record's append or edit
    // cancelled.
    void SaveToLabelFile();
    // Sizes the design panel to the label and gives it the label's shape.
    void FitPanelToLabel();

    void SaveButtonClick();
    void CancelButtonClick();
    void SelectLabel();
    void NewLabel();
    void CloneLabel();
    void DeleteLabel();
    void RebuildIndexes(const QString& directory);
    // The label table's record-change notification.
    void LabelDataSourceDataChange();
    // Whether the description in the edit box names another stored label.
    bool DescriptionIsDuplicate();

private:
    void AnotherLabelBecameCurrent();

    TZendorMain& window_;
    LabelItems& items_;
    std::unique_ptr<LabelTable> table_;
};
