#include "app/LabelRecords.h"

#include "app/LabelView.h"
#include "app/TSelectLabel.h"
#include "designer/LabelItems.h"
#include "document/ConversionError.h"
#include "document/JournalEntry.h"
#include "document/LabelModel.h"
#include "storage/LabelRecordStore.h"
#include "storage/TableErrorText.h"
#include "storage/TemplateTable.h"
#include "ui/CommandBoundary.h"
#include "ui/Prompter.h"

#include <QApplication>

#include <QCoreApplication>
#include <exception>

namespace {
QString Untitled() {
    return QCoreApplication::translate("LabelRecords", "{untitled label}");
}

// The hourglass while a long command runs, restored however the command ends.
class WaitCursorScope {
public:
    WaitCursorScope() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursorScope() { QApplication::restoreOverrideCursor(); }
};

QString NoLabelMessage() {
    return QCoreApplication::translate("LabelRecords",
                                       "There is no label to save yet. Start one with New Label.");
}
} // namespace

LabelRecords::SuppressReloadScope::SuppressReloadScope(LabelRecords& records)
    : flag_(records.suppressReload_), saved_(records.suppressReload_) {
    flag_ = true;
}

LabelRecords::SuppressReloadScope::~SuppressReloadScope() {
    flag_ = saved_;
}

LabelRecords::LoadingScope::LoadingScope(LabelRecords& records)
    : flag_(records.loading_), saved_(records.loading_) {
    flag_ = true;
}

LabelRecords::LoadingScope::~LoadingScope() {
    flag_ = saved_;
}

LabelRecords::LabelRecords(LabelView& view, LabelModel& model) : view_(view), model_(model) {}

CurrentLabel LabelRecords::Label() const {
    const LabelDesign& design = model_.Design();
    return {storedDescription_, design.templateName, design.geometry};
}

LabelRecords::~LabelRecords() = default;

bool LabelRecords::OpenLabelTable(const QString& directory) {
    SuppressReloadScope suppress(*this);
    QString message;
    table_ = LabelTable::Open(directory, message);
    if (!table_) {
        ShowInformation(message);
        return false;
    }
    table_->SetOnChange([this](dbf::Change) { LabelDataSourceDataChange(); });
    return true;
}

void LabelRecords::CloseLabelTable() {
    if (table_)
        table_->SetOnChange({});
    table_.reset();
}

bool LabelRecords::Empty() const {
    return !table_ || table_->Eof();
}

void LabelRecords::FirstActivate(int lastUse) {
    RunCommand([&] {
        LabelTable& table = *table_;
        if (table.Eof())
            return;
        if (lastUse > 0) {
            SuppressReloadScope suppress(*this);
            try {
                table.Go(quint32(lastUse));
                if (table.Eof() || table.IsDeleted())
                    table.First();
            } catch (...) {
                table.First();
            }
        }
        startUp_ = false;
        LoadFromLabelFile();
    });
    startUp_ = false;
    newLabel_ = false;
    firstActivation_ = false;
    UpdateScreenStatus();
}

void LabelRecords::UpdateScreenStatus() {
    view_.UpdateScreenStatus({Empty(), newLabel_, changed_});
}

void LabelRecords::SetChanged(bool changed) {
    changed_ = changed;
    view_.ShowSaveButtons(changed);
}

bool LabelRecords::TriggerChange() {
    // Before a template was applied there is no label whose change could be saved.
    if (firstActivation_ || loading_ || !HasLabel())
        return false;
    SetChanged(true);
    UpdateScreenStatus();
    return true;
}

void LabelRecords::ShowCleanState(bool clean) {
    if (firstActivation_ || !HasLabel())
        return;
    SetChanged(newLabel_ || !clean);
    UpdateScreenStatus();
}

void LabelRecords::anotherLabelShown() {
    if (AnotherLabelShown)
        AnotherLabelShown();
}

void LabelRecords::ShutOffSaveButtons() {
    SetChanged(false);
}

void LabelRecords::FitPanelToLabel() {
    view_.FitPanel(model_.Design().geometry);
}

void LabelRecords::LoadFromLabelFile() {
    const QString failure = ReadCurrentRecord();
    anotherLabelShown();
    // The user may edit and save what was loaded.
    if (!failure.isEmpty())
        ShowRuntimeError(failure);
}

QString LabelRecords::ReadCurrentRecord() {
    LoadingScope loading(*this);
    QString failure;
    try {
        QCoreApplication::processEvents();
        const LabelRecordStore store(*table_);
        const CurrentLabel stored = store.Read();
        storedDescription_ = stored.description;
        LabelDesign design;
        design.description = stored.description;
        design.templateName = stored.templateName;
        design.geometry = stored.geometry;
        // A memo that cannot be read shows the label without items, never with the items of
        // the label shown before.
        QString objectsText;
        std::exception_ptr unreadable;
        try {
            objectsText = store.ReadObjects();
        } catch (const std::exception&) {
            unreadable = std::current_exception();
        }
        const LabelDesign::ItemsRead read = design.REstoreItems(objectsText);
        model_.Load(design);
        // Another label is seen from its top left corner, whatever its size.
        FitPanelToLabel();
        if (unreadable)
            std::rethrow_exception(unreadable);
        if (read.dropped > 0)
            ShowInformation(LabelItems::TooManyItemsMessage());
        if (read.error)
            throw *read.error;
    } catch (const ConversionError& error) {
        failure = error.message() +
                  QCoreApplication::translate(
                      "LabelRecords", "\n\nThis label was only partly loaded: the items after the "
                                      "faulty value are not shown. Saving it now would drop them "
                                      "from the stored label.");
    } catch (const std::exception& error) {
        failure = TableErrorText::Of(error);
    }
    view_.DetachControl();
    return failure;
}

void LabelRecords::SaveToLabelFile() {
    const LabelDesign& design = model_.Design();
    LabelRecordStore store(*table_);
    SuppressReloadScope suppress(*this);
    store.Write({storedDescription_, design.templateName, design.geometry}, design.SaveItems(),
                newLabel_);
}

bool LabelRecords::DescriptionIsDuplicate() {
    SuppressReloadScope suppress(*this);
    const quint32 own = newLabel_ ? 0 : table_->RecNo();
    return LabelRecordStore(*table_).IsDuplicate(storedDescription_, own);
}

void LabelRecords::SaveButtonClick() {
    if (!HasLabel()) {
        ShowInformation(NoLabelMessage());
        return;
    }
    storedDescription_ = model_.Design().description.left(LabelTable::DescriptionWidth);
    // A description of blanks only would be stored blank: it counts as none.
    if (storedDescription_.trimmed().isEmpty()) {
        ShowInformation(QCoreApplication::translate("LabelRecords", "Need a description please"));
        return;
    }
    if (DescriptionIsDuplicate()) {
        ShowInformation(QCoreApplication::translate(
            "LabelRecords", "A label with this name already exists.\rPlease change the name"));
        view_.FocusDescription();
        return;
    }
    // A failed write leaves the buttons and the new-label flag as they were, so the
    // design is not mistaken for a stored one.
    SaveToLabelFile();
    newLabel_ = false;
    // Those who follow a save (the label last used, the undo history) hear of it before the
    // buttons go: with them goes the recovery journal, and a kill in between must find the
    // stored label named as the one last used.
    if (Saved)
        Saved();
    ShutOffSaveButtons();
    UpdateScreenStatus();
}

// Positions chosen for a layout that Cancel undoes are forgotten by the model.
void LabelRecords::CancelButtonClick() {
    if (!Empty()) {
        SuppressReloadScope suppress(*this);
        LoadFromLabelFile();
    }
    newLabel_ = false;
    ShutOffSaveButtons();
    if (Empty())
        ShowNoLabel();
    UpdateScreenStatus();
}

// With no stored label left the panel shows nothing, and no template remains applied.
void LabelRecords::ShowNoLabel() {
    storedDescription_.clear();
    model_.Load(LabelDesign());
    anotherLabelShown();
}

void LabelRecords::AnotherLabelBecameCurrent() {
    model_.Positions().clear();
}

void LabelRecords::SelectLabel() {
    if (Empty())
        return;
    const quint32 remembered = table_->RecNo();
    {
        SuppressReloadScope suppress(*this);
        TSelectLabel dialog(*table_, view_.DialogParent());
        if (Prompter::Current().RunDialog(dialog) == QDialog::Accepted) {
            LoadFromLabelFile();
            newLabel_ = false;
        } else if (remembered > 0) {
            table_->Go(remembered);
        }
    }
    AnotherLabelBecameCurrent();
    UpdateScreenStatus();
}

void LabelRecords::NewLabel() {
    if (LoadTemplate && LoadTemplate()) {
        LabelDesign design;
        design.description = Untitled();
        design.templateName = model_.Design().templateName;
        design.geometry = model_.Design().geometry;
        model_.Load(design);
        newLabel_ = true;
        TriggerChange();
        AnotherLabelBecameCurrent();
        anotherLabelShown();
    }
    UpdateScreenStatus();
}

void LabelRecords::CloneLabel() {
    if (!Empty() &&
        AskYesNo(QCoreApplication::translate("LabelRecords", "Clone the current label?"),
                 QCoreApplication::translate("LabelRecords", "Clone"))) {
        newLabel_ = true;
        model_.SetDescription(QCoreApplication::translate("LabelRecords", "Clone of ") +
                              model_.Design().description);
        TriggerChange();
        // The clone is a label of its own: its history starts here.
        anotherLabelShown();
    }
    UpdateScreenStatus();
}

void LabelRecords::DeleteLabel() {
    if (!Empty() &&
        AskYesNoDefaultNo(QCoreApplication::translate("LabelRecords", "Delete entire label?"),
                          QCoreApplication::translate("LabelRecords", "Delete Entire Label"))) {
        {
            SuppressReloadScope suppress(*this);
            table_->Delete();
            table_->First();
        }
        AnotherLabelBecameCurrent();
        if (Empty()) {
            ShowNoLabel();
        } else {
            LoadFromLabelFile();
        }
    }
    UpdateScreenStatus();
}

void LabelRecords::ShowStoredLabel(quint32 record) {
    {
        SuppressReloadScope suppress(*this);
        table_->Go(record);
    }
    newLabel_ = false;
    ShutOffSaveButtons();
    AnotherLabelBecameCurrent();
    LoadFromLabelFile();
    UpdateScreenStatus();
}

void LabelRecords::ConfigureLabel() {
    // Only a stored label without unsaved changes is configured.
    if (Empty() || newLabel_ || changed_)
        return;
    if (AskYesNo(QCoreApplication::translate(
                     "LabelRecords", "This feature allows you to replace your current label "
                                     "template with another. Proceed?"),
                 QCoreApplication::translate("LabelRecords", "Configure")) &&
        LoadTemplate)
        LoadTemplate();
    UpdateScreenStatus();
}

bool LabelRecords::HoldsLabel(quint32 record, const QString& storedDescription) {
    if (record == 0 || !table_)
        return false;
    SuppressReloadScope suppress(*this);
    try {
        table_->Go(record);
        return !table_->Eof() && !table_->IsDeleted() &&
               LabelRecordStore(*table_).Read().description.trimmed() ==
                   storedDescription.trimmed();
    } catch (const std::exception&) {
        return false;
    }
}

void LabelRecords::ShowRecovered(const JournalEntry& entry) {
    // The record still holds the label as it was loaded, or as the save under way when the
    // run ended wrote it (the journal goes only after the record is written).
    const bool asLoaded = HoldsLabel(entry.record, entry.storedDescription);
    const bool asSaved = !asLoaded && HoldsLabel(entry.record, entry.description);
    const bool stored = asLoaded || asSaved;
    QString failure;
    int dropped = 0;
    {
        LoadingScope loading(*this);
        if (stored) {
            storedDescription_ = asLoaded ? entry.storedDescription : entry.description;
        } else {
            // The stored label is gone: the table stays where start-up left it.
            storedDescription_ = entry.description;
            if (!Empty() && table_->RecNo() == entry.record) {
                SuppressReloadScope suppress(*this);
                table_->First();
            }
        }
        LabelDesign design;
        design.description = entry.description;
        design.templateName = entry.templateName;
        design.geometry = entry.geometry;
        const LabelDesign::ItemsRead read = design.REstoreItems(entry.objectsText);
        model_.Load(design);
        FitPanelToLabel();
        dropped = read.dropped;
        if (read.error)
            failure = read.error->message();
        view_.DetachControl();
    }
    newLabel_ = !stored;
    AnotherLabelBecameCurrent();
    anotherLabelShown();
    SetChanged(true);
    UpdateScreenStatus();
    if (dropped > 0)
        ShowInformation(LabelItems::TooManyItemsMessage());
    if (!failure.isEmpty())
        ShowRuntimeError(failure);
}

void LabelRecords::RebuildIndexes(const QString& directory) {
    QString templateMessage;
    {
        SuppressReloadScope suppress(*this);
        WaitCursorScope hourglass;
        table_->RebuildIndexes();
        TemplateTable::RebuildIndexes(directory, templateMessage);
    }
    if (!templateMessage.isEmpty())
        ShowInformation(templateMessage);
    ShowInformation(QCoreApplication::translate("LabelRecords", "Complete!"));
    UpdateScreenStatus();
}

void LabelRecords::LabelDataSourceDataChange() {
    if (suppressReload_ || startUp_ || !table_ || !table_->IsBrowsing() || table_->Eof())
        return;
    LoadFromLabelFile();
}
