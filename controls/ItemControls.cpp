#include "controls/ItemControls.h"

namespace {

struct Entry {
    LabelItemKind kind;
    const ItemControlKind* part;
};

const Entry kParts[] = {
#define QV_KIND_CONTROL_ENTRY(name, code) {LabelItemKind::name, &name##ItemControl},
    QV_ITEM_KINDS(QV_KIND_CONTROL_ENTRY)
#undef QV_KIND_CONTROL_ENTRY
};

} // namespace

const ItemControlKind& ItemControl(LabelItemKind kind) {
    for (const Entry& entry : kParts)
        if (entry.kind == kind)
            return *entry.part;
    return *kParts[0].part;
}
