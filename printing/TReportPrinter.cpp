#include "printing/TReportPrinter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryFile>

#include <stdexcept>

#include "printing/OutputError.h"
#include "printing/PaperChoice.h"
#include "printing/PartialFiles.h"
#include "printing/PrintOptions.h"
#include "printing/StagedOutput.h"
#include "printing/TPrintOptionsTab.h"
#include "printing/TPrinterSetup.h"
#include "ui/Prompter.h"

namespace {

PrinterAlignmentStore*& Store() {
    static PrinterAlignmentStore* store = nullptr;
    return store;
}

TReportPrinter::DialogLauncher& Launcher() {
    static TReportPrinter::DialogLauncher launcher;
    return launcher;
}

// The print dialog, which lists printing to a PDF file among the printers (also when there
// is no printer) under a plain name. The dialog adds that entry when it is shown, and tells
// the entries apart by their place, not their text.
class PrintDialog : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;
    void setVisible(bool visible) override {
        QPrintDialog::setVisible(visible);
        if (!visible)
            return;
        // Qt's own text, in Qt's translation: the context is not a literal so that it stays
        // out of the program's translation files.
        const char* const qtContext = "QPrintDialog";
        const QString qtName = QCoreApplication::translate(qtContext, "Print to File (PDF)");
        for (QComboBox* box : findChildren<QComboBox*>()) {
            const int index = box->findText(qtName);
            if (index >= 0) {
                box->setItemText(
                    index, QCoreApplication::translate("TReportPrinter", "Print to PDF file"));
                // Without printers the box was sized for none: let it show the whole name.
                box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
                adjustSize();
            }
        }
    }
};

// Printer setup only chooses the printer and its paper; the print dialog also asks for the
// copies (the sheets). Both run through the prompter, which tests answer.
bool RunStandardDialog(QPrinter& printer, QWidget* parent, bool setup) {
    if (setup) {
        TPrinterSetup dialog(printer, parent);
        if (Prompter::Current().RunDialog(dialog) != QDialog::Accepted)
            return false;
        dialog.ApplyTo(printer);
        return true;
    }
    PrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintToFile);
    return Prompter::Current().RunDialog(dialog) == QDialog::Accepted;
}

// The same dialog with the "Labels" tab of the print options, which it owns.
bool RunOptionsDialog(QPrinter& printer, QWidget* parent, PrintOptions& options) {
    PrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintToFile);
    auto* tab = new TPrintOptionsTab(options);
    dialog.setOptionTabs({tab});
    if (Prompter::Current().RunDialog(dialog) != QDialog::Accepted)
        return false;
    options = tab->Options();
    options.Collate = printer.collateCopies();
    return true;
}

} // namespace

TReportPrinter::TReportPrinter() = default;
TReportPrinter::~TReportPrinter() {
    if (painter_.isActive())
        painter_.end();
    DropSpool();
    DropFile();
}

QPrinter& TReportPrinter::Device() {
    // Kept for the whole run and never destroyed: jobs may run until the program ends.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        if (p->printerName().isEmpty() && !QPrinterInfo::availablePrinters().isEmpty())
            p->setPrinterName(QPrinterInfo::availablePrinters().first().printerName());
        // A merge's copies stand together unless the print dialog's Collate box is ticked.
        p->setCollateCopies(false);
        return p;
    }();
    return *printer;
}

bool TReportPrinter::PrintersInstalled() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

bool TReportPrinter::UsePrinter(const QString& printerName) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return false;
    Device().setPrinterName(printerName);
    return Device().printerName() == printerName;
}

void TReportPrinter::SetAlignmentStore(PrinterAlignmentStore* store) {
    Store() = store;
}

PrinterAlignmentStore* TReportPrinter::AlignmentStore() {
    return Store();
}

QString TReportPrinter::CurrentPrinterName() {
    return Device().printerName();
}

void TReportPrinter::SetDialogLauncher(DialogLauncher launcher) {
    Launcher() = std::move(launcher);
}

bool TReportPrinter::PrintDialog(QWidget* parent, PrintOptions* options) {
    if (Launcher()) {
        if (!Launcher()(Device(), parent, false))
            return false;
        if (options)
            options->Collate = Device().collateCopies();
        return true;
    }
    return options ? RunOptionsDialog(Device(), parent, *options)
                   : RunStandardDialog(Device(), parent, false);
}

bool TReportPrinter::PrinterSetupDialog(QWidget* parent) {
    return Launcher() ? Launcher()(Device(), parent, true)
                      : RunStandardDialog(Device(), parent, true);
}

int TReportPrinter::Copies() const {
    return Device().copyCount();
}

void TReportPrinter::SetCopies(int copies) {
    Device().setCopyCount(copies);
}

void TReportPrinter::AbandonNow() {
    Abort();
    if (!painter_.isActive())
        return;
    if (spool_ || file_) {
        painter_.end();
        DropSpool();
        DropFile();
    } else {
        Device().abort();
    }
}

bool TReportPrinter::SupportsPaper(int paperCode) const {
    const QPageSize::PageSizeId id = PaperChoice::PageSizeId(paperCode);
    if (id == QPageSize::Custom)
        return false;
    if (Device().outputFormat() == QPrinter::PdfFormat)
        return true;
    const QPrinterInfo info(Device());
    for (const QPageSize& size : info.supportedPageSizes())
        if (size.id() == id)
            return true;
    return false;
}

QSizeF TReportPrinter::PageSizeInches() const {
    QSizeF size;
    const QPageSize::PageSizeId id = PaperChoice::PageSizeId(paperCode_);
    if (id != QPageSize::Custom)
        size = QPageSize::size(id, QPageSize::Millimeter) / 25.4;
    else if (customPage_.isValid())
        size = customPage_;
    else
        size = Device().pageLayout().pageSize().size(QPageSize::Millimeter) / 25.4;
    if (orientation_ == TReportOrientation::Landscape)
        size.transpose();
    return size;
}

double TReportPrinter::XDpi() const {
    return Device().resolution();
}

double TReportPrinter::YDpi() const {
    return Device().resolution();
}

QPaintDevice* TReportPrinter::OpenDevice() {
    QPrinter& printer = Device();
    openError_.clear();
    if (printer.outputFormat() != QPrinter::NativeFormat && printer.outputFileName().isEmpty())
        return nullptr;
    // Painting in whole-paper coordinates: the unprintable margin is the device's concern.
    printer.setFullPage(true);
    const QPageSize::PageSizeId id = PaperChoice::PageSizeId(paperCode_);
    if (id != QPageSize::Custom)
        printer.setPageSize(QPageSize(id));
    else if (customPage_.isValid()) // a sheet of its own size, or a label printer's page
        printer.setPageSize(
            QPageSize(customPage_, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    printer.setPageOrientation(orientation_ == TReportOrientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    printer.setDocName(Title.left(31));
    if (UseStoredAlignment)
        SetAlignment(Store() ? Store()->Read(printer.printerName()) : PrinterAlignment{});
    if (printer.outputFormat() == QPrinter::NativeFormat)
        return OpenSpool();
    return OpenFile();
}

// The printer writes the file itself and tells nothing of a write that failed: it writes
// under a partial name, and the file is checked whole before it replaces the one named.
QPaintDevice* TReportPrinter::OpenFile() {
    DropFile();
    QPrinter& printer = Device();
    fileTarget_ = printer.outputFileName();
    openError_ = StagedOutput::Refusal(fileTarget_);
    if (!openError_.isEmpty())
        return nullptr;
    file_ = std::make_unique<StagedOutput>();
    printer.setOutputFileName(file_->StagePdfWrittenElsewhere(fileTarget_));
    return &printer;
}

void TReportPrinter::DropFile() {
    if (!file_)
        return;
    Device().setOutputFileName(fileTarget_);
    file_.reset(); // removes the partial file
}

// The spool is a PDF of the job's pages at the printer's resolution and paper.
QPaintDevice* TReportPrinter::OpenSpool() {
    DropSpool();
    spoolFile_ =
        std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/quorvane-XXXXXX.pdf"));
    if (!spoolFile_->open())
        return nullptr;
    PartialFiles::Add(spoolFile_->fileName()); // gone too when a signal ends the program
    spoolFile_->close();
    const QPrinter& printer = Device();
    spool_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    spool_->setOutputFormat(QPrinter::PdfFormat);
    spool_->setOutputFileName(spoolFile_->fileName());
    spool_->setResolution(printer.resolution());
    spool_->setFullPage(true);
    spool_->setPageLayout(printer.pageLayout());
    spool_->setPageMargins(QMarginsF(0, 0, 0, 0));
    spool_->setDocName(printer.docName());
    spool_->setCreator(QStringLiteral("Quorvane"));
    return spool_.get();
}

void TReportPrinter::DocumentEnded() {
    if (file_) {
        Device().setOutputFileName(fileTarget_);
        QString error;
        const bool written = file_->Commit(error);
        DropFile();
        if (!written)
            throw OutputError(error.toStdString());
        return;
    }
    if (!spool_)
        return;
    SubmitSpool();
}

// Hands the spool file to the queue with the copies, sides, paper and the options chosen
// in the print dialog.
void TReportPrinter::SubmitSpool() {
    const QPrinter& printer = Device();
    // A spool cut short by a full temporary folder would print as a broken document.
    QString spoolError;
    if (!StagedOutput::CheckWholePdf(
            spoolFile_->fileName(),
            QCoreApplication::translate("TReportPrinter", "the print spool file"), spoolError)) {
        DropSpool();
        throw OutputError(
            QCoreApplication::translate(
                "TReportPrinter", "The document could not be handed to the printer \"%1\": %2.")
                .arg(printer.printerName(), spoolError)
                .toStdString());
    }
    QStringList arguments{QStringLiteral("-d"), printer.printerName(),
                          QStringLiteral("-t"), printer.docName(),
                          QStringLiteral("-n"), QString::number(std::max(1, printer.copyCount()))};
    const QStringList options =
        printer.printEngine()
            ->property(QPrintEngine::PrintEnginePropertyKey(QPrintEngine::PPK_CustomBase))
            .toStringList();
    for (int i = 0; i + 1 < options.size(); i += 2)
        arguments << QStringLiteral("-o") << options[i] + QLatin1Char('=') + options[i + 1];
    switch (printer.duplex()) {
    case QPrinter::DuplexLongSide:
        arguments << QStringLiteral("-o") << QStringLiteral("sides=two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        arguments << QStringLiteral("-o") << QStringLiteral("sides=two-sided-short-edge");
        break;
    default:
        break;
    }
    const QPageSize::PageSizeId id = PaperChoice::PageSizeId(paperCode_);
    if (id != QPageSize::Custom)
        arguments << QStringLiteral("-o") << QStringLiteral("media=") + QPageSize(id).key();
    else if (customPage_.isValid()) // CUPS's name of a size of its own: "Custom.2.25x1.25in"
        arguments << QStringLiteral("-o")
                  << QStringLiteral("media=Custom.%1x%2in")
                         .arg(QString::number(customPage_.width(), 'f', 4),
                              QString::number(customPage_.height(), 'f', 4));
    arguments << QStringLiteral("--") << spoolFile_->fileName();

    QProcess lp;
    lp.start(QStringLiteral("lp"), arguments);
    const bool finished = lp.waitForFinished(60000);
    const QString detail = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
    DropSpool();
    if (!finished || lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0)
        throw std::runtime_error(
            QCoreApplication::translate("TReportPrinter",
                                        "The printer \"%1\" did not accept the document.%2")
                .arg(printer.printerName(),
                     detail.isEmpty() ? QString() : QLatin1Char(' ') + detail)
                .toStdString());
}

void TReportPrinter::DropSpool() {
    if (spoolFile_)
        PartialFiles::Remove(spoolFile_->fileName());
    spool_.reset();
    spoolFile_.reset(); // removes the file
}

QString TReportPrinter::DeviceError() const {
    if (!openError_.isEmpty())
        return openError_;
    if (!PrintersInstalled() && Device().outputFormat() == QPrinter::NativeFormat)
        return QCoreApplication::translate("TReportPrinter", "No printers installed");
    return QCoreApplication::translate("TReportPrinter",
                                       "The printer \"%1\" could not start the document.")
        .arg(Device().printerName());
}

void TReportPrinter::NextDevicePage() {
    if (spool_)
        spool_->newPage();
    else
        Device().newPage();
}

void TReportPrinter::DocumentAbandoned() {
    if (file_) {
        if (painter_.isActive())
            painter_.end();
        DropFile();
        return;
    }
    if (spool_) {
        if (painter_.isActive())
            painter_.end();
        DropSpool();
    } else if (painter_.isActive()) {
        Device().abort();
    }
}
