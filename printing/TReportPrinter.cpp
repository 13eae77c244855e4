#include "printing/TReportPrinter.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "printing/PaperChoice.h"

namespace {

TReportPrinter::DialogLauncher& Launcher() {
    static TReportPrinter::DialogLauncher launcher;
    return launcher;
}

bool RunStandardDialog(QPrinter& printer, QWidget* parent, bool setup) {
    QPrintDialog dialog(&printer, parent);
    if (setup) {
        dialog.setWindowTitle(QStringLiteral("Printer Setup"));
        dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    } else {
        dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    }
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

TReportPrinter::TReportPrinter() = default;
TReportPrinter::~TReportPrinter() {
    if (painter_.isActive())
        painter_.end();
}

QPrinter& TReportPrinter::Device() {
    // Kept for the whole run and never destroyed: jobs may run until the program ends.
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        if (p->printerName().isEmpty() && !QPrinterInfo::availablePrinters().isEmpty())
            p->setPrinterName(QPrinterInfo::availablePrinters().first().printerName());
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

void TReportPrinter::SetDialogLauncher(DialogLauncher launcher) {
    Launcher() = std::move(launcher);
}

bool TReportPrinter::PrintDialog(QWidget* parent) {
    return Launcher() ? Launcher()(Device(), parent, false)
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
    if (painter_.isActive())
        Device().abort();
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
        size = QPageSize::size(id, QPageSize::Inch);
    else
        size = Device().pageLayout().pageSize().size(QPageSize::Inch);
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
    if (printer.outputFormat() != QPrinter::NativeFormat && printer.outputFileName().isEmpty())
        return nullptr;
    // Painting in whole-paper coordinates: the unprintable margin is the device's concern.
    printer.setFullPage(true);
    const QPageSize::PageSizeId id = PaperChoice::PageSizeId(paperCode_);
    if (id != QPageSize::Custom)
        printer.setPageSize(QPageSize(id));
    printer.setPageOrientation(orientation_ == TReportOrientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    printer.setDocName(Title.left(31));
    return &printer;
}

QString TReportPrinter::DeviceError() const {
    if (!PrintersInstalled())
        return QStringLiteral("No printers installed");
    return QStringLiteral("The printer \"%1\" could not start the document.")
        .arg(Device().printerName());
}

void TReportPrinter::NextDevicePage() {
    Device().newPage();
}

void TReportPrinter::DocumentAbandoned() {
    if (painter_.isActive())
        Device().abort();
}
