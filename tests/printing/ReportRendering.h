#pragma once

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <functional>

#include "printing/PainterSurface.h"
#include "printing/PreviewStreamReader.h"
#include "printing/TReportFiler.h"
#include "printing/TReportImage.h"

// Runs one drawing through the engine onto the targets the tests compare.
namespace ReportRendering {

using Drawing = std::function<void(TBaseReport&)>;

// Pages are 5 x 5 inches unless a paper code is given: enough room, and quick at 600 dpi.
inline QImage ToImage(double dpi, const Drawing& draw, int paperCode = 0) {
    TReportImage report(dpi);
    report.SelectPaper(paperCode);
    report.SetCustomPageSize(QSizeF(5, 5));
    report.OnPrint = draw;
    report.Execute();
    return report.Pages().empty() ? QImage() : report.Pages().front();
}

inline QByteArray ToStream(double recordDpi, const Drawing& draw, int paperCode = 0) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    TReportFiler filer;
    filer.SetResolution(recordDpi);
    filer.SelectPaper(paperCode);
    filer.SetCustomPageSize(QSizeF(5, 5));
    filer.Stream = &buffer;
    filer.OnPrint = draw;
    filer.Execute();
    return bytes;
}

inline QImage ReplayPage(const QByteArray& stream, int page, double dpi) {
    PreviewStreamReader reader;
    if (!reader.Load(stream) || page >= reader.PageCount())
        return {};
    const QSizeF size = reader.PageSize(page);
    QImage image(qRound(size.width() * dpi), qRound(size.height() * dpi), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(&painter, dpi, dpi);
    reader.ReplayPage(page, surface);
    return image;
}

} // namespace ReportRendering
