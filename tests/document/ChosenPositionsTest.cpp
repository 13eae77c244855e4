#include "document/ChosenPositions.h"

#include <gtest/gtest.h>

namespace {

TEST(ChosenPositions, ClearForgetsTheChoiceAndEveryChosenPosition) {
    ChosenPositions& selection = ProgramChosenPositions();
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

} // namespace
