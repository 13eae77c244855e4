#pragma once

#include "document/ItemKinds.h"

// The kinds that share properties: outlined and filled shapes, lines (outline only) and
// texts (a font).
inline constexpr bool IsShape(LabelItemKind kind) {
    return kind == LabelItemKind::Rectangle || kind == LabelItemKind::RoundRectangle ||
           kind == LabelItemKind::Ellipse;
}
inline constexpr bool IsLine(LabelItemKind kind) {
    return kind == LabelItemKind::HorizontalLine || kind == LabelItemKind::VerticalLine;
}
inline constexpr bool IsText(LabelItemKind kind) {
    return kind == LabelItemKind::Text || kind == LabelItemKind::Counter;
}
