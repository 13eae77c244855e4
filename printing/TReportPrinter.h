#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "printing/TCanvasReport.h"

class QPrinter;
class StagedOutput;
struct PrintOptions;
class QTemporaryFile;
class QWidget;

// The engine printing on the current printer (a CUPS queue). Every TReportPrinter shares
// one printer device, so the printer and settings chosen in the setup dialog serve every
// later job of the run, print and preview alike.
// A job for a queue is drawn into a spool file first and handed to the queue only when
// it ends normally: Qt's own queue printing cannot abandon a document once begun.
class TReportPrinter : public TCanvasReport {
public:
    TReportPrinter();
    ~TReportPrinter() override;

    // The shared device; created on first use with the system's default printer.
    static QPrinter& Device();
    static bool PrintersInstalled();
    // Makes the named queue the current printer; false when no such queue exists.
    static bool UsePrinter(const QString& printerName);

    // The standard dialogs go through one replaceable launcher so that tests can answer
    // them: it gets the device, the parent and whether it is the setup dialog, and returns
    // whether the user confirmed.
    using DialogLauncher = std::function<bool(QPrinter&, QWidget*, bool setup)>;
    static void SetDialogLauncher(DialogLauncher launcher);

    // The print dialog: true on OK, Copies() then holds the copies entered. With options,
    // the dialog has a "Labels" tab for them, and OK takes them with its Collate box.
    bool PrintDialog(QWidget* parent, PrintOptions* options = nullptr);
    bool PrinterSetupDialog(QWidget* parent);
    int Copies() const;
    void SetCopies(int copies);

    // Where the printers' corrections are kept (the program's QV.INI); none: no correction.
    // Each job of the printer corrects its drawing by the entry of the current printer,
    // unless UseStoredAlignment is off (the alignment dialog's test sheet sets its own).
    static void SetAlignmentStore(PrinterAlignmentStore* store);
    static PrinterAlignmentStore* AlignmentStore();
    bool UseStoredAlignment = true;
    static QString CurrentPrinterName();

    // Cancels the document being printed at once; what was drawn is not printed.
    void AbandonNow();

    bool SupportsPaper(int paperCode) const override;
    QSizeF PageSizeInches() const override;
    double XDpi() const override;
    double YDpi() const override;

protected:
    QPaintDevice* OpenDevice() override;
    QString DeviceError() const override;
    void NextDevicePage() override;
    void DocumentEnded() override;
    void DocumentAbandoned() override;

private:
    QPaintDevice* OpenSpool();
    QPaintDevice* OpenFile();
    void SubmitSpool();
    void DropSpool();
    void DropFile();

    std::unique_ptr<QPrinter> spool_;
    std::unique_ptr<QTemporaryFile> spoolFile_;
    // Printing to a file (the print dialog's PDF file): staged as every output file is.
    std::unique_ptr<StagedOutput> file_;
    QString fileTarget_;
    QString openError_;
};
