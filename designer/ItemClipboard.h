#pragma once

#include "document/LabelItemValue.h"

#include <QPoint>
#include <QStringList>

#include <functional>
#include <vector>

class DesignSteps;
class LabelItems;
class QMimeData;
class SelectionControl;

// Cut, Copy, Paste and Duplicate of the selected items. The clipboard carries the items
// (ItemTransfer), so they paste where they were copied from, on this label, another label or
// in another running copy; plain text from another program pastes as a new text item.
// Each command is one undo step and leaves what it added selected.
class ItemClipboard {
public:
    // gridStep: the snap grid's step in pixels (1 x 1 without snapping); changed marks the
    // label changed.
    ItemClipboard(SelectionControl& selection, LabelItems& items, std::function<QPoint()> gridStep,
                  std::function<void()> changed);

    void SetSteps(DesignSteps* steps) { steps_ = steps; }

    bool HasSelection() const;
    // Whether the clipboard holds items or text to paste.
    static bool CanPaste();

    void Copy();
    void Cut();
    void Paste();
    // Copies of the selected items one grid step right and down (8 pixels without a grid),
    // leaving the clipboard alone.
    void Duplicate();
    // What Paste does with data: its items, else its text as a new text item.
    void PasteData(const QMimeData& data);

    // Where a pasted text lands: this far from the label's top left, in pixels.
    static constexpr int TextMargin = 8;
    static constexpr int DuplicateOffsetWithoutGrid = 8;

private:
    std::vector<LabelItemValue> SelectedValues() const;
    QStringList SelectedNames() const;
    // Adds the items front-most and selects them.
    void AddAndSelect(const std::vector<LabelItemValue>& values);

    SelectionControl& selection_;
    LabelItems& items_;
    std::function<QPoint()> gridStep_;
    std::function<void()> changed_;
    DesignSteps* steps_ = nullptr;
};
