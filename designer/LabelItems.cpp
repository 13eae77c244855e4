#include "designer/LabelItems.h"

#include "controls/TBarcode.h"

#include "controls/TCanvasPanel.h"
#include "controls/ZoomedBox.h"
#include <QCoreApplication>

LabelItems::LabelItems(TCanvasPanel* panel, LabelModel& model, ItemControlHooks* hooks)
    : panel_(panel), model_(model), hooks_(hooks) {
    model_.AddView(this);
    model_.SetLayout(this);
}

LabelItems::~LabelItems() {
    model_.SetLayout(nullptr);
    model_.RemoveView(this);
    for (const QString& name : shown_.keys())
        Discard(name);
}

QWidget* LabelItems::Control(const QString& name) const {
    const auto found = shown_.find(name);
    return found == shown_.end() ? nullptr : found->control.data();
}

const DesignItem* LabelItems::ItemOf(const QObject* control) const {
    if (!control)
        return nullptr;
    const QString name = control->objectName();
    if (Control(name) != control)
        return nullptr;
    return model_.Design().Find(name);
}

std::optional<LabelItemKind> LabelItems::KindOf(const QObject* control) const {
    const DesignItem* item = ItemOf(control);
    return item ? std::optional(item->value.kind) : std::nullopt;
}

QList<QPointer<QWidget>> LabelItems::OrderList() const {
    QList<QPointer<QWidget>> controls;
    for (const DesignItem& item : model_.Design().items)
        if (QWidget* control = Control(item.name))
            controls << control;
    return controls;
}

bool LabelItems::IsLabelItem(const QObject* item) {
    return item && item->objectName().toUpper().contains(u"SPECIAL");
}

QString LabelItems::TooManyItemsMessage() {
    return QCoreApplication::translate(
               "LabelItems",
               "A label can hold at most %1 items. Delete an item before adding another.")
        .arg(LabelDesign::MaxItems);
}

void LabelItems::ShowAgain(QWidget* control) {
    if (const DesignItem* item = ItemOf(control))
        Show(item->name, item->value, true);
}

QString LabelItems::CounterShown() const {
    for (const DesignItem& item : model_.Design().items)
        if (item.value.kind == LabelItemKind::Counter)
            return QString::number(item.value.startingNumber);
    return QStringLiteral("0");
}

std::optional<QString> LabelItems::ShownField(const QString& name) const {
    return recordFields_ ? recordFields_(name) : std::nullopt;
}

QString LabelItems::ShownFile(const QString& fileName) const {
    return recordPictures_ ? recordPictures_(fileName) : fileName;
}

void LabelItems::ShowRecord(FieldLookup fields,
                            std::function<QString(const QString&)> pictureFile) {
    recordFields_ = std::move(fields);
    recordPictures_ = std::move(pictureFile);
    // Pictures are read again for the record; barcodes and texts draw it when repainted.
    for (const DesignItem& item : model_.Design().items) {
        QWidget* control = Control(item.name);
        if (item.value.kind == LabelItemKind::Image)
            Show(item.name, item.value, true);
        else if (auto* barcode = qobject_cast<TBarcode*>(control))
            barcode->RefreshShownData();
        else if (control)
            control->update();
    }
}

// ---- following the model ----

void LabelItems::Settle(const QString& name, LabelItemValue& value) {
    QWidget* control = Show(name, value);
    if (!control)
        return;
    const QRect box = ZoomedBox::Of(control);
    value.top = box.y();
    value.left = box.x();
    value.width = box.width();
    value.height = box.height();
    if (const auto settle = ItemControl(value.kind).settle)
        settle(control, value);
    shown_[name].value = value;
}

void LabelItems::DesignChanged(const LabelDesign& design, const DesignChange& change) {
    if (!change.removed.isEmpty()) {
        if (hooks_)
            hooks_->ItemControlsRemoving();
        for (const QString& name : change.removed)
            Discard(name);
    }
    for (const QStringList* names : {&change.added, &change.changed})
        for (const QString& name : *names)
            if (const DesignItem* item = design.Find(name))
                Show(name, item->value);
    if (change.restacked)
        Restack(design);
}

QWidget* LabelItems::Show(const QString& name, const LabelItemValue& value, bool force) {
    const ItemControlKind& kind = ItemControl(value.kind);
    const auto found = shown_.find(name);
    if (found != shown_.end() && found->control && found->value.kind == value.kind) {
        if (found->value == value && !force)
            return found->control;
        Place(found->control, value);
        kind.apply(found->control, value);
        found->value = value;
        return found->control;
    }
    Discard(name);
    QWidget* control = kind.create(panel_, *this);
    if (!control)
        return nullptr;
    control->setObjectName(name);
    Place(control, value);
    kind.apply(control, value);
    control->show();
    shown_.insert(name, {control, value});
    if (hooks_)
        hooks_->ItemControlCreated(control);
    return control;
}

// A width or height of 0 or less leaves the control's own. The box is in design pixels; the
// panel shows it at its zoom.
void LabelItems::Place(QWidget* control, const LabelItemValue& value) {
    QRect box = ZoomedBox::Of(control);
    box.moveTo(value.left, value.top);
    if (value.width > 0)
        box.setWidth(value.width);
    if (value.height > 0)
        box.setHeight(value.height);
    ZoomedBox::Set(control, box);
}

void LabelItems::Discard(const QString& name) {
    const auto found = shown_.find(name);
    if (found == shown_.end())
        return;
    QPointer<QWidget> control = found->control;
    shown_.erase(found);
    if (!control)
        return;
    // Freed later, as the control may be the one whose event led here; without its name it no
    // longer counts as a label item.
    control->hide();
    control->setObjectName(QString());
    control->deleteLater();
}

void LabelItems::Restack(const LabelDesign& design) {
    for (const DesignItem& item : design.items)
        if (QWidget* control = Control(item.name))
            control->raise();
}
