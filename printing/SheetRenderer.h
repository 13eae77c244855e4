#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "document/BuiltInFields.h"
#include "document/PrintItemValue.h"
#include "document/SheetGeometry.h"
#include "printing/ItemPrints.h"
#include "printing/PicturePrint.h"

class MergeRun;
class SheetJobObserver;
class TBaseReport;
struct SheetJob;

// The drawing of a job's sheets, free of any window: it reads the objects text into print
// item records, visits every position of every sheet row by row and draws the label there
// through the report engine it is given. SheetJob::Render runs it for every kind of output.
// Lengths are inches.
class SheetRenderer : private LabelPrinting {
public:
    // job is read while drawing and must outlive the renderer; observer (may be null) hears
    // of each label drawn and of the first drawing problem.
    SheetRenderer(const SheetJob& job, SheetJobObserver* observer);

    // Draws every sheet of the job: the engine's OnPrint handler.
    void PrintLabels(TBaseReport& report);

    // The first problem met while drawing the job (a barcode whose data cannot be encoded),
    // or "": one line, however many labels it concerns.
    QString Warning() const { return warning_; }

    // The engine settings every label job uses: inches, full scale, half-inch margins and
    // the document title.
    static void SetUpEngine(TBaseReport& engine);

private:
    // Draws records 0..lastIndex at the engine's current origin.
    void PrintSingleLabel(TBaseReport& report, int lastIndex);
    // Reads memo into items_ (and the counter settings); the index of the last record.
    int MakeItemsStringList(const QString& memo);
    // What the items drawn on a label ask of the job.
    QString TextOf(const QString& text) override;
    QString DataOf(const QString& data) override;
    qint64 CounterValue() const override { return counterValue_; }
    void AdvanceCounter() override;
    void Warn(const QString& warning) override;
    PicturePrint& Pictures() override { return pictures_; }
    // The fields of the label being drawn: the job's date and time, and what {#} prints.
    BuiltInFieldValues BuiltIns() const;

    const SheetJob& job_;
    const SheetGeometry& geometry_;
    MergeRun* merge_;
    SheetJobObserver* observer_;
    std::vector<PrintItemValue> items_;
    PicturePrint pictures_;
    QStringList labelWarnings_; // of the label being drawn
    // The counter: 64-bit, so that no starting number overflows.
    qint64 startingNumber_ = 0;
    qint64 repeatEach_ = 0;
    qint64 counterValue_ = 0;
    qint64 repeatCount_ = 1;
    // The counter's value for the label being drawn, which "{#}" stands for: taken before
    // the label's counter item (wherever it lies) advances the counter.
    qint64 labelCounterValue_ = 0;
    // Whether the label has a counter item; without one "{#}" numbers the labels drawn.
    bool hasCounter_ = false;
    qint64 labelNumber_ = 0; // the label being drawn, from 1
    QDateTime clock_;
    QString warning_;
};
