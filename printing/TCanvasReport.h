#pragma once

#include <QPainter>
#include <memory>

#include "printing/TBaseReport.h"

class PainterSurface;
class QPaintDevice;

// The engine drawing through a QPainter on a paint device whose coordinates are device
// pixels of the whole paper. Subclasses supply the device and its paging.
class TCanvasReport : public TBaseReport {
public:
    TCanvasReport();
    ~TCanvasReport() override;

    QPainter& Canvas() { return painter_; }

protected:
    // The device to paint on, ready for its first page; nullptr when it cannot start
    // (then DeviceError() says why).
    virtual QPaintDevice* OpenDevice() = 0;
    virtual QString DeviceError() const;
    virtual QPoint DeviceOffset() const { return {}; }
    virtual bool Antialiased() const { return false; }
    // Moves the device to a fresh page; the painter stays active.
    virtual void NextDevicePage() = 0;
    // After the painter has ended.
    virtual void DocumentEnded() {}
    virtual void DocumentAbandoned() {}
    // After the painter has ended on an error while drawing; by default as DocumentEnded.
    virtual void DocumentFailed() { DocumentEnded(); }

    ReportSurface* BeginDocument() override;
    void BeginDevicePage() override;
    void EndDocument() override;
    void AbandonDocument() override;
    void FailDocument() override;

    QPainter painter_;

private:
    std::unique_ptr<PainterSurface> surface_;
};
