#include "document/LabelModel.h"

#include <algorithm>

void LabelModel::AddView(DesignView* view) {
    views_.push_back(view);
}

void LabelModel::RemoveView(DesignView* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void LabelModel::Settle(LabelDesign& next, const QStringList& names) {
    if (!layout_)
        return;
    for (const QString& name : names) {
        const int index = next.IndexOf(name);
        if (index >= 0)
            layout_->Settle(name, next.items[size_t(index)].value);
    }
}

void LabelModel::Commit(LabelDesign next, const DesignChange& change) {
    if (change.IsEmpty())
        return;
    if (design_.geometry.labelsAcross != next.geometry.labelsAcross ||
        design_.geometry.labelsDown != next.geometry.labelsDown)
        positions_.clear();
    design_ = std::move(next);
    for (DesignView* view : views_)
        view->DesignChanged(design_, change);
}

void LabelModel::SetDescription(const QString& description) {
    LabelDesign next = design_;
    next.description = description;
    DesignChange change;
    change.description = design_.description != description;
    Commit(std::move(next), change);
}

void LabelModel::SetTemplate(const QString& templateName, const SheetGeometry& geometry) {
    LabelDesign next = design_;
    next.templateName = templateName;
    next.geometry = geometry;
    Commit(std::move(next), DesignChange::Between(design_, next));
}

QString LabelModel::CreateItemFromValue(const LabelItemValue& value) {
    const QString name = design_.FreeName();
    if (name.isEmpty())
        return name;
    LabelDesign next = design_;
    next.items.push_back({name, value});
    Settle(next, {name});
    DesignChange change;
    change.added << name;
    Commit(std::move(next), change);
    return name;
}

QStringList LabelModel::AddItems(const std::vector<LabelItemValue>& values) {
    LabelDesign next = design_;
    QStringList names;
    for (const LabelItemValue& value : values) {
        const QString name = next.FreeName();
        if (name.isEmpty())
            break;
        next.items.push_back({name, value});
        names << name;
    }
    Settle(next, names);
    DesignChange change;
    change.added = names;
    Commit(std::move(next), change);
    return names;
}

void LabelModel::SetItem(const QString& name, const LabelItemValue& value) {
    SetItems({{name, value}});
}

void LabelModel::SetItems(const std::vector<DesignItem>& items) {
    LabelDesign next = design_;
    QStringList names;
    for (const DesignItem& item : items) {
        const int index = next.IndexOf(item.name);
        if (index < 0)
            continue;
        next.items[size_t(index)].value = item.value;
        names << item.name;
    }
    Settle(next, names);
    Commit(std::move(next), DesignChange::Between(design_, next));
}

void LabelModel::RemoveItem(const QString& name) {
    RemoveItems({name});
}

void LabelModel::RemoveItems(const QStringList& names) {
    LabelDesign next = design_;
    for (const QString& name : names) {
        const int index = next.IndexOf(name);
        if (index < 0)
            continue;
        next.items.erase(next.items.begin() + index);
        const QString before = index > 0 ? next.items[size_t(index) - 1].name : QString();
        for (KeptBlock& block : next.kept)
            if (block.after == name)
                block.after = before;
    }
    Commit(std::move(next), DesignChange::Between(design_, next));
}

void LabelModel::BringToFront(const QString& name) {
    const int index = design_.IndexOf(name);
    if (index < 0)
        return;
    LabelDesign next = design_;
    std::rotate(next.items.begin() + index, next.items.begin() + index + 1, next.items.end());
    Commit(std::move(next), DesignChange::Between(design_, next));
}

void LabelModel::SendToBack(const QString& name) {
    const int index = design_.IndexOf(name);
    if (index < 0)
        return;
    LabelDesign next = design_;
    std::rotate(next.items.begin(), next.items.begin() + index, next.items.begin() + index + 1);
    Commit(std::move(next), DesignChange::Between(design_, next));
}

void LabelModel::Load(const LabelDesign& design) {
    // The views drop every item of the label before, then make this label's afresh.
    if (!design_.items.empty() || !design_.kept.empty()) {
        LabelDesign cleared = design_;
        cleared.items.clear();
        cleared.kept.clear();
        Commit(cleared, DesignChange::Between(design_, cleared));
    }
    LabelDesign next = design;
    QStringList names;
    for (const DesignItem& item : next.items)
        names << item.name;
    Settle(next, names);
    Commit(next, DesignChange::Between(design_, next));
}

void LabelModel::Restore(const LabelDesign& design) {
    LabelDesign next = design;
    const DesignChange change = DesignChange::Between(design_, next);
    Commit(std::move(next), change);
}
