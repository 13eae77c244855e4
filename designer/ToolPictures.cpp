#include "designer/ToolPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace {
const QColor ink(0, 0, 0);

void DrawLetters(QPainter& painter, const QRect& box, const QString& letters, bool serif) {
    QFont font(serif ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(6, box.height() * (letters.size() > 2 ? 6 : 9) / 10));
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, letters);
}

void DrawStar(QPainter& painter, const QRect& box) {
    const QPointF centre = QRectF(box).center();
    const double outer = std::min(box.width(), box.height()) / 2.0;
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.42;
        const double angle = qDegreesToRadians(-90.0 + i * 36.0);
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    painter.setPen(QPen(ink, 1));
    painter.setBrush(QColor(0, 0, 160));
    painter.drawPolygon(star);
}

// Bars of varied widths over the box's height, as a linear barcode.
void DrawBars(QPainter& painter, const QRect& box) {
    static const int widths[] = {2, 1, 1, 3, 1, 2, 1, 1, 2, 1, 3};
    int x = box.left() + 1;
    bool bar = true;
    for (int w : widths) {
        if (x + w > box.right())
            break;
        if (bar)
            painter.fillRect(QRect(x, box.top() + 2, w, box.height() - 4), ink);
        x += w;
        bar = !bar;
    }
}

void DrawLandscape(QPainter& painter, const QRect& box) {
    painter.setPen(QPen(ink, 1));
    painter.setBrush(QColor(170, 210, 255));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    const int w = box.width(), h = box.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 200, 0));
    painter.drawEllipse(QRectF(box.left() + w * 0.6, box.top() + h * 0.15, w * 0.25, h * 0.25));
    QPolygonF hills;
    hills << QPointF(box.left() + 1, box.bottom())
          << QPointF(box.left() + w * 0.35, box.top() + h * 0.4)
          << QPointF(box.left() + w * 0.6, box.top() + h * 0.7)
          << QPointF(box.left() + w * 0.8, box.top() + h * 0.5)
          << QPointF(box.right(), box.bottom());
    painter.setBrush(QColor(0, 128, 0));
    painter.drawPolygon(hills);
}
} // namespace

void ToolPictures::DrawItem(QPainter& painter, DropTool tool, const QRect& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, tool == DropTool::Ellipse ||
                                                      tool == DropTool::RoundRect ||
                                                      tool == DropTool::Symbol);
    const QRect outline = box.adjusted(0, 0, -1, -1);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    switch (tool) {
    case DropTool::Text:
        DrawLetters(painter, box, QStringLiteral("A"), true);
        break;
    case DropTool::Counter:
        DrawLetters(painter, box, QStringLiteral("123"), false);
        break;
    case DropTool::Rect:
        painter.drawRect(outline.adjusted(0, 2, 0, -2));
        break;
    case DropTool::Ellipse:
        painter.drawEllipse(QRectF(outline.adjusted(0, 2, 0, -2)).adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    case DropTool::RoundRect: {
        const double corner = box.width() * 0.2;
        painter.drawRoundedRect(
            QRectF(outline.adjusted(0, 2, 0, -2)).adjusted(0.5, 0.5, -0.5, -0.5), corner, corner);
        break;
    }
    case DropTool::Symbol:
        DrawStar(painter, box);
        break;
    case DropTool::HLine:
        painter.fillRect(QRect(box.left(), box.top() + box.height() / 2 - 1, box.width(), 2), ink);
        break;
    case DropTool::VLine:
        painter.fillRect(QRect(box.left() + box.width() / 2 - 1, box.top(), 2, box.height()), ink);
        break;
    case DropTool::Image:
        DrawLandscape(painter, box.adjusted(0, 2, 0, -2));
        break;
    case DropTool::Barcode:
        DrawBars(painter, box);
        break;
    }
    painter.restore();
}

QPixmap ToolPictures::Glyph(DropTool tool) {
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawItem(painter, tool, QRect(0, 0, GlyphSize, GlyphSize));
    return pixmap;
}

QPixmap ToolPictures::DragPicture(DropTool tool) {
    // The item picture starts at the top-left corner, where the pointer's hot spot is; a
    // small plus at the far corner tells that the drop adds an item.
    QPixmap pixmap(DragSize, DragSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRect item(0, 0, 24, 24);
    painter.fillRect(item, QColor(255, 255, 255, 150));
    DrawItem(painter, tool, item);
    painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
    painter.drawLine(0, 0, 5, 0);
    painter.drawLine(0, 0, 0, 5);
    painter.fillRect(QRect(23, 23, 9, 9), Qt::white);
    painter.setPen(QPen(ink, 1));
    painter.drawRect(QRect(23, 23, 8, 8));
    painter.drawLine(25, 27, 29, 27);
    painter.drawLine(27, 25, 27, 29);
    return pixmap;
}
