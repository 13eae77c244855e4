#include "controls/SymbolGlyph.h"

#include <QFontMetricsF>
#include <QPainter>

void DrawSymbolGlyph(QPainter& painter, const QPointF& topLeft, unsigned char code, const QFont& font) {
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), QString(QChar(code)));
    painter.restore();
}

QSizeF MeasureSymbolGlyph(unsigned char code, const QFont& font, QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    return {metrics.horizontalAdvance(QChar(code)), metrics.ascent() + metrics.descent()};
}

void RegisterSymbolFonts() {}
