#pragma once

#include <QString>
#include <memory>

#include "printing/StagedOutput.h"
#include "printing/TCanvasReport.h"

class OutputFile;
class PdfSubsetNames;
class QPdfWriter;

// The engine writing a PDF file, page for page as the printer would print it. The file is
// complete or absent: it is written under a partial name, every write is checked, and only
// a document that ended normally and reached the disk whole replaces the target. An
// abandoned or failed document leaves no file behind and an existing one as it was.
class TReportPdfWriter : public TCanvasReport {
public:
    explicit TReportPdfWriter(const QString& fileName, double dotsPerInch = 1200.0);
    // Writes into device, unstaged (standard output), and finishes it when the document ends;
    // a failed write is an OutputError then too.
    explicit TReportPdfWriter(OutputFile& device, double dotsPerInch = 1200.0);
    ~TReportPdfWriter() override;

    QString FileName() const { return fileName_; }
    double XDpi() const override { return dpi_; }
    double YDpi() const override { return dpi_; }

protected:
    QPaintDevice* OpenDevice() override;
    QString DeviceError() const override;
    void NextDevicePage() override;
    void DocumentEnded() override;
    void DocumentAbandoned() override;
    void DocumentFailed() override;

private:
    QString fileName_;
    double dpi_;
    OutputFile* device_ = nullptr; // the file being written
    bool staged_ = true;
    StagedOutput output_;
    QString openError_;
    std::unique_ptr<PdfSubsetNames> names_; // between the writer and the file
    std::unique_ptr<QPdfWriter> writer_;
};
