#include "printing/TReportPdfWriter.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QtMath>

#include "printing/OutputError.h"
#include "printing/OutputFile.h"
#include "printing/PaperChoice.h"

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
    writer_ = std::make_unique<QPdfWriter>(device_);
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
    const QPageSize page = ownSize ? QPageSize(customPage_, QPageSize::Inch, QString(),
                                               QPageSize::ExactMatch)
                                   : QPageSize(id);
    writer_->setPageLayout(QPageLayout(page, orientation, QMarginsF(0, 0, 0, 0)));
    return writer_.get();
}

QString TReportPdfWriter::DeviceError() const {
    if (!openError_.isEmpty())
        return openError_;
    return QStringLiteral("Cannot write the PDF file \"%1\".").arg(fileName_);
}

void TReportPdfWriter::NextDevicePage() {
    writer_->newPage();
}

// The painter has ended: the writer has put out the whole file.
void TReportPdfWriter::DocumentEnded() {
    writer_.reset();
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
    output_.Discard();
}

void TReportPdfWriter::DocumentFailed() {
    DocumentAbandoned();
}
