#include "printing/TReportPdfWriter.h"

#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <QtMath>

#include "printing/PaperChoice.h"

TReportPdfWriter::TReportPdfWriter(const QString& fileName, double dotsPerInch)
    : fileName_(fileName), dpi_(dotsPerInch) {}

TReportPdfWriter::~TReportPdfWriter() {
    if (painter_.isActive())
        painter_.end();
}

QPaintDevice* TReportPdfWriter::OpenDevice() {
    writer_ = std::make_unique<QPdfWriter>(fileName_);
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
    return QStringLiteral("Cannot write the PDF file \"%1\".").arg(fileName_);
}

void TReportPdfWriter::NextDevicePage() {
    writer_->newPage();
}

void TReportPdfWriter::DocumentAbandoned() {
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
    QFile::remove(fileName_);
}
