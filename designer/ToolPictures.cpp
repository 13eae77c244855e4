#include "designer/ToolPictures.h"

#include "designer/ItemTools.h"

#include <QPainter>

namespace {
const QColor ink(0, 0, 0);
} // namespace

void ToolPictures::DrawItem(QPainter& painter, LabelItemKind kind, const QRect& box) {
    const ItemToolKind& tool = ItemTool(kind);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, tool.smoothPicture);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    tool.drawPicture(painter, box);
    painter.restore();
}

QPixmap ToolPictures::Glyph(LabelItemKind kind) {
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawItem(painter, kind, QRect(0, 0, GlyphSize, GlyphSize));
    return pixmap;
}

QPixmap ToolPictures::DragPicture(LabelItemKind kind) {
    // The item picture starts at the top-left corner, where the pointer's hot spot is; a
    // small plus at the far corner tells that the drop adds an item.
    QPixmap pixmap(DragSize, DragSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRect item(0, 0, 24, 24);
    painter.fillRect(item, QColor(255, 255, 255, 150));
    DrawItem(painter, kind, item);
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
