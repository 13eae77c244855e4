// Horizontal and vertical line items: a stroke along the top or the left edge of the box.
#include "document/ItemKinds.h"
#include "document/LabelItemValue.h"

namespace {

using K = StoredKey;

// The direction comes from the kind word; ORIENTATION only says it again.
constexpr StoredLineSpec kHorizontalLines[] = {
    {K::Top}, {K::Left}, {K::Width}, {K::Height}, {K::Orientation, u"H"}, {K::LineThickness},
    {K::LineColor},
};
constexpr StoredLineSpec kVerticalLines[] = {
    {K::Top}, {K::Left}, {K::Width}, {K::Height}, {K::Orientation, u"V"}, {K::LineThickness},
    {K::LineColor},
};

// A black one-pixel line 60 pixels long, in a box 20 pixels deep to grab it by.
LabelItemValue newLine(LabelItemKind kind, int width, int height) {
    LabelItemValue v;
    v.kind = kind;
    v.width = width;
    v.height = height;
    v.penColor = kColorBlack;
    v.penWidth = 1;
    return v;
}

LabelItemValue newHorizontalLine() {
    return newLine(LabelItemKind::HorizontalLine, 60, 20);
}
LabelItemValue newVerticalLine() {
    return newLine(LabelItemKind::VerticalLine, 20, 60);
}

} // namespace

extern const ItemKindDescriptor HorizontalLineItemKind = {
    LabelItemKind::HorizontalLine, u"HORIZONTALLINE", kHorizontalLines, &newHorizontalLine};
extern const ItemKindDescriptor VerticalLineItemKind = {
    LabelItemKind::VerticalLine, u"VERTICALLINE", kVerticalLines, &newVerticalLine};
