#include "printing/TReportPdfWriter.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QtMath>

#include <malloc.h>

#include "printing/OutputError.h"
#include "printing/OutputFile.h"
#include "printing/PaperChoice.h"
#include "printing/PdfSubsetNames.h"
#include <QCoreApplication>

namespace {

// The PDF writer builds each page in buffers of a few hundred kilobytes and frees them when the
// page is written; glibc would give that memory back to the system at every page and fault it
// in afresh for the next (the system calls and page faults of a 1000-sheet run cost about a
// seventh of its time). Such buffers come from the heap, and freed memory up to 64 MiB is kept
// for the next page.
void KeepFreedMemoryForTheNextPage() {
    static const bool done = [] {
        constexpr int kKeptBytes = 64 * 1024 * 1024;
        constexpr int kMappedFrom = 32 * 1024 * 1024; // the writer asks for 16 MiB at a time
        mallopt(M_MMAP_THRESHOLD, kMappedFrom);
        mallopt(M_TRIM_THRESHOLD, kKeptBytes);
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

TReportPdfWriter::TReportPdfWriter(const QString& fileName, double dotsPerInch)
    : fileName_(fileName), dpi_(dotsPerInch) {}

TReportPdfWriter::TReportPdfWriter(OutputFile& device, double dotsPerInch)
    : fileName_(device.Name()), dpi_(dotsPerInch), device_(&device), staged_(false) {}

TReportPdfWriter::~TReportPdfWriter() {
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
}

QPaintDevice* TReportPdfWriter::OpenDevice() {
    KeepFreedMemoryForTheNextPage();
    openError_.clear();
    if (staged_) {
        output_.Discard();
        openError_ = StagedOutput::Refusal(fileName_);
        if (!openError_.isEmpty())
            return nullptr;
        device_ = &output_.Stage(fileName_);
        if (device_->Failed()) {
            openError_ = device_->Error();
            output_.Discard();
            return nullptr;
        }
    }
    names_ = std::make_unique<PdfSubsetNames>(*device_);
    writer_ = std::make_unique<QPdfWriter>(names_.get());
    writer_->setResolution(qRound(dpi_));
    writer_->setTitle(Title);
    writer_->setCreator(QStringLiteral("Quorvane"));
    // No margins: painting starts at the paper's corner.
    QPageSize::PageSizeId id = PaperChoice::PageSizeId(paperCode_);
    const bool ownSize = id == QPageSize::Custom && customPage_.isValid();
    if (id == QPageSize::Custom)
        id = QPageSize::Letter;
    const auto orientation = orientation_ == TReportOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait;
    const QPageSize page =
        ownSize ? QPageSize(customPage_, QPageSize::Inch, QString(), QPageSize::ExactMatch)
                : QPageSize(id);
    writer_->setPageLayout(QPageLayout(page, orientation, QMarginsF(0, 0, 0, 0)));
    return writer_.get();
}

QString TReportPdfWriter::DeviceError() const {
    if (!openError_.isEmpty())
        return openError_;
    return QCoreApplication::translate("TReportPdfWriter", "Cannot write the PDF file \"%1\".")
        .arg(fileName_);
}

void TReportPdfWriter::NextDevicePage() {
    writer_->newPage();
}

// The painter has ended: the writer has put out the whole file.
void TReportPdfWriter::DocumentEnded() {
    writer_.reset();
    names_->AppendTaggedNames(); // a failed write shows when the file is finished
    names_.reset();
    if (!staged_) {
        if (!device_->Finish())
            throw OutputError(device_->Error().toStdString());
        return;
    }
    QString error;
    if (!output_.Commit(error))
        throw OutputError(error.toStdString());
}

void TReportPdfWriter::DocumentAbandoned() {
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
    names_.reset();
    output_.Discard();
}

void TReportPdfWriter::DocumentFailed() {
    DocumentAbandoned();
}
