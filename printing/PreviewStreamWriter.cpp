#include "printing/PreviewStreamWriter.h"

#include <QBuffer>
#include <QPainter>

#include <algorithm>

#include "controls/Picture.h"
#include "printing/PreviewStreamFormat.h"

using namespace PreviewStreamFormat;

PreviewStreamWriter::PreviewStreamWriter(QIODevice* stream) : out_(stream) {
    out_.setVersion(QDataStream::Qt_6_0);
}

void PreviewStreamWriter::BeginDocument() {
    out_ << kMagic << kVersion;
}

void PreviewStreamWriter::EndDocument() {
    out_ << quint8(DocEnd);
}

void PreviewStreamWriter::BeginPage(const QSizeF& pageInches) {
    out_ << quint8(PageBegin) << pageInches.width() << pageInches.height();
    ++pages_;
    if (pen_)
        WritePen();
    if (brush_)
        WriteBrush();
    if (font_)
        WriteFont();
}

void PreviewStreamWriter::MirrorPage(double axisInches) {
    out_ << quint8(Mirror) << axisInches;
}

void PreviewStreamWriter::EndPage() {
    out_ << quint8(PageEnd);
}

void PreviewStreamWriter::SetPen(const TReportPenSpec& pen) {
    if (pen_ && *pen_ == pen)
        return;
    pen_ = pen;
    WritePen();
}

void PreviewStreamWriter::WritePen() {
    out_ << quint8(Pen) << quint32(pen_->Color.rgba()) << qint8(pen_->Style) << pen_->WidthInches;
}

void PreviewStreamWriter::SetBrush(const TReportBrushSpec& brush) {
    if (brush_ && brush_->Color == brush.Color && brush_->Style == brush.Style &&
        brush_->HatchOriginX == brush.HatchOriginX && brush_->HatchOriginY == brush.HatchOriginY &&
        brush_->Pattern.cacheKey() == brush.Pattern.cacheKey())
        return;
    brush_ = brush;
    WriteBrush();
}

void PreviewStreamWriter::WriteBrush() {
    const qint32 pattern = brush_->Pattern.isNull() ? -1 : ImageId(brush_->Pattern);
    out_ << quint8(Brush) << quint32(brush_->Color.rgba()) << qint8(brush_->Style)
         << brush_->HatchOriginX << brush_->HatchOriginY << pattern;
}

void PreviewStreamWriter::SetFont(const TReportFontDesc& font, const QColor& color) {
    if (font_ && *font_ == font && fontColor_ == color)
        return;
    font_ = font;
    fontColor_ = color;
    WriteFont();
}

void PreviewStreamWriter::WriteFont() {
    const quint8 styles = (font_->Bold ? FontStyle::Bold : 0) |
                          (font_->Italic ? FontStyle::Italic : 0) |
                          (font_->Underline ? FontStyle::Underline : 0) |
                          (font_->StrikeOut ? FontStyle::StrikeOut : 0);
    out_ << quint8(Font) << font_->Name << font_->Size << styles << quint32(fontColor_.rgba());
}

void PreviewStreamWriter::DrawText(const QPointF& pivot, double baselineOffset, double angleCcw,
                                   const QString& text) {
    out_ << quint8(Text) << pivot.x() << pivot.y() << baselineOffset << angleCcw << text;
}

void PreviewStreamWriter::WriteRect(const QRectF& box) {
    out_ << box.left() << box.top() << box.right() << box.bottom();
}

void PreviewStreamWriter::DrawRect(const QRectF& box) {
    out_ << quint8(Rect);
    WriteRect(box);
}

void PreviewStreamWriter::DrawRoundRect(const QRectF& box, const QSizeF& cornerEllipse) {
    out_ << quint8(RoundRect);
    WriteRect(box);
    out_ << cornerEllipse.width() << cornerEllipse.height();
}

void PreviewStreamWriter::DrawEllipse(const QRectF& box) {
    out_ << quint8(Ellipse);
    WriteRect(box);
}

void PreviewStreamWriter::DrawLine(const QPointF& from, const QPointF& to) {
    out_ << quint8(Line) << from.x() << from.y() << to.x() << to.y();
}

void PreviewStreamWriter::DrawImage(const QRectF& box, const QImage& image) {
    if (image.isNull())
        return;
    const qint32 id = ImageId(image);
    out_ << quint8(Image);
    WriteRect(box);
    out_ << id;
}

// A picture is stored as a transparent image at the preview's best resolution.
void PreviewStreamWriter::DrawPicture(const QRectF& box, const Picture& picture) {
    if (picture.isNull())
        return;
    const QRectF normal = box.normalized();
    const int w = std::clamp(qRound(normal.width() * kPictureDpi), 1, 4000);
    const int h = std::clamp(qRound(normal.height() * kPictureDpi), 1, 4000);
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // The image's resolution tells a metafile's hatches how fine the device is.
    const int dotsPerMeter = qRound(kPictureDpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        picture.draw(painter, QRectF(0, 0, w, h));
    }
    DrawImage(normal, image);
}

// Labels repeat the same image on every position: store it once.
qint32 PreviewStreamWriter::ImageId(const QImage& image) {
    if (const auto it = idsByCacheKey_.constFind(image.cacheKey()); it != idsByCacheKey_.cend())
        return it.value();
    size_t hash = qHash(
        QByteArrayView(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    hash = qHashMulti(hash, image.width(), image.height(), int(image.format()));
    qint32 id;
    if (const auto it = idsByContent_.constFind(hash); it != idsByContent_.cend()) {
        id = it.value();
    } else {
        id = nextId_++;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        out_ << quint8(ImageDef) << id << png;
        idsByContent_.insert(hash, id);
    }
    idsByCacheKey_.insert(image.cacheKey(), id);
    return id;
}

void PreviewStreamWriter::FillPath(const QPainterPath& inches, const QColor& color) {
    if (inches.isEmpty())
        return;
    out_ << quint8(Path) << quint32(color.rgba()) << inches;
}

void PreviewStreamWriter::SetClip(const QRectF& box) {
    out_ << quint8(Clip);
    WriteRect(box.isEmpty() ? QRectF() : box);
}
