#include "document/SpecificLabelSelection.h"

#include <gtest/gtest.h>

namespace {

TEST(SpecificLabelSelection, ClearReturnsToPrintingEveryPosition) {
    SpecificLabelSelection selection;
    EXPECT_TRUE(selection.IsPrinted(299));
    selection.SpecificLabelsChosen = true;
    selection.SelectedPositions[299] = true;
    EXPECT_TRUE(selection.IsPrinted(299));
    EXPECT_FALSE(selection.IsPrinted(0));
    EXPECT_FALSE(selection.IsPrinted(300));
    selection.Clear();
    EXPECT_FALSE(selection.SpecificLabelsChosen);
    EXPECT_FALSE(selection.SelectedPositions[299]);
    EXPECT_TRUE(selection.IsPrinted(0));
}

} // namespace
