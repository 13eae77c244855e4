// Rectangle, rounded rectangle and ellipse items: an outline and a fill.
#include "document/ItemKinds.h"
#include "document/LabelItemValue.h"

namespace {

using K = StoredKey;

constexpr StoredLineSpec kShapeLines[] = {
    {K::Top}, {K::Left}, {K::Width}, {K::Height}, {K::BrushStyle}, {K::Color}, {K::LineThickness},
    {K::LineColor},
};

constexpr StoredLineSpec kRoundRectangleLines[] = {
    {K::Top},           {K::Left},      {K::Width},   {K::Height}, {K::BrushStyle}, {K::Color},
    {K::LineThickness}, {K::LineColor}, {K::Rounding},
};

// A hollow shape with a black one-pixel outline.
LabelItemValue newShape(LabelItemKind kind, int rounding) {
    LabelItemValue v;
    v.kind = kind;
    v.brushStyle = TBrushStyle::Clear;
    v.brushColor = kColorBlack;
    v.penColor = kColorBlack;
    v.penWidth = 1;
    v.rounding = rounding;
    return v;
}

LabelItemValue newRectangle() {
    return newShape(LabelItemKind::Rectangle, 0);
}
LabelItemValue newEllipse() {
    return newShape(LabelItemKind::Ellipse, 0);
}
LabelItemValue newRoundRectangle() {
    return newShape(LabelItemKind::RoundRectangle, 20);
}

} // namespace

extern const ItemKindDescriptor RectangleItemKind = {LabelItemKind::Rectangle, u"RECTANGLE",
                                                     kShapeLines, &newRectangle};
extern const ItemKindDescriptor EllipseItemKind = {LabelItemKind::Ellipse, u"ELLIPSE", kShapeLines,
                                                   &newEllipse};
extern const ItemKindDescriptor RoundRectangleItemKind = {
    LabelItemKind::RoundRectangle, u"ROUNDRECTANGLE", kRoundRectangleLines, &newRoundRectangle};
