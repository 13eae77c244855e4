#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "document/SheetGeometry.h"

class SpecificLabels;
class TBaseReport;
class TReportPrinter;

// The print and preview commands of the main window: the printer checks, the print and
// printer setup dialogs, and the job that runs a label's sheets through its status window
// and, for a preview, shows them in the preview window.
class LabelPrintJobs {
public:
    // What a job prints: the current label's geometry and its objects text, written afresh
    // from the design panel when the job starts (so unsaved changes print).
    struct Source {
        std::function<SheetGeometry()> Geometry;
        std::function<QString()> ObjectsText;
    };

    enum class Outcome { NotRun, Completed, Aborted, Failed };

    LabelPrintJobs(Source source, const SpecificLabels& selection);
    ~LabelPrintJobs();

    // The engine of the main window, used for the printer checks and dialogs only.
    TReportPrinter& MainReportPrinter() { return *mainReportPrinter_; }

    void mnuPrintLabelsClick();
    void mnuPreviewClick();
    void mnuPrinterSetupClick();

    // Runs one job of sheets pages, to the printer or to a preview.
    Outcome DoPRint(bool printing, int sheets);

    // Writes sheets pages of the label to a PDF file through the same drawing; works with or
    // without printers. Throws std::runtime_error (or ConversionError) on failure.
    static void ExportPdf(const QString& fileName, const SheetGeometry& geometry,
                          const QString& objectsText, int sheets, const SpecificLabels& selection);
    // Draws sheets pages of the label through any engine.
    static void RenderSheets(TBaseReport& report, const SheetGeometry& geometry,
                             const QString& objectsText, int sheets,
                             const SpecificLabels& selection);

private:
    Source source_;
    const SpecificLabels& selection_;
    std::unique_ptr<TReportPrinter> mainReportPrinter_;
};
