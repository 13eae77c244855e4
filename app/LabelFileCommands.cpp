#include "app/LabelFileCommands.h"

#include "app/LabelRecords.h"
#include "app/LabelView.h"
#include "document/LabelModel.h"
#include "labelfiles/LabelDocument.h"
#include "labelfiles/LabelExport.h"
#include "labelfiles/LabelImport.h"
#include "labelfiles/SheetFinder.h"
#include "merge/MergeCommands.h"
#include "merge/MergeSourceMemory.h"
#include "printing/PrintedLabel.h"
#include "ui/Prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
const QString Extension = QStringLiteral(".qvlabel");

// A file name from a description: characters no file system takes become "_".
QString SuggestedName(const QString& description) {
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    QString name = description.trimmed();
    name.replace(unsafe, QStringLiteral("_"));
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return (name.isEmpty() ? QStringLiteral("label") : name) + Extension;
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}
} // namespace

LabelFileCommands::LabelFileCommands(LabelRecords& records, LabelView& view,
                                     const LabelModel& model, PrintedLabel& label,
                                     MergeCommands& merging, const MergeSourceMemory* memory,
                                     const QString& dataDirectory)
    : records_(records), view_(view), model_(model), label_(label), merging_(merging),
      memory_(memory), dataDirectory_(dataDirectory) {}

void LabelFileCommands::mnuExportLabelClick() {
    if (!records_.HasLabel()) {
        ShowInformation(
            QCoreApplication::translate("LabelFileCommands", "There is no label to export yet."));
        return;
    }
    QString path = GetSaveFileName(
        QCoreApplication::translate("LabelFileCommands", "Export Label"),
        QDir(DocumentsFolder()).filePath(SuggestedName(model_.Design().description)),
        QCoreApplication::translate("LabelFileCommands", "Quorvane labels (*.qvlabel)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(Extension, Qt::CaseInsensitive) && QFileInfo(path).suffix().isEmpty())
        path += Extension;
    ExportTo(path);
}

bool LabelFileCommands::ExportTo(const QString& path) {
    CurrentLabel label = label_.Label();
    label.description = model_.Design().description;
    const LabelExport::Built built =
        LabelExport::Build(label, label_.ObjectsText(), merging_.CurrentFileName());
    if (const QString why = LabelExport::WriteFile(path, built.file.Write()); !why.isEmpty()) {
        ShowInformation(QCoreApplication::translate("LabelFileCommands",
                                                    "The label could not be exported to %1: %2")
                            .arg(path, why));
        return false;
    }
    if (!built.missing.isEmpty())
        ShowInformation(
            QCoreApplication::translate("LabelFileCommands",
                                        "The label was exported to %1 without these pictures, "
                                        "which could not be read:\n\n%2")
                .arg(path, built.missing.join(QLatin1Char('\n'))));
    else
        ShowStatus(QCoreApplication::translate("LabelFileCommands", "Label exported to %1")
                       .arg(QFileInfo(path).fileName()));
    return true;
}

void LabelFileCommands::mnuImportLabelClick() {
    QFileDialog files(view_.DialogParent(),
                      QCoreApplication::translate("LabelFileCommands", "Import Label"));
    files.setObjectName(QStringLiteral("ImportLabelFile"));
    files.setFileMode(QFileDialog::ExistingFile);
    files.setDirectory(DocumentsFolder());
    files.setNameFilters(LabelDocument::NameFilters());
    if (Prompter::Current().RunDialog(files) != QDialog::Accepted ||
        files.selectedFiles().isEmpty())
        return;
    ImportFile(files.selectedFiles().constFirst());
}

bool LabelFileCommands::ImportFile(const QString& path) {
    const auto refuse = [&](const QString& why) {
        ShowInformation(
            QCoreApplication::translate("LabelFileCommands",
                                        "%1 cannot be imported. %2\n\nNothing was changed.")
                .arg(path, why));
        return false;
    };
    LabelTable* table = records_.Table();
    if (!table)
        return refuse(
            QCoreApplication::translate("LabelFileCommands", "The label table is not open."));
    if (records_.Changed())
        return refuse(QCoreApplication::translate(
            "LabelFileCommands", "Save or cancel the changes to the current label first."));
    LabelDocument document = LabelDocument::Open(path);
    if (!document.file)
        return refuse(document.error);
    LabelFile& file = *document.file;
    QStringList notes = document.notCarried;
    if (document.sheet) {
        const SheetFinder::Found found = SheetFinder::FindOrAdd(*document.sheet, dataDirectory_);
        if (!found.error.isEmpty())
            notes << found.error;
        file.label.templateName = found.name;
    }
    LabelImport::Outcome outcome;
    {
        LabelRecords::SuppressReloadScope suppress(records_);
        outcome = LabelImport::Run(file, *table, dataDirectory_);
    }
    if (!outcome.imported)
        return refuse(outcome.error);
    if (memory_ && !file.mergeSource.isEmpty())
        memory_->WriteMergeSource(outcome.description, file.mergeSource);
    records_.ShowStoredLabel(outcome.record);
    if (!notes.isEmpty())
        ShowInformation(
            QCoreApplication::translate("LabelFileCommands",
                                        "%1 was imported as \"%2\". These parts of it could not "
                                        "be carried over:\n\n%3")
                .arg(QFileInfo(path).fileName(), outcome.description,
                     notes.join(QLatin1Char('\n'))));
    else
        ShowStatus(QCoreApplication::translate("LabelFileCommands", "%1 imported as \"%2\"")
                       .arg(QFileInfo(path).fileName(), outcome.description));
    return true;
}
