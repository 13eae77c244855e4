#pragma once

#include "document/LabelModel.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

class DesignSteps;
class LabelItems;
class SelectionControl;

// The properties the property bar shows and edits for the items selected on the panel.
enum class ItemProperty {
    FontFamily, // QString, the stored face name
    FontSize,   // int, points (texts, counters, symbols)
    Bold,       // bool
    Italic,     // bool
    Underline,  // bool
    TextColor,  // int, a stored colour value (texts, counters, symbols)
    LineColor,  // int, a stored colour value (shapes and lines)
    LineWidth,  // int, screen pixels (shapes and lines)
    FillColor,  // int, a stored colour value (shapes)
    Left,       // int, design pixels from the label's left edge
    Top,        // int, design pixels from the label's top edge
    Width,      // int, design pixels (items whose size is not their content's)
    Height,     // int, design pixels
};

// The selection's properties as the property bar needs them: what the selected items share
// and, for an edit, the change of every selected item that has the property as one edit of
// the label model and one undo step named after the property ("Font", "Position"); changes
// of the same property of the same items less than a second apart are one step (the arrows
// of a size box clicked again and again). Items without the property are left as they are. Positions and sizes stay within the label.
//
// It follows the model (as one of its views) and the selection (SelectionChanged) and says
// so by Changed(), so that the bar shows what is true after any edit, undo or new selection.
class SelectionProperties : public QObject, public DesignView {
    Q_OBJECT
public:
    // changed marks the label changed.
    SelectionProperties(SelectionControl& selection, LabelItems& items,
                        std::function<void()> changed, QObject* parent = nullptr);

    void SetSteps(DesignSteps* steps) { steps_ = steps; }

    // Whether an item holds the property.
    static bool Has(const LabelItemValue& value, ItemProperty property);
    // The item's value of the property (invalid when it has none).
    static QVariant ValueOf(const LabelItemValue& value, ItemProperty property);
    // The undo step an edit of the property is: "Font", "Bold", "Position", "Size", ...
    static QString StepName(ItemProperty property);

    // True when some selected item has the property.
    bool Offers(ItemProperty property) const;
    // The value of the property every selected item that has it shares; invalid when they
    // differ or none has it.
    QVariant Shared(ItemProperty property) const;
    // Gives every selected item that has the property this value, as one step. A value the
    // items already hold changes and marks nothing.
    void Apply(ItemProperty property, const QVariant& value);
    // The label's size in design pixels, the bounds of every position and size.
    QSize LabelSize() const;
    const LabelDesign& Design() const;

    void DesignChanged(const LabelDesign& design, const DesignChange& change) override;
    // The selection on the panel is another one.
    void SelectionChanged() { emit Changed(); }

signals:
    void Changed();

private:
    std::vector<const DesignItem*> SelectedItems() const;
    // The value set on one item, positions and sizes kept within the label.
    void Set(LabelItemValue& value, ItemProperty property, const QVariant& to) const;

    SelectionControl& selection_;
    LabelItems& items_;
    std::function<void()> changed_;
    DesignSteps* steps_ = nullptr;
};
