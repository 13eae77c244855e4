#include "designer/ItemSelection.h"

#include "controls/SymbolGlyph.h"
#include "controls/TCanvasPanel.h"
#include "controls/TSymbol.h"
#include "controls/ZoomedBox.h"
#include "designer/BandSelection.h"
#include "designer/DesignSteps.h"
#include "designer/LabelItems.h"
#include "designer/TStretchHandle.h"
#include "document/Units.h"
#include "ui/CommandBoundary.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int SmallestRefitBox = 5;

constexpr Qt::KeyboardModifiers TogglingKeys = Qt::ShiftModifier | Qt::ControlModifier;

bool IsPress(const QEvent* event) {
    return event->type() == QEvent::MouseButtonPress ||
           event->type() == QEvent::MouseButtonDblClick;
}

QPoint Step(ItemSelection::Direction direction) {
    switch (direction) {
    case ItemSelection::Direction::Up:
        return {0, -1};
    case ItemSelection::Direction::Down:
        return {0, 1};
    case ItemSelection::Direction::Left:
        return {-1, 0};
    case ItemSelection::Direction::Right:
        return {1, 0};
    }
    return {};
}
} // namespace

ItemSelection::ItemSelection(TCanvasPanel* labelPanel, QWidget* greyArea, LabelItems& items,
                             std::function<void()> triggerChange, QObject* parent)
    : QObject(parent), labelPanel_(labelPanel), greyArea_(greyArea), items_(items),
      triggerChange_(std::move(triggerChange)) {
    StretchHandle1 = new TStretchHandle;
    StretchHandle1->setObjectName(QStringLiteral("StretchHandle1"));
    StretchHandle1->OnMouseUp = [this] { RunCommand([this] { StretchHandle1MouseUp(); }); };
    StretchHandle1->OnKeyDown = [this](int key) {
        RunCommand([this, key] { StretchHandle1KeyDown(key); });
    };
    StretchHandle1->installEventFilter(this);
    connect(StretchHandle1, &TStretchHandle::AttachedChanged, this,
            &ItemSelection::SelectionChanged);
    band_ = new BandSelection(
        labelPanel,
        [this](const QRect& band, bool adding) {
            RunCommand([this, band, adding] { SelectInside(band, adding); });
        },
        this);
    if (labelPanel)
        labelPanel->installEventFilter(this);
    if (greyArea)
        greyArea->installEventFilter(this);
}

ItemSelection::~ItemSelection() {
    // The handle may be a child of the design panel; take it back before freeing it.
    StretchHandle1->DetachAll();
    delete StretchHandle1;
}

// ---- grid menu ----

void ItemSelection::ConnectGridMenu(QAction* none, QAction* grid2, QAction* grid4, QAction* grid8) {
    mnuSnapToGridNone = none;
    mnuSnapToGrid2x2 = grid2;
    mnuSnapToGrid4x4 = grid4;
    mnuSnapToGrid8x8 = grid8;
    const std::pair<QAction*, void (ItemSelection::*)()> entries[] = {
        {none, &ItemSelection::mnuSnapToGridNoneClick},
        {grid2, &ItemSelection::mnuSnapToGrid2x2Click},
        {grid4, &ItemSelection::mnuSnapToGrid4x4Click},
        {grid8, &ItemSelection::mnuSnapToGrid8x8Click}};
    for (const auto& [action, handler] : entries) {
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
    }
    // The grid starts off, as the menu shows.
    mnuSnapToGridNoneClick();
}

void ItemSelection::setGrid(int grid, QAction* checked) {
    StretchHandle1->setGridX(grid);
    StretchHandle1->setGridY(grid);
    for (QAction* action :
         {mnuSnapToGridNone, mnuSnapToGrid2x2, mnuSnapToGrid4x4, mnuSnapToGrid8x8})
        if (action)
            action->setChecked(action == checked);
}

void ItemSelection::mnuSnapToGridNoneClick() {
    StretchHandle1->setSnapToGrid(false);
    setGrid(1, mnuSnapToGridNone);
}

void ItemSelection::mnuSnapToGrid2x2Click() {
    setGrid(2, mnuSnapToGrid2x2);
}

void ItemSelection::mnuSnapToGrid4x4Click() {
    setGrid(4, mnuSnapToGrid4x4);
}

void ItemSelection::mnuSnapToGrid8x8Click() {
    setGrid(8, mnuSnapToGrid8x8);
}

// ---- selecting ----

void ItemSelection::SetupItem(QWidget* item) {
    if (item)
        item->installEventFilter(this);
}

bool ItemSelection::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == labelPanel_ || watched == StretchHandle1))
        return filterKey(watched, event);
    if (!IsPress(event) || watched == StretchHandle1)
        return QObject::eventFilter(watched, event);
    const auto* press = static_cast<QMouseEvent*>(event);
    const Qt::MouseButton button = press->button();
    const Qt::KeyboardModifiers modifiers = press->modifiers();
    if (watched == labelPanel_) {
        // An item that draws nothing is found by its outline on the panel.
        const QPoint point = press->position().toPoint();
        if (QWidget* unseen = labelPanel_->UnseenItemAt(point)) {
            RunCommand([=, this] { StretchMouseDown(unseen, button, modifiers); });
            return true;
        }
        if (button != Qt::LeftButton)
            return false;
        // Taken here: the press starts a band and must not go on to the grey area, which
        // would clear the selection it adds to.
        RunCommand([=, this] { LabelPanelMouseDown(point, modifiers); });
        return true;
    }
    if (watched == greyArea_) {
        RunCommand([this] { ScrollBox1MouseDown(); });
        return false;
    }
    if (auto* item = qobject_cast<QWidget*>(watched)) {
        RunCommand([=, this] { StretchMouseDown(item, button, modifiers); });
        // Taken here: the press must not go on to the panel, which would clear the selection.
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// Tab and Shift+Tab step through the items rather than through the window's controls;
// Escape clears the selection.
bool ItemSelection::filterKey(QObject* watched, QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool ctrlOrAlt = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (key->key() == Qt::Key_Escape && watched == StretchHandle1) {
        RunCommand([this] { DetachControl(); });
        return true;
    }
    if ((key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) || ctrlOrAlt ||
        items_.OrderList().isEmpty())
        return QObject::eventFilter(watched, event);
    const bool forward = key->key() == Qt::Key_Tab && !key->modifiers().testFlag(Qt::ShiftModifier);
    RunCommand([this, forward] { SelectNext(forward); });
    return true;
}

void ItemSelection::AttachControl(QWidget* item) {
    StretchHandle1->DetachAll();
    StretchHandle1->AttachItem(item);
    if (item)
        attachRect_ = item->geometry();
}

QList<QWidget*> ItemSelection::SelectedItems() const {
    QList<QWidget*> selected;
    for (const QPointer<QWidget>& item : items_.OrderList())
        if (item && StretchHandle1->IsAttached(item))
            selected << item;
    return selected;
}

QList<QWidget*> ItemSelection::ChosenOrder() const {
    return StretchHandle1->AttachedItems();
}

void ItemSelection::SelectItems(const QList<QWidget*>& items) {
    DetachControl();
    for (QWidget* item : items)
        StretchHandle1->AttachItem(item);
    if (QWidget* first = StretchHandle1->AttachedItem(0))
        attachRect_ = first->geometry();
}

void ItemSelection::ToggleItem(QWidget* item) {
    if (!item)
        return;
    if (StretchHandle1->IsAttached(item)) {
        const bool hadFocus = StretchHandle1->hasFocus();
        StretchHandle1->DetachItem(item);
        if (hadFocus && !StretchHandle1->isVisible() && labelPanel_)
            labelPanel_->setFocus(Qt::OtherFocusReason);
        return;
    }
    StretchHandle1->AttachItem(item);
    if (StretchHandle1->AttachedCount() == 1)
        attachRect_ = item->geometry();
}

void ItemSelection::SelectAll() {
    QList<QWidget*> all;
    for (const QPointer<QWidget>& item : items_.OrderList())
        if (item)
            all << item;
    SelectItems(all);
}

void ItemSelection::SelectNext(bool forward) {
    const QList<QPointer<QWidget>> order = items_.OrderList();
    if (order.isEmpty())
        return;
    const QList<QWidget*> selected = SelectedItems();
    qsizetype index = -1;
    if (!selected.isEmpty())
        index = order.indexOf(forward ? selected.last() : selected.first());
    const qsizetype count = order.size();
    if (index < 0)
        index = forward ? 0 : count - 1;
    else
        index = (index + (forward ? 1 : count - 1)) % count;
    AttachControl(order[index]);
}

void ItemSelection::SelectInside(const QRect& band, bool adding) {
    // A press let go where it was is a click on an empty spot: it cleared the selection.
    if (band.width() <= BandSelection::ClickSlack && band.height() <= BandSelection::ClickSlack)
        return;
    QList<QWidget*> chosen = adding ? SelectedItems() : QList<QWidget*>{};
    for (const QPointer<QWidget>& item : items_.OrderList())
        if (item && band.contains(item->geometry()) && !chosen.contains(item.data()))
            chosen << item;
    SelectItems(chosen);
}

void ItemSelection::DetachControl() {
    // The keys stay on the label when its frame goes, rather than moving on to the next
    // control of the window (the description).
    if (StretchHandle1->hasFocus() && labelPanel_)
        labelPanel_->setFocus(Qt::OtherFocusReason);
    StretchHandle1->DetachAll();
}

void ItemSelection::RefreshAttach(QWidget* item) {
    if (!item || item == StretchHandle1)
        return;
    if (StretchHandle1->AttachedCount() > 1 && StretchHandle1->IsAttached(item)) {
        item->update();
        StretchHandle1->FitToItem();
        return;
    }
    StretchHandle1->DetachAll();
    item->update();
    StretchHandle1->AttachItem(item);
}

void ItemSelection::RefitHandle(QWidget* item) {
    if (!item || !StretchHandle1->IsAttached(item))
        return;
    StretchHandle1->FitToItem();
    // The item's box as it now stands is what a later drag is measured against.
    if (Selected() == item)
        attachRect_ = item->geometry();
}

QWidget* ItemSelection::Selected() const {
    return StretchHandle1->AttachedCount() == 1 ? StretchHandle1->AttachedItem(0) : nullptr;
}

void ItemSelection::StretchMouseDown(QWidget* item, Qt::MouseButton button,
                                     Qt::KeyboardModifiers modifiers) {
    if (button != Qt::LeftButton)
        return;
    if (modifiers & TogglingKeys)
        ToggleItem(item);
    else if (!StretchHandle1->IsAttached(item))
        AttachControl(item);
}

void ItemSelection::LabelPanelMouseDown(const QPoint& point, Qt::KeyboardModifiers modifiers) {
    const bool adding = modifiers & TogglingKeys;
    if (!adding)
        DetachControl();
    band_->Start(point, adding);
}

void ItemSelection::ScrollBox1MouseDown() {
    DetachControl();
}

// ---- change detection ----

void ItemSelection::StretchHandle1MouseUp() {
    const QList<QWidget*> group = SelectedItems();
    if (group.size() > 1) {
        // The drag has moved every control of the group; it is one step.
        DesignSteps::Scope undoStep(steps_,
                                    QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Move")));
        const LabelDesign before = items_.Design();
        TakeControlBoxes(group);
        if (items_.Design() != before)
            triggerChange();
        StretchHandle1->FitToItem();
        return;
    }
    // The drag has already moved or sized the item's control; the whole drag is one step.
    const QWidget* dragged = Selected();
    DesignSteps::Scope undoStep(
        steps_, dragged && dragged->size() != attachRect_.size()
                    ? QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Resize"))
                    : QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Move")));
    if (QWidget* item = Selected()) {
        TakeControlBoxes({item});
        if (auto* symbol = qobject_cast<TSymbol*>(item))
            SymbolResize(symbol, StretchHandle1->LastDropDesignRect().size());
        if (Selected() && Selected()->geometry() != attachRect_)
            triggerChange();
    }
    // Re-lay the handle around the item's final rectangle.
    if (QWidget* item = Selected()) {
        StretchHandle1->DetachAll();
        StretchHandle1->AttachItem(item);
        attachRect_ = item->geometry();
    }
}

QString ItemSelection::NudgeJoinKey() const {
    QStringList names;
    for (const QWidget* item : SelectedItems())
        names << item->objectName();
    return QStringLiteral("Move:") + names.join(u',');
}

void ItemSelection::StretchHandle1KeyDown(int key) {
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (!arrow)
        return;
    DesignSteps::Scope undoStep(steps_,
                                QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Move")));
    const QList<QWidget*> group = SelectedItems();
    if (group.isEmpty())
        return;
    // Arrow after arrow on the same items is one step while the keys come within a second.
    if (steps_)
        steps_->MayJoinPrevious(NudgeJoinKey());
    const LabelDesign before = items_.Design();
    TakeControlBoxes(group);
    if (items_.Design() != before)
        triggerChange();
}

// The handle moves and sizes the controls while the pointer or a key drives them; what it
// leaves becomes the items' boxes, in one edit.
void ItemSelection::TakeControlBoxes(const QList<QWidget*>& controls) {
    std::vector<DesignItem> changed;
    for (QWidget* control : controls) {
        const DesignItem* item = items_.ItemOf(control);
        if (!item)
            continue;
        LabelItemValue value = item->value;
        const QRect box = ZoomedBox::Of(control);
        value.left = box.x(), value.top = box.y(), value.width = box.width(),
        value.height = box.height();
        changed.push_back({item->name, value});
    }
    if (!changed.empty())
        items_.Model().SetItems(changed);
}

void ItemSelection::MoveItem(QWidget* control, QPoint to) {
    const DesignItem* item = items_.ItemOf(control);
    if (!item)
        return;
    LabelItemValue value = item->value;
    value.left = to.x(), value.top = to.y();
    items_.Model().SetItem(item->name, value);
}

void ItemSelection::SymbolResize(TSymbol* item) {
    if (item)
        SymbolResize(item, ZoomedBox::Of(item).size());
}

int ItemSelection::FittedSymbolPoints(const QSize& box, const QSize& glyph, int points) {
    if (box.width() < SmallestRefitBox || box.height() < SmallestRefitBox)
        return points;
    // A glyph that measures nothing gives no scale to fit by.
    if (points <= 0 || glyph.width() <= 0 || glyph.height() <= 0)
        return points;
    // trunc(box / (glyph / points)), in whole numbers so that exact fits stay exact.
    const qint64 byWidth = qint64(box.width()) * points / glyph.width();
    const qint64 byHeight = qint64(box.height()) * points / glyph.height();
    const qint64 fitted = std::min(byWidth, byHeight);
    return int(std::clamp<qint64>(fitted, 1, std::numeric_limits<int>::max()));
}

void ItemSelection::SymbolResize(TSymbol* item, const QSize& box) {
    if (!item)
        return;
    const int points = item->FontSize();
    const QSizeF glyph = MeasureSymbolGlyph(item->CharCode(), item->SymbolFont(), item);
    const int fitted = FittedSymbolPoints(
        box, QSize(int(std::ceil(glyph.width())), int(std::ceil(glyph.height()))), points);
    if (fitted == points)
        return;
    // The symbol takes its glyph's size at once.
    if (const DesignItem* symbol = items_.ItemOf(item)) {
        LabelItemValue value = symbol->value;
        value.fontSize = fitted;
        items_.Model().SetItem(symbol->name, value);
    }
    DetachControl();
    item->update();
    AttachControl(item);
    StretchHandle1->update();
    triggerChange();
}

// ---- nudging and moving all ----

QString ItemSelection::NudgeStepName(bool all) {
    return all ? QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Move All"))
               : QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Move"));
}

void ItemSelection::Nudge(Direction direction, bool all) {
    DesignSteps::Scope undoStep(steps_, NudgeStepName(all));
    if (all) {
        MoveAllObjects(direction);
        return;
    }
    const QList<QWidget*> group = SelectedItems();
    if (group.isEmpty())
        return;
    std::vector<DesignItem> moved;
    for (QWidget* control : group) {
        if (const DesignItem* item = items_.ItemOf(control)) {
            moved.push_back(*item);
            moved.back().value.left += Step(direction).x();
            moved.back().value.top += Step(direction).y();
        }
    }
    items_.Model().SetItems(moved);
    StretchHandle1->FitToItem();
    triggerChange();
}

void ItemSelection::MoveAllObjects(Direction direction) {
    DesignSteps::Scope undoStep(steps_,
                                QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Move All")));
    DetachControl();
    const QPoint step = Step(direction);
    std::vector<DesignItem> moved = items_.Design().items;
    for (DesignItem& item : moved) {
        item.value.left += step.x();
        item.value.top += step.y();
    }
    items_.Model().SetItems(moved);
    triggerChange();
}

// ---- centring ----

void ItemSelection::AlignHorizontal(QWidget* item) {
    if (!item || !labelPanel_)
        return;
    DesignSteps::Scope undoStep(
        steps_, QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Center Horizontally")));
    const QRect box = ZoomedBox::Of(item);
    MoveItem(item, {LabelWidth() / 2 - box.width() / 2, box.y()});
    item->update();
    StretchHandle1->update();
    RefreshAttach(item);
    triggerChange();
}

void ItemSelection::AlignVertical(QWidget* item) {
    if (!item || !labelPanel_)
        return;
    DesignSteps::Scope undoStep(
        steps_, QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Center Vertically")));
    const QRect box = ZoomedBox::Of(item);
    MoveItem(item, {box.x(), LabelHeight() / 2 - box.height() / 2});
    item->update();
    StretchHandle1->update();
    RefreshAttach(item);
    triggerChange();
}

void ItemSelection::AlignCenter(QWidget* item) {
    DesignSteps::Scope undoStep(steps_,
                                QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Center")));
    AlignHorizontal(item);
    AlignVertical(item);
    triggerChange();
}

// ---- deleting ----

void ItemSelection::CutObjectButtonClick() {
    const QList<QWidget*> group = SelectedItems();
    if (group.size() == 1) {
        DeleteObject(group.first());
        return;
    }
    if (group.isEmpty())
        return;
    DesignSteps::Scope undoStep(
        steps_, QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Delete Items")));
    QStringList names;
    for (QWidget* control : group)
        if (const DesignItem* item = items_.ItemOf(control))
            names << item->name;
    items_.Model().RemoveItems(names);
    triggerChange();
}

void ItemSelection::RepaintHandle() {
    StretchHandle1->raise();
    StretchHandle1->update();
}

// The panel clears the selection itself before the item's control goes.
void ItemSelection::DeleteObject(QWidget* item) {
    DesignSteps::Scope undoStep(
        steps_, QString::fromLatin1(QT_TRANSLATE_NOOP("DesignSteps", "Delete Item")));
    const DesignItem* target = items_.ItemOf(item);
    if (!target)
        return;
    items_.Model().RemoveItem(target->name);
    triggerChange();
}

// The label's size on the panel, in pixels, as the panel is sized to it.
int ItemSelection::LabelWidth() const {
    return InchesToPixels(items_.Design().geometry.labelWidth);
}

int ItemSelection::LabelHeight() const {
    return InchesToPixels(items_.Design().geometry.labelHeight);
}

void ItemSelection::triggerChange() {
    if (triggerChange_)
        triggerChange_();
}
