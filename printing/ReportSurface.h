#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "printing/ReportTypes.h"

class Picture;

// What the report engine draws on: a page in inches from the paper's physical top-left
// corner. One implementation paints through QPainter (printer, PDF, image, preview
// window), the other records the calls into the preview stream, so every target is
// drawn by the same painting code.
class ReportSurface {
public:
    virtual ~ReportSurface() = default;

    virtual void BeginPage(const QSizeF& pageInches) = 0;
    virtual void EndPage() = 0;
    // Reverses what is drawn on the rest of the page left to right about the vertical line
    // axisInches / 2 from the paper's left edge (an x drawn becomes axisInches - x).
    virtual void MirrorPage(double axisInches) = 0;

    virtual void SetPen(const TReportPenSpec& pen) = 0;
    virtual void SetBrush(const TReportBrushSpec& brush) = 0;
    virtual void SetFont(const TReportFontDesc& font, const QColor& color) = 0;

    // Text whose baseline starts baselineOffset inches below pivot (in the rotated frame),
    // turned angleCcw degrees counter-clockwise about pivot.
    virtual void DrawText(const QPointF& pivot, double baselineOffset, double angleCcw,
                          const QString& text) = 0;
    virtual void DrawRect(const QRectF& box) = 0;
    virtual void DrawRoundRect(const QRectF& box, const QSizeF& cornerEllipse) = 0;
    virtual void DrawEllipse(const QRectF& box) = 0;
    virtual void DrawLine(const QPointF& from, const QPointF& to) = 0;
    virtual void DrawImage(const QRectF& box, const QImage& image) = 0;
    virtual void DrawPicture(const QRectF& box, const Picture& picture) = 0;
    // A shape filled with colour, without an outline (a barcode's hexagons, dots and rings).
    virtual void FillPath(const QPainterPath& inches, const QColor& color) = 0;
    // Whatever is drawn next stays inside box until the clip is lifted with an empty box or
    // the page ends.
    virtual void SetClip(const QRectF& box) = 0;
};
