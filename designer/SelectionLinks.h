#pragma once

#include <functional>

class QWidget;

// What the placing and property code needs of the main window's selection and label state,
// given as plain callables so that the designer classes do not depend on the window.
// Every link may be left empty; an empty link does nothing (SelectedItem then gives null).
struct SelectionLinks {
    // Selects the item (the stretch handle goes round it).
    std::function<void(QWidget* item)> AttachControl;
    // Clears the selection.
    std::function<void()> DetachControl;
    // Re-fits the selection frame to an item whose rectangle may have changed.
    std::function<void(QWidget* item)> RefreshAttach;
    // The selected item, or null.
    std::function<QWidget*()> SelectedItem;
    // Repaints the stretch handle and keeps it above the items.
    std::function<void()> RepaintHandle;
    // Centring on the label.
    std::function<void(QWidget* item)> AlignCenter;
    std::function<void(QWidget* item)> AlignVertical;
    std::function<void(QWidget* item)> AlignHorizontal;
    // Marks the label changed.
    std::function<void()> TriggerChange;

    void Attach(QWidget* item) const {
        if (AttachControl)
            AttachControl(item);
    }
    void Detach() const {
        if (DetachControl)
            DetachControl();
    }
    void Refresh(QWidget* item) const {
        if (RefreshAttach)
            RefreshAttach(item);
    }
    QWidget* Selected() const { return SelectedItem ? SelectedItem() : nullptr; }
    void Handle() const {
        if (RepaintHandle)
            RepaintHandle();
    }
    void Changed() const {
        if (TriggerChange)
            TriggerChange();
    }
};
