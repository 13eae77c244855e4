#include "document/ChosenPositions.h"
#include "document/LabelModel.h"

#include <gtest/gtest.h>

namespace {

TEST(ChosenPositions, ClearForgetsTheChoiceAndEveryChosenPosition) {
    ChosenPositions selection;
    selection.SpecificLabelsChosen = true;
    selection.SelectedPositions[0] = true;
    selection.SelectedPositions[299] = true;
    EXPECT_TRUE(selection.isSelected(299));
    EXPECT_FALSE(selection.isSelected(300));
    EXPECT_FALSE(selection.isSelected(-1));
    selection.clear();
    EXPECT_FALSE(selection.SpecificLabelsChosen);
    for (int position = 0; position < ChosenPositions::MaxPositions; ++position)
        EXPECT_FALSE(selection.isSelected(position)) << position;
}

// Positions chosen for one layout would mark other places on another.
TEST(ChosenPositions, TheLabelForgetsThemWhenItsLabelsAcrossOrDownChange) {
    LabelModel model;
    model.SetTemplate("Address", {1, 2.625f, 3, 10, 0.5f, 0.1875f, 2.75f, 1, "LTR", "RR"});
    model.Positions().SpecificLabelsChosen = true;
    model.Positions().SelectedPositions[4] = true;
    // Another size of label on the same layout keeps them.
    model.SetTemplate("Wider", {1, 2.75f, 3, 10, 0.5f, 0.1875f, 2.75f, 1, "LTR", "RR"});
    EXPECT_TRUE(model.Positions().isSelected(4));
    model.SetTemplate("Two across", {1, 4, 2, 10, 0.5f, 0.1875f, 4.1f, 1, "LTR", "RR"});
    EXPECT_FALSE(model.Positions().SpecificLabelsChosen);
    EXPECT_FALSE(model.Positions().isSelected(4));
}

} // namespace
