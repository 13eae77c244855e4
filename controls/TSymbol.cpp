#include "controls/TSymbol.h"

#include "controls/ZoomedBox.h"
#include <QPainter>
#include <cmath>

#include "controls/ItemFont.h"
#include "controls/SymbolGlyph.h"
#include "document/ScreenMetrics.h"

namespace {
const QString kSymbolFontName = QStringLiteral("WingDings");

// A symbol font's character may also arrive as its private-use form U+F0xx.
unsigned char CodeOf(QChar ch) {
    const char16_t u = ch.unicode();
    if (u <= 0xFF)
        return static_cast<unsigned char>(u);
    if (u >= 0xF000 && u <= 0xF0FF)
        return static_cast<unsigned char>(u - 0xF000);
    return 0;
}
} // namespace

TSymbol::TSymbol(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    applySize();
}

QString TSymbol::Caption() const {
    return code_ == 0 ? QString() : QString(QChar(code_));
}

void TSymbol::setCaption(const QString& caption) {
    setCharCode(caption.isEmpty() ? 0 : CodeOf(caption.front()));
}

void TSymbol::setCharCode(unsigned char code) {
    code_ = code;
    applySize();
}

QString TSymbol::FontName() const {
    return kSymbolFontName;
}

void TSymbol::setFontSize(int points) {
    fontSize_ = points;
    applySize();
}

void TSymbol::setFontColor(ColorValue color) {
    fontColor_ = color;
    update();
}

QFont TSymbol::SymbolFont() const {
    return MakeItemFont(kSymbolFontName, fontSize_, false, false, false, ScreenPixelsPerInch());
}

QSize TSymbol::glyphSize() const {
    if (code_ == 0)
        return {0, 0};
    const QSizeF size = MeasureSymbolGlyph(code_, SymbolFont(), const_cast<TSymbol*>(this));
    return {static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))};
}

void TSymbol::applySize() {
    const QSize size = glyphSize();
    if (ZoomedBox::Of(this).size() != size) {
        applyingSize_ = true;
        ZoomedBox::SetSize(this, size);
        applyingSize_ = false;
    }
    update();
}

void TSymbol::RefreshLayout() {
    applySize();
}

void TSymbol::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!applyingSize_ && ZoomedBox::Of(this).size() != glyphSize())
        applySize();
}

void TSymbol::paintEvent(QPaintEvent*) {
    if (code_ == 0)
        return;
    QPainter painter(this);
    ZoomedBox::Scale(painter, this);
    painter.setPen(ColorValueToQColor(fontColor_));
    DrawSymbolGlyph(painter, QPointF(0, 0), code_, SymbolFont());
}
