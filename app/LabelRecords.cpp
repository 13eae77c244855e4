#include "app/LabelRecords.h"

#include "app/LabelView.h"
#include "app/TSelectLabel.h"
#include "document/ChosenPositions.h"
#include "document/ConversionError.h"
#include "document/JournalEntry.h"
#include "designer/LabelItems.h"
#include "storage/LabelRecordStore.h"
#include "storage/TemplateTable.h"
#include "ui/CommandBoundary.h"
#include "ui/Prompter.h"

#include <QApplication>

#include <exception>

namespace {
const QString Untitled = QStringLiteral("{untitled label}");

// The hourglass while a long command runs, restored however the command ends.
class WaitCursorScope {
public:
    WaitCursorScope() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursorScope() { QApplication::restoreOverrideCursor(); }
};

const QString NoLabelMessage =
    QStringLiteral("There is no label to save yet. Start one with New Label.");
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

LabelRecords::LabelRecords(LabelView& view, LabelItems& items) : view_(view), items_(items) {}

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
    view_.FitPanel(Label.geometry);
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
        Label = store.Read();
        view_.SetDescriptionText(Label.description);
        FitPanelToLabel();
        const QString objectsText = store.ReadObjects();
        items_.DeleteAllItems();
        view_.RestoreItemsFrom(objectsText);
    } catch (const ConversionError& error) {
        failure = error.message() +
                  QStringLiteral("\n\nThis label was only partly loaded: the items after the "
                                 "faulty value are not shown. Saving it now would drop them "
                                 "from the stored label.");
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    }
    view_.DetachControl();
    return failure;
}

void LabelRecords::SaveToLabelFile() {
    const QString objectsText = view_.SaveItems();
    LabelRecordStore store(*table_);
    SuppressReloadScope suppress(*this);
    store.Write(Label, objectsText, newLabel_);
}

bool LabelRecords::DescriptionIsDuplicate() {
    SuppressReloadScope suppress(*this);
    const quint32 own = newLabel_ ? 0 : table_->RecNo();
    return LabelRecordStore(*table_).IsDuplicate(Label.description, own);
}

void LabelRecords::SaveButtonClick() {
    if (!HasLabel()) {
        ShowInformation(NoLabelMessage);
        return;
    }
    Label.description = view_.DescriptionText().left(LabelTable::DescriptionWidth);
    // A description of blanks only would be stored blank: it counts as none.
    if (Label.description.trimmed().isEmpty()) {
        ShowInformation(QStringLiteral("Need a description please"));
        return;
    }
    if (DescriptionIsDuplicate()) {
        ShowInformation(
            QStringLiteral("A label with this name already exists.\rPlease change the name"));
        view_.FocusDescription();
        return;
    }
    // A failed write leaves the buttons and the new-label flag as they were, so the
    // design is not mistaken for a stored one.
    SaveToLabelFile();
    ShutOffSaveButtons();
    newLabel_ = false;
    if (Saved)
        Saved();
    UpdateScreenStatus();
}

void LabelRecords::CancelButtonClick() {
    const SheetGeometry before = Label.geometry;
    if (!Empty()) {
        SuppressReloadScope suppress(*this);
        LoadFromLabelFile();
    }
    newLabel_ = false;
    ShutOffSaveButtons();
    if (Empty())
        ShowNoLabel();
    // Positions chosen for a layout that Cancel has just undone would mark other places.
    ForgetPositionsIfLayoutChanged(before, Label.geometry);
    UpdateScreenStatus();
}

// With no stored label left the panel shows nothing, and no template remains applied.
void LabelRecords::ShowNoLabel() {
    items_.DeleteAllItems();
    view_.SetDescriptionText(QString());
    Label = CurrentLabel();
    anotherLabelShown();
}

void LabelRecords::AnotherLabelBecameCurrent() {
    ProgramChosenPositions().clear();
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
        items_.DeleteAllItems();
        newLabel_ = true;
        view_.SetDescriptionText(Untitled);
        TriggerChange();
        AnotherLabelBecameCurrent();
        anotherLabelShown();
    }
    UpdateScreenStatus();
}

void LabelRecords::CloneLabel() {
    if (!Empty() && AskYesNo(QStringLiteral("Clone the current label?"), QStringLiteral("Clone"))) {
        newLabel_ = true;
        view_.SetDescriptionText(QStringLiteral("Clone of ") + view_.DescriptionText());
        TriggerChange();
        // The clone is a label of its own: its history starts here.
        anotherLabelShown();
    }
    UpdateScreenStatus();
}

void LabelRecords::DeleteLabel() {
    if (!Empty() && AskYesNoDefaultNo(QStringLiteral("Delete entire label?"),
                                      QStringLiteral("Delete Entire Label"))) {
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

void LabelRecords::ConfigureLabel() {
    // Only a stored label without unsaved changes is configured.
    if (Empty() || newLabel_ || changed_)
        return;
    if (AskYesNo(QStringLiteral("This feature allows you to replace your current label "
                                "template with another. Proceed?"),
                 QStringLiteral("Configure")) &&
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
    const bool stored = HoldsLabel(entry.record, entry.storedDescription);
    QString failure;
    {
        LoadingScope loading(*this);
        if (stored) {
            Label.description = entry.storedDescription;
        } else {
            // The stored label is gone: the table stays where start-up left it.
            Label.description = entry.description;
            if (!Empty() && table_->RecNo() == entry.record) {
                SuppressReloadScope suppress(*this);
                table_->First();
            }
        }
        Label.templateName = entry.templateName;
        Label.geometry = entry.geometry;
        view_.SetDescriptionText(entry.description);
        FitPanelToLabel();
        items_.DeleteAllItems();
        try {
            view_.RestoreItemsFrom(entry.objectsText);
        } catch (const ConversionError& error) {
            failure = error.message();
        }
        view_.DetachControl();
    }
    newLabel_ = !stored;
    AnotherLabelBecameCurrent();
    anotherLabelShown();
    SetChanged(true);
    UpdateScreenStatus();
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
    ShowInformation(QStringLiteral("Complete!"));
    UpdateScreenStatus();
}

void LabelRecords::LabelDataSourceDataChange() {
    if (suppressReload_ || startUp_ || !table_ || !table_->IsBrowsing() || table_->Eof())
        return;
    LoadFromLabelFile();
}
