#include "merge/MergeCommands.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QSet>

#include "document/MergeFields.h"
#include "merge/MergeSource.h"
#include "merge/MergeSourceAddress.h"
#include "merge/MergeSourceError.h"
#include "merge/MergeSourceMemory.h"
#include "merge/MergedLabel.h"
#include "merge/TMergeSourceDialog.h"
#include "ui/Prompter.h"

namespace {

// A file kept for a later run is kept with its whole path.
QString Absolute(const QString& text) {
    MergeSourceAddress address = MergeSourceAddress::Parse(text);
    if (!address.IsDatabase())
        address.fileName = QFileInfo(address.fileName).absoluteFilePath();
    return address.ToText();
}

} // namespace

MergeCommands::MergeCommands(const MergedLabel& label, const MergeSourceMemory* memory)
    : label_(label), memory_(memory) {}

MergeCommands::~MergeCommands() = default;

QString MergeCommands::ReadMemory(const QString& description) const {
    return memory_ ? memory_->ReadMergeSource(description) : QString();
}

QString MergeCommands::CurrentFileName() const {
    const QString description = label_.MergedLabelDescription();
    const QString key = Key(description);
    if (chosen_.contains(key))
        return chosen_.value(key);
    return ReadMemory(description);
}

void MergeCommands::ChooseCurrentSource(const QString& fileName) {
    chosen_.insert(Key(label_.MergedLabelDescription()), fileName);
    open_.reset();
}

MergeSource* MergeCommands::CurrentSource() {
    const QString fileName = CurrentFileName();
    if (fileName.isEmpty())
        return nullptr;
    if (!open_ || openName_ != fileName) {
        open_.reset();
        openName_ = fileName;
        open_ = MergeSourceAddress::Parse(fileName).Open(&passwords_);
    }
    return open_.get();
}

QStringList MergeCommands::CurrentFieldNames() {
    try {
        MergeSource* source = CurrentSource();
        return source ? source->FieldNames() : QStringList();
    } catch (const MergeSourceError&) {
        return {};
    }
}

TextMarker MergeCommands::MissingFieldMarker() {
    QSet<QString> keys;
    try {
        const MergeSource* source = CurrentSource();
        if (!source)
            return {};
        for (const QString& name : source->FieldNames())
            keys.insert(MergeSource::FieldKey(name));
    } catch (const MergeSourceError&) {
        return {};
    }
    const auto known = [keys](const QString& name) {
        return keys.contains(MergeSource::FieldKey(name));
    };
    return [known](const QString& text) { return MissingFieldRuns(text, known); };
}

MergeRun::Range MergeCommands::RecordRange() const {
    return ranges_.value(Key(label_.MergedLabelDescription()));
}

void MergeCommands::mnuMergeClick() {
    const QString description = label_.MergedLabelDescription();
    TMergeSourceDialog dialog(Prompter::MainWindow(), &passwords_);
    const QString current = CurrentFileName();
    if (!current.isEmpty())
        dialog.ShowSource(current);
    else
        dialog.ChooseButtonClick();
    dialog.SetRange(ranges_.value(Key(description)));
    dialog.RememberBox->setChecked(!ReadMemory(description).isEmpty());
    if (Prompter::Current().RunDialog(dialog) != QDialog::Accepted)
        return;
    chosen_.insert(Key(description), dialog.FileName());
    ranges_.insert(Key(description), dialog.FileName().isEmpty() ? MergeRun::Range{} : dialog.Range());
    open_.reset(); // a file chosen again is read afresh
    // Unticking the box, or choosing no merge, forgets what QV.INI kept for the label.
    const bool keep = dialog.RememberBox->isChecked() && !dialog.FileName().isEmpty();
    if (memory_)
        memory_->WriteMergeSource(description, keep ? Absolute(dialog.FileName()) : QString());
}
