#include "designer/ItemArrangement.h"

#include <gtest/gtest.h>

using Edge = ItemArrangement::Edge;

namespace {
const QRect Label(0, 0, 252, 96);
const std::vector<QRect> Three = {{10, 40, 30, 20}, {70, 5, 50, 11}, {45, 60, 21, 30}};
} // namespace

TEST(ItemArrangementTest, SeveralItemsAlignToTheBoxTheySpanAndOneToTheLabel) {
    // The three span x 10..120 and y 5..90.
    const auto lefts = ItemArrangement::Aligned(Three, Edge::Left, Label);
    for (const QRect& box : lefts)
        EXPECT_EQ(box.left(), 10);
    EXPECT_EQ(lefts[1].size(), Three[1].size()) << "aligning moves, never resizes";
    EXPECT_EQ(lefts[2].top(), 60);
    for (const QRect& box : ItemArrangement::Aligned(Three, Edge::Right, Label))
        EXPECT_EQ(box.left() + box.width(), 120);
    for (const QRect& box : ItemArrangement::Aligned(Three, Edge::Bottom, Label))
        EXPECT_EQ(box.top() + box.height(), 90);
    const auto centres = ItemArrangement::Aligned(Three, Edge::Centres, Label);
    EXPECT_EQ(centres[0].left(), 10 + (110 - 30) / 2);
    EXPECT_EQ(centres[1].left(), 10 + (110 - 50) / 2);
    const auto middles = ItemArrangement::Aligned(Three, Edge::Middles, Label);
    EXPECT_EQ(middles[2].top(), 5 + (85 - 30) / 2);

    // One item goes to the label's edge or middle.
    const std::vector<QRect> one = {Three[0]};
    EXPECT_EQ(ItemArrangement::Aligned(one, Edge::Right, Label)[0].left(), 252 - 30);
    EXPECT_EQ(ItemArrangement::Aligned(one, Edge::Top, Label)[0].top(), 0);
    EXPECT_EQ(ItemArrangement::Aligned(one, Edge::Middles, Label)[0].top(), (96 - 20) / 2);
}

TEST(ItemArrangementTest, DistributingLeavesEqualGapsAndTheOutermostInPlace) {
    // Across: 10..40, 45..66, 70..120 in that order; 110 wide, 101 of items: gaps of 4.5.
    const auto across = ItemArrangement::Distributed(Three, Qt::Horizontal);
    EXPECT_EQ(across[0].left(), 10);
    EXPECT_EQ(across[1].left(), 70);
    const int firstGap = across[2].left() - (across[0].left() + across[0].width());
    const int secondGap = across[1].left() - (across[2].left() + across[2].width());
    EXPECT_LE(std::abs(firstGap - secondGap), 1);
    EXPECT_EQ(firstGap + secondGap, 9);
    EXPECT_EQ(across[2].top(), Three[2].top());
    // Down: 5..16, 40..60, 60..90: the middle item moves up to leave two gaps of 12.
    const auto down = ItemArrangement::Distributed(Three, Qt::Vertical);
    EXPECT_EQ(down[1].top(), 5);
    EXPECT_EQ(down[0].top(), 28);
    EXPECT_EQ(down[2].top(), 60);
    // Two items cannot be spread.
    const std::vector<QRect> two = {Three[0], Three[1]};
    EXPECT_EQ(ItemArrangement::Distributed(two, Qt::Horizontal), two);
}
