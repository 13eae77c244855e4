#include "designer/ItemClipboard.h"

#include "designer/DesignSteps.h"
#include "designer/LabelItems.h"
#include "designer/SelectionControl.h"
#include "document/ItemTransfer.h"
#include "ui/Prompter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>

ItemClipboard::ItemClipboard(SelectionControl& selection, LabelItems& items,
                             std::function<QPoint()> gridStep, std::function<void()> changed)
    : selection_(selection), items_(items), gridStep_(std::move(gridStep)),
      changed_(std::move(changed)) {}

bool ItemClipboard::HasSelection() const {
    return !selection_.SelectedItems().isEmpty();
}

bool ItemClipboard::CanPaste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && (data->hasFormat(ItemTransfer::MimeType) || data->hasText());
}

// The selected items' values, back to front as they stack.
std::vector<LabelItemValue> ItemClipboard::SelectedValues() const {
    std::vector<LabelItemValue> values;
    for (const QWidget* control : selection_.SelectedItems())
        if (const DesignItem* item = items_.ItemOf(control))
            values.push_back(item->value);
    return values;
}

QStringList ItemClipboard::SelectedNames() const {
    QStringList names;
    for (const QWidget* control : selection_.SelectedItems())
        if (const DesignItem* item = items_.ItemOf(control))
            names << item->name;
    return names;
}

void ItemClipboard::Copy() {
    const std::vector<LabelItemValue> values = SelectedValues();
    if (values.empty())
        return;
    QGuiApplication::clipboard()->setMimeData(ItemTransfer::ToMimeData(values));
}

void ItemClipboard::Cut() {
    const QStringList names = SelectedNames();
    if (names.isEmpty())
        return;
    DesignSteps::Scope step(steps_, QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Cut")));
    Copy();
    selection_.DetachControl();
    items_.Model().RemoveItems(names);
    if (changed_)
        changed_();
}

void ItemClipboard::Paste() {
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
        PasteData(*data);
}

void ItemClipboard::PasteData(const QMimeData& data) {
    std::vector<LabelItemValue> values = ItemTransfer::ItemsFrom(data);
    if (values.empty() && data.hasText()) {
        QString text = data.text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        while (text.endsWith(u'\n'))
            text.chop(1);
        if (text.trimmed().isEmpty())
            return;
        LabelItemValue value = ItemKind(LabelItemKind::Text).newItem();
        value.left = TextMargin;
        value.top = TextMargin;
        value.text = text;
        values.push_back(value);
    }
    if (values.empty())
        return;
    DesignSteps::Scope step(steps_, QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Paste")));
    AddAndSelect(values);
}

void ItemClipboard::Duplicate() {
    std::vector<LabelItemValue> values = SelectedValues();
    if (values.empty())
        return;
    QPoint offset = gridStep_ ? gridStep_() : QPoint();
    if (offset.x() <= 1 && offset.y() <= 1)
        offset = {DuplicateOffsetWithoutGrid, DuplicateOffsetWithoutGrid};
    for (LabelItemValue& value : values) {
        value.left += offset.x();
        value.top += offset.y();
    }
    DesignSteps::Scope step(steps_,
                            QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Duplicate")));
    AddAndSelect(values);
}

void ItemClipboard::AddAndSelect(const std::vector<LabelItemValue>& values) {
    selection_.DetachControl();
    const QStringList names = items_.Model().AddItems(values);
    if (!names.isEmpty() && changed_)
        changed_();
    QList<QWidget*> added;
    for (const QString& name : names)
        if (QWidget* control = items_.Control(name))
            added << control;
    selection_.SelectItems(added);
    if (size_t(names.size()) < values.size())
        ShowInformation(LabelItems::TooManyItemsMessage());
}
