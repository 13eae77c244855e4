#include "document/LabelDesign.h"

#include "document/ConversionError.h"
#include "document/ObjectsTextReader.h"
#include "document/ObjectsTextWriter.h"

#include <algorithm>

namespace {
const QString ItemPrefix = QStringLiteral("Special");

// n when name is prefix + the decimal digits of n (1..max, no leading zero), whatever the case
// of the prefix; else 0.
int NameNumber(const QString& name, int max) {
    if (name.size() <= ItemPrefix.size() || !name.startsWith(ItemPrefix, Qt::CaseInsensitive))
        return 0;
    const QStringView digits = QStringView(name).mid(ItemPrefix.size());
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok && n >= 1 && n <= max && digits == QString::number(n) ? n : 0;
}
} // namespace

int LabelDesign::IndexOf(const QString& name) const {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].name == name)
            return int(i);
    return -1;
}

const DesignItem* LabelDesign::Find(const QString& name) const {
    const int index = IndexOf(name);
    return index < 0 ? nullptr : &items[size_t(index)];
}

QString LabelDesign::FreeName() const {
    std::vector<bool> used(MaxItems + 1, false);
    for (const DesignItem& item : items)
        used[size_t(NameNumber(item.name, MaxItems))] = true;
    for (int n = 1; n <= MaxItems; ++n)
        if (!used[size_t(n)])
            return ItemPrefix + QString::number(n);
    return {};
}

bool LabelDesign::HasCounter() const {
    return std::any_of(items.begin(), items.end(), [](const DesignItem& item) {
        return item.value.kind == LabelItemKind::Counter;
    });
}

std::vector<LabelItemValue> LabelDesign::ItemValues() const {
    std::vector<LabelItemValue> values;
    values.reserve(items.size());
    for (const DesignItem& item : items)
        values.push_back(item.value);
    return values;
}

QString LabelDesign::SaveItems() const {
    std::vector<KeptItemLines> lines;
    lines.reserve(kept.size());
    for (const KeptBlock& block : kept) {
        int after = -1;
        if (!block.after.isEmpty()) {
            after = IndexOf(block.after);
            // A block whose item is gone goes at the end.
            if (after < 0)
                after = int(items.size()) - 1;
        }
        lines.push_back({after, block.lines});
    }
    return WriteObjectsText(ItemValues(), lines);
}

LabelDesign::ItemsRead LabelDesign::REstoreItems(const QString& objectsText) {
    items.clear();
    kept.clear();
    ItemsRead read;
    const DesignItems stored = ReadDesignItems(objectsText);
    for (const LabelItemValue& value : stored.items) {
        if (int(items.size()) == MaxItems) {
            ++read.dropped;
            continue;
        }
        items.push_back({ItemPrefix + QString::number(items.size() + 1), value});
    }
    for (const KeptItemLines& block : stored.kept) {
        const int after = std::min(block.after, int(items.size()) - 1);
        kept.push_back({after < 0 ? QString() : items[size_t(after)].name, block.lines});
    }
    read.error = stored.error;
    return read;
}
