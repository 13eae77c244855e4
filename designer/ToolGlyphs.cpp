#include "designer/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace {
constexpr int GlyphSize = 16;

void DrawArrow(QPainter& p, ToolGlyph glyph) {
    // An arrow pointing up, turned to the wanted direction.
    p.translate(GlyphSize / 2.0, GlyphSize / 2.0);
    const int turns[] = {0, 180, 270, 90};
    p.rotate(turns[int(glyph)]);
    const QPolygonF arrow({{0, -7}, {6.5, 0}, {2.5, 0}, {2.5, 7}, {-2.5, 7}, {-2.5, 0}, {-6.5, 0}});
    p.setPen(QPen(QColor(0, 0, 96), 1));
    p.setBrush(QColor(40, 80, 200));
    p.drawPolygon(arrow);
}

void DrawScissors(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, 1), QPointF(11, 10.5));
    p.drawLine(QPointF(12, 1), QPointF(5, 10.5));
    p.setPen(QPen(QColor(180, 0, 0), 1.6));
    p.drawEllipse(QPointF(4, 12.5), 2.6, 2.6);
    p.drawEllipse(QPointF(12, 12.5), 2.6, 2.6);
}

void DrawProperties(QPainter& p) {
    // A sheet of settings: three labelled lines with a check box each.
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    for (int row = 0; row < 3; ++row) {
        const double y = 4 + row * 3.5;
        p.setBrush(row == 1 ? QColor(40, 80, 200) : QColor(Qt::white));
        p.drawRect(QRectF(3.5, y - 1, 2, 2));
        p.drawLine(QPointF(7, y), QPointF(12.5, y));
    }
}
} // namespace

QIcon ToolGlyphIcon(ToolGlyph glyph) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(int(GlyphSize * ratio), int(GlyphSize * ratio));
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        switch (glyph) {
        case ToolGlyph::ArrowUp:
        case ToolGlyph::ArrowDown:
        case ToolGlyph::ArrowLeft:
        case ToolGlyph::ArrowRight:
            DrawArrow(painter, glyph);
            break;
        case ToolGlyph::Cut:
            DrawScissors(painter);
            break;
        case ToolGlyph::Properties:
            DrawProperties(painter);
            break;
        }
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
