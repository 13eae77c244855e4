#pragma once

#include <QList>

class QWidget;

// What placing items, their menus and their property commands need of the selection on
// the design panel. ItemSelection is the real one; tests record what they are told.
class SelectionControl {
public:
    virtual ~SelectionControl() = default;

    // Selects the item (the stretch handle goes round it).
    virtual void AttachControl(QWidget* item) = 0;
    // Clears the selection.
    virtual void DetachControl() = 0;
    // Re-fits the selection frame to an item whose rectangle may have changed.
    virtual void RefreshAttach(QWidget* item) = 0;
    // Fits the frame to the selected item again without detaching it (for an item that
    // resizes itself while a dialog is open).
    virtual void RefitHandle(QWidget* item) { RefreshAttach(item); }
    // The selected item, or null (also when several are selected).
    virtual QWidget* Selected() const = 0;
    // Every selected item.
    virtual QList<QWidget*> SelectedItems() const {
        QWidget* item = Selected();
        return item ? QList<QWidget*>{item} : QList<QWidget*>{};
    }
    // The selected items in the order they were selected (the first is the reference of
    // Same Width and Same Height).
    virtual QList<QWidget*> ChosenOrder() const { return SelectedItems(); }
    // Selects exactly these items (none: clears the selection).
    virtual void SelectItems(const QList<QWidget*>& items) {
        DetachControl();
        if (!items.isEmpty())
            AttachControl(items.first());
    }
    // Repaints the stretch handle and keeps it above the items.
    virtual void RepaintHandle() {}
    // Centring on the label.
    virtual void AlignCenter(QWidget*) {}
    virtual void AlignVertical(QWidget*) {}
    virtual void AlignHorizontal(QWidget*) {}
};
