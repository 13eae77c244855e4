#pragma once

#include <QRect>
#include <QString>
#include <Qt>

#include <functional>
#include <vector>

class DesignSteps;
class LabelItems;
class SelectionControl;

// The Arrange menu's commands on the selected items: stacking, aligning their edges or
// centres, spreading them evenly and giving them one size. Several items align to the box
// they span together, a single item to the label. Each command is one undo step named as
// the command ("Align Left"), and the items stay selected.
class ItemArrangement {
public:
    enum class Edge { Left, Centres, Right, Top, Middles, Bottom };

    // changed marks the label changed.
    ItemArrangement(SelectionControl& selection, LabelItems& items, std::function<void()> changed);
    void SetSteps(DesignSteps* steps) { steps_ = steps; }

    void BringToFront();
    void SendToBack();
    void Align(Edge edge);
    // Equal gaps between three items or more, the outermost staying where they are.
    void Distribute(Qt::Orientation orientation);
    // The width (Horizontal) or height (Vertical) of the item selected first, for all.
    void SameSize(Qt::Orientation orientation);

    static QString StepName(Edge edge);

    // The boxes moved to align by edge, against the box they span together, or against
    // label when there is only one.
    static std::vector<QRect> Aligned(const std::vector<QRect>& boxes, Edge edge,
                                      const QRect& label);
    // The boxes (in any order) spread so that the gaps between neighbours are equal, to the
    // pixel; fewer than three come back unchanged.
    static std::vector<QRect> Distributed(const std::vector<QRect>& boxes,
                                          Qt::Orientation orientation);

private:
    // Gives each selected item its new box (same order as SelectedBoxes), one edit.
    void Apply(const QString& stepName, const std::vector<QRect>& boxes);
    std::vector<QRect> SelectedBoxes() const;

    SelectionControl& selection_;
    LabelItems& items_;
    std::function<void()> changed_;
    DesignSteps* steps_ = nullptr;
};
