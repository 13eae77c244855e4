#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "document/TextRun.h"

class MergeSource;

// The merge sources of the labels, for the rest of the run: "Merge…" chooses one for the
// current label (and, when asked, keeps it in QV.INI by the label's description); the print
// jobs and "Insert Merge Field" ask for the current label's.
class MergeCommands {
public:
    // Where a label's remembered source is kept between runs; the window gives QV.INI.
    struct Memory {
        std::function<QString(const QString& description)> Read;
        std::function<void(const QString& description, const QString& fileName)> Write;
    };

    MergeCommands(std::function<QString()> currentDescription, Memory memory);
    ~MergeCommands();

    // "Merge…".
    void mnuMergeClick();

    // The current label's source, opened on first use; null without one. Throws
    // MergeSourceError when it cannot be opened.
    MergeSource* CurrentSource();
    QString CurrentFileName() const;
    // The fields of the current label's source; empty without one or when it cannot be read.
    QStringList CurrentFieldNames();
    // How the design panel shows the current label's texts: references to fields its source
    // lacks as "{Name?}", marked. None without a source, or when it cannot be read.
    TextMarker MissingFieldMarker();

private:
    static QString Key(const QString& description) { return description.trimmed().toUpper(); }

    std::function<QString()> currentDescription_;
    Memory memory_;
    QHash<QString, QString> chosen_; // label key -> file ("" = no merge), for this run
    QString openName_;
    std::unique_ptr<MergeSource> open_;
};
