#include "printing/PrintJobs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

#include <exception>

#include "document/ChosenPositions.h"
#include "merge/MergeRun.h"
#include "merge/MergeSourceChoice.h"
#include "merge/MergeSourceError.h"
#include "printing/AlignmentTestSheet.h"
#include "printing/JobWarnings.h"
#include "printing/PaperChoice.h"
#include "printing/PrintedLabel.h"
#include "printing/SheetJob.h"
#include "printing/SheetRenderer.h"
#include "printing/StagedOutput.h"
#include "printing/TFilePreview.h"
#include "printing/TLabelPrint.h"
#include "printing/TPreviewForm.h"
#include "printing/TPrinterAlignment.h"
#include "printing/TReportFiler.h"
#include "printing/TReportPdfWriter.h"
#include "printing/TReportPrinter.h"
#include "printing/TSelectLabelsToPrint.h"
#include "storage/DataDirectory.h"
#include "storage/TableErrorText.h"
#include "ui/Prompter.h"

namespace {

QString NoPrinters() {
    return QCoreApplication::translate("PrintJobs", "No printers installed");
}

// A file name for the label, made of its description's safe characters.
QString SuggestedPdfName(const QString& description) {
    QString name;
    for (const QChar c : description.trimmed())
        name += (c.isLetterOrNumber() || c == u'-' || c == u'_') ? c : QChar(u' ');
    name = name.simplified();
    if (name.isEmpty())
        name = QStringLiteral("labels");
    return QDir::home().filePath(name + QStringLiteral(".pdf"));
}

} // namespace

PrintJobs::PrintJobs(QWidget* window, PrintedLabel& label, ChosenPositions& selection)
    : PrintersInstalled(&TReportPrinter::PrintersInstalled), window_(window), source_(label),
      selection_(selection), mainReportPrinter_(std::make_unique<TReportPrinter>()) {
    PaperSupported = [this](int paperCode) { return mainReportPrinter_->SupportsPaper(paperCode); };
}

PrintJobs::~PrintJobs() {
    if (alignmentStore_ && TReportPrinter::AlignmentStore() == alignmentStore_)
        TReportPrinter::SetAlignmentStore(nullptr);
}

void PrintJobs::UseAlignmentStore(PrinterAlignmentStore* store) {
    alignmentStore_ = store;
    TReportPrinter::SetAlignmentStore(store);
}

// Without a printer the print dialog still offers printing to a PDF file.
void PrintJobs::mnuPrintLabelsClick() {
    if (!mainReportPrinter_->PrintDialog(window_, &options_))
        return;
    // The copies entered are the sheets; the device itself prints each page once.
    const int sheets = mainReportPrinter_->Copies();
    if (sheets > 0)
        DoPRint(true, sheets);
}

// A preview shows the template's paper, whether or not a printer is there to take it.
void PrintJobs::mnuPreviewLabelsClick() {
    DoPRint(false, 1);
}

// The dialog opens on the paper of the label's template (a label of the printer's own paper
// leaves the printer's choice).
void PrintJobs::mnuPrinterSetupClick() {
    if (!PrintersInstalled()) {
        ShowInformation(NoPrinters());
        return;
    }
    const PaperChoice paper = PaperChoice::ForPaperSize(source_.Label().geometry.paperSize);
    if (paper.PaperCode != 0) {
        QPrinter& printer = TReportPrinter::Device();
        printer.setPageSize(QPageSize(PaperChoice::PageSizeId(paper.PaperCode)));
        printer.setPageOrientation(paper.Orientation == TReportOrientation::Landscape
                                       ? QPageLayout::Landscape
                                       : QPageLayout::Portrait);
    }
    mainReportPrinter_->PrinterSetupDialog(window_);
}

void PrintJobs::mnuPrinterAlignmentClick() {
    if (!PrintersInstalled()) {
        ShowInformation(NoPrinters());
        return;
    }
    PrinterAlignmentStore* store = TReportPrinter::AlignmentStore();
    const QString printer = TReportPrinter::CurrentPrinterName();
    TPrinterAlignment dialog(printer, window_);
    if (store)
        dialog.SetAlignment(store->Read(printer));
    dialog.OnPrintTestSheet = [this](const PrinterAlignment& alignment) {
        PrintAlignmentTestSheet(alignment);
    };
    if (Prompter::Current().RunDialog(dialog) != QDialog::Accepted)
        return;
    PrinterAlignment alignment = dialog.Alignment();
    alignment.Clamp();
    if (!store || !store->Write(printer, alignment))
        ShowInformation(QCoreApplication::translate(
                            "PrintJobs", "The alignment of the printer \"%1\" could not be saved.")
                            .arg(printer));
}

PrintJobs::Outcome PrintJobs::PrintAlignmentTestSheet(const PrinterAlignment& alignment) {
    last_ = Outcome::NotRun;
    const CurrentLabel label = source_.Label();
    const PaperChoice paper = PaperChoice::ForPaperSize(label.geometry.paperSize);
    if (paper.PaperCode != 0 && !PaperSupported(paper.PaperCode)) {
        ShowInformation(PaperChoice::NoPaperMessage(label.geometry.paperSize,
                                                    TReportPrinter::CurrentPrinterName()));
        return last_;
    }
    AlignmentTestSheet sheet;
    sheet.Geometry = label.geometry;
    sheet.TemplateName = label.templateName;
    sheet.PrinterName = TReportPrinter::CurrentPrinterName();
    sheet.Alignment = alignment;
    sheet.Printed = QDateTime::currentDateTime();
    TReportPrinter printer;
    SheetRenderer::SetUpEngine(printer);
    printer.Title = QCoreApplication::translate("PrintJobs", "Printer Alignment Test");
    printer.UseStoredAlignment = false;
    printer.SetAlignment(alignment);
    printer.SetCopies(1);
    PaperChoice::Apply(printer, label.geometry);
    printer.OnPrint = [&sheet](TBaseReport& report) { sheet.Draw(report); };
    try {
        printer.Execute();
        last_ = Outcome::Completed;
    } catch (const std::exception& error) {
        last_ = Outcome::Failed;
        ShowRuntimeError(TableErrorText::Of(error));
    }
    return last_;
}

void PrintJobs::mnuSelectSpecificLabelsClick() {
    const SheetGeometry geometry = source_.Label().geometry;
    TSelectLabelsToPrint::mnuSelectSpecificLabelsClick(selection_, geometry.labelsAcross,
                                                       geometry.labelsDown);
}

PrintJobs::Outcome PrintJobs::DoPRint(bool printing, int sheets) {
    last_ = Outcome::NotRun;
    const CurrentLabel label = source_.Label();
    const QString paperSize = label.geometry.paperSize;
    const PaperChoice paper = PaperChoice::ForPaperSize(paperSize);
    // Without a printer there is nothing to check the paper against: a preview shows the
    // template's paper and a PDF file takes any.
    if (paper.PaperCode != 0 && PrintersInstalled() && !PaperSupported(paper.PaperCode)) {
        ShowInformation(
            PaperChoice::NoPaperMessage(paperSize, TReportPrinter::CurrentPrinterName()));
        return last_;
    }
    bool mergeFailed = false;
    const std::unique_ptr<MergeRun> merge = StartMerge(sheets, mergeFailed);
    if (mergeFailed)
        return last_ = Outcome::Failed;
    mainReportPrinter_->SetOrientation(paper.Orientation);

    const SheetJob job = MakeJob(sheets, merge.get());
    TLabelPrint status(job, printing, window_);
    QBuffer stream; // the preview file, owned by this job
    if (printing) {
        status.setWindowTitle(QCoreApplication::translate("PrintJobs", "Print Status"));
        status.CancelButton->setText(QCoreApplication::translate("PrintJobs", "Cancel"));
    } else {
        stream.open(QIODevice::ReadWrite);
        status.LabelReportFiler->Stream = &stream;
        status.setWindowTitle(QCoreApplication::translate("PrintJobs", "Preview Status"));
        status.CancelButton->setText(QCoreApplication::translate("PrintJobs", "Stop"));
    }
    if (merge) {
        status.Warning = merge->MissingFieldsWarning(job.ObjectsText);
        ShowMergeProgress(status, *merge);
    }

    Prompter::Current().RunDialog(status);
    const bool aborted = status.Engine().Aborted() || status.Cancelled;
    if (aborted)
        last_ = Outcome::Cancelled;
    else if (status.RunFailed() || !status.RunFinished())
        last_ = Outcome::Failed;
    else
        last_ = Outcome::Completed;
    // A preview that failed shows nothing: what was drawn before the error is not the sheet.
    if (!printing && last_ == Outcome::Completed) {
        TPreviewForm preview(window_);
        preview.setWindowTitle(QCoreApplication::translate("PrintJobs", "Preview Labels"));
        stream.seek(0);
        preview.FilePreview1->Stream = &stream;
        Prompter::Current().RunDialog(preview);
    }
    return last_;
}

void PrintJobs::mnuExportPdfClick() {
    // A count out of range is shown and the entry comes back with what was typed, until a
    // good count or Cancel.
    QString answer = QStringLiteral("1");
    bool merging = false;
    try {
        merging = merge_ && merge_->CurrentSource();
    } catch (const MergeSourceError&) {
        merging = true; // the job below reports the file
    }
    int sheets = 0;
    for (;;) {
        if (!EnterText(QCoreApplication::translate("PrintJobs", "Export to PDF"),
                       merging ? QCoreApplication::translate("PrintJobs", "Copies of each label:")
                               : QCoreApplication::translate("PrintJobs", "Number of sheets:"),
                       answer))
            return;
        bool ok = false;
        sheets = answer.trimmed().toInt(&ok);
        if (ok && sheets >= 1 && sheets <= MaxSheets)
            break;
        ShowInformation(
            QCoreApplication::translate("PrintJobs", "Enter a number of sheets from 1 to %1.")
                .arg(MaxSheets));
    }
    QString fileName =
        GetSaveFileName(QCoreApplication::translate("PrintJobs", "Export to PDF"),
                        SuggestedPdfName(source_.Label().description),
                        QCoreApplication::translate("PrintJobs", "PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return;
    // The dialog asked about replacing the name as typed; a name given its extension here
    // may still be an existing file.
    if (QFileInfo(fileName).suffix().isEmpty()) {
        fileName += QStringLiteral(".pdf");
        if (QFileInfo::exists(fileName) &&
            !AskYesNo(QCoreApplication::translate("PrintJobs",
                                                  "%1 already exists.\nDo you want to replace it?")
                          .arg(QDir::toNativeSeparators(fileName)),
                      QCoreApplication::translate("PrintJobs", "Export to PDF")))
            return;
    }
    ExportPdf(fileName, sheets);
}

PrintJobs::Outcome PrintJobs::ExportPdf(const QString& fileName, int sheets) {
    const QString refusal = StagedOutput::Refusal(fileName);
    if (!refusal.isEmpty()) {
        ShowInformation(
            QCoreApplication::translate("PrintJobs", "Cannot export to PDF: %1.").arg(refusal));
        return last_ = Outcome::Failed;
    }
    bool mergeFailed = false;
    const std::unique_ptr<MergeRun> merge = StartMerge(sheets, mergeFailed);
    if (mergeFailed)
        return last_ = Outcome::Failed;
    // Written under a partial name and put in place whole: a failure leaves an existing file
    // as it was.
    const SheetJob job = MakeJob(sheets, merge.get());
    TReportPdfWriter writer(fileName);
    JobWarnings warnings;
    try {
        job.Render(writer, &warnings);
        last_ = Outcome::Completed;
    } catch (const std::exception& error) {
        ShowRuntimeError(TableErrorText::Of(error));
        return last_ = Outcome::Failed;
    }
    const int pages = writer.CurrentPage();
    const QString written =
        QCoreApplication::translate("PrintJobs", "%1 %2 written to %3")
            .arg(pages)
            .arg(pages == 1 ? QCoreApplication::translate("PrintJobs", "sheet")
                            : QCoreApplication::translate("PrintJobs", "sheets"),
                 QDir::toNativeSeparators(fileName));
    ShowStatus(written);
    const QString missing = merge ? merge->MissingFieldsWarning(job.ObjectsText) : QString();
    if (!warnings.IsEmpty())
        ShowWarningSummary(Prompter::ShownText(written), missing, warnings);
    else if (!missing.isEmpty())
        ShowInformation(missing);
    return last_;
}

// The end of a job that drew with problems: how many records had them, and each line behind
// "Show Details" so that the person can read, select and copy them.
void PrintJobs::ShowWarningSummary(const QString& done, const QString& missing,
                                   const JobWarnings& warnings) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("PrintJobs", "Export to PDF"),
                    done + QStringLiteral(".\n") + warnings.Summary() + QLatin1Char('.'),
                    QMessageBox::Ok, Prompter::DialogParent());
    box.setObjectName(QStringLiteral("JobWarningsBox"));
    QStringList lines = warnings.Lines();
    if (warnings.LineCount() > lines.size())
        lines << QCoreApplication::translate("PrintJobs", "... and %1 more")
                     .arg(warnings.LineCount() - lines.size());
    if (!missing.isEmpty())
        box.setInformativeText(missing);
    box.setDetailedText(lines.join(u'\n'));
    Prompter::Current().RunDialog(box);
}

SheetJob PrintJobs::MakeJob(int sheets, MergeRun* merge) const {
    SheetJob job;
    job.Label = source_.Label();
    job.ObjectsText = source_.ObjectsText();
    job.Sheets = sheets;
    job.Selection = selection_;
    job.Merge = merge;
    job.Options = options_;
    job.PictureFolders = {DataDirectory::Path()};
    return job;
}

std::unique_ptr<MergeRun> PrintJobs::StartMerge(int copies, bool& failed) {
    failed = false;
    try {
        MergeSource* source = merge_ ? merge_->CurrentSource() : nullptr;
        if (!source)
            return nullptr;
        auto run =
            std::make_unique<MergeRun>(*source, copies, options_.Collate, merge_->RecordRange());
        const QString tooMany = run->SheetLimitError(source_.Label().geometry, selection_);
        if (tooMany.isEmpty())
            return run;
        failed = true;
        ShowInformation(tooMany);
    } catch (const MergeSourceError& error) {
        failed = true;
        ShowInformation(error.Message());
    }
    return nullptr;
}

// The status window shows the engine's page line, the record being drawn and the warning.
void PrintJobs::ShowMergeProgress(TLabelPrint& status, MergeRun& run) {
    auto pageLine = std::make_shared<QString>();
    const auto show = [&status, &run, pageLine] {
        QString text = *pageLine + QStringLiteral("\n") + run.Progress();
        if (!status.Warning.isEmpty())
            text += QStringLiteral("\n") + status.Warning;
        status.StatusText->setText(text);
    };
    for (TBaseReport* engine : {static_cast<TBaseReport*>(status.LabelReportPrinter.get()),
                                static_cast<TBaseReport*>(status.LabelReportFiler.get())}) {
        engine->StatusLabel = nullptr;
        engine->OnStatus = [pageLine, show](const QString& text) {
            *pageLine = text;
            show();
        };
    }
    status.ProcessMessages = [show] {
        show();
        QCoreApplication::processEvents();
    };
}
