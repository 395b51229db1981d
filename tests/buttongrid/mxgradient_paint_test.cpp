#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <tuple>

#include "buttongrid/mxgradient.h"
#include "buttongrid/mxgradientpaint.h"
#include "platform/canvas.h"
#include "platform/intmath.h"
#include "support/pixels.h"

namespace {

constexpr TColor kBackground = RGB(1, 2, 250);

// 236 colours that differ from each other and from kBackground, so a pixel tells which entry painted it.
TMxColorList DistinctTable(int count) {
    TMxColorList table;
    for (int i = 0; i < count; ++i) table.push_back(RGB(i, 255 - i, 7));
    return table;
}

// The table entry a pixel carries, or -1 for the background.
int EntryAt(const QImage& image, int x, int y) {
    const TColor c = At(image, x, y);
    if (c == kBackground) return -1;
    return ColorToRGB(c).r;
}

QImage Paint(int w, int h, TMxGradientStyle style, const TMxColorList& table, std::uint16_t flags = 0) {
    QImage image = Blank(w, h, kBackground);
    Canvas canvas(image);
    MxGradientPaintExt(canvas, Rect(0, 0, w, h), style, &table, nullptr, flags, 0);
    return image;
}

// --- the board's elliptic gradient, painted into a larger image so that every box edge is visible ------

class BoardEllipses : public ::testing::Test {
protected:
    static constexpr int kDx = 200;  // where the 542 × 272 rectangle sits in the image
    static constexpr int kDy = 100;

    void SetUp() override {
        m_image = Blank(1000, 600, kBackground);
        Canvas canvas(m_image);
        const TMxColorList table = DistinctTable(236);
        MxGradientPaintExt(canvas, Bounds(kDx, kDy, 542, 272), TMxGradientStyle::gstElliptic, &table, nullptr,
                           0, 0);
    }

    // An outline-less ellipse in box covers columns left .. right - 2 and rows top .. bottom - 2; with an odd
    // number of each, it reaches all four extremes on the middle row and column.
    void ExpectBoxEdges(const TRect& box, int entry, int outside) {
        const TRect b = box.Offset(kDx, kDy);
        const int midX = (b.Left + b.Right - 2) / 2;
        const int midY = (b.Top + b.Bottom - 2) / 2;
        EXPECT_EQ(EntryAt(m_image, b.Left, midY), entry);
        EXPECT_EQ(EntryAt(m_image, b.Right - 2, midY), entry);
        EXPECT_EQ(EntryAt(m_image, midX, b.Top), entry);
        EXPECT_EQ(EntryAt(m_image, midX, b.Bottom - 2), entry);
        EXPECT_EQ(EntryAt(m_image, b.Left - 1, midY), outside);
        EXPECT_EQ(EntryAt(m_image, b.Right - 1, midY), outside);
        EXPECT_EQ(EntryAt(m_image, midX, b.Top - 1), outside);
        EXPECT_EQ(EntryAt(m_image, midX, b.Bottom - 1), outside);
    }

    QImage m_image;
};

TEST_F(BoardEllipses, LargestEllipseFillsItsBoxBeyondTheRectangle) {
    // Entry 234 has the same vertical radius (194), so only the left and right extremes are the largest's
    // own.
    const TRect b = Rect(-116, -58, 658, 330).Offset(kDx, kDy);
    const int midX = (b.Left + b.Right - 2) / 2;
    const int midY = (b.Top + b.Bottom - 2) / 2;
    EXPECT_EQ(EntryAt(m_image, b.Left, midY), 235);
    EXPECT_EQ(EntryAt(m_image, b.Right - 2, midY), 235);
    EXPECT_EQ(EntryAt(m_image, midX, b.Top), 234);
    EXPECT_EQ(EntryAt(m_image, midX, b.Bottom - 2), 234);
    EXPECT_EQ(EntryAt(m_image, b.Left - 1, midY), -1);
    EXPECT_EQ(EntryAt(m_image, b.Right - 1, midY), -1);
    EXPECT_EQ(EntryAt(m_image, midX, b.Top - 1), -1);
    EXPECT_EQ(EntryAt(m_image, midX, b.Bottom - 1), -1);
}

TEST_F(BoardEllipses, Entry117FillsItsBox) {
    ExpectBoxEdges(Rect(77, 39, 465, 233), 117, 118);
}

TEST_F(BoardEllipses, SmallestEllipseIsOnePixelAtTheCentre) {
    EXPECT_EQ(EntryAt(m_image, kDx + 270, kDy + 135), 0);
    EXPECT_NE(EntryAt(m_image, kDx + 269, kDy + 135), 0);
    EXPECT_NE(EntryAt(m_image, kDx + 271, kDy + 135), 0);
    EXPECT_NE(EntryAt(m_image, kDx + 270, kDy + 134), 0);
    EXPECT_NE(EntryAt(m_image, kDx + 270, kDy + 136), 0);
}

TEST_F(BoardEllipses, CornersOfTheRectangleAreCovered) {
    for (const TPoint p : {TPoint{0, 0}, TPoint{541, 0}, TPoint{0, 271}, TPoint{541, 271}})
        EXPECT_GE(EntryAt(m_image, kDx + p.X, kDy + p.Y), 200) << p.X << "," << p.Y;
}

// --- coverage of the rectangle-based styles, pixel by pixel ------------------------------------------

struct CoverageRow {
    const char* name;
    TMxGradientStyle style;
    // Whether step k (1-based) of count covers pixel (x, y) of a w × h rectangle.
    bool (*covers)(int x, int y, int w, int h, int k, int count);
};

int Sx(int k, int w, int count) {
    return MulDiv(k, w, count);
}

class CoverageTest : public ::testing::TestWithParam<CoverageRow> {};

// Each pixel carries the smallest entry whose shape covers it.
TEST_P(CoverageTest, EveryPixelCarriesTheSmallestCoveringEntry) {
    const CoverageRow& row = GetParam();
    for (const auto& [w, h, count] : {std::tuple{20, 12, 4}, std::tuple{23, 9, 7}, std::tuple{8, 15, 16}}) {
        const QImage image = Paint(w, h, row.style, DistinctTable(count));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int expected = -1;
                for (int k = 1; k <= count && expected < 0; ++k)
                    if (row.covers(x, y, w, h, k, count)) expected = k - 1;
                ASSERT_EQ(EntryAt(image, x, y), expected)
                    << w << "x" << h << "/" << count << " at " << x << "," << y;
            }
    }
}

bool CoversSquare(int x, int y, int w, int h, int k, int count) {
    const int hx = Sx(k, w, count) / 2;
    const int hy = Sx(k, h, count) / 2;
    const int cx = w / 2;
    const int cy = h / 2;
    return x >= cx - hx && x <= cx + hx && y >= cy - hy && y <= cy + hy;
}
bool CoversTopLeft(int x, int y, int w, int h, int k, int count) {
    return x < Sx(k, w, count) && y < Sx(k, h, count);
}
bool CoversTopRight(int x, int y, int w, int h, int k, int count) {
    return x >= w - Sx(k, w, count) && y < Sx(k, h, count);
}
bool CoversBottomLeft(int x, int y, int w, int h, int k, int count) {
    return x < Sx(k, w, count) && y >= h - Sx(k, h, count);
}
bool CoversBottomRight(int x, int y, int w, int h, int k, int count) {
    return x >= w - Sx(k, w, count) && y >= h - Sx(k, h, count);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, CoverageTest,
    ::testing::Values(CoverageRow{"Square", TMxGradientStyle::gstSquare, CoversSquare},
                      CoverageRow{"TopLeft", TMxGradientStyle::gstTopLeft, CoversTopLeft},
                      CoverageRow{"TopRight", TMxGradientStyle::gstTopRight, CoversTopRight},
                      CoverageRow{"BottomLeft", TMxGradientStyle::gstBottomLeft, CoversBottomLeft},
                      CoverageRow{"BottomRight", TMxGradientStyle::gstBottomRight, CoversBottomRight}),
    [](const ::testing::TestParamInfo<CoverageRow>& info) { return std::string(info.param.name); });

// The diagonals, from the integer-point rule. Step k (k = i + 1) with dx = 2·sx, dy = 2·sy:
// - top-left: the triangle (0, 0), (dx, 0), (0, dy + 1); its hypotenuse is a right edge, so (x, y) is in
//   when x·(dy + 1) + y·dx < dx·(dy + 1); row 0 holds exactly dx pixels;
// - top-right: the triangle (W + 1, 0), (W + 1 − dx, 0), (W + 1, dy); its hypotenuse is a left edge, so
//   (x, y) is in when y < dy and (x − W − 1 + dx)·dy >= y·dx.
// A pixel shows the smallest step that covers it, since smaller steps are painted over larger ones.
struct DiagonalCase {
    const char* name;
    int w;
    int h;
    int count;
};

class DiagonalTest : public ::testing::TestWithParam<DiagonalCase> {};

TEST_P(DiagonalTest, EveryPixelShowsTheSmallestTriangleHoldingItsPoint) {
    const auto [name, w, h, count] = GetParam();
    const QImage left = Paint(w, h, TMxGradientStyle::gstTopLeftDiagonal, DistinctTable(count));
    const QImage right = Paint(w, h, TMxGradientStyle::gstTopRightDiagonal, DistinctTable(count));
    const auto inLeft = [&](int k, std::int64_t x, std::int64_t y) {
        const std::int64_t dx = 2 * Sx(k, w, count);
        const std::int64_t dy = 2 * Sx(k, h, count);
        return x * (dy + 1) + y * dx < dx * (dy + 1);
    };
    const auto inRight = [&](int k, std::int64_t x, std::int64_t y) {
        const std::int64_t dx = 2 * Sx(k, w, count);
        const std::int64_t dy = 2 * Sx(k, h, count);
        return y < dy && (x - w - 1 + dx) * dy >= y * dx;
    };
    const auto expected = [&](const auto& inside, int x, int y) {
        for (int k = 1; k <= count; ++k)
            if (inside(k, x, y)) return k - 1;
        return -1;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            ASSERT_EQ(EntryAt(left, x, y), expected(inLeft, x, y)) << "left at " << x << "," << y;
            ASSERT_EQ(EntryAt(right, x, y), expected(inRight, x, y)) << "right at " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Sizes, DiagonalTest,
                         ::testing::Values(DiagonalCase{"Small", 30, 17, 5},
                                           DiagonalCase{"Narrow", 7, 40, 12},
                                           DiagonalCase{"Board", 542, 272, 236}),
                         [](const ::testing::TestParamInfo<DiagonalCase>& info) {
                             return std::string(info.param.name);
                         });

// --- straight bands ---------------------------------------------------------------------------------

TEST(MxGradientPaint, HorizontalWithMoreEntriesThanColumnsGivesEachColumnOneColour) {
    const int w = 10;
    const QImage image = Paint(w, 4, TMxGradientStyle::gstHorizontal, DistinctTable(236));
    int previous = -1;
    for (int x = 0; x < w; ++x) {
        const int entry = EntryAt(image, x, 0);
        ASSERT_GT(entry, previous) << "column " << x;  // painted, and entries grow to the right
        for (int y = 1; y < 4; ++y) EXPECT_EQ(EntryAt(image, x, y), entry) << x << "," << y;
        previous = entry;
    }
    // Entries 225 on round to the right edge and get no width of their own.
    EXPECT_EQ(previous, 224);
}

TEST(MxGradientPaint, VerticalBandsCoverExactlyTheirRows) {
    const QImage image = Paint(3, 10, TMxGradientStyle::gstVertical, DistinctTable(4));
    // MulDiv(i, 10, 4): rows 0-2 (2.5 rounds up to 3), 3-4, 5-7, 8-9.
    const int expected[10] = {0, 0, 0, 1, 1, 2, 2, 2, 3, 3};
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(EntryAt(image, x, y), expected[y]) << x << "," << y;
}

// --- every style --------------------------------------------------------------------------------------

struct StyleRow {
    TMxGradientStyle style;
    TPoint nearPixel;  // where entry 0 lies in a 40 × 22 rectangle
    TPoint farPixel;   // where the last entry lies
};

class EveryStyleTest : public ::testing::TestWithParam<StyleRow> {};

TEST_P(EveryStyleTest, EqualColoursGiveAFlatFill) {
    TMxColorList table;
    MxGradientCreateColorList(RGB(10, 200, 30), RGB(10, 200, 30), 236, true, &table);
    for (const std::uint16_t flags : {std::uint16_t{0}, kMxGradientUseBitmap}) {
        const QImage image = Paint(40, 22, GetParam().style, table, flags);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(At(image, x, y), RGB(10, 200, 30)) << x << "," << y;
    }
}

TEST_P(EveryStyleTest, TwoColoursGiveTwoShapes) {
    const QImage image = Paint(40, 22, GetParam().style, DistinctTable(2));
    std::set<int> entries;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 40; ++x) entries.insert(EntryAt(image, x, y));
    EXPECT_EQ(entries, (std::set<int>{0, 1}));
    EXPECT_EQ(EntryAt(image, GetParam().nearPixel.X, GetParam().nearPixel.Y), 0);
    EXPECT_EQ(EntryAt(image, GetParam().farPixel.X, GetParam().farPixel.Y), 1);
}

TEST_P(EveryStyleTest, ThroughABitmapMatchesDirectPaintingInsideTheRectangle) {
    // Odd sizes leave a corner pixel of the elliptic style uncovered; through a bitmap it gets the last
    // colour, as if the canvas had held that colour already.
    const TMxColorList table = DistinctTable(50);
    QImage direct = Blank(60, 40, kBackground);
    direct.fill(ToQRgb(table.back()));
    QImage buffered = Blank(60, 40, kBackground);
    Canvas d(direct);
    Canvas b(buffered);
    const TRect rect = Rect(7, 5, 52, 33);
    MxGradientPaintExt(d, rect, GetParam().style, &table, nullptr, 0, 0);
    MxGradientPaintExt(b, rect, GetParam().style, &table, nullptr, kMxGradientUseBitmap, 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const TColor expected = rect.Contains({x, y}) ? At(direct, x, y) : kBackground;
            ASSERT_EQ(At(buffered, x, y), expected) << x << "," << y;
        }
}

TEST_P(EveryStyleTest, LeavesTheCallersPenAndBrush) {
    QImage image = Blank(10, 10, kBackground);
    Canvas canvas(image);
    const TPen pen{clRed, 1, PenStyle::Dash};
    const TBrush brush{clLime, BrushStyle::Checkered};
    canvas.SetPen(pen);
    canvas.SetBrush(brush);
    const TMxColorList table = DistinctTable(3);
    MxGradientPaintExt(canvas, Rect(0, 0, 10, 10), GetParam().style, &table, nullptr, kMxGradientClip, 0);
    EXPECT_EQ(canvas.Pen(), pen);
    EXPECT_EQ(canvas.Brush(), brush);
}

INSTANTIATE_TEST_SUITE_P(Styles, EveryStyleTest,
                         ::testing::Values(StyleRow{TMxGradientStyle::gstHorizontal, {0, 11}, {39, 11}},
                                           StyleRow{TMxGradientStyle::gstVertical, {20, 0}, {20, 21}},
                                           StyleRow{TMxGradientStyle::gstSquare, {20, 11}, {0, 0}},
                                           StyleRow{TMxGradientStyle::gstElliptic, {20, 11}, {0, 0}},
                                           StyleRow{TMxGradientStyle::gstTopLeft, {0, 0}, {39, 21}},
                                           StyleRow{TMxGradientStyle::gstTopRight, {39, 0}, {0, 21}},
                                           StyleRow{TMxGradientStyle::gstBottomLeft, {0, 21}, {39, 0}},
                                           StyleRow{TMxGradientStyle::gstBottomRight, {39, 21}, {0, 0}},
                                           StyleRow{TMxGradientStyle::gstTopLeftDiagonal, {0, 0}, {39, 21}},
                                           StyleRow{
                                               TMxGradientStyle::gstTopRightDiagonal, {39, 0}, {0, 21}}));

// --- flags and trivial cases --------------------------------------------------------------------------

TEST(MxGradientPaint, ClipFlagLimitsPaintingToTheRectangleMovedByOffset) {
    QImage image = Blank(60, 40, kBackground);
    Canvas canvas(image);
    const Region before = canvas.ClipRegion();
    const TMxColorList table = DistinctTable(3);
    const auto offset = static_cast<std::uint32_t>(5 | (std::uint16_t(-3) << 16));  // x + 5, y - 3
    MxGradientPaintExt(canvas, Rect(10, 10, 50, 30), TMxGradientStyle::gstHorizontal, &table, nullptr,
                       kMxGradientClip, offset);
    const TRect painted = Rect(15, 10, 50, 27);  // the rectangle and its moved copy overlap here
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(EntryAt(image, x, y) >= 0, painted.Contains({x, y})) << x << "," << y;
    EXPECT_EQ(canvas.ClipRegion(), before);
}

TEST(MxGradientPaint, WithoutClipTheShapesReachBeyondTheRectangle) {
    const TMxColorList table = DistinctTable(3);
    QImage open = Blank(60, 40, kBackground);
    QImage clipped = Blank(60, 40, kBackground);
    Canvas o(open);
    Canvas c(clipped);
    MxGradientPaintExt(o, Rect(20, 10, 40, 30), TMxGradientStyle::gstElliptic, &table, nullptr, 0, 0);
    MxGradientPaintExt(c, Rect(20, 10, 40, 30), TMxGradientStyle::gstElliptic, &table, nullptr,
                       kMxGradientClip, 0);
    EXPECT_EQ(EntryAt(open, 19, 20), 2);
    EXPECT_EQ(EntryAt(clipped, 19, 20), -1);
    EXPECT_EQ(EntryAt(clipped, 20, 20), 2);
}

TEST(MxGradientPaint, PixelsNoEllipseCoversGetTheLastColourThroughABitmap) {
    const TMxColorList table = DistinctTable(236);
    // In 41 × 23 the largest ellipse misses the bottom-right pixel.
    EXPECT_EQ(EntryAt(Paint(41, 23, TMxGradientStyle::gstElliptic, table), 40, 22), -1);
    EXPECT_EQ(EntryAt(Paint(41, 23, TMxGradientStyle::gstElliptic, table, kMxGradientUseBitmap), 40, 22),
              235);
}

TEST(MxGradientPaint, NothingForAnEmptyTableOrRectangle) {
    const TMxColorList empty;
    const TMxColorList table = DistinctTable(4);
    QImage image = Blank(10, 10, kBackground);
    Canvas canvas(image);
    MxGradientPaintExt(canvas, Rect(0, 0, 10, 10), TMxGradientStyle::gstVertical, nullptr, nullptr, 0, 0);
    MxGradientPaintExt(canvas, Rect(0, 0, 10, 10), TMxGradientStyle::gstVertical, &empty, nullptr, 0, 0);
    MxGradientPaintExt(canvas, Rect(5, 5, 5, 10), TMxGradientStyle::gstVertical, &table, nullptr, 0, 0);
    MxGradientPaintExt(canvas, Rect(5, 5, 9, 2), TMxGradientStyle::gstVertical, &table, nullptr,
                       kMxGradientUseBitmap, 0);
    EXPECT_EQ(image, Blank(10, 10, kBackground));
}

TEST(MxGradientPaint, PaletteRealizeKeepsTheTableColours) {
    TMxGradient plain;
    plain.SetColor(RGB(255, 255, 128));
    plain.SetEndColor(clWhite);
    plain.SetColorCount(236);
    plain.SetStyle(TMxGradientStyle::gstElliptic);
    TMxGradient realized;
    realized.Assign(plain);
    realized.SetPaletteRealize(true);
    QImage a = Blank(120, 60, kBackground);
    QImage b = Blank(120, 60, kBackground);
    Canvas ca(a);
    Canvas cb(b);
    plain.PaintGradient(ca, Rect(0, 0, 120, 60));
    realized.PaintGradient(cb, Rect(0, 0, 120, 60));
    EXPECT_EQ(a, b);
    EXPECT_NE(At(a, 60, 30), kBackground);
}

}  // namespace
