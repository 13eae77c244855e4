#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPainter>
#include <vector>

#include "printing/ReportSurface.h"

// Paints report pages through a QPainter whose coordinates are device pixels of the
// paper (full-page coordinates). Every position is rounded to the nearest device pixel;
// deviceOffset is subtracted once, for devices whose origin is not the paper's corner.
class PainterSurface : public ReportSurface {
public:
    PainterSurface(QPainter* painter, double dotsPerInchX, double dotsPerInchY,
                   QPoint deviceOffset = {});

    void SetAntialiasing(bool on) { antialias_ = on; }

    int DeviceX(double inches) const;
    int DeviceY(double inches) const;
    QRect DeviceRect(const QRectF& inches) const;

    void BeginPage(const QSizeF& pageInches) override;
    void EndPage() override;
    void SetPen(const TReportPenSpec& pen) override;
    void SetBrush(const TReportBrushSpec& brush) override;
    void SetFont(const TReportFontSpec& font, const QColor& color) override;
    void DrawText(const QPointF& pivot, double baselineOffset, double angleCcw,
                  const QString& text) override;
    void DrawRect(const QRectF& box) override;
    void DrawRoundRect(const QRectF& box, const QSizeF& cornerEllipse) override;
    void DrawEllipse(const QRectF& box) override;
    void DrawLine(const QPointF& from, const QPointF& to) override;
    void DrawImage(const QRectF& box, const QImage& image) override;
    void DrawPicture(const QRectF& box, const Picture& picture) override;

private:
    bool Ready() const;
    QPen DevicePen() const;
    void Prepare();
    void FillAndStroke(const QPainterPath& path, const QRect& bounds);
    void DrawHatch(const QPainterPath& path, const QRect& bounds);
    void DrawPattern(const QPainterPath& path);
    struct ShapedText {
        QList<QGlyphRun> Runs;
        qreal Ascent = 0; // from the line's top to its baseline
    };
    const ShapedText& Shaped(const QString& text);

    QPainter* painter_;
    double dpiX_;
    double dpiY_;
    QPoint offset_;
    bool antialias_ = false;
    TReportPenSpec pen_;
    TReportBrushSpec brush_;
    TReportFontSpec fontSpec_;
    QFont font_;
    bool fontValid_ = false;
    QColor textColor_ = Qt::black;
    // Labels repeat the same texts on every position: shape each once per font.
    QString fontKey_;
    struct RealisedFont {
        TReportFontSpec Spec;
        QFont Font;
        QString Key;
    };
    std::vector<RealisedFont> fonts_;
    QHash<QString, ShapedText> shaped_;
};
