#include "printing/MergeCommands.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QSet>

#include "document/MergeFields.h"
#include "printing/TMergeSourceDialog.h"
#include "storage/MergeSource.h"
#include "storage/MergeSourceError.h"
#include "ui/Prompter.h"

MergeCommands::MergeCommands(std::function<QString()> currentDescription, Memory memory)
    : currentDescription_(std::move(currentDescription)), memory_(std::move(memory)) {}

MergeCommands::~MergeCommands() = default;

QString MergeCommands::CurrentFileName() const {
    const QString key = Key(currentDescription_());
    if (chosen_.contains(key))
        return chosen_.value(key);
    return memory_.Read ? memory_.Read(currentDescription_()) : QString();
}

MergeSource* MergeCommands::CurrentSource() {
    const QString fileName = CurrentFileName();
    if (fileName.isEmpty())
        return nullptr;
    if (!open_ || openName_ != fileName) {
        open_.reset();
        openName_ = fileName;
        open_ = MergeSource::Open(fileName);
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

void MergeCommands::mnuMergeClick() {
    const QString description = currentDescription_();
    TMergeSourceDialog dialog(Prompter::MainWindow());
    const QString current = CurrentFileName();
    if (!current.isEmpty())
        dialog.ShowSource(current);
    else
        dialog.ChooseButtonClick();
    dialog.RememberBox->setChecked(memory_.Read && !memory_.Read(description).isEmpty());
    if (Prompter::Current().RunDialog(dialog) != QDialog::Accepted)
        return;
    chosen_.insert(Key(description), dialog.FileName());
    open_.reset(); // a file chosen again is read afresh
    // Unticking the box, or choosing no merge, forgets what QV.INI kept for the label.
    const bool keep = dialog.RememberBox->isChecked() && !dialog.FileName().isEmpty();
    if (memory_.Write)
        memory_.Write(description,
                      keep ? QFileInfo(dialog.FileName()).absoluteFilePath() : QString());
}
