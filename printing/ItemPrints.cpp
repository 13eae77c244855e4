#include "printing/ItemPrints.h"

namespace {

struct Entry {
    LabelItemKind kind;
    const ItemPrintKind* part;
};

const Entry kParts[] = {
#define QV_KIND_PRINT_ENTRY(name, code) {LabelItemKind::name, &name##ItemPrint},
    QV_ITEM_KINDS(QV_KIND_PRINT_ENTRY)
#undef QV_KIND_PRINT_ENTRY
};

} // namespace

const ItemPrintKind& ItemPrint(LabelItemKind kind) {
    for (const Entry& entry : kParts)
        if (entry.kind == kind)
            return *entry.part;
    return *kParts[0].part;
}
