#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <functional>

#include "printing/PrinterAlignment.h"
#include "printing/ReportTypes.h"

class Picture;
class QLabel;
class ReportSurface;

// The report engine as the label renderer uses it. Positions are in units (inches with
// UnitsFactor 1.0) from the current origin, which is given in units from the physical
// top-left corner of the paper; the target device rounds every position to its pixels.
// Printer, PDF, image and preview stream are subclasses that differ only in where the
// pages go, so every target is drawn by the same code.
class TBaseReport {
public:
    TBaseReport();
    virtual ~TBaseReport();
    TBaseReport(const TBaseReport&) = delete;
    TBaseReport& operator=(const TBaseReport&) = delete;

    // Settings of a job.
    double UnitsFactor = 1.0; // units per inch
    double ScaleX = 100.0;    // percent
    double ScaleY = 100.0;
    QString Title;        // the document's name in the spooler (first 31 characters)
    QString StatusFormat; // progress text; "%p" becomes the page number
    QLabel* StatusLabel = nullptr;
    std::function<void(const QString&)> OnStatus; // alternative to StatusLabel
    double MarginLeft = 0.5, MarginTop = 0.5, MarginRight = 0.5, MarginBottom = 0.5;
    std::function<void(TBaseReport&)> OnPrint;

    // Paper: codes 1 letter, 9 A4, 11 A5; 0 leaves the device's own paper.
    virtual bool SupportsPaper(int paperCode) const;
    virtual void SelectPaper(int paperCode);
    int SelectedPaper() const { return paperCode_; }
    virtual void SetOrientation(TReportOrientation orientation);
    TReportOrientation Orientation() const { return orientation_; }
    // The page in inches as this job will draw it.
    virtual QSizeF PageSizeInches() const;
    // A page of any size, used when no paper code is selected (images and previews only).
    void SetCustomPageSize(const QSizeF& inches) { customPage_ = inches; }

    // The printer's correction of where the page lands on the paper, applied to every
    // position drawn; none unless a printer job sets it (or the batch renderer is told to).
    void SetAlignment(const PrinterAlignment& alignment) { alignment_ = alignment; }
    const PrinterAlignment& Alignment() const { return alignment_; }
    // Every page reversed left to right (text too), for printing on the back of clear film.
    // The printer's correction still moves the page as it lands in the printer.
    void SetMirror(bool on) { mirror_ = on; }
    bool Mirror() const { return mirror_; }

    // The device's resolution, pixels per inch.
    virtual double XDpi() const = 0;
    virtual double YDpi() const = 0;

    // Runs the job: starts the document, raises OnPrint once, finishes the document. An
    // aborted job is abandoned; an error thrown by OnPrint finishes the document with what
    // was drawn and is passed on.
    void Execute();
    void Abort() { aborted_ = true; }
    bool Aborted() const { return aborted_; }
    bool Printing() const { return printing_; }
    int CurrentPage() const { return page_; }

    // Positions.
    void SetOrigin(double x, double y);
    QPointF Origin() const { return {originX_, originY_}; }
    void Home();
    void ResetSection();
    QRectF Section() const { return section_; }
    int LineNum() const { return lineNum_; }
    int ColumnNum() const { return columnNum_; }
    void NewPage();

    // Fonts. Selecting a font whose size is not above 0 is ignored; otherwise it also
    // resets the colour to black, every style to off, rotation to 0 and placement to baseline.
    void SetFont(const QString& name, double sizeInPoints);
    void SetBold(bool on) { font_.Bold = on; }
    void SetItalic(bool on) { font_.Italic = on; }
    void SetUnderline(bool on) { font_.Underline = on; }
    void SetStrikeOut(bool on) { font_.StrikeOut = on; }
    void SetFontRotation(int degreesCcw);
    void SetFontColor(const QColor& color) { fontColor_ = color; }
    void SetFontPlacement(TVerticalPlacement placement) { placement_ = placement; }
    const TReportFontDesc& Font() const { return font_; }
    int FontRotation() const { return rotation_; }
    QColor FontColor() const { return fontColor_; }
    TVerticalPlacement FontPlacement() const { return placement_; }
    // Of the font as realised on the device, in units.
    double FontAscent() const;
    double FontDescent() const;
    double FontInternalLeading() const;
    double FontSize() const; // the em height: the point size rounded to device pixels
    double TextWidth(const QString& text) const;

    // Text, left-aligned at the cursor; Print advances the cursor by the text's width.
    void GotoXY(double x, double y);
    QPointF Cursor() const;
    void Print(const QString& text);
    void PrintXY(double x, double y, const QString& text);

    // Pens and brushes. A negative pen width is hundredths of an inch (at least one device
    // pixel); 0 or more is device pixels, 0 being the thinnest line the device draws.
    void SetPen(const QColor& color, TPenStyle style, int width, TPenMode mode = TPenMode::Copy);
    void SetBrush(const QColor& color, TReportBrushStyle style, const QImage* pattern = nullptr);

    // Shapes, in units from the origin; outlines are centred on the edges.
    void Rectangle(double x1, double y1, double x2, double y2);
    void RoundRect(double x1, double y1, double x2, double y2, double cornerWidth,
                   double cornerHeight);
    void Ellipse(double x1, double y1, double x2, double y2);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);

    // A bitmap stretched to fill the box; a rectangle in device pixels; a picture stretched
    // into such a rectangle.
    void StretchDraw(double x1, double y1, double x2, double y2, const QImage& image);
    QRect CreateRect(double x1, double y1, double x2, double y2) const;
    void StretchDrawPicture(const QRect& deviceRect, const Picture& picture);

    // A shape (in units from the origin) filled with color, without an outline.
    void FillPath(const QPainterPath& path, const QColor& color);
    // Whatever is drawn next stays inside the box (units from the origin) until ClearClip
    // or the next page.
    void SetClipRect(double x1, double y1, double x2, double y2);
    void ClearClip();

protected:
    // The target: open the document (and its first page) and return the surface to draw on.
    virtual ReportSurface* BeginDocument() = 0;
    virtual void BeginDevicePage() = 0; // every page after the first
    virtual void EndDocument() = 0;
    virtual void AbandonDocument() = 0;
    // The drawing stopped with an error: a printer prints what was drawn, a file that
    // cannot be half written leaves none. May not throw.
    virtual void FailDocument() { EndDocument(); }

    int paperCode_ = 0;
    QSizeF customPage_;
    TReportOrientation orientation_ = TReportOrientation::Portrait;
    PrinterAlignment alignment_;
    bool mirror_ = false;

private:
    void BeginSurfacePage();
    double InchX(double x) const;
    double InchY(double y) const;
    QTransform UnitsToInches() const;
    double UnitsFromPixels(int pixels, double dpi) const;
    void ShowStatus();
    void PushPen();
    void PushBrush();
    void PushFont();
    void Finish(bool failed);

    ReportSurface* surface_ = nullptr;
    bool printing_ = false;
    bool aborted_ = false;
    int page_ = 0;
    double originX_ = 0, originY_ = 0;
    mutable double cursorX_ = 0, cursorY_ = 0;
    mutable QString advancePending_; // printed text whose width the cursor still has to move by
    double penX_ = 0, penY_ = 0;
    QRectF section_;
    QSizeF jobPage_;
    int lineNum_ = 1, columnNum_ = 1;
    TReportFontDesc font_;
    int rotation_ = 0;
    QColor fontColor_ = Qt::black;
    TVerticalPlacement placement_ = TVerticalPlacement::Baseline;
    TReportPenSpec pen_;
    TReportBrushSpec brush_;
};
