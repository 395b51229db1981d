#include "buttongrid/mxgridlayout.h"

#include <gtest/gtest.h>

namespace {

// The board: 542 × 272, a one-pixel bevel, 450 cells of 18 × 18.
TMxGridLayout board() {
    return MxComputeGridLayout(542, 272, 1, 1, 450, 18, 18);
}

TEST(MxGridLayout, BoardKeepsItsSizeWithThirtyColumnsAndFifteenRows) {
    const TMxGridLayout g = board();
    EXPECT_EQ(g.Inner, Rect(1, 1, 541, 271));
    EXPECT_EQ(g.Columns, 30);
    EXPECT_EQ(g.Rows, 15);
    EXPECT_EQ(g.Width, 542);
    EXPECT_EQ(g.Height, 272);
}

TEST(MxGridLayout, BoardItemsRunRowByRowFromTheTopLeft) {
    const TMxGridLayout g = board();
    for (int i = 0; i < 450; ++i) {
        ASSERT_EQ(g.ItemBounds(i), Bounds(1 + 18 * (i % 30), 1 + 18 * (i / 30), 18, 18)) << "item " << i;
    }
}

TEST(MxGridLayout, NoItemsGiveOneCellPlusTheBevel) {
    const TMxGridLayout g = MxComputeGridLayout(542, 272, 1, 1, 0, 18, 18);
    EXPECT_EQ(g.Columns, 1);
    EXPECT_EQ(g.Rows, 1);
    EXPECT_EQ(g.Width, 20);
    EXPECT_EQ(g.Height, 20);
}

TEST(MxGridLayout, FewerItemsThanOneRowNarrowThePanelToThem) {
    const TMxGridLayout g = MxComputeGridLayout(542, 272, 1, 1, 7, 18, 18);
    EXPECT_EQ(g.Columns, 7);
    EXPECT_EQ(g.Rows, 1);
    EXPECT_EQ(g.Width, 7 * 18 + 2);
    EXPECT_EQ(g.Height, 20);
}

TEST(MxGridLayout, APanelNarrowerThanOneCellGrowsOneColumnDown) {
    const TMxGridLayout g = MxComputeGridLayout(10, 40, 1, 1, 5, 18, 18);
    EXPECT_EQ(g.Columns, 1);
    EXPECT_EQ(g.Rows, 5);
    EXPECT_EQ(g.Width, 20);
    EXPECT_EQ(g.Height, 5 * 18 + 2);
    EXPECT_EQ(g.ItemBounds(4), Bounds(1, 1 + 4 * 18, 18, 18));
}

TEST(MxGridLayout, TheRowsDecideTheHeightWhateverItWas) {
    for (int height : {0, 20, 100, 272, 1000}) {
        const TMxGridLayout g = MxComputeGridLayout(542, height, 1, 1, 450, 18, 18);
        EXPECT_EQ(g.Rows, 15) << "height " << height;
        EXPECT_EQ(g.Height, 272) << "height " << height;
    }
}

TEST(MxGridLayout, AWidthBetweenWholeCellsShrinksToTheCellsThatFit) {
    const TMxGridLayout g = MxComputeGridLayout(550, 272, 1, 1, 450, 18, 18);
    EXPECT_EQ(g.Columns, 30);
    EXPECT_EQ(g.Width, 542);
}

TEST(MxGridLayout, APartlyFilledLastRowStillCounts) {
    const TMxGridLayout g = MxComputeGridLayout(542, 272, 1, 1, 451, 18, 18);
    EXPECT_EQ(g.Rows, 16);
    EXPECT_EQ(g.Height, 16 * 18 + 2);
    EXPECT_EQ(g.ItemBounds(450), Bounds(1, 1 + 15 * 18, 18, 18));
}

TEST(MxGridLayout, ABevelWiderThanThePanelStillGivesOneColumn) {
    const TMxGridLayout g = MxComputeGridLayout(10, 10, 30, 30, 3, 18, 18);
    EXPECT_EQ(g.Columns, 1);
    EXPECT_EQ(g.Rows, 3);
    EXPECT_EQ(g.Width, 18 + 60);
}

TEST(MxGridLayout, AnInsetSmallerThanTheExtentMovesOnlyTheGrid) {
    // The windows bevel: the grid starts inside the 2-pixel window edge but the size counts the extent.
    const TMxGridLayout g = MxComputeGridLayout(100, 100, 2, 5, 4, 20, 20);
    EXPECT_EQ(g.Inner, Rect(2, 2, 98, 98));
    EXPECT_EQ(g.Columns, 4);
    EXPECT_EQ(g.Width, 4 * 20 + 10);
    EXPECT_EQ(g.ItemBounds(1), Bounds(22, 2, 20, 20));
}

}  // namespace
