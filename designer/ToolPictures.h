#pragma once

#include "document/ItemKinds.h"

#include <QPixmap>

class QPainter;
class QRect;

// The pictures of the tool row, drawn rather than stored: each shows the item its tool
// creates (the kind's designer part draws it). The glyph sits on the 23 x 23 tool button; the
// drag picture is 32 x 32 with the item's top-left at the picture's top-left, where the
// pointer is while dragging.
class ToolPictures {
public:
    static constexpr int GlyphSize = 17;
    static constexpr int DragSize = 32;

    static QPixmap Glyph(LabelItemKind kind);
    static QPixmap DragPicture(LabelItemKind kind);

    // The item picture itself, filling box.
    static void DrawItem(QPainter& painter, LabelItemKind kind, const QRect& box);
};
