#include "buttongrid/mxbevel.h"

#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "support/pixels.h"

namespace {

using enum TMxBevelStyle;

constexpr TColor kBackground = RGB(10, 20, 30);
constexpr TColor kLight = RGB(255, 255, 255);
constexpr TColor kShadow = RGB(128, 128, 128);

struct ExtentRow {
    const char* name;
    TMxBevelMode mode;
    TMxBevelStyle outer;
    TMxBevelStyle inner;
    int widthOuter;
    int widthInner;
    int borderWidth;
    int borderInnerWidth;
    TMxBorderSides sides;
    TMxBorderStyle standard;
    int extent;
};

class MxBevelExtent : public testing::TestWithParam<ExtentRow> {};

TEST_P(MxBevelExtent, FollowsTheModeAndStyles) {
    const ExtentRow& r = GetParam();
    TMxBevel bevel;
    bevel.SetMode(r.mode);
    bevel.SetStyleOuter(r.outer);
    bevel.SetStyleInner(r.inner);
    bevel.SetWidthOuter(r.widthOuter);
    bevel.SetWidthInner(r.widthInner);
    bevel.SetBorderWidth(r.borderWidth);
    bevel.SetBorderInnerWidth(r.borderInnerWidth);
    bevel.SetBorderSides(r.sides);
    bevel.SetStandardStyle(r.standard);
    EXPECT_EQ(bevel.Extent(), r.extent) << r.name;
}

const TMxBorderSides kAll = kMxAllBorderSides;
using enum TMxBevelMode;
using enum TMxBorderStyle;

INSTANTIATE_TEST_SUITE_P(
    Modes, MxBevelExtent,
    testing::Values(
        ExtentRow{"board", bmCustom, bvNormal, bvNone, 1, 1, 0, 0, {}, lsSingleLowered, 1},
        ExtentRow{"no bevel", bmCustom, bvNone, bvNone, 3, 3, 0, 0, kAll, lsSingleLowered, 0},
        ExtentRow{"borders without bevels", bmCustom, bvNone, bvNone, 3, 3, 2, 1, kAll, lsNone, 3},
        ExtentRow{"both bevels", bmCustom, bvRaised, bvLowered, 2, 3, 1, 1, kAll, lsNone, 7},
        ExtentRow{"frame styles add one", bmCustom, bvFrameRaised, bvFrameLowered, 1, 1, 0, 0, kAll, lsNone,
                  4},
        ExtentRow{"inner shadow", bmCustom, bvRaised, bvShadow, 5, 2, 4, 1, kAll, lsNone, 3},
        ExtentRow{"standard none", bmStandard, bvNone, bvNone, 1, 1, 0, 1, kAll, lsNone, 1},
        ExtentRow{"standard single", bmStandard, bvNone, bvNone, 1, 1, 0, 0, kAll, lsSingleRaised, 1},
        ExtentRow{"standard double", bmStandard, bvNone, bvNone, 1, 1, 0, 2, kAll, lsFrameInset, 4},
        ExtentRow{"edge", bmEdge, bvNone, bvNone, 1, 1, 0, 1, {TMxBorderSide::sdTop}, lsNone, 3},
        ExtentRow{"edge without sides", bmEdge, bvNone, bvNone, 1, 1, 0, 1, {}, lsNone, 1},
        ExtentRow{"windows", bmWindows, bvNone, bvNone, 1, 1, 0, 1, kAll, lsNone, 3}),
    [](const testing::TestParamInfo<ExtentRow>& info) { return "row" + std::to_string(info.index); });

TEST(MxBevel, StandardFrameWidths) {
    EXPECT_EQ(MxStandardFrameWidth(lsNone), 0);
    for (TMxBorderStyle s : {lsSingle, lsSingleRaised, lsSingleLowered})
        EXPECT_EQ(MxStandardFrameWidth(s), 1);
    for (int s = static_cast<int>(lsLowered); s <= static_cast<int>(lsDoubleLowered); ++s) {
        const auto style = static_cast<TMxBorderStyle>(s);
        if (style == lsSingleRaised || style == lsSingleLowered) continue;
        EXPECT_EQ(MxStandardFrameWidth(style), 2) << s;
    }
}

TEST(MxBevel, StandardFramesStepInByTheirWidth) {
    QImage image(20, 20, QImage::Format_RGB32);
    Canvas canvas(image);
    for (int s = 0; s <= static_cast<int>(lsDoubleLowered); ++s) {
        const auto style = static_cast<TMxBorderStyle>(s);
        TRect r = Rect(0, 0, 20, 20);
        MxDrawStandardFrame(canvas, r, style);
        const int w = MxStandardFrameWidth(style);
        EXPECT_EQ(r, Rect(w, w, 20 - w, 20 - w)) << s;
    }
}

TEST(MxBevel, SettersNotifyOnlyOnChangeAndAssignOnce) {
    TMxBevel bevel;
    int changes = 0;
    bevel.SetOnChange([&] { ++changes; });
    bevel.SetStyleOuter(bvNone);
    bevel.SetBorderSides(kMxAllBorderSides);
    EXPECT_EQ(changes, 0);
    bevel.SetStyleOuter(bvNormal);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bevel.Extent(), 1);

    TMxBevel other;
    other.SetStyleInner(bvRaised);
    other.SetWidthInner(3);
    other.SetBorderColor(clRed);
    bevel.Assign(other);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bevel.StyleOuter(), bvNone);
    EXPECT_EQ(bevel.WidthInner(), 3);
    EXPECT_EQ(bevel.BorderColor(), clRed);
    EXPECT_EQ(bevel.Extent(), 3);
    bevel.Assign(other);
    EXPECT_EQ(changes, 2);
}

QImage drawBevel(const TMxBevel& bevel, int w, int h) {
    QImage image = Blank(w, h, kBackground);
    Canvas canvas(image);
    bevel.Draw(canvas, Rect(0, 0, w, h));
    return image;
}

TEST(MxBevel, NormalIsAOnePixelBlackFrameWhateverTheColours) {
    TMxBevel bevel;
    bevel.SetStyleOuter(bvNormal);
    bevel.SetBorderSides({});
    bevel.SetLightColor(clRed);
    bevel.SetShadowColor(clLime);
    QImage image = drawBevel(bevel, 12, 8);
    Canvas canvas(image);
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(canvas.Pixel(x, 0), clBlack) << x;
        EXPECT_EQ(canvas.Pixel(x, 7), clBlack) << x;
    }
    for (int y = 0; y < 8; ++y) {
        EXPECT_EQ(canvas.Pixel(0, y), clBlack) << y;
        EXPECT_EQ(canvas.Pixel(11, y), clBlack) << y;
    }
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 11; ++x) ASSERT_EQ(canvas.Pixel(x, y), kBackground) << x << ", " << y;
}

struct BevelPixelRow {
    const char* name;
    void (*setUp)(TMxBevel&);
    int extent;
    std::vector<std::pair<TPoint, TColor>> pixels;  // on a 12 x 12 image
};

class MxBevelPixels : public testing::TestWithParam<BevelPixelRow> {};

TEST_P(MxBevelPixels, PaintsEachRingInItsColour) {
    TMxBevel bevel;
    GetParam().setUp(bevel);
    EXPECT_EQ(bevel.Extent(), GetParam().extent);
    const QImage image = drawBevel(bevel, 12, 12);
    for (const auto& [p, colour] : GetParam().pixels)
        EXPECT_EQ(At(image, p.X, p.Y), colour) << p.X << ", " << p.Y;
}

INSTANTIATE_TEST_SUITE_P(Styles, MxBevelPixels,
                         testing::Values(BevelPixelRow{"loweredWidthTwoShadowTopLeftLightBottomRight",
                                                       [](TMxBevel& b) {
                                                           b.SetStyleOuter(bvLowered);
                                                           b.SetWidthOuter(2);
                                                       },
                                                       2,
                                                       {{{0, 0}, kShadow},
                                                        {{1, 1}, kShadow},
                                                        {{5, 1}, kShadow},
                                                        {{1, 5}, kShadow},
                                                        {{11, 11}, kLight},
                                                        {{10, 10}, kLight},
                                                        {{10, 3}, kLight},
                                                        {{11, 0}, kLight},
                                                        {{2, 2}, kBackground},
                                                        {{9, 9}, kBackground}}},
                                         BevelPixelRow{"raisedFrameLightThenShadowOnePixelOn",
                                                       [](TMxBevel& b) { b.SetStyleOuter(bvFrameRaised); },
                                                       2,
                                                       {{{0, 0}, kLight},
                                                        {{10, 0}, kLight},
                                                        {{1, 1}, kShadow},
                                                        {{11, 11}, kShadow},
                                                        {{11, 0}, kBackground},
                                                        {{2, 2}, kBackground}}},
                                         BevelPixelRow{"bordersBetweenAndInsideTheBevels",
                                                       [](TMxBevel& b) {
                                                           b.SetStyleOuter(bvNormal);
                                                           b.SetBorderWidth(1);
                                                           b.SetStyleInner(bvRaised);
                                                           b.SetBorderInnerWidth(1);
                                                           b.SetBorderColor(clRed);
                                                       },
                                                       4,
                                                       {{{0, 0}, clBlack},
                                                        {{1, 1}, clRed},
                                                        {{2, 2}, kLight},
                                                        {{9, 9}, kShadow},
                                                        {{3, 3}, clRed},
                                                        {{4, 4}, kBackground}}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
