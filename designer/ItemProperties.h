#pragma once

#include "designer/SelectionControl.h"
#include "document/BrushStyle.h"
#include "document/LabelItemValue.h"

#include <functional>

class LabelItems;
class QWidget;

// The property operations of the item menus. Each acts on one label item, shown by the
// control it is given: it reads the item's value from the label model, asks through the
// prompter where a dialog is needed, makes the change as an edit of the model (the panel
// follows), and marks the label changed only when the item changed (a cancelled dialog
// changes and marks nothing).
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
    // Fill style of a shape; a hatch on a white fill turns the fill black.
    void PropBrushStyle(QWidget* item, TBrushStyle style);
    // Text and counter items: the rotation dialog turns the item's control live; Cancel shows
    // the item as it was.
    void PropAngle(QWidget* item);
    // Symbol items: character and colour.
    void PropSymbol(QWidget* item);
    // Image items: another picture file. Nothing changes unless the picture can be read; a
    // file that cannot be read is reported in the error box.
    void PropImage(QWidget* item);
    // Image items: turns stretching over. Returns the new state.
    bool ToggleStretch(QWidget* item);
    // Counter items: starting number and repeat count; OK marks changed even when unchanged.
    void CounterValues(QWidget* item);
    // Text items: "{Field}" appended to the text.
    void InsertMergeField(QWidget* item, const QString& field);
    // Removes the item from the label.
    void DeleteItem(QWidget* item);
    // Restacking.
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
    // The value of the item a control shows; false for any other widget.
    bool ValueOf(QWidget* item, LabelItemValue& value) const;
    // The item's new value, as one edit of the model.
    void Change(QWidget* item, const LabelItemValue& value);
    void MarkChanged();

    QWidget* panel_;
    LabelItems& items_;
    SelectionControl& selection_;
    std::function<void()> changed_;
};
