#include "printing/TBaseReport.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QPageSize>
#include <QtMath>

#include <algorithm>

#include "controls/Picture.h"
#include "printing/PaperChoice.h"
#include "printing/ReportFontMetrics.h"
#include "printing/ReportSurface.h"

TBaseReport::TBaseReport() = default;
TBaseReport::~TBaseReport() = default;

bool TBaseReport::SupportsPaper(int paperCode) const {
    return PaperChoice::PageSizeId(paperCode) != QPageSize::Custom;
}

void TBaseReport::SelectPaper(int paperCode) {
    paperCode_ = paperCode;
}

void TBaseReport::SetOrientation(TReportOrientation orientation) {
    orientation_ = orientation;
}

QSizeF TBaseReport::PageSizeInches() const {
    QPageSize::PageSizeId id = PaperChoice::PageSizeId(paperCode_);
    if (id == QPageSize::Custom && customPage_.isValid())
        return customPage_;
    if (id == QPageSize::Custom)
        id = QPageSize::Letter;
    // Millimetres are exact for the standard papers; inches are rounded to 0.01.
    QSizeF size = QPageSize::size(id, QPageSize::Millimeter) / 25.4;
    if (orientation_ == TReportOrientation::Landscape)
        size.transpose();
    return size;
}

void TBaseReport::Execute() {
    aborted_ = false;
    page_ = 1;
    // The paper is fixed for the job: asked once, not at every label.
    jobPage_ = PageSizeInches();
    surface_ = BeginDocument();
    printing_ = true;
    BeginSurfacePage();
    ShowStatus();
    pen_ = {};
    brush_ = {};
    SetOrigin(0, 0);
    ResetSection();
    Home();
    try {
        if (OnPrint)
            OnPrint(*this);
    } catch (...) {
        Finish(true);
        throw;
    }
    Finish(false);
}

void TBaseReport::Finish(bool failed) {
    surface_->EndPage();
    printing_ = false;
    surface_ = nullptr;
    if (aborted_)
        AbandonDocument();
    else if (failed)
        FailDocument();
    else
        EndDocument();
}

void TBaseReport::ShowStatus() {
    if (StatusFormat.isEmpty())
        return;
    QString text = StatusFormat;
    text.replace(QLatin1String("%p"), QString::number(page_));
    if (StatusLabel)
        StatusLabel->setText(text);
    if (OnStatus)
        OnStatus(text);
}

void TBaseReport::NewPage() {
    if (!surface_)
        return;
    surface_->EndPage();
    ++page_;
    BeginDevicePage();
    BeginSurfacePage();
    ResetSection();
    Home();
    ShowStatus();
}

// A mirrored page turns about the corrected page's width, and its drawing moves the other way
// before the turn, so that the correction moves the turned page as it does a plain one.
void TBaseReport::BeginSurfacePage() {
    surface_->BeginPage(jobPage_);
    if (mirror_)
        surface_->MirrorPage(jobPage_.width() * alignment_.ScaleX);
}

// Inches on paper: the position meant, as the printer's correction moves it.
double TBaseReport::InchX(double x) const {
    const double offset = mirror_ ? -alignment_.OffsetX : alignment_.OffsetX;
    return (originX_ + x / UnitsFactor * ScaleX / 100.0) * alignment_.ScaleX + offset;
}

double TBaseReport::InchY(double y) const {
    return (originY_ + y / UnitsFactor * ScaleY / 100.0) * alignment_.ScaleY + alignment_.OffsetY;
}

double TBaseReport::UnitsFromPixels(int pixels, double dpi) const {
    return pixels / dpi * UnitsFactor;
}

void TBaseReport::SetOrigin(double x, double y) {
    originX_ = x / UnitsFactor;
    originY_ = y / UnitsFactor;
}

void TBaseReport::ResetSection() {
    const QSizeF page = printing_ ? jobPage_ : PageSizeInches();
    section_ = QRectF(QPointF(MarginLeft, MarginTop),
                      QPointF(page.width() - MarginRight, page.height() - MarginBottom));
}

void TBaseReport::Home() {
    advancePending_.clear();
    cursorX_ = section_.left() * UnitsFactor;
    cursorY_ = section_.top() * UnitsFactor;
    lineNum_ = 1;
    columnNum_ = 1;
}

void TBaseReport::SetFont(const QString& name, double sizeInPoints) {
    if (!(sizeInPoints > 0))
        return;
    font_ = TReportFontDesc{name, sizeInPoints};
    fontColor_ = Qt::black;
    rotation_ = 0;
    placement_ = TVerticalPlacement::Baseline;
}

void TBaseReport::SetFontRotation(int degreesCcw) {
    rotation_ = ((degreesCcw % 360) + 360) % 360;
}

double TBaseReport::FontAscent() const {
    return UnitsFromPixels(ReportFontMetrics::For(font_, YDpi()).Ascent, YDpi());
}

double TBaseReport::FontDescent() const {
    return UnitsFromPixels(ReportFontMetrics::For(font_, YDpi()).Descent, YDpi());
}

double TBaseReport::FontInternalLeading() const {
    return UnitsFromPixels(ReportFontMetrics::For(font_, YDpi()).InternalLeading, YDpi());
}

double TBaseReport::FontSize() const {
    return UnitsFromPixels(ReportFontMetrics::For(font_, YDpi()).PixelsPerEm, YDpi());
}

double TBaseReport::TextWidth(const QString& text) const {
    const ReportFontMetrics& metrics = ReportFontMetrics::For(font_, YDpi());
    return metrics.Widths->horizontalAdvance(text) / XDpi() * UnitsFactor;
}

void TBaseReport::GotoXY(double x, double y) {
    advancePending_.clear();
    cursorX_ = x;
    cursorY_ = y;
}

// Measuring a text costs as much as drawing it; the cursor moves on only when asked.
QPointF TBaseReport::Cursor() const {
    if (!advancePending_.isEmpty()) {
        cursorX_ += TextWidth(advancePending_);
        advancePending_.clear();
    }
    return {cursorX_, cursorY_};
}

void TBaseReport::Print(const QString& text) {
    Cursor();
    if (surface_ && !text.isEmpty()) {
        PushFont();
        // Top placement puts the cell top at y - ascent - internal leading, so the baseline
        // (ascent below the cell top) falls at y - internal leading. Bottom placement puts
        // the cell bottom (descent below the baseline) at y + descent: the baseline at y.
        const ReportFontMetrics& metrics = ReportFontMetrics::For(font_, YDpi());
        const double offset =
            placement_ == TVerticalPlacement::Top ? -double(metrics.InternalLeading) / YDpi() : 0.0;
        surface_->DrawText(QPointF(InchX(cursorX_), InchY(cursorY_)), offset, rotation_, text);
    }
    advancePending_ = text;
}

void TBaseReport::PrintXY(double x, double y, const QString& text) {
    GotoXY(x, y);
    Print(text);
}

void TBaseReport::SetPen(const QColor& color, TPenStyle style, int width, TPenMode) {
    pen_.Color = color;
    pen_.Style = style;
    if (width < 0)
        pen_.WidthInches = std::max(1, qRound(-width / 100.0 * XDpi())) / XDpi();
    else
        pen_.WidthInches = width / XDpi();
}

void TBaseReport::SetBrush(const QColor& color, TReportBrushStyle style, const QImage* pattern) {
    brush_.Color = color;
    brush_.Style = style;
    brush_.Pattern = pattern ? *pattern : QImage();
}

void TBaseReport::PushPen() {
    surface_->SetPen(pen_);
}

// Hatches and patterns line up with the current origin, so that every label on the sheet
// shows them as the design panel does.
void TBaseReport::PushBrush() {
    const bool anchored = !brush_.Pattern.isNull() || (brush_.Style != TReportBrushStyle::Solid &&
                                                       brush_.Style != TReportBrushStyle::Clear);
    brush_.HatchOriginX = anchored ? InchX(0) : 0.0;
    brush_.HatchOriginY = anchored ? InchY(0) : 0.0;
    surface_->SetBrush(brush_);
}

void TBaseReport::PushFont() {
    surface_->SetFont(font_, fontColor_);
}

void TBaseReport::Rectangle(double x1, double y1, double x2, double y2) {
    if (!surface_)
        return;
    PushPen();
    PushBrush();
    surface_->DrawRect(QRectF(QPointF(InchX(x1), InchY(y1)), QPointF(InchX(x2), InchY(y2))));
}

void TBaseReport::RoundRect(double x1, double y1, double x2, double y2, double cornerWidth,
                            double cornerHeight) {
    if (!surface_)
        return;
    PushPen();
    PushBrush();
    surface_->DrawRoundRect(
        QRectF(QPointF(InchX(x1), InchY(y1)), QPointF(InchX(x2), InchY(y2))),
        QSizeF(cornerWidth / UnitsFactor * ScaleX / 100.0 * alignment_.ScaleX,
               cornerHeight / UnitsFactor * ScaleY / 100.0 * alignment_.ScaleY));
}

void TBaseReport::Ellipse(double x1, double y1, double x2, double y2) {
    if (!surface_)
        return;
    PushPen();
    PushBrush();
    surface_->DrawEllipse(QRectF(QPointF(InchX(x1), InchY(y1)), QPointF(InchX(x2), InchY(y2))));
}

void TBaseReport::MoveTo(double x, double y) {
    penX_ = x;
    penY_ = y;
}

void TBaseReport::LineTo(double x, double y) {
    if (surface_) {
        PushPen();
        surface_->DrawLine(QPointF(InchX(penX_), InchY(penY_)), QPointF(InchX(x), InchY(y)));
    }
    penX_ = x;
    penY_ = y;
}

void TBaseReport::StretchDraw(double x1, double y1, double x2, double y2, const QImage& image) {
    if (surface_)
        surface_->DrawImage(QRectF(QPointF(InchX(x1), InchY(y1)), QPointF(InchX(x2), InchY(y2))),
                            image);
}

QRect TBaseReport::CreateRect(double x1, double y1, double x2, double y2) const {
    const QPoint topLeft(qRound(InchX(x1) * XDpi()), qRound(InchY(y1) * YDpi()));
    const QPoint bottomRight(qRound(InchX(x2) * XDpi()), qRound(InchY(y2) * YDpi()));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

void TBaseReport::StretchDrawPicture(const QRect& deviceRect, const Picture& picture) {
    if (!surface_)
        return;
    const QRectF inches(
        QPointF(deviceRect.left() / XDpi(), deviceRect.top() / YDpi()),
        QPointF((deviceRect.right() + 1) / XDpi(), (deviceRect.bottom() + 1) / YDpi()));
    surface_->DrawPicture(inches, picture);
}

// Units from the origin to inches from the paper's corner, as InchX and InchY map a point.
QTransform TBaseReport::UnitsToInches() const {
    const double x0 = InchX(0), y0 = InchY(0);
    return QTransform(InchX(1) - x0, 0, 0, InchY(1) - y0, x0, y0);
}

void TBaseReport::FillPath(const QPainterPath& path, const QColor& color) {
    if (!surface_ || path.isEmpty())
        return;
    surface_->FillPath(UnitsToInches().map(path), color);
}

void TBaseReport::SetClipRect(double x1, double y1, double x2, double y2) {
    if (!surface_)
        return;
    surface_->SetClip(
        QRectF(QPointF(InchX(x1), InchY(y1)), QPointF(InchX(x2), InchY(y2))).normalized());
}

void TBaseReport::ClearClip() {
    if (surface_)
        surface_->SetClip(QRectF());
}
