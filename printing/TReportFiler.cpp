#include "printing/TReportFiler.h"

#include <QIODevice>
#include <QPrinter>

#include <stdexcept>

#include "printing/PaperChoice.h"
#include "printing/PreviewStreamWriter.h"
#include "printing/TReportPrinter.h"

TReportFiler::TReportFiler()
    : dpi_(TReportPrinter::PrintersInstalled() ? TReportPrinter::Device().resolution() : 600) {}

TReportFiler::~TReportFiler() = default;

int TReportFiler::PagesWritten() const {
    return writer_ ? writer_->PageCount() : pagesWritten_;
}

// A preview stands for a print on the current printer: same paper checks and paper.
bool TReportFiler::SupportsPaper(int paperCode) const {
    if (TReportPrinter::PrintersInstalled())
        return TReportPrinter().SupportsPaper(paperCode);
    return TBaseReport::SupportsPaper(paperCode);
}

QSizeF TReportFiler::PageSizeInches() const {
    if (paperCode_ == 0 && !customPage_.isValid() && TReportPrinter::PrintersInstalled()) {
        TReportPrinter printer;
        printer.SetOrientation(orientation_);
        return printer.PageSizeInches();
    }
    return TBaseReport::PageSizeInches();
}

ReportSurface* TReportFiler::BeginDocument() {
    if (!Stream)
        throw std::runtime_error("The preview has no stream to write to.");
    if (!Stream->isOpen() && !Stream->open(QIODevice::ReadWrite))
        throw std::runtime_error("The preview stream cannot be opened.");
    writer_ = std::make_unique<PreviewStreamWriter>(Stream);
    writer_->BeginDocument();
    return writer_.get();
}

void TReportFiler::EndDocument() {
    writer_->EndDocument();
    pagesWritten_ = writer_->PageCount();
    writer_.reset();
}

void TReportFiler::AbandonDocument() {
    EndDocument();
}
