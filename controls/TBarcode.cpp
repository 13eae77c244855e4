#include "controls/TBarcode.h"

#include "controls/ZoomedBox.h"
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "document/ScreenMetrics.h"

namespace {
// A fresh item draws its modules two screen pixels wide at 96 pixels per inch.
constexpr double kFreshModuleInches = 2.0 / 96.0;
} // namespace

TBarcode::TBarcode(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    resize(150, 60);
}

void TBarcode::changed() {
    drawing_.reset();
    update();
}

void TBarcode::setSymbology(BarcodeSymbology symbology) {
    symbology_ = symbology;
    changed();
}

void TBarcode::setData(const QString& text) {
    data_ = text;
    changed();
}

void TBarcode::setShowText(bool on) {
    showText_ = on;
    changed();
}

void TBarcode::setBarColor(ColorValue color) {
    barColor_ = color;
    update();
}

void TBarcode::setBackgroundColor(ColorValue color) {
    background_ = color;
    update();
}

void TBarcode::setShownData(std::function<QString(const QString&)> shownData) {
    shownData_ = std::move(shownData);
    changed();
}

QString TBarcode::DataShown() const {
    return shownData_ ? shownData_(data_) : data_;
}

const BarcodeDrawing& TBarcode::Drawing() const {
    if (!drawing_) {
        const double ppi = ScreenPixelsPerInch();
        const QSize box = ZoomedBox::Of(this).size();
        drawing_ = BarcodeSymbol::Make(symbology_, DataShown(), showText_,
                                       QSizeF(box.width() / ppi, box.height() / ppi));
    }
    return *drawing_;
}

std::optional<QSize> TBarcode::NaturalSize() const {
    const auto inches =
        BarcodeSymbol::NaturalSize(symbology_, DataShown(), showText_, kFreshModuleInches);
    if (!inches)
        return std::nullopt;
    const double ppi = ScreenPixelsPerInch();
    return QSize(int(std::ceil(inches->width() * ppi)), int(std::ceil(inches->height() * ppi)));
}

void TBarcode::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    drawing_.reset();
}

// A symbol whose bars are too narrow to scan is marked by an orange corner, and its tool tip
// says why; a placeholder says its reason itself.
void TBarcode::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ZoomedBox::Scale(painter, this);
    const BarcodeDrawing& drawing = Drawing();
    BarcodeSymbol::Paint(painter, drawing, ScreenPixelsPerInch(), ColorValueToQColor(barColor_),
                         ColorValueToQColor(background_));
    const QString narrow = drawing.NarrowBarWarning();
    if (toolTip() != narrow)
        setToolTip(narrow);
    if (narrow.isEmpty())
        return;
    const QSize box = ZoomedBox::Of(this).size();
    const qreal side = std::min<qreal>(12, std::min(box.width(), box.height()) / 2.0);
    const QPointF corner(box.width(), 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 120, 0));
    painter.drawPolygon(QPolygonF({corner, corner - QPointF(side, 0), corner + QPointF(0, side)}));
}
