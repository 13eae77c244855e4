#pragma once

#include <memory>

#include "printing/TBaseReport.h"

class QIODevice;
class PreviewStreamWriter;

// The engine writing pages into a preview stream owned by the caller, for TFilePreview to
// show. Metrics and pixel rounding follow the resolution of the printer the preview
// stands for; the stream itself holds inches, so it shows at any zoom.
class TReportFiler : public TBaseReport {
public:
    enum class TStreamMode { User };
    enum class TAccuracyMethod { Positioning, Appearance };

    TReportFiler();
    ~TReportFiler() override;

    QIODevice* Stream = nullptr; // written from its current position; opened when closed
    TStreamMode StreamMode = TStreamMode::User;
    TAccuracyMethod AccuracyMethod = TAccuracyMethod::Positioning;

    // Defaults to the current printer's resolution, or 600 without a printer.
    void SetResolution(double dotsPerInch) { dpi_ = dotsPerInch; }
    int PagesWritten() const;

    bool SupportsPaper(int paperCode) const override;
    QSizeF PageSizeInches() const override;
    double XDpi() const override { return dpi_; }
    double YDpi() const override { return dpi_; }

protected:
    ReportSurface* BeginDocument() override;
    void BeginDevicePage() override {}
    void EndDocument() override;
    void AbandonDocument() override;

private:
    double dpi_;
    std::unique_ptr<PreviewStreamWriter> writer_;
    int pagesWritten_ = 0;
};
