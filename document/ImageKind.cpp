// Image items: a picture read from a file.
#include "document/ItemKinds.h"
#include "document/LabelItemValue.h"

namespace {

using K = StoredKey;

constexpr StoredLineSpec kImageLines[] = {
    {K::Top}, {K::Left}, {K::Width}, {K::Height}, {K::Stretch}, {K::FileNameAndPath},
};

constexpr StoredLineSpec kImageOptionalLines[] = {{K::Fit}};

LabelItemValue newImage() {
    LabelItemValue v;
    v.kind = LabelItemKind::Image;
    v.stretch = false; // the picture's own size
    return v;          // no file yet: asked for when placed
}

} // namespace

extern const ItemKindDescriptor ImageItemKind = {
    LabelItemKind::Image, u"IMAGE", kImageLines, &newImage, nullptr, kImageOptionalLines};
