#pragma once

#include "designer/ItemProperties.h"
#include "designer/SelectionControl.h"
#include "document/LabelItemValue.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class BarcodeProperties;
class DesignSteps;
class LabelItems;
class QAction;
class QMenu;
class QWidget;

// The context menus of the label items, one per kind (kinds may share one; each kind's
// designer part builds its menu, ItemTools.h), and the Properties command that opens the
// selected item's menu. Opening a menu on an item selects it; each entry acts on the item
// the menu was opened on (else on the selected item) and is one undo step.
class ItemMenus : public QObject {
    Q_OBJECT
public:
    // changed marks the label changed.
    ItemMenus(QWidget* designPanel, LabelItems& items, SelectionControl& selection,
              std::function<void()> changed, QWidget* menuParent);
    ~ItemMenus() override;

    // Adds the entries of one menu, each named and captioned, each running its operation on
    // the menu's item inside the command boundary, as one undo step named after the entry
    // or its submenu.
    class MenuBuilder {
    public:
        MenuBuilder(ItemMenus& menus, QMenu* root) : menus_(menus), root_(root), current_(root) {}
        QString Prefix() const; // the menu's component name
        QAction* Add(const QString& name, const QString& caption,
                     std::function<void(QWidget* item)> operation);
        // A checkable entry whose operation gives the item's new state, which its mark shows.
        QAction* AddCheck(const QString& name, const QString& caption,
                          std::function<bool(QWidget* item)> operation);
        // Entries added after this go into the submenu until EndSubmenu().
        void BeginSubmenu(const QString& name, const QString& caption);
        void EndSubmenu() { current_ = root_; }
        void Separator();
        // Font, Font Color and Rotation, shared by the text and counter menus.
        void AddFontEntries();
        // "Insert Merge Field": one entry per field of the label's merge source.
        void AddMergeFields();
        // Send to Back and Bring to Front (with the entries' names), the centring entries and
        // Delete.
        void AddStackingAndPlacing(const char* sendToBack, const char* bringToFront,
                                   const QString& centreCaption, const char* deleteName = "Delete");
        // Runs each time the menu opens, with the item it opens on (for check marks).
        void OnOpen(std::function<void(const LabelItemValue& value)> show);
        ItemProperties& Properties() const;
        BarcodeProperties& Barcode() const;

    private:
        QAction* AddAction(const QString& name, const QString& caption,
                           std::function<void(QWidget* item, QAction* action)> operation);

        ItemMenus& menus_;
        QMenu* root_;
        QMenu* current_;
    };

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
    QMenu* PopupMenuTextInsertMergeField = nullptr;

    // The menu of an item's kind, or null for anything else.
    QMenu* MenuFor(const QWidget* item) const;
    QMenu* MenuOfKind(LabelItemKind kind) const;
    // The item a menu was last opened on.
    QWidget* PopupComponent(const QMenu* menu) const;

    // Gives a new item its kind's menu: a right click on it opens the menu.
    void AttachMenu(QWidget* item);
    // Opens an item's menu at a screen point (the right click, also through the handle). On an
    // item of a selection of several, the selection's menu opens instead and the selection
    // stays.
    void PopupAt(QWidget* item, QPoint globalPos);
    // The menu of a selection of several items (the Edit and Arrange commands).
    void SetSelectionMenu(QMenu* menu);
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

private:
    void FillMergeFieldMenu(QMenu* menu);
    QMenu* NewMenu(const QString& name);
    // The item an entry of menu acts on, or null.
    QWidget* Target(QMenu* menu) const;

    QWidget* panel_;
    LabelItems& items_;
    SelectionControl& selection_;
    QWidget* menuParent_;
    std::unique_ptr<ItemProperties> properties_;
    std::unique_ptr<BarcodeProperties> barcode_;
    std::map<LabelItemKind, QMenu*> kindMenus_;
    std::map<const QMenu*, std::vector<std::function<void(const LabelItemValue&)>>> onOpen_;
    std::map<const QMenu*, QPointer<QWidget>> popupComponent_;
    DesignSteps* steps_ = nullptr;
    QPointer<QMenu> selectionMenu_;
};
