#pragma once

#include <QImage>
#include <functional>
#include <vector>

#include "printing/TCanvasReport.h"

// The engine drawing each page into an image at a chosen resolution (white paper).
// Finished pages go to OnPage when set, otherwise they are kept in Pages().
class TReportImage : public TCanvasReport {
public:
    explicit TReportImage(double dotsPerInch = 600.0);

    std::function<void(const QImage& page, int pageNumber)> OnPage;
    const std::vector<QImage>& Pages() const { return pages_; }
    void SetAntialiased(bool on) { antialiased_ = on; }

    double XDpi() const override { return dpi_; }
    double YDpi() const override { return dpi_; }

protected:
    QPaintDevice* OpenDevice() override;
    bool Antialiased() const override { return antialiased_; }
    void NextDevicePage() override;
    void DocumentEnded() override;

private:
    void Deliver(int pageNumber);
    double dpi_;
    bool antialiased_ = false;
    QImage image_;
    std::vector<QImage> pages_;
};
