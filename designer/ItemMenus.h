#pragma once

#include "designer/ItemProperties.h"
#include "designer/SelectionControl.h"

#include "document/LabelItemValue.h"
#include <functional>

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

class BarcodeProperties;
class DesignSteps;
class LabelItems;
class QAction;
class QMenu;
class QWidget;

// The eight context menus of the label items, one per kind, and the Properties command that
// opens the selected item's menu. Opening a menu on an item selects it; each entry acts on
// the item the menu was opened on (else on the selected item).
class ItemMenus : public QObject {
    Q_OBJECT
public:
    // changed marks the label changed.
    ItemMenus(QWidget* designPanel, LabelItems& items, SelectionControl& selection,
              std::function<void()> changed, QWidget* menuParent);
    ~ItemMenus() override;

    QMenu* PopupMenuText = nullptr;
    QMenu* PopupMenuCounter = nullptr;
    QMenu* PopupMenuSymbol = nullptr;
    QMenu* PopupMenuShape = nullptr;
    QMenu* PopupMenuRoundRect = nullptr;
    QMenu* PopupMenuLine = nullptr;
    QMenu* PopupMenuImage = nullptr;
    QAction* PopupMenuImageStretchToFit = nullptr;
    QMenu* PopupMenuBarcode = nullptr;
    QAction* PopupMenuBarcodeShowText = nullptr;

    // The menu of an item's kind, or null for anything else.
    QMenu* MenuFor(const QWidget* item) const;
    static QMenu* MenuOfKind(const ItemMenus& menus, LabelItemKind kind);
    // The item a menu was last opened on.
    QWidget* PopupComponent(const QMenu* menu) const;

    // Gives a new item its kind's menu: a right click on it opens the menu.
    void AttachMenu(QWidget* item);
    // Opens an item's menu at a screen point (the right click, also through the handle).
    void PopupAt(QWidget* item, QPoint globalPos);
    // Opens the selected item's menu at its bottom-right corner; nothing when none is selected.
    void PropertiesButtonClick();
    // The opening of any item menu: the item it is opened on becomes the selection.
    void labelitempopup(QMenu* menu);

    ItemProperties& Properties() { return *properties_; }
    // The undo history each entry's change becomes a step of, named after the entry or its
    // submenu ("Font", "Line Thickness", "Delete Item"); none: no history.
    void SetSteps(DesignSteps* steps) { steps_ = steps; }
    // The step name of an entry captioned caption, in the submenu captioned submenu (empty
    // for an entry of the menu itself).
    static QString StepName(const QString& caption, const QString& submenu);

    // The fields of the current label's merge source, for the text menu's "Insert Merge
    // Field"; unset or empty: the submenu says there is no source.
    std::function<QStringList()> MergeFieldNames;
    QMenu* PopupMenuTextInsertMergeField = nullptr;

private:
    struct MenuBuilder;
    void AddFontEntries(MenuBuilder& menu, const QString& prefix);
    void BuildTextMenu();
    void FillMergeFieldMenu();
    void BuildCounterMenu();
    void BuildShapeMenu(QMenu*& menu, const QString& prefix, bool rounding);
    void BuildLineMenu();
    void BuildSymbolMenu();
    void BuildImageMenu();
    void BuildBarcodeMenu();
    // The check marks of the barcode menu show the state of the item it is opened on.
    void ShowBarcodeState(QWidget* item);
    void AddStackingAndPlacing(MenuBuilder& menu, const QString& prefix, const char* sendToBack,
                               const char* bringToFront, const QString& centreCaption,
                               const char* deleteName = "Delete");
    QMenu* NewMenu(const QString& name);
    // The item an entry of menu acts on, or null.
    QWidget* Target(QMenu* menu) const;

    QWidget* panel_;
    LabelItems& items_;
    SelectionControl& selection_;
    QWidget* menuParent_;
    std::unique_ptr<ItemProperties> properties_;
    std::unique_ptr<BarcodeProperties> barcode_;
    std::map<const QMenu*, QPointer<QWidget>> popupComponent_;
    DesignSteps* steps_ = nullptr;
};
