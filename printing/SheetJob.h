#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "document/ChosenPositions.h"
#include "document/SheetGeometry.h"
#include "printing/PrintOptions.h"

class MergeRun;
class SheetJobObserver;
class TBaseReport;

// One run of a label's sheets on any report engine: what to draw, and the one runner that
// draws it. Print, preview, the PDF export, the batch renderer and the benchmarks all run
// their sheets through Render, so every target shows the same sheet; the print and preview
// status window is only a view of the job it runs.
struct SheetJob {
    CurrentLabel Label;        // geometry and PAPERSIZE
    QString ObjectsText;       // the label's items
    int Sheets = 1;            // pages to produce
    ChosenPositions Selection; // positions to print when SpecificLabelsChosen
    // A mail merge: one record per drawn position; Sheets is then left to the run (whose
    // copies and collation say how the records repeat).
    MergeRun* Merge = nullptr;
    // Outlines, crop marks and mirror; Collate is the merge run's own.
    PrintOptions Options;
    // The date and time that {date} and {time} print: the moment the drawing starts when not
    // given (the batch's --date and --time give it), the same on every label of the job.
    QDateTime Clock;
    // Where an image item's relative file name is looked for, after the merge source's own
    // folder: the data directory.
    QStringList PictureFolders;

    // Prepare, then Run: the whole job on an engine made for it.
    void Render(TBaseReport& engine, SheetJobObserver* observer = nullptr) const;
    // Gives engine the label's paper and orientation and the settings of every label job.
    void Prepare(TBaseReport& engine) const;
    // Draws every sheet on a prepared engine, telling observer (when given) of each label and
    // of the first drawing problem. An error thrown while drawing ends the document with what
    // was drawn and is passed on (a std::exception); an aborted engine abandons its document.
    void Run(TBaseReport& engine, SheetJobObserver* observer = nullptr) const;
};
