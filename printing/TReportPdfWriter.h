#pragma once

#include <QString>
#include <memory>

#include "printing/TCanvasReport.h"

class QPdfWriter;

// The engine writing a PDF file, page for page as the printer would print it. An
// abandoned document leaves no file behind.
class TReportPdfWriter : public TCanvasReport {
public:
    explicit TReportPdfWriter(const QString& fileName, double dotsPerInch = 1200.0);
    ~TReportPdfWriter() override;

    QString FileName() const { return fileName_; }
    double XDpi() const override { return dpi_; }
    double YDpi() const override { return dpi_; }

protected:
    QPaintDevice* OpenDevice() override;
    QString DeviceError() const override;
    void NextDevicePage() override;
    void DocumentAbandoned() override;

private:
    QString fileName_;
    double dpi_;
    std::unique_ptr<QPdfWriter> writer_;
};
