#include "designer/ItemMenus.h"

#include "document/BrushStyle.h"
#include "controls/TBarcode.h"
#include "controls/TImage.h"
#include "controls/TPim3DLabel.h"
#include "designer/BarcodeProperties.h"
#include "designer/DesignSteps.h"
#include "designer/LabelItems.h"
#include "document/MergeFields.h"
#include "ui/CommandBoundary.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

using Operation = std::function<void(QWidget* item)>;

// Adds the entries of one menu, each named and captioned, each running its operation on the
// menu's target inside the command boundary.
struct ItemMenus::MenuBuilder {
    ItemMenus& menus;
    QMenu* root;
    QMenu* current;

    QAction* Add(const QString& name, const QString& caption, Operation operation) {
        QAction* action = current->addAction(caption);
        action->setObjectName(name);
        ItemMenus* owner = &menus;
        QMenu* menu = root;
        const QString step = StepName(caption, current == root ? QString() : current->title());
        QObject::connect(action, &QAction::triggered, owner,
                         [owner, menu, action, operation, step] {
                             QWidget* item = owner->Target(menu);
                             if (!item) {
                                 // A check mark only follows a change of an item.
                                 if (action->isCheckable())
                                     action->setChecked(!action->isChecked());
                                 return;
                             }
                             RunCommand([&] {
                                 DesignSteps::Scope scope(owner->steps_, step);
                                 operation(item);
                             });
                         });
        return action;
    }
    // Entries added after this go into the submenu until EndSubmenu().
    void BeginSubmenu(const QString& name, const QString& caption) {
        QMenu* submenu = current->addMenu(caption);
        submenu->setObjectName(name);
        submenu->menuAction()->setObjectName(name);
        current = submenu;
    }
    void EndSubmenu() { current = root; }
    void Separator() { current->addSeparator(); }
};

namespace {
struct Pattern {
    const char* suffix;
    const char* caption;
    TBrushStyle style;
};
// In menu order.
const Pattern patterns[] = {
    {"PatternSolid", "Solid", TBrushStyle::Solid},
    {"PatternClear", "Clear (Transparent)", TBrushStyle::Clear},
    {"PatternBDiagonal", "45-degree upward hatch (left to right) ", TBrushStyle::BDiagonal},
    {"PatternCross", "Horizontal and vertical crosshatch", TBrushStyle::Cross},
    {"PatternDiagCross", "45-degree crosshatch ", TBrushStyle::DiagCross},
    {"PatternFDiagonal", "45-degree downward hatch (left to right) ", TBrushStyle::FDiagonal},
    {"PatternHorizontal", "Horizontal hatch ", TBrushStyle::Horizontal},
    {"PatternVertical", "Vertical hatch", TBrushStyle::Vertical},
};

QString Name(const QString& prefix, const char* suffix) {
    return prefix + QString::fromLatin1(suffix);
}
} // namespace

ItemMenus::ItemMenus(QWidget* designPanel, LabelItems& items, SelectionControl& selection,
                     std::function<void()> changed, QWidget* menuParent)
    : QObject(menuParent), panel_(designPanel), items_(items), selection_(selection),
      menuParent_(menuParent),
      properties_(std::make_unique<ItemProperties>(designPanel, items, selection, changed)),
      barcode_(std::make_unique<BarcodeProperties>(std::move(changed), [this](QWidget* item) {
          panel_->update();
          item->update();
          selection_.RepaintHandle();
      })) {
    BuildTextMenu();
    BuildCounterMenu();
    BuildShapeMenu(PopupMenuShape, QStringLiteral("PopupMenuShape"), false);
    BuildShapeMenu(PopupMenuRoundRect, QStringLiteral("PopupMenuRoundRect"), true);
    BuildLineMenu();
    BuildSymbolMenu();
    BuildImageMenu();
    BuildBarcodeMenu();
}

ItemMenus::~ItemMenus() = default;

QString ItemMenus::StepName(const QString& caption, const QString& submenu) {
    QString name = submenu.isEmpty() ? caption : submenu;
    name.remove(u'&');
    name.remove(u'\u2026');
    name = name.trimmed();
    // "Undo Delete" alone could be read as undoing a deletion of the label.
    return name == u"Delete" ? QStringLiteral("Delete Item") : name;
}

QMenu* ItemMenus::NewMenu(const QString& name) {
    auto* menu = new QMenu(menuParent_);
    menu->setObjectName(name);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { labelitempopup(menu); });
    return menu;
}

void ItemMenus::AddStackingAndPlacing(MenuBuilder& menu, const QString& prefix,
                                      const char* sendToBack, const char* bringToFront,
                                      const QString& centreCaption, const char* deleteName) {
    ItemProperties& properties = *properties_;
    SelectionControl& selection = selection_;
    LabelItems& items = items_;
    menu.Add(Name(prefix, sendToBack), QStringLiteral("Send to Back"),
             [&properties](QWidget* item) { properties.PropSendToBack(item); });
    menu.Add(Name(prefix, bringToFront), QStringLiteral("Bring to Front"),
             [&properties](QWidget* item) { properties.PropBringToFront(item); });
    menu.Separator();
    menu.Add(Name(prefix, "Center"), centreCaption,
             [&selection](QWidget* item) { selection.AlignCenter(item); });
    menu.Add(Name(prefix, "CenterVertically"), QStringLiteral("Center Vertically"),
             [&selection](QWidget* item) { selection.AlignVertical(item); });
    menu.Add(Name(prefix, "CenterHorizontally"), QStringLiteral("Center Horizontally"),
             [&selection](QWidget* item) { selection.AlignHorizontal(item); });
    menu.Separator();
    menu.Add(Name(prefix, deleteName), QStringLiteral("Delete"),
             [&items](QWidget* item) { items.DeleteObject(item); });
}

// Font, Font Color and Rotation, shared by the text and counter menus.
void ItemMenus::AddFontEntries(MenuBuilder& menu, const QString& prefix) {
    ItemProperties& p = *properties_;
    menu.Add(Name(prefix, "Font"), QStringLiteral("Font"), [&p](QWidget* item) {
        p.PropFont(item);
        p.Refresh(item);
    });
    menu.Add(Name(prefix, "FontColor"), QStringLiteral("Font Color"),
             [&p](QWidget* item) { p.PropColor(item); });
    menu.Add(Name(prefix, "Rotation"), QStringLiteral("Rotation"), [&p](QWidget* item) {
        p.PropAngle(item);
        p.Refresh(item);
    });
}

void ItemMenus::BuildTextMenu() {
    const QString prefix = QStringLiteral("PopupMenuText");
    PopupMenuText = NewMenu(prefix);
    MenuBuilder menu{*this, PopupMenuText, PopupMenuText};
    ItemProperties& p = *properties_;
    menu.Add(Name(prefix, "Text"), QStringLiteral("&Text"), [&p](QWidget* item) {
        p.PropText(item);
        p.Refresh(item);
    });
    PopupMenuTextInsertMergeField = PopupMenuText->addMenu(QStringLiteral("Insert &Merge Field"));
    PopupMenuTextInsertMergeField->setObjectName(Name(prefix, "InsertMergeField"));
    PopupMenuTextInsertMergeField->menuAction()->setObjectName(Name(prefix, "InsertMergeField"));
    connect(PopupMenuTextInsertMergeField, &QMenu::aboutToShow, this,
            &ItemMenus::FillMergeFieldMenu);
    FillMergeFieldMenu();
    AddFontEntries(menu, prefix);
    menu.Separator();
    AddStackingAndPlacing(menu, prefix, "SendtoBack", "BringtoFont", QStringLiteral("Center "));
}

// One entry per field of the merge source; each appends "{Field}" to the text.
void ItemMenus::FillMergeFieldMenu() {
    QMenu* submenu = PopupMenuTextInsertMergeField;
    submenu->clear();
    const QStringList names = MergeFieldNames ? MergeFieldNames() : QStringList();
    if (names.isEmpty()) {
        submenu->addAction(QStringLiteral("(no merge source: File, Merge…)"))->setEnabled(false);
        return;
    }
    MenuBuilder menu{*this, PopupMenuText, submenu};
    ItemProperties& p = *properties_;
    for (const QString& name : names) {
        // "&" in a caption would mark a shortcut; doubled it shows as itself.
        QString caption = name;
        caption.replace(u'&', QStringLiteral("&&"));
        menu.Add(QStringLiteral("PopupMenuTextField_") + name, caption, [&p, name](QWidget* item) {
            auto* label = qobject_cast<TPim3DLabel*>(item);
            if (!label)
                return;
            label->setCaption(label->Caption() + MergeFieldReference(name));
            p.Changed();
            p.Refresh(item);
        });
    }
}

void ItemMenus::BuildCounterMenu() {
    const QString prefix = QStringLiteral("PopupMenuCounter");
    PopupMenuCounter = NewMenu(prefix);
    MenuBuilder menu{*this, PopupMenuCounter, PopupMenuCounter};
    ItemProperties& p = *properties_;
    menu.Add(Name(prefix, "CounterValues"), QStringLiteral("Counter Values"),
             [&p](QWidget* item) { p.CounterValues(item); });
    menu.Separator();
    AddFontEntries(menu, prefix);
    menu.Separator();
    AddStackingAndPlacing(menu, prefix, "SendToBack", "BringToFront", QStringLiteral("Center "));
}

void ItemMenus::BuildShapeMenu(QMenu*& root, const QString& prefix, bool rounding) {
    root = NewMenu(prefix);
    MenuBuilder menu{*this, root, root};
    ItemProperties& p = *properties_;
    if (rounding) {
        menu.BeginSubmenu(Name(prefix, "DegreeofRounding"), QStringLiteral("Degree of Rounding"));
        for (int percent = 20; percent <= 90; percent += 10) {
            menu.Add(prefix + QString::number(percent), QStringLiteral("%1%").arg(percent),
                     [&p, percent](QWidget* item) { p.PropRounding(item, percent); });
        }
        menu.EndSubmenu();
    }
    menu.Add(Name(prefix, "Color"), QStringLiteral("Color"),
             [&p](QWidget* item) { p.PropColor(item); });
    menu.Add(Name(prefix, "LineColor"), QStringLiteral("Line Color"),
             [&p](QWidget* item) { p.PropColorLine(item); });
    menu.BeginSubmenu(Name(prefix, "LineThickness"), QStringLiteral("Line Thickness"));
    for (int width = 1; width <= 10; ++width) {
        menu.Add(prefix + QStringLiteral("Point%1").arg(width),
                 QStringLiteral("%1 Point").arg(width),
                 [&p, width](QWidget* item) { p.PropLineThickness(item, width); });
    }
    menu.EndSubmenu();
    menu.BeginSubmenu(rounding ? QStringLiteral("Pattern1") : Name(prefix, "Transparent"),
                      QStringLiteral("Pattern"));
    for (const Pattern& pattern : patterns) {
        const TBrushStyle style = pattern.style;
        menu.Add(Name(prefix, pattern.suffix), QString::fromLatin1(pattern.caption),
                 [&p, style](QWidget* item) { p.PropBrushStyle(item, style); });
    }
    menu.EndSubmenu();
    menu.Separator();
    AddStackingAndPlacing(menu, prefix, rounding ? "SendToBack" : "Sendtoback",
                          rounding ? "BringToFront" : "BringtoFront", QStringLiteral("Center"));
}

void ItemMenus::BuildLineMenu() {
    const QString prefix = QStringLiteral("PopupMenuLine");
    PopupMenuLine = NewMenu(prefix);
    MenuBuilder menu{*this, PopupMenuLine, PopupMenuLine};
    ItemProperties& p = *properties_;
    menu.Add(Name(prefix, "Color"), QStringLiteral("Line Color"),
             [&p](QWidget* item) { p.PropColorLine(item); });
    menu.BeginSubmenu(Name(prefix, "LineThickness"), QStringLiteral("Line Thickness"));
    for (int width = 1; width <= 10; ++width) {
        // The third entry has always read "3 point".
        const QString caption =
            width == 3 ? QStringLiteral("3 point") : QStringLiteral("%1 Point").arg(width);
        menu.Add(prefix + QStringLiteral("Point%1").arg(width), caption,
                 [&p, width](QWidget* item) { p.PropLineThickness(item, width); });
    }
    menu.EndSubmenu();
    menu.Separator();
    AddStackingAndPlacing(menu, prefix, "SendToBack", "BringToFront", QStringLiteral("Center"));
}

void ItemMenus::BuildSymbolMenu() {
    const QString prefix = QStringLiteral("PopupMenuSymbol");
    PopupMenuSymbol = NewMenu(prefix);
    MenuBuilder menu{*this, PopupMenuSymbol, PopupMenuSymbol};
    ItemProperties& p = *properties_;
    menu.Add(Name(prefix, "Symbol"), QStringLiteral("Symbol"),
             [&p](QWidget* item) { p.PropSymbol(item); });
    menu.Add(Name(prefix, "Color"), QStringLiteral("Color"),
             [&p](QWidget* item) { p.PropColor(item); });
    menu.Separator();
    AddStackingAndPlacing(menu, prefix, "SendToBack", "BringToFront", QStringLiteral("Center"));
}

void ItemMenus::BuildImageMenu() {
    const QString prefix = QStringLiteral("PopupMenuImage");
    PopupMenuImage = NewMenu(prefix);
    MenuBuilder menu{*this, PopupMenuImage, PopupMenuImage};
    ItemProperties& p = *properties_;
    menu.Add(Name(prefix, "ImageFile"), QStringLiteral("Image File"),
             [&p](QWidget* item) { p.PropImage(item); });
    QAction* stretch = nullptr;
    stretch = menu.Add(Name(prefix, "StretchToFit"), QStringLiteral("Stretch to Fit"),
                       [this, &p](QWidget* item) {
                           PopupMenuImageStretchToFit->setChecked(p.ToggleStretch(item));
                       });
    stretch->setCheckable(true);
    PopupMenuImageStretchToFit = stretch;
    menu.Separator();
    AddStackingAndPlacing(menu, prefix, "SendToBack", "BringToFront", QStringLiteral("Center"));
}

void ItemMenus::BuildBarcodeMenu() {
    const QString prefix = QStringLiteral("PopupMenuBarcode");
    PopupMenuBarcode = NewMenu(prefix);
    MenuBuilder menu{*this, PopupMenuBarcode, PopupMenuBarcode};
    BarcodeProperties& b = *barcode_;
    menu.Add(Name(prefix, "Data"), QStringLiteral("Barcode Data\u2026"),
             [&b](QWidget* item) { b.PropBarcodeData(item); });
    menu.BeginSubmenu(Name(prefix, "Symbology"), QStringLiteral("Symbology"));
    for (BarcodeSymbology symbology : AllBarcodeSymbologies) {
        QAction* entry = menu.Add(
            prefix + BarcodeSymbologyName(symbology), BarcodeSymbologyCaption(symbology),
            [&b, symbology](QWidget* item) { b.PropSymbology(item, symbology); });
        entry->setCheckable(true);
    }
    menu.EndSubmenu();
    PopupMenuBarcodeShowText =
        menu.Add(Name(prefix, "ShowText"), QStringLiteral("Show Text"), [this, &b](QWidget* item) {
            PopupMenuBarcodeShowText->setChecked(b.ToggleShowText(item));
        });
    PopupMenuBarcodeShowText->setCheckable(true);
    menu.Separator();
    menu.Add(Name(prefix, "Color"), QStringLiteral("Bar Color"),
             [&b](QWidget* item) { b.PropBarColor(item); });
    menu.Add(Name(prefix, "BackgroundColor"), QStringLiteral("Background Color"),
             [&b](QWidget* item) { b.PropBackgroundColor(item); });
    menu.Separator();
    AddStackingAndPlacing(menu, prefix, "SendToBack", "BringToFront", QStringLiteral("Center"));
}

void ItemMenus::ShowBarcodeState(QWidget* item) {
    auto* barcode = qobject_cast<TBarcode*>(item);
    if (!barcode)
        return;
    PopupMenuBarcodeShowText->setChecked(barcode->ShowText());
    for (BarcodeSymbology symbology : AllBarcodeSymbologies) {
        const QString name =
            QStringLiteral("PopupMenuBarcode") + BarcodeSymbologyName(symbology);
        if (auto* entry = PopupMenuBarcode->findChild<QAction*>(name))
            entry->setChecked(symbology == barcode->Symbology());
    }
}

QMenu* ItemMenus::MenuOfKind(const ItemMenus& menus, LabelItemKind kind) {
    switch (kind) {
    case LabelItemKind::Counter:
        return menus.PopupMenuCounter;
    case LabelItemKind::Text:
        return menus.PopupMenuText;
    case LabelItemKind::RoundRectangle:
        return menus.PopupMenuRoundRect;
    case LabelItemKind::Rectangle:
    case LabelItemKind::Ellipse:
        return menus.PopupMenuShape;
    case LabelItemKind::HorizontalLine:
    case LabelItemKind::VerticalLine:
        return menus.PopupMenuLine;
    case LabelItemKind::Image:
        return menus.PopupMenuImage;
    case LabelItemKind::Symbol:
        return menus.PopupMenuSymbol;
    case LabelItemKind::Barcode:
        return menus.PopupMenuBarcode;
    }
    return nullptr;
}

QMenu* ItemMenus::MenuFor(const QWidget* item) const {
    const auto kind = LabelItems::KindOf(item);
    return kind ? MenuOfKind(*this, *kind) : nullptr;
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
    // The check mark shows the state of the image this menu is opened on.
    if (menu == PopupMenuImage)
        if (auto* image = qobject_cast<TImage*>(item))
            PopupMenuImageStretchToFit->setChecked(image->Stretch());
    if (menu == PopupMenuBarcode)
        ShowBarcodeState(item);
}
