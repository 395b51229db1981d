#include "buttongrid/mxbuttonlayout.h"

#include <gtest/gtest.h>

namespace {

// The caption area of an 18-pixel explorer cell: bevel 1 on every side.
constexpr TRect kExplorerArea = Rect(1, 1, 17, 17);

TEST(MxButtonLayout, CentredCaptionSitsOnePixelRightAndDownOfTheIntegerCentre) {
    TMxButtonLayout layout;
    const TMxGlyphTextPlaces p = MxLayoutGlyphAndText(kExplorerArea, 0, 0, 15, 15, layout);
    // left = 1 + (16 - 15) div 2 = 1, then one pixel on.
    EXPECT_EQ(p.Caption, Bounds(2, 2, 15, 15));
    EXPECT_TRUE(p.Glyph.IsEmpty());
}

TEST(MxButtonLayout, ACaptionTallerThanTheAreaIsCentredTowardZero) {
    TMxButtonLayout layout;
    // Win40 cell: bevel 2 leaves 14 pixels; (14 - 17) div 2 is -1, not -2.
    const TMxGlyphTextPlaces p = MxLayoutGlyphAndText(Rect(2, 2, 16, 16), 0, 0, 17, 17, layout);
    EXPECT_EQ(p.Caption, Bounds(2, 2, 17, 17));
}

TEST(MxButtonLayout, EveryAlignmentPlacesTheBlock) {
    struct Row {
        TMxAlignment alignment;
        TPoint topLeft;
    };
    // A 6 × 4 caption in (10, 20, 30, 40), before the one-pixel move.
    const Row rows[] = {
        {TMxAlignment::agTopLeft, {10, 20}},     {TMxAlignment::agTopCenter, {17, 20}},
        {TMxAlignment::agTopRight, {24, 20}},    {TMxAlignment::agCenterLeft, {10, 28}},
        {TMxAlignment::agCenter, {17, 28}},      {TMxAlignment::agCenterRight, {24, 28}},
        {TMxAlignment::agBottomLeft, {10, 36}},  {TMxAlignment::agBottomCenter, {17, 36}},
        {TMxAlignment::agBottomRight, {24, 36}},
    };
    for (const Row& r : rows) {
        TMxButtonLayout layout;
        layout.SetAlignment(r.alignment);
        const TMxGlyphTextPlaces p = MxLayoutGlyphAndText(Rect(10, 20, 30, 40), 0, 0, 6, 4, layout);
        EXPECT_EQ(p.Caption, Bounds(r.topLeft.X + 1, r.topLeft.Y + 1, 6, 4)) << static_cast<int>(r.alignment);
    }
}

TEST(MxButtonLayout, OffsetsMoveGlyphAndCaption) {
    TMxButtonLayout layout;
    layout.SetOffsetX(3);
    layout.SetOffsetY(-2);
    const TMxGlyphTextPlaces p = MxLayoutGlyphAndText(Rect(0, 0, 40, 20), 8, 8, 10, 6, layout);
    // Block 8 + 2 + 10 = 20 wide, 8 high: left 10, top 6.
    EXPECT_EQ(p.Glyph, Bounds(13, 4, 8, 8));
    EXPECT_EQ(p.Caption, Bounds(10 + 10 + 1 + 3, 7 + 1 - 2, 10, 6));
}

TEST(MxButtonLayout, CaptionBelowTheGlyph) {
    TMxButtonLayout layout;
    layout.SetTextSide(TMxTextSide::tsBottom);
    layout.SetSpacing(4);
    const TMxGlyphTextPlaces p = MxLayoutGlyphAndText(Rect(0, 0, 40, 40), 8, 8, 12, 6, layout);
    // Block 12 wide, 8 + 4 + 6 = 18 high: left 14, top 11.
    EXPECT_EQ(p.Glyph, Bounds(16, 11, 8, 8));
    EXPECT_EQ(p.Caption, Bounds(15, 24, 12, 6));
}

TEST(MxButtonLayout, SettersNotifyOnlyOnChange) {
    TMxButtonLayout layout;
    int changes = 0;
    layout.SetOnChange([&] { ++changes; });
    layout.SetAlignment(TMxAlignment::agCenter);
    layout.SetSpacing(2);
    EXPECT_EQ(changes, 0);
    layout.SetSpacing(5);
    EXPECT_EQ(changes, 1);

    TMxButtonLayout other;
    layout.Assign(other);
    EXPECT_EQ(changes, 2);
    layout.Assign(other);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(layout.Spacing(), 2);
}

}  // namespace
