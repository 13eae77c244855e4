#include "printing/PainterSurface.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <cmath>

#include "controls/Picture.h"
#include "controls/SymbolGlyph.h"
#include "document/HatchLines.h"
#include "printing/ReportFontMetrics.h"

namespace {

Qt::PenStyle QtPenStyle(TPenStyle style) {
    switch (style) {
    case TPenStyle::Solid:
        return Qt::SolidLine;
    case TPenStyle::Dash:
        return Qt::DashLine;
    case TPenStyle::Dot:
        return Qt::DotLine;
    case TPenStyle::DashDot:
        return Qt::DashDotLine;
    case TPenStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case TPenStyle::Clear:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

bool IsSymbolFont(const QString& family) {
    return family.contains(QLatin1String("wingding"), Qt::CaseInsensitive);
}

// Latin text with digits and signs: the painter draws it in one run, as its glyph runs would
// be drawn. Other scripts are split into runs differently, so they always go by glyph runs.
bool IsLatinOnly(const QString& text) {
    for (const QChar c : text) {
        const QChar::Script script = c.script();
        if (c.isSurrogate() || (script != QChar::Script_Latin && script != QChar::Script_Common &&
                                script != QChar::Script_Inherited))
            return false;
    }
    return true;
}

bool IsHatch(TReportBrushStyle style) {
    return style != TReportBrushStyle::Solid && style != TReportBrushStyle::Clear;
}

} // namespace

PainterSurface::PainterSurface(QPainter* painter, double dotsPerInchX, double dotsPerInchY,
                               QPoint deviceOffset)
    : painter_(painter), dpiX_(dotsPerInchX), dpiY_(dotsPerInchY), offset_(deviceOffset),
      // Checked on the PDF engine (files and printers): a text drawn directly comes out byte
      // for byte as its glyph runs do. Pixel devices keep to glyph runs.
      directText_(painter && painter->paintEngine() &&
                  painter->paintEngine()->type() == QPaintEngine::Pdf) {}

int PainterSurface::DeviceX(double inches) const {
    return qRound(inches * dpiX_) - offset_.x();
}

int PainterSurface::DeviceY(double inches) const {
    return qRound(inches * dpiY_) - offset_.y();
}

QRect PainterSurface::DeviceRect(const QRectF& inches) const {
    const QRectF box = inches.normalized();
    return QRect(QPoint(DeviceX(box.left()), DeviceY(box.top())),
                 QPoint(DeviceX(box.right()), DeviceY(box.bottom())) - QPoint(1, 1));
}

bool PainterSurface::Ready() const {
    return painter_ && painter_->isActive();
}

// Each page starts unmirrored: the painter keeps its transform from page to page.
void PainterSurface::BeginPage(const QSizeF&) {
    if (mirrored_ && Ready())
        painter_->setTransform(unmirrored_);
    mirrored_ = false;
    if (Ready())
        painter_->setClipping(false);
}

void PainterSurface::EndPage() {}

// Device x becomes axis - x, where the axis in device pixels allows for the device offset
// that DeviceX subtracts from both.
void PainterSurface::MirrorPage(double axisInches) {
    if (!Ready() || mirrored_)
        return;
    unmirrored_ = painter_->transform();
    const double axis = qRound(axisInches * dpiX_) - 2 * offset_.x();
    painter_->setTransform(QTransform(-1, 0, 0, 1, axis, 0), true);
    mirrored_ = true;
}

void PainterSurface::SetPen(const TReportPenSpec& pen) {
    pen_ = pen;
}

void PainterSurface::SetBrush(const TReportBrushSpec& brush) {
    brush_ = brush;
}

void PainterSurface::SetFont(const TReportFontDesc& font, const QColor& color) {
    textColor_ = color;
    if (fontValid_ && font == fontSpec_)
        return;
    fontSpec_ = font;
    fontValid_ = true;
    for (const RealisedFont& known : fonts_)
        if (known.Desc == font) {
            font_ = known.Font;
            fontKey_ = known.Key;
            return;
        }
    font_ = ReportFontMetrics::DeviceFont(font, dpiY_);
    if (directText_) {
        // A PDF's text is read back (searched, copied) glyph by glyph: a ligature glyph reads
        // as one character ("Springﬁeld"), so none is formed. The shaper forms none as soon as
        // the font has any letter spacing; the smallest it keeps, 1/64 of a device pixel
        // (0.00001 in at 1200 dpi), moves nothing on paper.
        font_.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    }
    fontKey_ = QStringLiteral("%1|%2|%3%4%5%6|")
                   .arg(font.Name)
                   .arg(font_.pixelSize())
                   .arg(int(font.Bold))
                   .arg(int(font.Italic))
                   .arg(int(font.Underline))
                   .arg(int(font.StrikeOut));
    if (fonts_.size() > 32)
        fonts_.clear();
    fonts_.push_back({font, font_, fontKey_});
}

QPen PainterSurface::DevicePen() const {
    if (pen_.Style == TPenStyle::Clear)
        return Qt::NoPen;
    // Width 0 is the device's thinnest line; any other width covers at least one pixel.
    const double width =
        pen_.WidthInches <= 0 ? 0.0 : std::max(1, qRound(pen_.WidthInches * dpiX_));
    QPen pen(pen_.Color, width, QtPenStyle(pen_.Style), Qt::SquareCap, Qt::MiterJoin);
    return pen;
}

void PainterSurface::Prepare() {
    painter_->setRenderHint(QPainter::Antialiasing, antialias_);
    // The PDF engine would store images as JPEG otherwise, shifting the colours of logos.
    painter_->setRenderHint(QPainter::LosslessImageRendering, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
}

void PainterSurface::DrawText(const QPointF& pivot, double baselineOffset, double angleCcw,
                              const QString& text) {
    if (!Ready() || !fontValid_ || text.isEmpty())
        return;
    Prepare();
    const bool symbol = IsSymbolFont(fontSpec_.Name) && text.size() == 1 && text[0].unicode() < 256;
    if (angleCcw == 0 && !symbol) {
        // Level text needs no change of transform: the glyph runs carry their font.
        painter_->setPen(textColor_);
        DrawTextLine(
            QPointF(DeviceX(pivot.x()), DeviceY(pivot.y()) + qRound(baselineOffset * dpiY_)), text);
        return;
    }
    painter_->save();
    painter_->setFont(font_);
    painter_->setPen(textColor_);
    painter_->translate(DeviceX(pivot.x()), DeviceY(pivot.y()));
    if (angleCcw != 0)
        painter_->rotate(-angleCcw); // Qt turns clockwise on a y-down page
    if (symbol) {
        // Symbols go through the one function that draws them on screen too.
        static const bool registered = (RegisterSymbolFonts(), true);
        Q_UNUSED(registered);
        const qreal ascent = QFontMetricsF(font_, painter_->device()).ascent();
        DrawSymbolGlyph(*painter_, QPointF(0, qRound(baselineOffset * dpiY_) - ascent),
                        static_cast<unsigned char>(text[0].unicode()), font_);
        painter_->restore();
        return;
    }
    DrawTextLine(QPointF(0, qRound(baselineOffset * dpiY_)), text);
    painter_->restore();
}

// Labels repeat the same texts on every position, and a merge gives most texts once only. A
// text seen before is drawn from the glyph runs shaped for it. On a PDF page a Latin text seen
// for the first time is drawn directly, which shapes it once without building runs to keep:
// most merged texts are never seen again.
void PainterSurface::DrawTextLine(const QPointF& baseline, const QString& text) {
    if (const ShapedText* shaped = Reused(text)) {
        const QPointF origin = baseline - QPointF(0, shaped->Ascent);
        for (const QGlyphRun& run : shaped->Runs)
            painter_->drawGlyphRun(origin, run);
        return;
    }
    painter_->setFont(font_);
    painter_->drawText(baseline, text);
}

// The glyph runs of text in the current font, laid out on one line; null when the text is
// to be drawn directly (see DrawTextLine).
const PainterSurface::ShapedText* PainterSurface::Reused(const QString& text) {
    QString key = fontKey_ + text;
    auto it = shaped_.find(key);
    if (it == shaped_.end()) {
        if (shaped_.size() > 512)
            shaped_.clear();
        const bool direct = directText_ && IsLatinOnly(text);
        it = shaped_.insert(std::move(key), direct ? ShapedText{} : Shape(text));
        if (direct)
            return nullptr;
    } else if (!it->Shaped) {
        *it = Shape(text);
    }
    return &it.value();
}

PainterSurface::ShapedText PainterSurface::Shape(const QString& text) const {
    QTextLayout layout(text, font_, painter_->device());
    // Without the cache the layout drops its shaped glyphs at endLayout() and glyphRuns()
    // shapes the whole text a second time.
    layout.setCacheEnabled(true);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return {layout.glyphRuns(), line.isValid() ? line.ascent() : 0, true};
}

void PainterSurface::FillAndStroke(const QPainterPath& path, const QRect& bounds) {
    Prepare();
    if (!brush_.Pattern.isNull())
        DrawPattern(path);
    else if (brush_.Style == TReportBrushStyle::Solid)
        painter_->fillPath(path, brush_.Color);
    else if (IsHatch(brush_.Style))
        DrawHatch(path, bounds);
    const QPen pen = DevicePen();
    if (pen.style() != Qt::NoPen)
        painter_->strokePath(path, pen);
}

// Hatches are drawn as lines clipped to the shape, spaced on paper as on the design panel,
// rather than as brush patterns whose period is a number of device pixels.
void PainterSurface::DrawHatch(const QPainterPath& path, const QRect& bounds) {
    const QPointF origin(brush_.HatchOriginX * dpiX_ - offset_.x(),
                         brush_.HatchOriginY * dpiY_ - offset_.y());
    DrawHatchLines(*painter_, path, QRectF(bounds), brush_.Style, brush_.Color,
                   HatchGridAt(dpiX_, dpiY_, origin));
}

void PainterSurface::DrawPattern(const QPainterPath& path) {
    QBrush brush(brush_.Pattern);
    QTransform scale;
    scale.translate(brush_.HatchOriginX * dpiX_ - offset_.x(),
                    brush_.HatchOriginY * dpiY_ - offset_.y());
    scale.scale(dpiX_ / 96.0, dpiY_ / 96.0);
    brush.setTransform(scale);
    painter_->fillPath(path, brush);
}

void PainterSurface::DrawRect(const QRectF& box) {
    if (!Ready())
        return;
    const QRect r = DeviceRect(box);
    QPainterPath path;
    path.addRect(QRectF(r.topLeft(), QSizeF(r.width(), r.height())));
    FillAndStroke(path, r);
}

void PainterSurface::DrawRoundRect(const QRectF& box, const QSizeF& cornerEllipse) {
    if (!Ready())
        return;
    const QRect r = DeviceRect(box);
    const double rx = std::min(qRound(cornerEllipse.width() * dpiX_) / 2.0, r.width() / 2.0);
    const double ry = std::min(qRound(cornerEllipse.height() * dpiY_) / 2.0, r.height() / 2.0);
    QPainterPath path;
    path.addRoundedRect(QRectF(r.topLeft(), QSizeF(r.width(), r.height())), rx, ry);
    FillAndStroke(path, r);
}

void PainterSurface::DrawEllipse(const QRectF& box) {
    if (!Ready())
        return;
    const QRect r = DeviceRect(box);
    QPainterPath path;
    path.addEllipse(QRectF(r.topLeft(), QSizeF(r.width(), r.height())));
    FillAndStroke(path, r);
}

void PainterSurface::DrawLine(const QPointF& from, const QPointF& to) {
    if (!Ready())
        return;
    const QPen pen = DevicePen();
    if (pen.style() == Qt::NoPen)
        return;
    Prepare();
    QPen flat = pen;
    flat.setCapStyle(Qt::FlatCap);
    painter_->setPen(flat);
    painter_->drawLine(
        QLineF(DeviceX(from.x()), DeviceY(from.y()), DeviceX(to.x()), DeviceY(to.y())));
}

void PainterSurface::DrawImage(const QRectF& box, const QImage& image) {
    if (!Ready() || image.isNull())
        return;
    const QRect r = DeviceRect(box);
    const QRectF target(r.topLeft(), QSizeF(r.width(), r.height()));
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->setRenderHint(QPainter::LosslessImageRendering, true);
    painter_->drawImage(target, image);
}

void PainterSurface::DrawPicture(const QRectF& box, const Picture& picture) {
    if (!Ready() || picture.isNull())
        return;
    const QRect r = DeviceRect(box);
    painter_->save();
    painter_->setRenderHint(QPainter::LosslessImageRendering, true);
    picture.draw(*painter_, QRectF(r.topLeft(), QSizeF(r.width(), r.height())));
    painter_->restore();
}

void PainterSurface::FillPath(const QPainterPath& inches, const QColor& color) {
    if (!Ready() || inches.isEmpty())
        return;
    Prepare();
    painter_->setRenderHint(QPainter::Antialiasing, true);
    QTransform device = QTransform::fromTranslate(-offset_.x(), -offset_.y());
    device.scale(dpiX_, dpiY_);
    painter_->fillPath(device.map(inches), color);
}

// The clip is a rectangle of whole device pixels, as every box drawn is.
void PainterSurface::SetClip(const QRectF& box) {
    if (!Ready())
        return;
    if (box.isEmpty()) {
        painter_->setClipping(false);
        return;
    }
    const QRect r = DeviceRect(box);
    painter_->setClipRect(QRect(r.topLeft(), QSize(r.width() + 1, r.height() + 1)));
}
