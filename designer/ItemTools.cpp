#include "designer/ItemTools.h"

namespace {

struct Entry {
    LabelItemKind kind;
    const ItemToolKind* part;
};

const Entry kParts[] = {
#define QV_KIND_TOOL_ENTRY(name, code) {LabelItemKind::name, &name##ItemTool},
    QV_ITEM_KINDS(QV_KIND_TOOL_ENTRY)
#undef QV_KIND_TOOL_ENTRY
};

} // namespace

const ItemToolKind& ItemTool(LabelItemKind kind) {
    for (const Entry& entry : kParts)
        if (entry.kind == kind)
            return *entry.part;
    return *kParts[0].part;
}

std::optional<LabelItemKind> ItemKindOfTool(QStringView buttonName) {
    for (const Entry& entry : kParts)
        if (entry.part->buttonName == buttonName)
            return entry.kind;
    return std::nullopt;
}
