#pragma once

#include "designer/DropTool.h"

#include <QPixmap>

class QPainter;
class QRect;

// The pictures of the tool row, drawn rather than stored: each shows the item its tool
// creates. The glyph sits on the 23 x 23 tool button; the drag picture is 32 x 32 with the
// item's top-left at the picture's top-left, where the pointer is while dragging.
class ToolPictures {
public:
    static constexpr int GlyphSize = 17;
    static constexpr int DragSize = 32;

    static QPixmap Glyph(DropTool tool);
    static QPixmap DragPicture(DropTool tool);

    // The item picture itself, filling box.
    static void DrawItem(QPainter& painter, DropTool tool, const QRect& box);
};
