#include "buttongrid/mxbtnface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "platform/canvas.h"
#include "support/pixels.h"

namespace {

using enum TMxUserButtonStyle;
using enum TMxButtonState;

constexpr TColor kBackground = RGB(10, 20, 30);  // what lay under the face before it was drawn
constexpr TColor kFace = RGB(192, 192, 192);
constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kGrey = RGB(128, 128, 128);
constexpr TColor kBlack = RGB(0, 0, 0);

struct Probe {
    int x;
    int y;
    TColor color;
};

struct FaceRow {
    const char* name;
    TMxUserButtonStyle style;
    TMxButtonState state;
    std::vector<Probe> probes;
};

QImage drawFace(TMxUserButtonStyle style, TMxButtonState state) {
    QImage image = Blank(18, 18, kBackground);
    Canvas canvas(image);
    MxDrawBtnFace(canvas, Rect(0, 0, 18, 18), style, state, kMxSpeedButtonFaceFlags, clBtnFace);
    return image;
}

class MxBtnFacePixels : public testing::TestWithParam<FaceRow> {};

TEST_P(MxBtnFacePixels, MatchTheStyleAndState) {
    const FaceRow& row = GetParam();
    QImage image = drawFace(row.style, row.state);
    Canvas canvas(image);
    for (const Probe& p : row.probes) {
        EXPECT_EQ(canvas.Pixel(p.x, p.y), p.color) << row.name << " at (" << p.x << ", " << p.y << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(
    BoardStyles, MxBtnFacePixels,
    testing::Values(
        // Explorer: nothing over the background when up; a raised inner ring when hot; a sunken outer one
        // when pressed.
        FaceRow{"explorer up",
                ubsExplorer,
                bsUp,
                {{0, 0, kBackground}, {17, 17, kBackground}, {8, 8, kBackground}}},
        FaceRow{"explorer hot",
                ubsExplorer,
                bsMouseOver,
                {{0, 0, kWhite},
                 {8, 0, kWhite},
                 {0, 8, kWhite},
                 {17, 8, kGrey},
                 {8, 17, kGrey},
                 {17, 0, kGrey},
                 {0, 17, kGrey},
                 {1, 1, kBackground},
                 {16, 16, kBackground}}},
        FaceRow{"explorer pressed",
                ubsExplorer,
                bsDown,
                {{0, 0, kGrey},
                 {8, 0, kGrey},
                 {17, 8, kWhite},
                 {8, 17, kWhite},
                 {1, 1, kBackground},
                 {16, 16, kBackground}}},
        // The grid-line look: a grey face, white and black outer ring, grey inner shadow bottom-right.
        FaceRow{"grid up",
                ubsAutoDetect,
                bsUp,
                {{0, 0, kWhite},
                 {8, 0, kWhite},
                 {17, 17, kBlack},
                 {17, 8, kBlack},
                 {16, 16, kGrey},
                 {16, 8, kGrey},
                 {8, 16, kGrey},
                 {1, 1, kFace},
                 {8, 8, kFace}}},
        FaceRow{"grid hot looks up",
                ubsAutoDetect,
                bsMouseOver,
                {{0, 0, kWhite}, {17, 17, kBlack}, {16, 16, kGrey}, {1, 1, kFace}, {8, 8, kFace}}},
        FaceRow{"grid pressed",
                ubsAutoDetect,
                bsDown,
                {{0, 0, kBlack},
                 {8, 0, kBlack},
                 {1, 1, kGrey},
                 {8, 1, kGrey},
                 {17, 17, kWhite},
                 {16, 16, kFace},
                 {8, 8, kFace}}},
        FaceRow{"flat up is a plain fill", ubsFlat, bsUp, {{0, 0, kFace}, {17, 17, kFace}, {8, 8, kFace}}},
        FaceRow{"delphi flat hot has a black outline first",
                ubsDelphiFlat,
                bsMouseOver,
                {{0, 0, kBlack}, {17, 17, kBlack}, {1, 1, kWhite}, {16, 16, kGrey}, {8, 8, kFace}}},
        FaceRow{"win40 pressed as the grid look",
                ubsWin40,
                bsDown,
                {{0, 0, kBlack}, {1, 1, kGrey}, {8, 8, kFace}}}),
    [](const testing::TestParamInfo<FaceRow>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(MxBtnFace, LatchedFaceIsCheckered) {
    QImage image = drawFace(ubsFlat, bsOptionSet);
    Canvas canvas(image);
    const TColor a = canvas.Pixel(8, 8);
    const TColor b = canvas.Pixel(9, 8);
    EXPECT_NE(a, b);
    EXPECT_EQ(canvas.Pixel(9, 9), a);
    EXPECT_TRUE((a == kFace && b == kWhite) || (a == kWhite && b == kFace));
}

TEST(MxBtnFace, PlainWin40PressedIsABlackThenGreyOutline) {
    QImage image = Blank(18, 18, kBackground);
    Canvas canvas(image);
    MxDrawBtnFace(canvas, Rect(0, 0, 18, 18), ubsWin40, bsDown, 0, clBtnFace);
    EXPECT_EQ(canvas.Pixel(0, 0), kBlack);
    EXPECT_EQ(canvas.Pixel(17, 17), kBlack);
    EXPECT_EQ(canvas.Pixel(1, 1), kGrey);
    EXPECT_EQ(canvas.Pixel(16, 16), kGrey);
    EXPECT_EQ(canvas.Pixel(2, 2), kFace);
}

TEST(MxBtnFace, FullSunkenFlagSwapsTheSoftEdge) {
    QImage soft = drawFace(ubsWin40, bsDown);
    QImage image(18, 18, QImage::Format_RGB32);
    Canvas canvas(image);
    MxDrawBtnFace(canvas, Rect(0, 0, 18, 18), ubsWin40, bsDown, kMxSpeedButtonFaceFlags | kMxFaceFullSunken,
                  clBtnFace);
    EXPECT_NE(image, soft);
    EXPECT_EQ(canvas.Pixel(0, 0), kGrey);
    EXPECT_EQ(canvas.Pixel(1, 1), kBlack);
}

TEST(MxBtnFace, DrawsOnlyInsideItsRectangle) {
    QImage image = Blank(30, 30, kBackground);
    Canvas canvas(image);
    for (int s = 0; s < kMxUserButtonStyleCount; ++s) {
        for (TMxButtonState state : {bsUp, bsMouseOver, bsDown, bsOptionSet, bsDisabledUp}) {
            MxDrawBtnFace(canvas, Rect(6, 6, 24, 24), static_cast<TMxUserButtonStyle>(s), state,
                          kMxSpeedButtonFaceFlags, clBtnFace);
        }
    }
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            if (Rect(6, 6, 24, 24).Contains({x, y})) continue;
            ASSERT_EQ(canvas.Pixel(x, y), kBackground) << x << ", " << y;
        }
    }
}

}  // namespace
