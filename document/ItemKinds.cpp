#include "document/ItemKinds.h"

#include "document/LabelItemValue.h"

namespace {

const ItemKindDescriptor* const kDescriptors[] = {
#define QV_KIND_ADDRESS(name, code) &name##ItemKind,
    QV_ITEM_KINDS(QV_KIND_ADDRESS)
#undef QV_KIND_ADDRESS
};

// Indexed by the kind's code.
struct ByCode {
    const ItemKindDescriptor* entries[ItemKindCount] = {};
    ByCode() {
        for (const ItemKindDescriptor* descriptor : kDescriptors)
            entries[size_t(descriptor->kind)] = descriptor;
    }
};

const ByCode& byCode() {
    static const ByCode table;
    return table;
}

} // namespace

const ItemKindDescriptor& ItemKind(LabelItemKind kind) {
    return *byCode().entries[size_t(kind)];
}

std::optional<LabelItemKind> ItemKindFromWord(QStringView word) {
    for (const ItemKindDescriptor* descriptor : kDescriptors)
        if (descriptor->word == word)
            return descriptor->kind;
    return std::nullopt;
}
