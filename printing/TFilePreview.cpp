#include "printing/TFilePreview.h"

#include <QBuffer>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QtMath>

#include <algorithm>

#include "document/ScreenMetrics.h"
#include "printing/PainterSurface.h"

namespace {
constexpr double kMinZoom = 10.0;
constexpr double kMaxZoom = 200.0;

double ClampZoom(double zoom) {
    return std::clamp(zoom, kMinZoom, kMaxZoom);
}
} // namespace

TFilePreview::TFilePreview(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TFilePreview::SetScrollBox(QScrollArea* box) {
    scrollBox_ = box;
    if (box) {
        box->setWidget(this);
        box->setAlignment(Qt::AlignCenter);
        box->setWidgetResizable(false);
    }
}

double TFilePreview::PixelsPerInch() const {
    return ScreenPixelsPerInch();
}

bool TFilePreview::Start() {
    active_ = false;
    error_.clear();
    QByteArray bytes;
    if (auto* buffer = qobject_cast<QBuffer*>(Stream)) {
        bytes = buffer->data();
    } else if (Stream && Stream->isOpen()) {
        Stream->seek(0);
        bytes = Stream->readAll();
    }
    if (!reader_.Load(bytes)) {
        error_ = reader_.Error();
        return false;
    }
    active_ = true;
    page_ = 0;
    PrintPage(1);
    return true;
}

void TFilePreview::Finish() {
    active_ = false;
    page_ = 0;
    pageImage_ = QImage();
    update();
}

void TFilePreview::PrintPage(int page) {
    if (!active_ || page < 1 || page > reader_.PageCount())
        return;
    page_ = page;
    Render();
    emit OnPageChange();
}

void TFilePreview::PrevPage() {
    if (page_ > 1)
        PrintPage(page_ - 1);
}

void TFilePreview::NextPage() {
    if (page_ < Pages())
        PrintPage(page_ + 1);
}

void TFilePreview::SetZoomFactor(double zoom) {
    zoom_ = ClampZoom(zoom);
    if (active_)
        Render();
}

QSizeF TFilePreview::PageInches() const {
    if (active_ && page_ >= 1)
        return reader_.PageSize(page_ - 1);
    return QSizeF(8.5, 11);
}

int TFilePreview::MarginPixels(double zoom) const {
    return qRound(PageInches().width() * PixelsPerInch() * zoom / 100.0 * MarginPercent / 100.0);
}

// The zoom at which the page and its side margins fill the box's width; when the page is
// then taller than the box, the vertical scroll bar takes its share of the width.
double TFilePreview::ZoomPageWidthFactor() const {
    if (!scrollBox_)
        return zoom_;
    const QSizeF page = PageInches();
    const double ppi = PixelsPerInch();
    const double framed = 1.0 + 2.0 * MarginPercent / 100.0;
    const int frame = 2 * scrollBox_->frameWidth();
    const double width = scrollBox_->width() - frame;
    const double height = scrollBox_->height() - frame;
    double zoom = 100.0 * width / (page.width() * ppi * framed);
    const double tall =
        (page.height() + 2 * page.width() * MarginPercent / 100.0) * ppi * zoom / 100;
    if (tall > height) {
        const int bar = scrollBox_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        zoom = 100.0 * (width - bar) / (page.width() * ppi * framed);
    }
    return ClampZoom(zoom);
}

double TFilePreview::ZoomPageFactor() const {
    if (!scrollBox_)
        return zoom_;
    const QSizeF page = PageInches();
    const double ppi = PixelsPerInch();
    const double margin = page.width() * MarginPercent / 100.0;
    const int frame = 2 * scrollBox_->frameWidth();
    const double byWidth =
        100.0 * (scrollBox_->width() - frame) / ((page.width() + 2 * margin) * ppi);
    const double byHeight =
        100.0 * (scrollBox_->height() - frame) / ((page.height() + 2 * margin) * ppi);
    return ClampZoom(std::min(byWidth, byHeight));
}

void TFilePreview::Render() {
    const double dpi = PixelsPerInch() * zoom_ / 100.0;
    const QSizeF page = PageInches();
    const QSize pixels(std::max(1, qRound(page.width() * dpi)),
                       std::max(1, qRound(page.height() * dpi)));
    pageImage_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    pageImage_.fill(Qt::white);
    {
        QPainter painter(&pageImage_);
        PainterSurface surface(&painter, dpi, dpi);
        surface.SetAntialiasing(true);
        reader_.ReplayPage(page_ - 1, surface);
    }
    const int margin = MarginPixels(zoom_);
    setFixedSize(pixels.width() + 2 * margin + ShadowDepth,
                 pixels.height() + 2 * margin + ShadowDepth);
    update();
}

void TFilePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    if (!active_ || pageImage_.isNull())
        return;
    const int margin = MarginPixels(zoom_);
    if (ShadowDepth > 0)
        painter.fillRect(
            QRect(QPoint(margin + ShadowDepth, margin + ShadowDepth), pageImage_.size()),
            Qt::black);
    painter.drawImage(QPoint(margin, margin), pageImage_);
}
