#pragma once

#include <QString>
#include <functional>

#include "document/ChosenPositions.h"
#include "document/SheetGeometry.h"

class MergeRun;
class TBaseReport;

// One run of a label's sheets on any report engine, without a window: the PDF export, the
// batch renderer and the benchmarks use it. The drawing is the sheet renderer that print and
// preview jobs use too, so every target shows the same sheet.
struct SheetJob {
    CurrentLabel Label;        // geometry and PAPERSIZE
    QString ObjectsText;       // the label's items
    int Sheets = 1;            // pages to produce
    ChosenPositions Selection; // positions to print when SpecificLabelsChosen
    // Runs after each label; may abort the engine. Empty: nothing runs between labels.
    std::function<void()> BetweenLabels;
    // A mail merge: one record per drawn position; Sheets is then left to the run.
    MergeRun* Merge = nullptr;

    // Gives engine the label's paper and orientation and the job's settings, then draws every
    // sheet. An error thrown while drawing ends the document with what was drawn and is
    // passed on (a std::exception); an aborted engine abandons its document.
    void Render(TBaseReport& engine) const;
};
