#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "document/SheetGeometry.h"
#include "printing/TLabelItemObject.h"

class ChosenPositions;
class MergeRun;
class TBaseReport;

// The drawing of a label's sheets, free of any window: it reads the objects text into print
// item records, visits every position of every sheet row by row and draws the label there
// through the report engine it is given. Print and preview jobs, the PDF export, the batch
// renderer and the benchmarks all draw through it. Lengths are inches.
class SheetRenderer {
public:
    // selection is read while drawing and must outlive the renderer.
    SheetRenderer(const SheetGeometry& geometry, const ChosenPositions& selection);

    QString ObjectsText; // the label's items
    int PageCount = 1;   // sheets to produce
    // Set (by BetweenLabels or from outside) to stop after the label being drawn.
    bool Cancelled = false;
    // Runs after each label (lets pending window messages through in a job).
    std::function<void()> BetweenLabels;
    // With a merge run, each drawn position takes the run's next record, texts are drawn
    // through its fields and the run decides the number of sheets.
    MergeRun* Merge = nullptr;

    // The counter: 64-bit, so that no starting number overflows.
    qint64 StartingNumber = 0;
    qint64 RepeatEach = 0;
    qint64 CounterValue = 0;
    qint64 RepeatCount = 1;
    std::vector<TLabelItemObject> ItemList;

    // Draws every sheet of the job: the engine's OnPrint handler.
    void PrintLabels(TBaseReport& report);
    // Draws records 0..lastIndex at the engine's current origin.
    void PrintSingleLabel(TBaseReport& report, int lastIndex);
    // Reads memo into ItemList (and the counter settings); the index of the last record.
    int MakeItemsStringList(const QString& memo);

    // The engine settings every label job uses: inches, full scale, half-inch margins and
    // the document title.
    static void SetUpEngine(TBaseReport& engine);

private:
    void PrintText(TBaseReport& report, TLabelItemObject& item);
    void PrintCounter(TBaseReport& report, const TLabelItemObject& item);
    void PrintSymbol(TBaseReport& report, const TLabelItemObject& item);
    void PrintShape(TBaseReport& report, const TLabelItemObject& item);
    void PrintImage(TBaseReport& report, const TLabelItemObject& item);
    void SetItemPen(TBaseReport& report, const TLabelItemObject& item);
    void SetItemFont(TBaseReport& report, const TLabelItemObject& item, int angle);

    SheetGeometry geometry_;
    const ChosenPositions& selection_;
};
