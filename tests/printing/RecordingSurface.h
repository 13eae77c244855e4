#pragma once

#include <QString>
#include <vector>

#include "printing/PreviewStreamReader.h"
#include "printing/ReportSurface.h"

// A surface that remembers the texts drawn on it, page by page, for tests that read what a
// job printed from its preview stream.
class RecordingSurface : public ReportSurface {
public:
    struct DrawnText {
        QPointF Pivot;
        double BaselineOffset = 0;
        double Angle = 0;
        QString Text;
        TReportFontDesc Font;
        QColor Color;
    };
    std::vector<DrawnText> Texts;
    int Shapes = 0;
    int Lines = 0; // of the shapes
    int Images = 0;
    int Paths = 0;
    std::vector<QRectF> Clips; // every clip set, an empty box where it was lifted
    double MirrorAxis = 0; // 0: the page is not mirrored

    void BeginPage(const QSizeF&) override {}
    void EndPage() override {}
    void MirrorPage(double axisInches) override { MirrorAxis = axisInches; }
    void SetPen(const TReportPenSpec&) override {}
    void SetBrush(const TReportBrushSpec&) override {}
    void SetFont(const TReportFontDesc& font, const QColor& color) override {
        font_ = font;
        color_ = color;
    }
    void DrawText(const QPointF& pivot, double offset, double angle, const QString& text) override {
        Texts.push_back({pivot, offset, angle, text, font_, color_});
    }
    void DrawRect(const QRectF&) override { ++Shapes; }
    void DrawRoundRect(const QRectF&, const QSizeF&) override { ++Shapes; }
    void DrawEllipse(const QRectF&) override { ++Shapes; }
    void DrawLine(const QPointF&, const QPointF&) override {
        ++Shapes;
        ++Lines;
    }
    void DrawImage(const QRectF&, const QImage&) override { ++Images; }
    void DrawPicture(const QRectF&, const Picture&) override { ++Images; }
    void FillPath(const QPainterPath&, const QColor&) override { ++Paths; }
    void SetClip(const QRectF& box) override { Clips.push_back(box); }

    // The texts of each page of a preview stream.
    static std::vector<RecordingSurface> Pages(const QByteArray& stream) {
        std::vector<RecordingSurface> pages;
        PreviewStreamReader reader;
        if (!reader.Load(stream))
            return pages;
        pages.resize(reader.PageCount());
        for (int i = 0; i < reader.PageCount(); ++i)
            reader.ReplayPage(i, pages[i]);
        return pages;
    }

    QStringList TextList() const {
        QStringList list;
        for (const DrawnText& text : Texts)
            list << text.Text;
        return list;
    }

private:
    TReportFontDesc font_;
    QColor color_;
};
