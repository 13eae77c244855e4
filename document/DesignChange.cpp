#include "document/DesignChange.h"

#include "document/LabelDesign.h"

#include <QHash>
#include <QSet>

DesignChange DesignChange::Between(const LabelDesign& before, const LabelDesign& after) {
    DesignChange change;
    change.description = before.description != after.description;
    change.layout = before.templateName != after.templateName || !(before.geometry == after.geometry);
    change.kept = before.kept != after.kept;

    // The common case, a value or two changed in place, needs no lookup.
    const auto& was = before.items;
    const auto& now = after.items;
    bool sameNames = was.size() == now.size();
    for (size_t i = 0; sameNames && i < was.size(); ++i)
        sameNames = was[i].name == now[i].name && was[i].value.kind == now[i].value.kind;
    if (sameNames) {
        for (size_t i = 0; i < was.size(); ++i)
            if (!(was[i].value == now[i].value))
                change.changed << now[i].name;
        return change;
    }

    QHash<QString, const DesignItem*> previous;
    previous.reserve(qsizetype(was.size()));
    for (const DesignItem& item : was)
        previous.insert(item.name, &item);
    QStringList common; // in the new order
    QSet<QString> commonNames;
    for (const DesignItem& item : now) {
        const DesignItem* old = previous.take(item.name);
        if (!old || old->value.kind != item.value.kind) {
            if (old)
                change.removed << item.name;
            change.added << item.name;
            continue;
        }
        common << item.name;
        commonNames.insert(item.name);
        if (!(old->value == item.value))
            change.changed << item.name;
    }
    for (const DesignItem& item : was)
        if (previous.contains(item.name))
            change.removed << item.name;
    // Restacked when the items both designs hold stand in another order, or when a new item
    // lies behind an old one (a new item is otherwise simply front-most).
    QStringList oldOrder;
    for (const DesignItem& item : was)
        if (commonNames.contains(item.name))
            oldOrder << item.name;
    change.restacked = oldOrder != common;
    if (!change.restacked && !change.added.isEmpty()) {
        bool seenNew = false;
        for (const DesignItem& item : now) {
            const bool isNew = !commonNames.contains(item.name);
            if (seenNew && !isNew) {
                change.restacked = true;
                break;
            }
            seenNew = seenNew || isNew;
        }
    }
    return change;
}
