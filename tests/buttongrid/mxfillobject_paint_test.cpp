#include <gtest/gtest.h>

#include <QImage>

#include "buttongrid/mxfillobject.h"
#include "buttongrid/mxgradientpaint.h"
#include "platform/canvas.h"
#include "support/pixels.h"

namespace {

constexpr TColor kBackground = RGB(1, 2, 250);
constexpr TColor kBase = RGB(90, 90, 90);
constexpr TColor kInk = RGB(200, 10, 10);
constexpr TColor kPaper = RGB(10, 200, 10);

// A 3 × 2 picture: ink in its top-left pixel, paper elsewhere, so tiles and placement can be traced.
QImage Picture() {
    QImage image = Blank(3, 2, kPaper);
    image.setPixel(0, 0, ToQRgb(kInk));
    return image;
}

// Fills rect of a 20 × 12 image and returns the image; *drawn gets FillCanvas's answer.
QImage Fill(const TMxFillObject& fill, const TRect& rect, bool* drawn = nullptr) {
    QImage image = Blank(20, 12, kBackground);
    Canvas canvas(image);
    const bool result = fill.FillCanvas(canvas, rect, kBase);
    if (drawn) *drawn = result;
    return image;
}

// The pixels of image inside rect where the picture's ink pixel landed.
std::vector<TPoint> InkPixels(const QImage& image) {
    std::vector<TPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == kInk) points.push_back({x, y});
    return points;
}

void ExpectOutsideUntouched(const QImage& image, const TRect& rect) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!rect.Contains({x, y})) {
                ASSERT_EQ(At(image, x, y), kBackground) << x << "," << y;
            }
}

const TRect kRect = Rect(2, 1, 17, 10);

TEST(MxFillObjectPaint, NoneDrawsNothingAndSaysSo) {
    TMxFillObject fill;
    bool drawn = true;
    EXPECT_EQ(Fill(fill, kRect, &drawn), Blank(20, 12, kBackground));
    EXPECT_FALSE(drawn);
}

TEST(MxFillObjectPaint, PictureStyleWithoutPictureDrawsNothing) {
    TMxFillObject fill;
    for (const TMxFillStyle style :
         {TMxFillStyle::sfBitmap, TMxFillStyle::sfBitmapList, TMxFillStyle::sfBrushBitmap}) {
        fill.SetStyle(style);
        bool drawn = true;
        EXPECT_EQ(Fill(fill, kRect, &drawn), Blank(20, 12, kBackground));
        EXPECT_FALSE(drawn);
    }
}

TEST(MxFillObjectPaint, SolidBrushFillsExactlyTheRectangle) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfBrush);
    fill.SetBrush({kInk, TMxBrushStyle::bsSolid});
    bool drawn = false;
    const QImage image = Fill(fill, kRect, &drawn);
    EXPECT_TRUE(drawn);
    ExpectOutsideUntouched(image, kRect);
    EXPECT_EQ(At(image, kRect.Left, kRect.Top), kInk);
    EXPECT_EQ(At(image, kRect.Right - 1, kRect.Bottom - 1), kInk);
}

TEST(MxFillObjectPaint, ClearBrushLeavesTheCanvas) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfBrush);
    fill.SetBrush({kInk, TMxBrushStyle::bsClear});
    bool drawn = false;
    EXPECT_EQ(Fill(fill, kRect, &drawn), Blank(20, 12, kBackground));
    EXPECT_TRUE(drawn);
}

TEST(MxFillObjectPaint, GradientGoesThroughABitmapByDefault) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfGradient);
    fill.Gradient().SetStyle(TMxGradientStyle::gstElliptic);
    fill.Gradient().SetColor(kInk);
    fill.Gradient().SetEndColor(kPaper);
    const QImage image = Fill(fill, kRect);
    ExpectOutsideUntouched(image, kRect);  // the elliptic shapes would reach past the rectangle otherwise

    QImage expected = Blank(20, 12, kBackground);
    Canvas canvas(expected);
    MxGradientPaintExt(canvas, kRect, TMxGradientStyle::gstElliptic, &fill.Gradient().ColorTable(), nullptr,
                       kMxGradientUseBitmap, 0);
    EXPECT_EQ(image, expected);
}

TEST(MxFillObjectPaint, GradientWithoutBitmapOptionPaintsStraightOntoTheCanvas) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfGradient);
    fill.SetOptions({TMxFillOption::foFillInner});
    fill.Gradient().SetStyle(TMxGradientStyle::gstElliptic);
    const QImage image = Fill(fill, kRect);
    EXPECT_NE(At(image, kRect.Left - 1, (kRect.Top + kRect.Bottom) / 2), kBackground);
}

TEST(MxFillObjectPaint, UnstretchedPictureSitsByAlignmentAndOffset) {
    struct Row {
        TMxAlignment alignment;
        TPoint ink;
    };
    // kRect is 15 × 9 at (2, 1); the picture is 3 × 2.
    const Row rows[] = {{TMxAlignment::agTopLeft, {2, 1}},     {TMxAlignment::agTopCenter, {8, 1}},
                        {TMxAlignment::agTopRight, {14, 1}},   {TMxAlignment::agCenterLeft, {2, 4}},
                        {TMxAlignment::agCenter, {8, 4}},      {TMxAlignment::agCenterRight, {14, 4}},
                        {TMxAlignment::agBottomLeft, {2, 8}},  {TMxAlignment::agBottomCenter, {8, 8}},
                        {TMxAlignment::agBottomRight, {14, 8}}};
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfBitmap);
    fill.SetTileMode(TMxTileMode::tmNone);
    fill.SetBitmap(Picture());
    for (const Row& row : rows) {
        fill.SetAlignment(row.alignment);
        fill.SetOffsetX(0);
        fill.SetOffsetY(0);
        EXPECT_EQ(InkPixels(Fill(fill, kRect)), std::vector<TPoint>{row.ink})
            << static_cast<int>(row.alignment);
        fill.SetOffsetX(1);
        fill.SetOffsetY(-1);
        const TPoint moved{row.ink.X + 1, row.ink.Y - 1};
        const std::vector<TPoint> expected =
            kRect.Contains(moved) ? std::vector<TPoint>{moved} : std::vector<TPoint>{};
        EXPECT_EQ(InkPixels(Fill(fill, kRect)), expected) << static_cast<int>(row.alignment);
    }
}

TEST(MxFillObjectPaint, UnstretchedPictureFillsInnerWithTheBaseColourAndStaysInside) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfBitmap);
    fill.SetTileMode(TMxTileMode::tmNone);
    fill.SetBitmap(Picture());
    fill.SetAlignment(TMxAlignment::agBottomRight);
    fill.SetOffsetX(2);  // pushes part of the picture past the rectangle's right edge
    const QImage image = Fill(fill, kRect);
    ExpectOutsideUntouched(image, kRect);
    EXPECT_EQ(At(image, kRect.Left, kRect.Top), kBase);
    EXPECT_EQ(At(image, 16, 8), kInk);

    fill.SetOptions({TMxFillOption::foGrUseBitmap});
    EXPECT_EQ(At(Fill(fill, kRect), kRect.Left, kRect.Top), kBackground);
}

TEST(MxFillObjectPaint, CenterModeIgnoresAlignmentAndOffsets) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfBitmap);
    fill.SetTileMode(TMxTileMode::tmCenter);
    fill.SetBitmap(Picture());
    fill.SetAlignment(TMxAlignment::agBottomRight);
    fill.SetOffsetX(3);
    EXPECT_EQ(InkPixels(Fill(fill, kRect)), (std::vector<TPoint>{TPoint{8, 4}}));
}

TEST(MxFillObjectPaint, StretchCoversTheRectangle) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfBitmap);
    fill.SetTileMode(TMxTileMode::tmStretch);
    fill.SetBitmap(Picture());
    const TRect rect = Rect(2, 2, 8, 6);  // twice the picture's size
    const QImage image = Fill(fill, rect);
    ExpectOutsideUntouched(image, rect);
    EXPECT_EQ(InkPixels(image), (std::vector<TPoint>{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));
    EXPECT_EQ(At(image, 7, 5), kPaper);
}

TEST(MxFillObjectPaint, TileStartsAtTheRectanglesCorner) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfBitmapList);
    fill.SetListBitmap(Picture());
    const TRect rect = Rect(2, 1, 10, 6);
    const QImage image = Fill(fill, rect);
    ExpectOutsideUntouched(image, rect);
    EXPECT_EQ(InkPixels(image),
              (std::vector<TPoint>{{2, 1}, {5, 1}, {8, 1}, {2, 3}, {5, 3}, {8, 3}, {2, 5}, {5, 5}, {8, 5}}));
}

TEST(MxFillObjectPaint, BrushBitmapIsAlignedToTheCanvasGrid) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfBrushBitmap);
    fill.SetBitmap(Picture());
    const TRect rect = Rect(2, 1, 10, 6);
    const QImage image = Fill(fill, rect);
    ExpectOutsideUntouched(image, rect);
    EXPECT_EQ(InkPixels(image), (std::vector<TPoint>{{3, 2}, {6, 2}, {9, 2}, {3, 4}, {6, 4}, {9, 4}}));
}

TEST(MxFillObjectPaint, LeavesTheCallersDrawingState) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfBitmap);
    fill.SetBitmap(Picture());
    QImage image = Blank(20, 12, kBackground);
    Canvas canvas(image);
    canvas.SetClipRect(Rect(1, 1, 19, 11));
    const Region clip = canvas.ClipRegion();
    const TBrush brush{clLime, BrushStyle::Clear};
    canvas.SetBrush(brush);
    fill.FillCanvas(canvas, kRect, kBase);
    EXPECT_EQ(canvas.ClipRegion(), clip);
    EXPECT_EQ(canvas.Brush(), brush);
}

}  // namespace
