#pragma once

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
    // The selected item, or null.
    virtual QWidget* Selected() const = 0;
    // Repaints the stretch handle and keeps it above the items.
    virtual void RepaintHandle() {}
    // Centring on the label.
    virtual void AlignCenter(QWidget*) {}
    virtual void AlignVertical(QWidget*) {}
    virtual void AlignHorizontal(QWidget*) {}
};
