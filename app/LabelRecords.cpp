#include "app/LabelRecords.h"

#include "app/TSelectLabel.h"
#include "app/TZendorMain.h"
#include "controls/TCanvasPanel.h"
#include "document/ChosenPositions.h"
#include "document/ConversionError.h"
#include "document/LabelItems.h"
#include "document/Units.h"
#include "storage/LabelRecordStore.h"
#include "storage/TemplateTable.h"
#include "ui/Prompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString Untitled = QStringLiteral("{untitled label}");

// The hourglass while a long command runs, restored however the command ends.
class WaitCursorScope {
public:
    WaitCursorScope() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursorScope() { QApplication::restoreOverrideCursor(); }
};

// While alive, record-pointer moves made by the program do not reload the designer.
class SuppressReloadScope {
public:
    explicit SuppressReloadScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~SuppressReloadScope() { flag_ = saved_; }

private:
    bool& flag_;
    bool saved_;
};
} // namespace

LabelRecords::LabelRecords(TZendorMain& window, LabelItems& items)
    : window_(window), items_(items) {}

LabelRecords::~LabelRecords() = default;

bool LabelRecords::OpenLabelTable(const QString& directory) {
    SuppressReloadScope suppress(SuppressReload);
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

bool LabelRecords::Changed() const {
    return !window_.SaveButton->isHidden();
}

void LabelRecords::UpdateScreenStatus() {
    window_.UpdateScreenStatus({Empty(), NewLabelFlag, Changed()});
}

void LabelRecords::TriggerChange() {
    if (FirstActivation || Loading)
        return;
    window_.SaveButton->show();
    window_.CancelButton->show();
    UpdateScreenStatus();
}

void LabelRecords::ShutOffSaveButtons() {
    window_.SaveButton->hide();
    window_.CancelButton->hide();
}

void LabelRecords::FitPanelToLabel() {
    const SheetGeometry& g = Label.geometry;
    window_.LabelPanel->resize(InchesToPixels(g.labelWidth), InchesToPixels(g.labelHeight));
    if (g.labelShape == QLatin1String("RR"))
        window_.LabelPanel->setShape(TLabelShapeType::lsRoundRect);
    else if (g.labelShape == QLatin1String("SR"))
        window_.LabelPanel->setShape(TLabelShapeType::lsRectangle);
    else if (g.labelShape == QLatin1String("RE"))
        window_.LabelPanel->setShape(TLabelShapeType::lsEllipse);
    window_.FitScrollArea();
}

void LabelRecords::LoadFromLabelFile() {
    Loading = true;
    QCoreApplication::processEvents();
    const LabelRecordStore store(*table_);
    Label = store.Read();
    window_.Descript->setText(Label.description);
    FitPanelToLabel();
    window_.ObjectsHolder->setPlainText(store.ReadObjects());
    items_.DeleteAllItems();
    try {
        window_.REstoreItems();
    } catch (const ConversionError& error) {
        window_.DetachControl();
        Loading = false;
        ShowRuntimeError(error.message() +
                         QStringLiteral("\n\nThis label was only partly loaded: the items after "
                                        "the faulty value are not shown. Saving it now would "
                                        "drop them from the stored label."));
        return;
    }
    window_.DetachControl();
    Loading = false;
}

void LabelRecords::SaveToLabelFile() {
    const QString objectsText = window_.SaveItems();
    LabelRecordStore store(*table_);
    SuppressReloadScope suppress(SuppressReload);
    store.Write(Label, objectsText, NewLabelFlag);
}

bool LabelRecords::DescriptionIsDuplicate() {
    SuppressReloadScope suppress(SuppressReload);
    const quint32 own = NewLabelFlag ? 0 : table_->RecNo();
    return LabelRecordStore(*table_).IsDuplicate(Label.description, own);
}

void LabelRecords::SaveButtonClick() {
    Label.description = window_.Descript->text().left(60);
    if (Label.description.isEmpty()) {
        ShowInformation(QStringLiteral("Need a description please"));
        return;
    }
    if (DescriptionIsDuplicate()) {
        ShowInformation(
            QStringLiteral("A label with this name already exists.\rPlease change the name"));
        window_.Descript->setFocus();
        return;
    }
    // A failed write leaves the buttons and the new-label flag as they were, so the
    // design is not mistaken for a stored one.
    SaveToLabelFile();
    ShutOffSaveButtons();
    NewLabelFlag = false;
    UpdateScreenStatus();
}

void LabelRecords::CancelButtonClick() {
    const int across = Label.geometry.labelsAcross;
    const int down = Label.geometry.labelsDown;
    if (!Empty()) {
        SuppressReloadScope suppress(SuppressReload);
        LoadFromLabelFile();
    }
    NewLabelFlag = false;
    ShutOffSaveButtons();
    if (Empty()) {
        items_.DeleteAllItems();
        window_.Descript->clear();
    }
    // Positions chosen for a layout that Cancel has just undone would mark other places.
    if (Label.geometry.labelsAcross != across || Label.geometry.labelsDown != down)
        ProgramChosenPositions().clear();
    UpdateScreenStatus();
}

void LabelRecords::AnotherLabelBecameCurrent() {
    ProgramChosenPositions().clear();
}

void LabelRecords::SelectLabel() {
    if (Empty())
        return;
    const quint32 remembered = table_->RecNo();
    {
        SuppressReloadScope suppress(SuppressReload);
        TSelectLabel dialog(*table_, &window_);
        if (Prompter::Current().RunDialog(dialog) == QDialog::Accepted) {
            LoadFromLabelFile();
            NewLabelFlag = false;
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
        NewLabelFlag = true;
        window_.Descript->setText(Untitled);
        TriggerChange();
        AnotherLabelBecameCurrent();
    }
    UpdateScreenStatus();
}

void LabelRecords::CloneLabel() {
    if (!Empty() && AskYesNo(QStringLiteral("Clone the current label?"), QStringLiteral("Clone"))) {
        NewLabelFlag = true;
        window_.Descript->setText(QStringLiteral("Clone of ") + window_.Descript->text());
        TriggerChange();
    }
    UpdateScreenStatus();
}

void LabelRecords::DeleteLabel() {
    if (!Empty() && AskYesNoDefaultNo(QStringLiteral("Delete entire label?"),
                                      QStringLiteral("Delete Entire Label"))) {
        {
            SuppressReloadScope suppress(SuppressReload);
            table_->Delete();
            table_->First();
        }
        AnotherLabelBecameCurrent();
        if (Empty()) {
            items_.DeleteAllItems();
            window_.Descript->clear();
        } else {
            LoadFromLabelFile();
        }
    }
    UpdateScreenStatus();
}

void LabelRecords::RebuildIndexes(const QString& directory) {
    QString templateMessage;
    {
        SuppressReloadScope suppress(SuppressReload);
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
    if (SuppressReload || StartUp || !table_ || !table_->IsBrowsing() || table_->Eof())
        return;
    LoadFromLabelFile();
}
