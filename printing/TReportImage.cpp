#include "printing/TReportImage.h"

#include <QtMath>

TReportImage::TReportImage(double dotsPerInch) : dpi_(dotsPerInch) {}

QPaintDevice* TReportImage::OpenDevice() {
    pages_.clear();
    const QSizeF page = PageSizeInches();
    image_ =
        QImage(qRound(page.width() * dpi_), qRound(page.height() * dpi_), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi_ / 0.0254);
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.fill(Qt::white);
    return &image_;
}

void TReportImage::Deliver(int pageNumber) {
    if (OnPage)
        OnPage(image_, pageNumber);
    else
        pages_.push_back(image_.copy());
}

void TReportImage::NextDevicePage() {
    painter_.end();
    Deliver(CurrentPage() - 1); // the page just finished
    image_.fill(Qt::white);
    painter_.begin(&image_);
}

void TReportImage::DocumentEnded() {
    Deliver(CurrentPage());
}
