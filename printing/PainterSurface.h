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
    void MirrorPage(double axisInches) override;
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
    bool Ready() const;
    QPen DevicePen() const;
    void Prepare();
    void FillAndStroke(const QPainterPath& path, const QRect& bounds);
    void DrawHatch(const QPainterPath& path, const QRect& bounds);
    void DrawPattern(const QPainterPath& path);
    struct ShapedText {
        QList<QGlyphRun> Runs;
        qreal Ascent = 0;    // from the line's top to its baseline
        bool Shaped = false; // false: the text was seen once, not shaped yet
    };
    void DrawTextLine(const QPointF& baseline, const QString& text);
    const ShapedText* Reused(const QString& text);
    ShapedText Shape(const QString& text) const;

    QPainter* painter_;
    double dpiX_;
    double dpiY_;
    QPoint offset_;
    bool directText_;
    bool antialias_ = false;
    bool mirrored_ = false;
    QTransform unmirrored_; // the painter's transform before the page was mirrored
    TReportPenSpec pen_;
    TReportBrushSpec brush_;
    TReportFontDesc fontSpec_;
    QFont font_;
    bool fontValid_ = false;
    QColor textColor_ = Qt::black;
    // Texts met so far, by font and text (see DrawTextLine).
    QString fontKey_;
    struct RealisedFont {
        TReportFontDesc Desc;
        QFont Font;
        QString Key;
    };
    std::vector<RealisedFont> fonts_;
    QHash<QString, ShapedText> shaped_;
};
