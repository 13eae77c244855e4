#include "printing/LabelPrintJobs.h"

#include <QBuffer>
#include <QPlainTextEdit>
#include <QPushButton>

#include "designer/Prompter.h"
#include "document/SpecificLabels.h"
#include "printing/PaperChoice.h"
#include "printing/TFilePreview.h"
#include "printing/TLabelPrint.h"
#include "printing/TPreviewForm.h"
#include "printing/TReportFiler.h"
#include "printing/TReportPdfWriter.h"
#include "printing/TReportPrinter.h"

LabelPrintJobs::LabelPrintJobs(Source source, const SpecificLabels& selection)
    : source_(std::move(source)), selection_(selection),
      mainReportPrinter_(std::make_unique<TReportPrinter>()) {}

LabelPrintJobs::~LabelPrintJobs() = default;

void LabelPrintJobs::mnuPrintLabelsClick() {
    if (!TReportPrinter::PrintersInstalled()) {
        ShowInformation(QStringLiteral("No printers installed"));
        return;
    }
    if (!MainReportPrinter().PrintDialog(Prompter::MainWindow()))
        return;
    // The copies entered are the number of sheets; the page range means nothing for labels.
    const int sheets = MainReportPrinter().Copies();
    if (sheets > 0)
        DoPRint(true, sheets);
}

void LabelPrintJobs::mnuPreviewClick() {
    if (!TReportPrinter::PrintersInstalled()) {
        ShowInformation(QStringLiteral("No printers installed - cannot preview"));
        return;
    }
    DoPRint(false, 1);
}

void LabelPrintJobs::mnuPrinterSetupClick() {
    if (!TReportPrinter::PrintersInstalled()) {
        ShowInformation(QStringLiteral("No printers installed"));
        return;
    }
    MainReportPrinter().PrinterSetupDialog(Prompter::MainWindow());
}

LabelPrintJobs::Outcome LabelPrintJobs::DoPRint(bool printing, int sheets) {
    const SheetGeometry geometry = source_.Geometry();
    const QString problem = PaperChoice::Check(MainReportPrinter(), geometry.paperSize);
    if (!problem.isEmpty()) {
        ShowInformation(problem);
        return Outcome::NotRun;
    }
    MainReportPrinter().SetOrientation(PaperChoice::ForPaperSize(geometry.paperSize).Orientation);

    TLabelPrint window(geometry, selection_, Prompter::MainWindow());
    CentreOnMainWindow(&window);
    window.ObjectsMemo->setPlainText(source_.ObjectsText());
    window.PageCount = sheets;
    window.IsPrinting = printing;
    QByteArray bytes; // the preview file, owned by the job
    QBuffer stream(&bytes);
    if (printing) {
        window.setWindowTitle(QStringLiteral("Print Status"));
        window.CancelButton->setText(QStringLiteral("Cancel"));
    } else {
        window.setWindowTitle(QStringLiteral("Preview Status"));
        window.CancelButton->setText(QStringLiteral("Stop"));
        window.LabelReportFiler->Stream = &stream;
    }
    PaperChoice::Apply(window.Engine(), geometry.paperSize);
    Prompter::Current().RunDialog(window);

    if (!window.RunFinished())
        return Outcome::NotRun;
    if (window.Engine().Aborted())
        return Outcome::Aborted;
    if (window.RunFailed())
        return Outcome::Failed; // an error is not a result to preview
    if (!printing) {
        stream.open(QIODevice::ReadOnly);
        TPreviewForm preview(Prompter::MainWindow());
        CentreOnMainWindow(&preview);
        preview.setWindowTitle(QStringLiteral("Preview Labels"));
        preview.FilePreview1->Stream = &stream;
        Prompter::Current().RunDialog(preview);
    }
    return Outcome::Completed;
}

void LabelPrintJobs::RenderSheets(TBaseReport& report, const SheetGeometry& geometry,
                                  const QString& objectsText, int sheets,
                                  const SpecificLabels& selection) {
    TLabelPrint job(geometry, selection);
    job.ObjectsMemo->setPlainText(objectsText);
    job.PageCount = sheets;
    job.ProcessMessages = nullptr;
    report.OnPrint = [&job](TBaseReport& engine) { job.PrintLabels(engine); };
    report.Execute();
}

void LabelPrintJobs::ExportPdf(const QString& fileName, const SheetGeometry& geometry,
                               const QString& objectsText, int sheets,
                               const SpecificLabels& selection) {
    TReportPdfWriter writer(fileName);
    writer.Title = QStringLiteral("Quorvane labels");
    PaperChoice::Apply(writer, geometry.paperSize);
    RenderSheets(writer, geometry, objectsText, sheets, selection);
}
