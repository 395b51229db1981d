#include <gtest/gtest.h>

#include "platform/color.h"

namespace {

struct SystemColorRow {
    TColor color;
    RgbColor rgb;
};

class SystemColorTest : public ::testing::TestWithParam<SystemColorRow> {};

TEST_P(SystemColorTest, ResolvesToClassicScheme) {
    EXPECT_EQ(ColorToRGB(GetParam().color), GetParam().rgb);
}

INSTANTIATE_TEST_SUITE_P(Classic, SystemColorTest,
                         ::testing::Values(SystemColorRow{clBtnFace, {192, 192, 192}},
                                           SystemColorRow{clBtnShadow, {128, 128, 128}},
                                           SystemColorRow{clBtnHighlight, {255, 255, 255}},
                                           SystemColorRow{clWindowText, {0, 0, 0}},
                                           SystemColorRow{clHighlight, {0, 0, 128}},
                                           SystemColorRow{clWindowFrame, {0, 0, 0}},
                                           SystemColorRow{clBtnText, {0, 0, 0}},
                                           SystemColorRow{clGrayText, {128, 128, 128}},
                                           SystemColorRow{cl3DDkShadow, {0, 0, 0}},
                                           SystemColorRow{cl3DLight, {192, 192, 192}},
                                           SystemColorRow{clInfoBk, {255, 255, 225}},
                                           SystemColorRow{clCaptionText, {255, 255, 255}}));

TEST(ColorTest, SystemColorValuesAreOffsetsFrom0x80000000) {
    EXPECT_EQ(clBtnFace.value, 0x8000000Fu);
    EXPECT_EQ(clBtnShadow.value, 0x80000010u);
    EXPECT_EQ(clBtnHighlight.value, 0x80000014u);
    EXPECT_EQ(clWindowFrame.value, 0x80000006u);
    EXPECT_EQ(clHighlight.value, 0x8000000Du);
    EXPECT_EQ(clBtnText.value, 0x80000012u);
    EXPECT_TRUE(clBtnFace.IsSystem());
    EXPECT_FALSE(clNone.IsSystem());
    EXPECT_FALSE(clWhite.IsSystem());
}

TEST(ColorTest, RgbColorsKeepRedInTheLowByte) {
    EXPECT_EQ(ColorToRGB(TColor(8454143)), (RgbColor{255, 255, 128}));
    EXPECT_EQ(ColorToRGB(clBlue), (RgbColor{0, 0, 255}));
    EXPECT_EQ(ColorToRGB(TColor(0xFF)), (RgbColor{255, 0, 0}));
    EXPECT_EQ(RGB(255, 255, 128), TColor(8454143));
    EXPECT_EQ(ToQRgb(clOlive), qRgb(128, 128, 0));
    EXPECT_EQ(FromQRgb(qRgb(1, 2, 3)), RGB(1, 2, 3));
}

TEST(ColorTest, UnknownSystemIndexResolvesToBlack) {
    EXPECT_EQ(ColorToRGB(TColor(0x80000019u)), (RgbColor{0, 0, 0}));
}

TEST(ColorTest, SignedViewRoundTrips) {
    EXPECT_EQ(TColor::FromInt(-1).value, 0xFFFFFFFFu);
    EXPECT_EQ(clBtnFace.ToInt(), -2147483633);
    EXPECT_EQ(TColor::FromInt(8454143), TColor(0x80FFFF));
}

}  // namespace
