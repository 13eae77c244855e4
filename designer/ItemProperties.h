#pragma once

#include "designer/SelectionControl.h"
#include "document/BrushStyle.h"

#include <functional>

class LabelItems;
class QWidget;

// The property operations of the item menus. Each acts on one label item, asks through the
// prompter where a dialog is needed, repaints, and marks the label changed only when the
// item changed (a cancelled dialog changes and marks nothing).
class ItemProperties {
public:
    ItemProperties(QWidget* designPanel, LabelItems& items, SelectionControl& selection,
                   std::function<void()> changed);

    // Text items: the caption, any text including an empty one.
    void PropText(QWidget* item);
    // Text and counter items: name, size, style and colour.
    void PropFont(QWidget* item);
    // Fill colour of shapes (a clear shape becomes solid); font colour of texts, counters
    // and symbols.
    void PropColor(QWidget* item);
    // Pen colour of shapes and lines.
    void PropColorLine(QWidget* item);
    // Pen width of shapes and lines; always marks the label changed.
    void PropLineThickness(QWidget* item, int width);
    // Corner rounding of a rounded rectangle, in percent.
    void PropRounding(QWidget* item, int percent);
    // Fill style of a shape (0..7); a hatch on a white fill turns the fill black.
    void PropBrushStyle(QWidget* item, TBrushStyle style);
    // Text and counter items: the rotation dialog turns the item live; Cancel puts back the
    // angle and size it had.
    void PropAngle(QWidget* item);
    // Symbol items: character and colour.
    void PropSymbol(QWidget* item);
    // Image items: another picture file. Nothing changes unless the picture loads; a file
    // that cannot be read is reported in the error box.
    void PropImage(QWidget* item);
    // Image items: turns stretching over. Returns the new state.
    bool ToggleStretch(QWidget* item);
    // Counter items: starting number and repeat count; OK marks changed even when unchanged.
    void CounterValues(QWidget* item);
    // Restacking; the order list follows the stacking on screen.
    void PropBringToFront(QWidget* item);
    void PropSendToBack(QWidget* item);

    // After an edit that may resize the item: repaint, let the item size itself, repaint,
    // and fit the selection frame to it again.
    void Refresh(QWidget* item);

    // Marks the label changed, for edits made outside these operations.
    void Changed() const {
        if (changed_)
            changed_();
    }

private:
    void Repaint(QWidget* item) const;

    QWidget* panel_;
    LabelItems& items_;
    void MarkChanged();

    SelectionControl& selection_;
    std::function<void()> changed_;
};
