#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "document/SheetGeometry.h"
#include "printing/PrintOptions.h"

class QWidget;
class ChosenPositions;
class JobWarnings;
class MergeRun;
class MergeSourceChoice;
class PrintedLabel;
struct SheetJob;
class TLabelPrint;
class TReportPrinter;
struct PrinterAlignment;
class PrinterAlignmentStore;

// The print, preview and PDF commands of the main window. The window hands over the label on
// screen; every message and dialog goes through the prompter, and the printer dialogs
// through TReportPrinter's launcher, so that tests need no person.
class PrintJobs {
public:
    // How the last job ended.
    enum class Outcome { NotRun, Completed, Cancelled, Failed };

    // label and selection must outlive the commands.
    PrintJobs(QWidget* window, PrintedLabel& label, ChosenPositions& selection);
    ~PrintJobs();

    // "&Print Labels": the print dialog, then as many sheets as copies were entered.
    void mnuPrintLabelsClick();
    // "Pre&view Labels": one sheet into the preview window.
    void mnuPreviewLabelsClick();
    // "P&rinter Setup": the chosen printer serves every later job of the run.
    void mnuPrinterSetupClick();
    // "Printer &Alignment…": the current printer's correction, kept in the alignment store
    // (TReportPrinter::AlignmentStore), with its test sheet.
    void mnuPrinterAlignmentClick();
    // Where the printers' corrections are kept while these commands live.
    void UseAlignmentStore(PrinterAlignmentStore* store);
    // Prints the alignment test sheet of the label's template on the current printer, with
    // the correction given rather than the stored one; errors are shown.
    Outcome PrintAlignmentTestSheet(const PrinterAlignment& alignment);
    // "Select Specific &Labels": the positions of a partly used sheet.
    void mnuSelectSpecificLabelsClick();
    // "Export to P&DF…": asks the number of sheets and a file, then writes the sheets.
    void mnuExportPdfClick();

    // One print (printing = true) or preview job of sheets sheets, status window and all.
    // With a merge source, sheets is the number of copies of each label and the records
    // decide the number of sheets.
    Outcome DoPRint(bool printing, int sheets);
    // Writes sheets sheets of the label on screen to fileName; errors are shown.
    Outcome ExportPdf(const QString& fileName, int sheets);

    // Where the merge source chosen for the label on screen comes from; null (the default)
    // prints without one. merge must outlive the commands.
    void UseMergeSources(MergeSourceChoice* merge) { merge_ = merge; }
    // Whether any printer is installed; replaceable for tests.
    std::function<bool()> PrintersInstalled;
    // Whether the current printer takes a paper code (1 letter, 9 A4, 11 A5); replaceable.
    std::function<bool(int paperCode)> PaperSupported;
    TReportPrinter& MainReportPrinter() { return *mainReportPrinter_; }
    // Outlines, crop marks, mirror and the merge's collation, as the print dialog last left
    // them; print, preview and PDF export all draw with them.
    const PrintOptions& Options() const { return options_; }
    void SetOptions(const PrintOptions& options) { options_ = options; }
    Outcome LastOutcome() const { return last_; }

    static constexpr int MaxSheets = 9999;

private:
    // The merge run of the next job, its source read through; null without a source.
    // Shows the reading error and sets failed when the source is bad.
    std::unique_ptr<MergeRun> StartMerge(int copies, bool& failed);
    // The job of the label on screen as it stands now.
    void ShowWarningSummary(const QString& done, const QString& missing,
                            const JobWarnings& warnings);
    SheetJob MakeJob(int sheets, MergeRun* merge) const;
    static void ShowMergeProgress(TLabelPrint& status, MergeRun& run);

    QWidget* window_;
    PrintedLabel& source_;
    MergeSourceChoice* merge_ = nullptr;
    ChosenPositions& selection_;
    std::unique_ptr<TReportPrinter> mainReportPrinter_;
    Outcome last_ = Outcome::NotRun;
    PrintOptions options_;
    PrinterAlignmentStore* alignmentStore_ = nullptr;
};
