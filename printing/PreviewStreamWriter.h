#pragma once

#include <QDataStream>
#include <QHash>
#include <QIODevice>
#include <optional>

#include "printing/ReportSurface.h"

// Records report pages into the preview stream: a display list of drawing calls in
// inches, replayed by PreviewStreamReader onto any PainterSurface. Each page restates the
// pen, brush and font in force, so pages replay on their own; images are stored once
// (PNG) and referred to by number.
class PreviewStreamWriter : public ReportSurface {
public:
    // Pictures are stored as images at this resolution: enough for the preview's 200 %.
    static constexpr double kPictureDpi = 200.0;

    explicit PreviewStreamWriter(QIODevice* stream);

    void BeginDocument();
    void EndDocument();
    int PageCount() const { return pages_; }

    void BeginPage(const QSizeF& pageInches) override;
    void MirrorPage(double axisInches) override;
    void EndPage() override;
    void SetPen(const TReportPenSpec& pen) override;
    void SetBrush(const TReportBrushSpec& brush) override;
    void SetFont(const TReportFontDesc& font, const QColor& color) override;
    void DrawText(const QPointF& pivot, double baselineOffset, double angleCcw,
                  const QString& text) override;
    void DrawRect(const QRectF& box) override;
    void DrawRoundRect(const QRectF& box, const QSizeF& cornerEllipse) override;
    void DrawEllipse(const QRectF& box) override;
    void DrawLine(const QPointF& from, const QPointF& to) override;
    void DrawImage(const QRectF& box, const QImage& image) override;
    void DrawPicture(const QRectF& box, const Picture& picture) override;
    void FillPath(const QPainterPath& inches, const QColor& color) override;
    void SetClip(const QRectF& box) override;

private:
    void WriteRect(const QRectF& box);
    void WritePen();
    void WriteBrush();
    void WriteFont();
    qint32 ImageId(const QImage& image);

    QDataStream out_;
    int pages_ = 0;
    std::optional<TReportPenSpec> pen_;
    std::optional<TReportBrushSpec> brush_;
    std::optional<TReportFontDesc> font_;
    QColor fontColor_;
    QHash<qint64, qint32> idsByCacheKey_;
    QHash<size_t, qint32> idsByContent_;
    qint32 nextId_ = 0;
};
