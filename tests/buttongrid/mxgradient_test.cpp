#include <gtest/gtest.h>

#include "buttongrid/mxgradient.h"
#include "platform/intmath.h"
#include "platform/raster.h"
#include "support/changecounter.h"
#include "support/setternotifies.h"

namespace {

constexpr TColor kBoardColor{8454143};  // red 255, green 255, blue 128

void MakeBoardGradient(TMxGradient& g) {
    g.SetColor(kBoardColor);
    g.SetEndColor(clWhite);
    g.SetColorCount(236);
    g.SetStyle(TMxGradientStyle::gstElliptic);
}

// --- colour table ---------------------------------------------------------------------------------

struct TableRow {
    int index;
    int blue;
};

class BoardTableTest : public ::testing::TestWithParam<TableRow> {};

TEST_P(BoardTableTest, EntryHasTheInterpolatedBlue) {
    TMxGradient g;
    MakeBoardGradient(g);
    ASSERT_EQ(g.ColorTable().size(), 236u);
    EXPECT_EQ(g.ColorTable()[GetParam().index], RGB(255, 255, GetParam().blue));
}

INSTANTIATE_TEST_SUITE_P(Entries, BoardTableTest,
                         ::testing::Values(TableRow{0, 128}, TableRow{1, 129}, TableRow{2, 129},
                                           TableRow{118, 192}, TableRow{235, 255}));

TEST(MxGradientCreateColorList, RoundsEachChannelWithMulDiv) {
    TMxColorList list;
    MxGradientCreateColorList(RGB(0, 100, 200), RGB(10, 0, 201), 4, true, &list);
    // k / 3 of (10, -100, 1): 3.33 -> 3, 6.67 -> 7; -33.3 -> -33, -66.7 -> -67; 0.33 -> 0, 0.67 -> 1.
    EXPECT_EQ(list, (TMxColorList{RGB(0, 100, 200), RGB(3, 67, 200), RGB(7, 33, 201), RGB(10, 0, 201)}));
}

TEST(MxGradientCreateColorList, ResolvesSystemColours) {
    TMxColorList list;
    MxGradientCreateColorList(clBtnFace, clBtnFace, 2, true, &list);
    const RgbColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(list, (TMxColorList{RGB(face.r, face.g, face.b), RGB(face.r, face.g, face.b)}));
}

TEST(MxGradientCreateColorList, ContinuedRunSkipsItsStartColour) {
    TMxColorList list{clRed};
    MxGradientCreateColorList(RGB(0, 0, 0), RGB(0, 0, 200), 3, false, &list);
    EXPECT_EQ(list, (TMxColorList{clRed, RGB(0, 0, 100), RGB(0, 0, 200)}));
}

TEST(MxGradientCreateColorList, ClearEmptiesFirst) {
    TMxColorList list{clRed, clRed};
    MxGradientCreateColorList(clBlack, clWhite, 2, true, &list);
    EXPECT_EQ(list, (TMxColorList{clBlack, clWhite}));
}

TEST(MxGradientCreateColorList, NothingWithoutListOrCount) {
    MxGradientCreateColorList(clBlack, clWhite, 5, true, nullptr);
    TMxColorList list{clRed};
    MxGradientCreateColorList(clBlack, clWhite, 0, true, &list);
    EXPECT_EQ(list, TMxColorList{clRed});
    MxGradientCreateColorList(clBlack, clWhite, 1, false, &list);  // a continued run of one adds nothing
    EXPECT_EQ(list, TMxColorList{clRed});
}

TEST(MxGradientCreateColorList, SingleEntryRunIsItsStartColour) {
    // Interpolating over zero steps must not disturb the channels (black must not wrap to white).
    TMxColorList list;
    MxGradientCreateColorList(clBlack, clWhite, 1, true, &list);
    EXPECT_EQ(list, TMxColorList{clBlack});
}

TEST(MxGradient, DefaultsBuildSixteenBlueToBlack) {
    TMxGradient g;
    EXPECT_EQ(g.Color(), clBlue);
    EXPECT_EQ(g.EndColor(), clBlack);
    EXPECT_EQ(g.ColorCount(), 16);
    EXPECT_EQ(g.Style(), TMxGradientStyle::gstVertical);
    EXPECT_FALSE(g.PaletteRealize());
    EXPECT_TRUE(g.TwoColors());
    ASSERT_EQ(g.ColorTable().size(), 16u);
    EXPECT_EQ(g.ColorTable().front(), clBlue);
    EXPECT_EQ(g.ColorTable().back(), clBlack);
    EXPECT_EQ(g.Palette(), nullptr);
}

TEST(MxGradient, ColorCountIsClampedToItsByteRange) {
    TMxGradient g;
    g.SetColorCount(1);
    EXPECT_EQ(g.ColorCount(), 2);
    g.SetColorCount(-40);
    EXPECT_EQ(g.ColorCount(), 2);
    g.SetColorCount(237);
    EXPECT_EQ(g.ColorCount(), 236);
    g.SetColorCount(1000);
    EXPECT_EQ(g.ColorCount(), 236);
    EXPECT_EQ(g.ColorTable().size(), 236u);
}

TEST(MxGradient, ColorCountOfTwoGivesTheTwoEnds) {
    TMxGradient g;
    g.SetColorCount(2);
    EXPECT_EQ(g.ColorTable(), (TMxColorList{clBlue, clBlack}));
}

TEST(MxGradient, MultiColourRunsThroughTheList) {
    TMxGradient g;
    g.SetColorCount(9);
    g.SetColors({RGB(0, 0, 0), RGB(0, 0, 200), RGB(200, 0, 200)});
    g.SetTwoColors(false);
    // S = 9 div 3 = 3: three entries for the first pair, two more for the second.
    EXPECT_EQ(g.ColorTable(), (TMxColorList{RGB(0, 0, 0), RGB(0, 0, 100), RGB(0, 0, 200), RGB(100, 0, 200),
                                            RGB(200, 0, 200)}));
}

TEST(MxGradient, MultiColourWithFewerThanTwoColoursIsEmpty) {
    TMxGradient g;
    g.SetTwoColors(false);
    EXPECT_TRUE(g.ColorTable().empty());
    g.SetColors({clRed});
    EXPECT_TRUE(g.ColorTable().empty());
    g.SetColors({clRed, clLime});
    EXPECT_EQ(g.ColorTable().size(), 8u);
}

TEST(MxGradient, PaletteFollowsTheTable) {
    TMxGradient g;
    g.SetColorCount(3);
    g.SetColor(RGB(10, 20, 30));
    g.SetEndColor(RGB(30, 40, 50));
    g.SetPaletteRealize(true);
    ASSERT_NE(g.Palette(), nullptr);
    EXPECT_EQ(g.Palette()->Version, 0x300);
    const std::vector<TMxPaletteEntry> expected{{10, 20, 30, 4}, {20, 30, 40, 4}, {30, 40, 50, 4}};
    EXPECT_EQ(g.Palette()->Entries, expected);
    g.SetPaletteRealize(false);
    EXPECT_EQ(g.Palette(), nullptr);
}

// --- change chain ---------------------------------------------------------------------------------

SETTER_NOTIFIES_ONCE_SUITE(GradientSetterTest, TMxGradient,
                           SetterRow<TMxGradient>{"Color", [](TMxGradient& g) { g.SetColor(kBoardColor); }},
                           SetterRow<TMxGradient>{"ColorCount", [](TMxGradient& g) { g.SetColorCount(236); }},
                           SetterRow<TMxGradient>{
                               "Style", [](TMxGradient& g) { g.SetStyle(TMxGradientStyle::gstElliptic); }},
                           SetterRow<TMxGradient>{"EndColor", [](TMxGradient& g) { g.SetEndColor(clWhite); }},
                           SetterRow<TMxGradient>{"PaletteRealize",
                                                  [](TMxGradient& g) { g.SetPaletteRealize(true); }},
                           SetterRow<TMxGradient>{"TwoColors", [](TMxGradient& g) { g.SetTwoColors(false); }},
                           SetterRow<TMxGradient>{"Colors", [](TMxGradient& g) {
                                                      g.SetColors({clRed, clLime});
                                                  }});

TEST(MxGradient, ClampedEqualCountNotifiesNothing) {
    TMxGradient g;
    g.SetColorCount(236);
    ChangeCounter counter;
    counter.Hook(g);
    g.SetColorCount(500);
    EXPECT_EQ(counter.calls, 0);
}

TEST(MxGradient, TableIsRebuiltBeforeTheNotification) {
    TMxGradient g;
    TColor seen;
    g.SetOnChange([&] { seen = g.ColorTable().front(); });
    g.SetColor(clRed);
    EXPECT_EQ(seen, clRed);
}

TEST(MxGradient, AssignCopiesEverythingWithOneNotification) {
    TMxGradient source;
    MakeBoardGradient(source);
    source.SetPaletteRealize(true);
    source.SetColors({clRed, clLime, clBlue});
    TMxGradient g;
    ChangeCounter counter;
    counter.Hook(g);
    g.Assign(source);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(g.Color(), kBoardColor);
    EXPECT_EQ(g.EndColor(), clWhite);
    EXPECT_EQ(g.ColorCount(), 236);
    EXPECT_EQ(g.Style(), TMxGradientStyle::gstElliptic);
    EXPECT_TRUE(g.PaletteRealize());
    EXPECT_EQ(g.Colors(), source.Colors());
    EXPECT_EQ(g.ColorTable(), source.ColorTable());
    ASSERT_NE(g.Palette(), nullptr);
    EXPECT_EQ(g.Palette()->Entries.size(), 236u);
}

// --- step geometry --------------------------------------------------------------------------------

TEST(MxGradientGeometry, BoardEllipsesHaveTheirBoxes) {
    const auto box = [](int step) {
        const TMxGradientShape s = MxGradientStepShape(TMxGradientStyle::gstElliptic, 542, 272, 236, step);
        EXPECT_EQ(s.ShapeKind, TMxGradientShape::Kind::Ellipse);
        return s.Box;
    };
    EXPECT_EQ(box(235), Rect(-116, -58, 658, 330));
    EXPECT_EQ(box(117), Rect(77, 39, 465, 233));
    EXPECT_EQ(box(0), Rect(270, 135, 272, 137));
}

TEST(MxGradientGeometry, EllipseRadiusIsTheExtentOverOnePointFourRounded) {
    // Past the board's sizes and into the negative, where the integer form must still round alike.
    for (int extent = -70000; extent <= 70000; ++extent)
        ASSERT_EQ(MxGradientEllipseRadius(extent), RoundHalfEven(extent / 1.4)) << extent;
    for (const int extent : {kCoordLimit, -kCoordLimit, 2147483647, -2147483647})
        EXPECT_EQ(MxGradientEllipseRadius(extent), RoundHalfEven(extent / 1.4)) << extent;
}

struct AnchorRow {
    TMxGradientStyle style;
    TRect anchor;
};

class AnchorTest : public ::testing::TestWithParam<AnchorRow> {};

TEST_P(AnchorTest, AnchorOfA10By6Rectangle) {
    EXPECT_EQ(MxGradientAnchor(GetParam().style, 10, 6), GetParam().anchor);
}

INSTANTIATE_TEST_SUITE_P(Styles, AnchorTest,
                         ::testing::Values(AnchorRow{TMxGradientStyle::gstHorizontal, Rect(0, 0, 10, 6)},
                                           AnchorRow{TMxGradientStyle::gstVertical, Rect(0, 0, 10, 6)},
                                           AnchorRow{TMxGradientStyle::gstSquare, Rect(5, 3, 5, 3)},
                                           AnchorRow{TMxGradientStyle::gstElliptic, Rect(5, 3, 5, 3)},
                                           AnchorRow{TMxGradientStyle::gstTopLeft, Rect(0, 0, 1, 1)},
                                           AnchorRow{TMxGradientStyle::gstTopRight, Rect(10, 1, 11, 0)},
                                           AnchorRow{TMxGradientStyle::gstBottomLeft, Rect(1, 6, 0, 7)},
                                           AnchorRow{TMxGradientStyle::gstBottomRight, Rect(10, 6, 11, 7)},
                                           AnchorRow{TMxGradientStyle::gstTopLeftDiagonal, Rect(0, 0, 1, 1)},
                                           AnchorRow{TMxGradientStyle::gstTopRightDiagonal,
                                                     Rect(10, 0, 11, 0)}));

TEST(MxGradientGeometry, DiagonalPolygonsReachTwiceTheStep) {
    // 10 × 6 in 2 entries, step 0: sx = 5, sy = 3, so the polygon reaches 10 across and 6 down.
    const TMxGradientShape tl = MxGradientStepShape(TMxGradientStyle::gstTopLeftDiagonal, 10, 6, 2, 0);
    EXPECT_EQ(tl.ShapeKind, TMxGradientShape::Kind::Polygon);
    EXPECT_EQ(tl.Points, (std::array<TPoint, 4>{TPoint{0, 0}, TPoint{10, 0}, TPoint{0, 7}, TPoint{-10, 7}}));
    const TMxGradientShape tr = MxGradientStepShape(TMxGradientStyle::gstTopRightDiagonal, 10, 6, 2, 0);
    EXPECT_EQ(tr.Points, (std::array<TPoint, 4>{TPoint{11, 0}, TPoint{1, 0}, TPoint{11, 6}, TPoint{21, 6}}));
}

TEST(MxGradientGeometry, OnlyHorizontalPaintsUpwards) {
    for (int s = 0; s < kMxGradientStyleCount; ++s) {
        const auto style = static_cast<TMxGradientStyle>(s);
        EXPECT_EQ(MxGradientPaintsUpwards(style), style == TMxGradientStyle::gstHorizontal) << s;
    }
}

}  // namespace
