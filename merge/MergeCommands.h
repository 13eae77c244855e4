#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

#include "document/TextRun.h"
#include "merge/MergeSourceChoice.h"
#include "merge/SessionPasswords.h"

class MergedLabel;
class MergeSource;
class MergeSourceMemory;

// The merge sources of the labels, for the rest of the run: "Merge…" chooses one for the
// current label (and, when asked, keeps it in QV.INI by the label's description); the print
// jobs and "Insert Merge Field" ask for the current label's.
class MergeCommands : public MergeSourceChoice {
public:
    // label names the current label; memory keeps a label's source between runs (QV.INI),
    // or is null to keep nothing. Both must outlive the commands.
    MergeCommands(const MergedLabel& label, const MergeSourceMemory* memory);
    ~MergeCommands() override;

    // "Merge…".
    void mnuMergeClick();

    // The current label's source, opened on first use; null without one. Throws
    // MergeSourceError when it cannot be opened.
    MergeSource* CurrentSource() override;
    // Makes fileName the current label's source for the rest of the run ("" no merge), as
    // "Merge…" does without keeping it in QV.INI.
    void ChooseCurrentSource(const QString& fileName);
    // The part of the current label's source chosen in the Merge dialog, for this run.
    MergeRun::Range RecordRange() const override;
    // The current label's source as MergeSourceAddress text; "" without one.
    QString CurrentFileName() const;
    // The fields of the current label's source; empty without one or when it cannot be read.
    QStringList CurrentFieldNames();
    // How the design panel shows the current label's texts: references to fields its source
    // lacks as "{Name?}", marked. None without a source, or when it cannot be read.
    TextMarker MissingFieldMarker();

private:
    static QString Key(const QString& description) { return description.trimmed().toUpper(); }

    QString ReadMemory(const QString& description) const;

    const MergedLabel& label_;
    const MergeSourceMemory* memory_;
    QHash<QString, QString> chosen_; // label key -> file ("" = no merge), for this run
    QHash<QString, MergeRun::Range> ranges_; // label key -> records printed, for this run
    QString openName_;
    std::unique_ptr<MergeSource> open_;
    SessionPasswords passwords_; // database passwords, for this run only
};
