#include "printing/TCanvasReport.h"

#include <stdexcept>

#include "printing/PainterSurface.h"
#include <QCoreApplication>

TCanvasReport::TCanvasReport() = default;
TCanvasReport::~TCanvasReport() {
    if (painter_.isActive())
        painter_.end();
}

QString TCanvasReport::DeviceError() const {
    return QCoreApplication::translate("TCanvasReport", "The output device could not be opened.");
}

ReportSurface* TCanvasReport::BeginDocument() {
    QPaintDevice* device = OpenDevice();
    if (!device || !painter_.begin(device))
        throw std::runtime_error(DeviceError().toStdString());
    surface_ = std::make_unique<PainterSurface>(&painter_, XDpi(), YDpi(), DeviceOffset());
    surface_->SetAntialiasing(Antialiased());
    return surface_.get();
}

void TCanvasReport::BeginDevicePage() {
    if (painter_.isActive())
        NextDevicePage();
}

void TCanvasReport::EndDocument() {
    if (painter_.isActive())
        painter_.end();
    DocumentEnded();
}

void TCanvasReport::AbandonDocument() {
    DocumentAbandoned();
    if (painter_.isActive())
        painter_.end();
}

void TCanvasReport::FailDocument() {
    if (painter_.isActive())
        painter_.end();
    DocumentFailed();
}
