#pragma once

#include "document/SheetGeometry.h"
#include "storage/LabelTable.h"

#include <QString>

#include <functional>
#include <memory>

struct JournalEntry;
class LabelModel;
class LabelView;

// The life of the current label: loading the label table's current record into the label
// model, marking changes, saving the model with the duplicate-name test, cancelling,
// choosing, starting, cloning and deleting labels, and rebuilding the indexes. It owns the
// label's state (changed, new, loading, start-up) and shows it through the main window's
// LabelView.
class LabelRecords {
public:
    LabelRecords(LabelView& view, LabelModel& model);
    ~LabelRecords();

    // While alive, record-pointer moves made by the program do not reload the designer.
    class SuppressReloadScope {
    public:
        explicit SuppressReloadScope(LabelRecords& records);
        ~SuppressReloadScope();
        SuppressReloadScope(const SuppressReloadScope&) = delete;
        SuppressReloadScope& operator=(const SuppressReloadScope&) = delete;

    private:
        bool& flag_;
        bool saved_;
    };

    // While alive, a record is being loaded (or the design restored): nothing marks the
    // label changed.
    class LoadingScope {
    public:
        explicit LoadingScope(LabelRecords& records);
        ~LoadingScope();
        LoadingScope(const LoadingScope&) = delete;
        LoadingScope& operator=(const LoadingScope&) = delete;

    private:
        bool& flag_;
        bool saved_;
    };

    // The label as stored: the description of the record last loaded or saved, and the
    // design's template and geometry.
    CurrentLabel Label() const;

    // Called once another label is on the panel (loaded, started, cloned, or none left), and
    // after the label was saved; the undo history starts afresh or marks its clean point.
    std::function<void()> AnotherLabelShown;
    std::function<void()> Saved;

    // Chooses a template and applies it to the label; true when one was applied.
    std::function<bool()> LoadTemplate;

    // Opens (creating when missing) the label table of the data directory; on failure the
    // message is shown and false returned.
    bool OpenLabelTable(const QString& directory);
    LabelTable* Table() const { return table_.get(); }
    void CloseLabelTable();
    // The first activation's load: the label stored as record lastUse, or the first label in
    // description order when that one is gone. Ends start-up whatever happens.
    void FirstActivate(int lastUse);

    bool FirstActivation() const { return firstActivation_; } // until FirstActivate has run
    bool IsNew() const { return newLabel_; }  // the design on screen is not stored yet
    bool Loading() const { return loading_; } // a record is being loaded
    bool Changed() const { return changed_; } // Save and Cancel are showing
    bool Empty() const;                       // no current record
    // A label is on the panel: a stored one, or a new one whose template was applied.
    bool HasLabel() const { return !Empty() || newLabel_; }
    void UpdateScreenStatus();

    // True when the label was marked changed (not while loading or before start-up ended).
    bool TriggerChange();
    // The design went back to (clean) or away from the state last saved or loaded: Save and
    // Cancel show unless it is that state; a label not stored yet always shows them.
    void ShowCleanState(bool clean);
    void ShutOffSaveButtons();
    // Copies the current record into the label model. Any failure (a malformed stored number,
    // a damaged memo) ends the load with its message shown; the items read before a malformed
    // number stay (a memo that cannot be read leaves none) and every flag is restored.
    void LoadFromLabelFile();
    // Writes the label as the model holds it; an engine error is thrown with the record's
    // append or edit cancelled.
    void SaveToLabelFile();
    // Sizes the design panel to the label and gives it the label's shape.
    void FitPanelToLabel();

    void SaveButtonClick();
    void CancelButtonClick();
    void SelectLabel();
    void NewLabel();
    void CloneLabel();
    void DeleteLabel();
    void ConfigureLabel();
    // Shows a label recovered from the journal after start-up, marked unsaved: on the stored
    // record it was made from when that record still holds the same label, else as a new label
    // on its template.
    void ShowRecovered(const JournalEntry& entry);
    // Makes the stored label of record current and shows it (a label just imported).
    void ShowStoredLabel(quint32 record);
    void RebuildIndexes(const QString& directory);
    // The label table's record-change notification.
    void LabelDataSourceDataChange();
    // Whether the label's description names another stored label.
    bool DescriptionIsDuplicate();

private:
    void AnotherLabelBecameCurrent();
    // Whether record is still the stored label of that description.
    bool HoldsLabel(quint32 record, const QString& storedDescription);
    void SetChanged(bool changed);
    void ShowNoLabel();
    void anotherLabelShown();
    // The load itself, under the loading flag; returns the failure's message, if any.
    QString ReadCurrentRecord();

    LabelView& view_;
    LabelModel& model_;
    QString storedDescription_;
    std::unique_ptr<LabelTable> table_;
    bool firstActivation_ = true;
    bool startUp_ = true;
    bool newLabel_ = false;
    bool suppressReload_ = false;
    bool loading_ = false;
    bool changed_ = false;
};
