#include "controls/TPim3DLabel.h"

#include "controls/ZoomedBox.h"
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "controls/ItemFont.h"
#include "controls/RotatedTextPlacement.h"
#include "controls/TCanvasPanel.h"
#include "controls/TextBoxLayout.h"
#include "document/ScreenMetrics.h"

namespace {

// -180 falls in none of the placement cases; it is the same rotation as 180.
int DrawnAngle(int angle) {
    return angle == -180 ? 180 : angle;
}

void DrawRotatedText(QPainter& painter, const QPoint& origin, int angle, int ascent,
                     const QString& text, const QColor& color) {
    painter.save();
    painter.translate(origin);
    painter.rotate(-angle); // counter-clockwise on screen
    painter.setPen(color);
    painter.drawText(QPointF(0, ascent), text);
    painter.restore();
}

// Runs along one baseline, the marked ones in markColor. The control is sized to the text as
// typed (its size and text origin are stored), so runs that come out wider are squeezed along
// the baseline to typedWidth rather than cut off at the control's edge.
void DrawRotatedRuns(QPainter& painter, const QPoint& origin, int angle, int ascent,
                     const QList<TextRun>& runs, qreal typedWidth, const QColor& color,
                     const QColor& markColor) {
    painter.save();
    painter.translate(origin);
    painter.rotate(-angle); // counter-clockwise on screen
    const QFontMetricsF metrics(painter.font());
    qreal width = 0;
    for (const TextRun& run : runs)
        width += metrics.horizontalAdvance(run.text);
    if (width > typedWidth && typedWidth > 0)
        painter.scale(typedWidth / width, 1);
    qreal x = 0;
    for (const TextRun& run : runs) {
        painter.setPen(run.marked ? markColor : color);
        painter.drawText(QPointF(x, ascent), run.text);
        x += metrics.horizontalAdvance(run.text);
    }
    painter.restore();
}

} // namespace

TPim3DLabel::TPim3DLabel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    applyLayout();
}

void TPim3DLabel::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    applyLayout();
}

void TPim3DLabel::setTextLines(const QString& text, const TextBoxOptions& options) {
    if (text == lines_ && options == textBox_)
        return;
    lines_ = text;
    textBox_ = options;
    applyLayout();
}

bool TPim3DLabel::LaidOut() const {
    return textBox_.box || lines_.contains(u'\n');
}

QStringList TPim3DLabel::ShownLines() const {
    QStringList lines;
    for (const QString& typed : lines_.split(u'\n')) {
        const QList<TextRun> runs = MarkedRuns(typed);
        if (runs.isEmpty()) {
            lines << typed;
            continue;
        }
        QString shown;
        for (const TextRun& run : runs)
            shown += run.text;
        // As print does: a line a record left blank may go, a value's own line breaks start
        // further lines in a box and are blanks elsewhere.
        if (textBox_.skipBlank && shown.trimmed().isEmpty())
            continue;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        if (textBox_.box)
            lines << shown.split(u'\n');
        else
            lines << shown.replace(u'\n', u' ');
    }
    return lines;
}

TextBoxLayout TPim3DLabel::LayOut(const QStringList& lines) const {
    const double ppi = ScreenPixelsPerInch();
    const TextBoxFont font{fontName_, double(fontSize_), bold_, italic_};
    const QSize box = ZoomedBox::Of(this).size();
    return LayOutTextBox(lines, font, textBox_, QSizeF(box.width() / ppi, box.height() / ppi),
                         angle_);
}

TextBoxLayout TPim3DLabel::LinesLayout() const {
    return LayOut(ShownLines());
}

void TPim3DLabel::setFontName(const QString& name) {
    fontName_ = name;
    applyLayout();
}

void TPim3DLabel::setFontSize(int points) {
    fontSize_ = points;
    applyLayout();
}

void TPim3DLabel::setFontColor(ColorValue color) {
    fontColor_ = color;
    update();
}

void TPim3DLabel::setBold(bool on) {
    bold_ = on;
    applyLayout();
}

void TPim3DLabel::setItalic(bool on) {
    italic_ = on;
    applyLayout();
}

void TPim3DLabel::setUnderline(bool on) {
    underline_ = on;
    applyLayout();
}

int TPim3DLabel::NormalizeAngle(int degrees) {
    int a = degrees > 0 ? degrees % 360 : -(std::abs(degrees % 360));
    if (a > 180)
        a -= 360;
    if (a < -180)
        a += 360;
    return a;
}

void TPim3DLabel::setAngle(int degrees) {
    const int a = NormalizeAngle(degrees);
    if (a == angle_)
        return;
    angle_ = a;
    applyLayout();
}

QPoint TPim3DLabel::TextOrigin() {
    applyLayout();
    return {offsetX_, offsetY_};
}

void TPim3DLabel::setStyle3D(TPimStyle3D style) {
    if (style == style3D_)
        return;
    style3D_ = style;
    applyLayout();
}

void TPim3DLabel::setDepth3D(TPimDepth3D depth) {
    depth3D_ = depth;
    applyLayout();
}

void TPim3DLabel::setTransparent(bool on) {
    transparent_ = on;
    setAttribute(Qt::WA_NoSystemBackground, on);
    update();
}

void TPim3DLabel::setAutoSize(bool on) {
    autoSize_ = on;
    applyLayout();
}

int TPim3DLabel::depthOffset() const {
    const int size = static_cast<int>(depth3D_);
    return style3D_ == lsRaised3d ? size : -size;
}

QFont TPim3DLabel::TextFont() const {
    return MakeItemFont(fontName_, fontSize_, bold_, italic_, underline_, ScreenPixelsPerInch());
}

QSize TPim3DLabel::TextExtent() const {
    return computeLayout().extent;
}

QSize TPim3DLabel::RotatedSize() const {
    return computeLayout().size;
}

TPim3DLabel::Placement TPim3DLabel::PlaceRotatedText(int w, int h, int angle, int d) {
    return ::PlaceRotatedText(w, h, angle, d);
}

TPim3DLabel::Layout TPim3DLabel::computeLayout() const {
    if (textBox_.box) {
        const QSize box = ZoomedBox::Of(this).size();
        return Layout{box, box, QPoint(0, 0)};
    }
    if (LaidOut()) {
        // The block of lines turns about its top-left corner, as print turns it.
        const double ppi = ScreenPixelsPerInch();
        // The lines as typed: what the panel shows of a record never moves the item.
        const QSizeF frame = LayOut(lines_.split(u'\n')).frame;
        const int w = int(std::ceil(frame.width() * ppi));
        const int h = int(std::ceil(frame.height() * ppi));
        const Placement placement = PlaceRotatedText(w, h, angle_, 0);
        return Layout{QSize(w, h), placement.size, placement.origin};
    }
    const QFontMetrics metrics(TextFont());
    const int w = metrics.horizontalAdvance(caption_);
    const int h = metrics.ascent() + metrics.descent();
    const Placement placement = PlaceRotatedText(w, h, angle_, depthOffset());
    return Layout{QSize(w, h), placement.size, placement.origin};
}

void TPim3DLabel::applyLayout() {
    const Layout layout = computeLayout();
    offsetX_ = layout.origin.x();
    offsetY_ = layout.origin.y();
    if (autoSize_ && ZoomedBox::Of(this).size() != layout.size) {
        applyingLayout_ = true;
        ZoomedBox::SetSize(this, layout.size);
        applyingLayout_ = false;
    }
    update();
}

void TPim3DLabel::RefreshLayout() {
    applyLayout();
}

void TPim3DLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Like the item's own sizing: a size given from outside gives way to the text's.
    if (autoSize_ && !applyingLayout_ && ZoomedBox::Of(this).size() != computeLayout().size)
        applyLayout();
}

void TPim3DLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), palette().color(QPalette::Window));
    const Layout layout = computeLayout();
    offsetX_ = layout.origin.x();
    offsetY_ = layout.origin.y();
    ZoomedBox::Scale(painter, this);
    PaintText(painter);
}

void TPim3DLabel::PaintText(QPainter& painter) const {
    if (LaidOut()) {
        PaintLines(painter);
        return;
    }
    const Layout layout = computeLayout();
    const QFont font = TextFont();
    painter.save();
    painter.setFont(font);
    painter.setBrush(Qt::NoBrush);
    const int ascent = QFontMetrics(font).ascent();
    const int angle = DrawnAngle(angle_);
    const int d = depthOffset();
    const QPoint origin = layout.origin;
    const QList<TextRun> runs = MarkedRuns();
    const auto draw = [&](const QPoint& at, const QColor& color, const QColor& markColor) {
        if (runs.isEmpty())
            DrawRotatedText(painter, at, angle, ascent, caption_, color);
        else
            DrawRotatedRuns(painter, at, angle, ascent, runs, layout.extent.width(), color,
                            markColor);
    };
    // With no depth the three copies coincide and only the font colour may show.
    if (d != 0) {
        draw(origin - QPoint(d, d), Qt::white, Qt::white);
        draw(origin + QPoint(d, d), Qt::black, Qt::black);
    }
    draw(origin, ColorValueToQColor(fontColor_), QColor(0xFF, 0, 0));
    painter.restore();
}

QList<TextRun> TPim3DLabel::MarkedRuns() const {
    return MarkedRuns(caption_);
}

QList<TextRun> TPim3DLabel::MarkedRuns(const QString& text) const {
    const auto* panel = qobject_cast<const TCanvasPanel*>(parentWidget());
    return panel ? panel->MarkedText(text) : QList<TextRun>();
}

void TPim3DLabel::PaintLines(QPainter& painter) const {
    const TextBoxLayout layout = LinesLayout();
    const double ppi = ScreenPixelsPerInch();
    // The frame (inches, x along the lines) to the control's pixels: a box turns in quarter
    // turns inside itself, a block of lines about its text origin.
    QTransform toControl;
    if (textBox_.box) {
        const QSize box = ZoomedBox::Of(this).size();
        toControl = TextFrameToBox(QSizeF(box.width() / ppi, box.height() / ppi), angle_) *
                    QTransform::fromScale(ppi, ppi);
    } else {
        const Layout placed = computeLayout();
        toControl = QTransform::fromScale(ppi, ppi) * QTransform().rotate(-DrawnAngle(angle_)) *
                    QTransform::fromTranslate(placed.origin.x(), placed.origin.y());
    }
    QFont font = TextFont();
    font.setPixelSize(std::max(1, int(std::lround(layout.points * ppi / 72.0))));
    const QFontMetricsF metrics(font);
    painter.save();
    if (textBox_.box)
        painter.setClipRect(QRect(
            QPoint(), ZoomedBox::Of(this).size())); // a text that does not fit stops at its box
    painter.setFont(font);
    painter.setPen(ColorValueToQColor(fontColor_));
    for (const TextBoxLine& line : layout.lines) {
        if (line.text.isEmpty())
            continue;
        const double advance = metrics.horizontalAdvance(line.text) / ppi;
        const QPointF at = toControl.map(QPointF(line.StartFor(advance), line.baseline));
        painter.save();
        painter.translate(at);
        painter.rotate(-(textBox_.box ? BoxAngle(angle_) : DrawnAngle(angle_)));
        painter.drawText(QPointF(0, 0), line.text);
        painter.restore();
    }
    painter.restore();
}

void TPim3DLabel::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (buttonType_ != btPush)
        return;
    event->accept();
    pressed_ = true;
    setStyle3D(lsLowered3D);
}

void TPim3DLabel::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (buttonType_ != btPush || !pressed_)
        return;
    event->accept();
    const bool inside = rect().contains(event->position().toPoint());
    if (!inside && style3D_ == lsLowered3D)
        setStyle3D(lsRaised3d);
    else if (inside && style3D_ != lsLowered3D)
        setStyle3D(lsLowered3D);
}

void TPim3DLabel::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (buttonType_ != btPush)
        return;
    event->accept();
    pressed_ = false;
    setStyle3D(lsRaised3d);
    emit clicked();
}
