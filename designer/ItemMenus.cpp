#include "designer/ItemMenus.h"

#include "designer/BarcodeProperties.h"
#include "designer/DesignSteps.h"
#include "designer/ItemTools.h"
#include "designer/LabelItems.h"
#include "document/MergeFields.h"
#include "ui/CommandBoundary.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

// ---- building a menu ----

QString ItemMenus::MenuBuilder::Prefix() const {
    return root_->objectName();
}

QAction* ItemMenus::MenuBuilder::Add(const QString& name, const QString& caption,
                                     std::function<void(QWidget* item)> operation) {
    return AddAction(name, caption, [operation](QWidget* item, QAction*) { operation(item); });
}

QAction*
ItemMenus::MenuBuilder::AddAction(const QString& name, const QString& caption,
                                  std::function<void(QWidget* item, QAction* action)> operation) {
    QAction* action = current_->addAction(caption);
    action->setObjectName(name);
    ItemMenus* owner = &menus_;
    QMenu* menu = root_;
    const QString step = StepName(caption, current_ == root_ ? QString() : current_->title());
    QObject::connect(action, &QAction::triggered, owner, [owner, menu, action, operation, step] {
        QWidget* item = owner->Target(menu);
        if (!item) {
            // A check mark only follows a change of an item.
            if (action->isCheckable())
                action->setChecked(!action->isChecked());
            return;
        }
        RunCommand([&] {
            DesignSteps::Scope scope(owner->steps_, step);
            operation(item, action);
        });
    });
    return action;
}

QAction* ItemMenus::MenuBuilder::AddCheck(const QString& name, const QString& caption,
                                          std::function<bool(QWidget* item)> operation) {
    QAction* action = AddAction(name, caption, [operation](QWidget* item, QAction* entry) {
        entry->setChecked(operation(item));
    });
    action->setCheckable(true);
    return action;
}

void ItemMenus::MenuBuilder::BeginSubmenu(const QString& name, const QString& caption) {
    QMenu* submenu = current_->addMenu(caption);
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name);
    current_ = submenu;
}

void ItemMenus::MenuBuilder::Separator() {
    current_->addSeparator();
}

void ItemMenus::MenuBuilder::AddFontEntries() {
    ItemProperties& p = Properties();
    const QString prefix = Prefix();
    Add(prefix + QStringLiteral("Font"), QCoreApplication::translate("MenuBuilder", "Font"),
        [&p](QWidget* item) {
            p.PropFont(item);
            p.Refresh(item);
        });
    Add(prefix + QStringLiteral("FontColor"),
        QCoreApplication::translate("MenuBuilder", "Font Color"),
        [&p](QWidget* item) { p.PropColor(item); });
    Add(prefix + QStringLiteral("Rotation"), QCoreApplication::translate("MenuBuilder", "Rotation"),
        [&p](QWidget* item) {
            p.PropAngle(item);
            p.Refresh(item);
        });
}

void ItemMenus::MenuBuilder::AddMergeFields() {
    const QString name = Prefix() + QStringLiteral("InsertMergeField");
    QMenu* submenu =
        current_->addMenu(QCoreApplication::translate("MenuBuilder", "Insert &Merge Field"));
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name);
    ItemMenus* owner = &menus_;
    QObject::connect(submenu, &QMenu::aboutToShow, owner,
                     [owner, submenu] { owner->FillMergeFieldMenu(submenu); });
    menus_.FillMergeFieldMenu(submenu);
}

void ItemMenus::MenuBuilder::AddStackingAndPlacing(const char* sendToBack, const char* bringToFront,
                                                   const QString& centreCaption,
                                                   const char* deleteName) {
    ItemProperties& p = Properties();
    SelectionControl& selection = menus_.selection_;
    const QString prefix = Prefix();
    const auto name = [&prefix](const char* suffix) {
        return prefix + QString::fromLatin1(suffix);
    };
    Add(name(sendToBack), QCoreApplication::translate("MenuBuilder", "Send to Back"),
        [&p](QWidget* item) { p.PropSendToBack(item); });
    Add(name(bringToFront), QCoreApplication::translate("MenuBuilder", "Bring to Front"),
        [&p](QWidget* item) { p.PropBringToFront(item); });
    Separator();
    Add(name("Center"), centreCaption,
        [&selection](QWidget* item) { selection.AlignCenter(item); });
    Add(name("CenterVertically"), QCoreApplication::translate("MenuBuilder", "Center Vertically"),
        [&selection](QWidget* item) { selection.AlignVertical(item); });
    Add(name("CenterHorizontally"),
        QCoreApplication::translate("MenuBuilder", "Center Horizontally"),
        [&selection](QWidget* item) { selection.AlignHorizontal(item); });
    Separator();
    Add(name(deleteName), QCoreApplication::translate("MenuBuilder", "Delete"),
        [&p](QWidget* item) { p.DeleteItem(item); });
}

void ItemMenus::MenuBuilder::OnOpen(std::function<void(const LabelItemValue&)> show) {
    menus_.onOpen_[root_].push_back(std::move(show));
}

ItemProperties& ItemMenus::MenuBuilder::Properties() const {
    return *menus_.properties_;
}

BarcodeProperties& ItemMenus::MenuBuilder::Barcode() const {
    return *menus_.barcode_;
}

// ---- the menus ----

ItemMenus::ItemMenus(QWidget* designPanel, LabelItems& items, SelectionControl& selection,
                     std::function<void()> changed, QWidget* menuParent)
    : QObject(menuParent), panel_(designPanel), items_(items), selection_(selection),
      menuParent_(menuParent),
      properties_(std::make_unique<ItemProperties>(designPanel, items, selection, changed)),
      barcode_(
          std::make_unique<BarcodeProperties>(items, std::move(changed), [this](QWidget* item) {
              panel_->update();
              item->update();
              selection_.RepaintHandle();
          })) {
    std::map<QString, QMenu*> byName;
    for (LabelItemKind kind : AllItemKinds) {
        const ItemToolKind& tool = ItemTool(kind);
        const QString name = tool.menuName.toString();
        QMenu*& menu = byName[name];
        if (!menu) {
            menu = NewMenu(name);
            MenuBuilder builder(*this, menu);
            tool.buildMenu(builder);
        }
        kindMenus_[kind] = menu;
    }
    PopupMenuText = MenuOfKind(LabelItemKind::Text);
    PopupMenuCounter = MenuOfKind(LabelItemKind::Counter);
    PopupMenuSymbol = MenuOfKind(LabelItemKind::Symbol);
    PopupMenuShape = MenuOfKind(LabelItemKind::Rectangle);
    PopupMenuRoundRect = MenuOfKind(LabelItemKind::RoundRectangle);
    PopupMenuLine = MenuOfKind(LabelItemKind::HorizontalLine);
    PopupMenuImage = MenuOfKind(LabelItemKind::Image);
    PopupMenuBarcode = MenuOfKind(LabelItemKind::Barcode);
    PopupMenuImageStretchToFit =
        PopupMenuImage->findChild<QAction*>(QStringLiteral("PopupMenuImageStretchToFit"));
    PopupMenuBarcodeShowText =
        PopupMenuBarcode->findChild<QAction*>(QStringLiteral("PopupMenuBarcodeShowText"));
    PopupMenuTextInsertMergeField =
        PopupMenuText->findChild<QMenu*>(QStringLiteral("PopupMenuTextInsertMergeField"));
}

ItemMenus::~ItemMenus() = default;

QString ItemMenus::StepName(const QString& caption, const QString& submenu) {
    QString name = submenu.isEmpty() ? caption : submenu;
    name.remove(u'&');
    name.remove(u'\u2026');
    name = name.trimmed();
    // "Undo Delete" alone could be read as undoing a deletion of the label.
    return name == QCoreApplication::translate("MenuBuilder", "Delete")
               ? QCoreApplication::translate("DesignSteps", "Delete Item")
               : name;
}

QMenu* ItemMenus::NewMenu(const QString& name) {
    auto* menu = new QMenu(menuParent_);
    menu->setObjectName(name);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { labelitempopup(menu); });
    return menu;
}

// One entry per field of the merge source; each appends "{Field}" to the text.
void ItemMenus::FillMergeFieldMenu(QMenu* submenu) {
    submenu->clear();
    const QStringList names = MergeFieldNames ? MergeFieldNames() : QStringList();
    if (names.isEmpty()) {
        submenu->addAction(tr("(no merge source: File, Merge…)"))->setEnabled(false);
        return;
    }
    auto* root = qobject_cast<QMenu*>(submenu->parent());
    QMenu* owner = root ? root : submenu;
    ItemProperties& p = *properties_;
    for (const QString& name : names) {
        // "&" in a caption would mark a shortcut; doubled it shows as itself.
        QString caption = name;
        caption.replace(u'&', QStringLiteral("&&"));
        QAction* action = submenu->addAction(caption);
        action->setObjectName(QStringLiteral("PopupMenuTextField_") + name);
        const QString step = StepName(caption, submenu->title());
        connect(action, &QAction::triggered, this, [this, owner, name, step, &p] {
            QWidget* item = Target(owner);
            if (!item)
                return;
            RunCommand([&] {
                DesignSteps::Scope scope(steps_, step);
                p.InsertMergeField(item, name);
                p.Refresh(item);
            });
        });
    }
}

QMenu* ItemMenus::MenuOfKind(LabelItemKind kind) const {
    const auto found = kindMenus_.find(kind);
    return found == kindMenus_.end() ? nullptr : found->second;
}

QMenu* ItemMenus::MenuFor(const QWidget* item) const {
    const auto kind = items_.KindOf(item);
    return kind ? MenuOfKind(*kind) : nullptr;
}

QWidget* ItemMenus::PopupComponent(const QMenu* menu) const {
    const auto found = popupComponent_.find(menu);
    return found == popupComponent_.end() ? nullptr : found->second.data();
}

QWidget* ItemMenus::Target(QMenu* menu) const {
    if (QWidget* item = PopupComponent(menu))
        return item;
    return selection_.Selected();
}

void ItemMenus::AttachMenu(QWidget* item) {
    item->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(item, &QWidget::customContextMenuRequested, this,
            [this, item](const QPoint& pos) { PopupAt(item, item->mapToGlobal(pos)); });
}

void ItemMenus::PopupAt(QWidget* item, QPoint globalPos) {
    const QList<QWidget*> selected = selection_.SelectedItems();
    if (selectionMenu_ && selected.size() > 1 && selected.contains(item)) {
        selectionMenu_->popup(globalPos);
        return;
    }
    QMenu* menu = MenuFor(item);
    if (!menu)
        return;
    popupComponent_[menu] = item;
    menu->popup(globalPos);
}

void ItemMenus::PropertiesButtonClick() {
    QWidget* item = selection_.Selected();
    if (!item || !MenuFor(item))
        return;
    const QPoint corner(item->x() + item->width(), item->y() + item->height());
    PopupAt(item, panel_->mapToGlobal(corner));
}

void ItemMenus::labelitempopup(QMenu* menu) {
    QWidget* item = PopupComponent(menu);
    if (!item || !LabelItems::IsLabelItem(item))
        return;
    selection_.DetachControl();
    selection_.AttachControl(item);
    // The check marks show the state of the item this menu is opened on.
    if (const DesignItem* shown = items_.ItemOf(item))
        for (const auto& show : onOpen_[menu])
            show(shown->value);
}

void ItemMenus::SetSelectionMenu(QMenu* menu) {
    selectionMenu_ = menu;
}
