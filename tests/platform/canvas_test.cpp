#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/fontsinturn.h"
#include "support/pixels.h"

namespace {

constexpr TColor kBack = clWhite;

// The smallest rectangle around the painted pixels (right and bottom exclusive).
TRect paintedBounds(const QImage& image, TColor back = kBack) {
    const auto pixels = PaintedPixels(image, back);
    if (pixels.empty()) return {};
    TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const auto& [x, y] : pixels) {
        r.Left = std::min(r.Left, x);
        r.Top = std::min(r.Top, y);
        r.Right = std::max(r.Right, x + 1);
        r.Bottom = std::max(r.Bottom, y + 1);
    }
    return r;
}

// --- Rectangles ---------------------------------------------------------------------------------

struct RectCase {
    TRect rect;
    TRect covered;
};

class FillRectCoverage : public ::testing::TestWithParam<RectCase> {};

TEST_P(FillRectCoverage, CoversLeftToRightMinusOne) {
    QImage image = Blank(20, 20);
    Canvas canvas(image);
    canvas.Brush().Color = clRed;
    canvas.FillRect(GetParam().rect);
    EXPECT_EQ(paintedBounds(image), GetParam().covered);
    EXPECT_EQ(PaintedPixels(image).size(),
              static_cast<std::size_t>(GetParam().covered.Width() * GetParam().covered.Height()));
}

INSTANTIATE_TEST_SUITE_P(Canvas, FillRectCoverage,
                         ::testing::Values(RectCase{Rect(2, 3, 7, 9), Rect(2, 3, 7, 9)},
                                           RectCase{Rect(7, 9, 2, 3), Rect(2, 3, 7, 9)},  // reversed corners
                                           RectCase{Rect(7, 3, 2, 9), Rect(2, 3, 7, 9)},
                                           RectCase{Rect(-5, -5, 3, 2),
                                                    Rect(0, 0, 3, 2)},  // outside the image
                                           RectCase{Rect(18, 18, 40, 40), Rect(18, 18, 20, 20)},
                                           RectCase{Rect(4, 4, 4, 9), TRect{}}));

class RectangleCoverage : public ::testing::TestWithParam<std::tuple<TRect, PenStyle, TRect>> {};

TEST_P(RectangleCoverage, PenDecidesTheExtent) {
    const auto [rect, penStyle, covered] = GetParam();
    QImage image = Blank(20, 20);
    Canvas canvas(image);
    canvas.Brush().Color = clLime;
    canvas.Pen().Style = penStyle;
    canvas.Pen().Color = clBlue;
    canvas.Rectangle(rect);
    EXPECT_EQ(paintedBounds(image), covered);
    EXPECT_EQ(PaintedPixels(image).size(), static_cast<std::size_t>(covered.Width() * covered.Height()));
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, RectangleCoverage,
    ::testing::Values(std::make_tuple(Rect(2, 2, 8, 6), PenStyle::Solid, Rect(2, 2, 8, 6)),
                      std::make_tuple(Rect(2, 2, 8, 6), PenStyle::Clear, Rect(2, 2, 7, 5)),
                      std::make_tuple(Rect(8, 6, 2, 2), PenStyle::Clear, Rect(2, 2, 7, 5)),
                      std::make_tuple(Rect(8, 6, 2, 2), PenStyle::Solid, Rect(2, 2, 8, 6))));

TEST(Canvas, RectangleOutlineInPenInteriorInBrush) {
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    canvas.Pen().Color = clBlue;
    canvas.Brush().Color = clLime;
    canvas.Rectangle(1, 1, 6, 5);
    for (int x = 1; x < 6; ++x) {
        EXPECT_EQ(At(image, x, 1), clBlue);
        EXPECT_EQ(At(image, x, 4), clBlue);
    }
    for (int y = 1; y < 5; ++y) {
        EXPECT_EQ(At(image, 1, y), clBlue);
        EXPECT_EQ(At(image, 5, y), clBlue);
    }
    EXPECT_EQ(At(image, 2, 2), clLime);
    EXPECT_EQ(At(image, 4, 3), clLime);
    EXPECT_EQ(PaintedPixels(image).size(), 20u);
}

TEST(Canvas, RectangleWithClearBrushLeavesTheInside) {
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    canvas.Brush().Style = BrushStyle::Clear;
    canvas.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(At(image, 2, 2), kBack);
    EXPECT_EQ(PaintedPixels(image).size(), 16u);
}

TEST(Canvas, FrameRectIsOnePixelInside) {
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    canvas.FrameRect(Rect(2, 2, 7, 6), clRed);
    EXPECT_EQ(paintedBounds(image), Rect(2, 2, 7, 6));
    EXPECT_EQ(PaintedPixels(image).size(), 14u);
    EXPECT_EQ(At(image, 6, 5), clRed);
}

TEST(Canvas, CheckeredBrushFollowsTheImageGrid) {
    QImage image = Blank(6, 4);
    Canvas canvas(image);
    canvas.Brush() = {clBtnFace, BrushStyle::Checkered};
    canvas.FillRect(Rect(1, 0, 6, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 1; x < 6; ++x)
            EXPECT_EQ(At(image, x, y), (x + y) % 2 == 0 ? clWhite : RGB(192, 192, 192));
    EXPECT_EQ(At(image, 0, 0), kBack);
}

TEST(Canvas, SystemColoursResolveWhenDrawn) {
    QImage image = Blank(2, 2);
    Canvas canvas(image);
    canvas.SetPixel(0, 0, clBtnShadow);
    EXPECT_EQ(canvas.Pixel(0, 0), RGB(128, 128, 128));
    EXPECT_EQ(canvas.Pixel(5, 0), clNone);
    canvas.SetPixel(-1, 0, clBlack);  // outside: nothing happens
    EXPECT_EQ(PaintedPixels(image).size(), 1u);
}

TEST(Canvas, OneByOneRectangleIsOnePixel) {
    QImage image = Blank(4, 4);
    Canvas canvas(image);
    canvas.Rectangle(1, 2, 2, 3);
    EXPECT_EQ(PaintedPixels(image), (std::set<std::pair<int, int>>{{1, 2}}));
}

TEST(Canvas, WidePenRectangleIsCentredOnTheOutline) {
    QImage image = Blank(12, 12);
    Canvas canvas(image);
    canvas.Pen() = {clBlue, 3, PenStyle::Solid};
    canvas.Brush().Color = clLime;
    canvas.Rectangle(3, 3, 9, 9);
    EXPECT_EQ(paintedBounds(image), Rect(2, 2, 10, 10));
    EXPECT_EQ(At(image, 4, 4), clBlue);
    EXPECT_EQ(At(image, 5, 5), clLime);
}

TEST(Canvas, DrawsOpaquePixelsIntoTransparentImages) {
    QImage image(3, 3, QImage::Format_ARGB32);
    image.fill(0u);
    Canvas canvas(image);
    canvas.Brush().Color = clRed;
    canvas.FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(image.pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0);
}

TEST(Canvas, OtherImageFormatsAreTakenOverAs32Bits) {
    QImage image(4, 4, QImage::Format_RGB888);
    image.fill(Qt::white);
    Canvas canvas(image);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    canvas.Brush().Color = clBlue;
    canvas.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(At(image, 0, 0), clBlue);
    EXPECT_EQ(At(image, 1, 0), clWhite);
}

// --- Ellipses -----------------------------------------------------------------------------------

TEST(Canvas, OutlineLessEllipseIsASymmetricDiscInsideOnePixelLess) {
    QImage image = Blank(14, 14);
    Canvas canvas(image);
    canvas.Pen().Style = PenStyle::Clear;
    canvas.Brush().Color = clRed;
    canvas.Ellipse(0, 0, 12, 12);
    EXPECT_EQ(paintedBounds(image), Rect(0, 0, 11, 11));
    const auto pixels = PaintedPixels(image);
    for (const auto& [x, y] : pixels) {
        EXPECT_TRUE(pixels.count({10 - x, y})) << x << "," << y;
        EXPECT_TRUE(pixels.count({x, 10 - y})) << x << "," << y;
        EXPECT_TRUE(pixels.count({y, x})) << x << "," << y;
    }
    EXPECT_FALSE(pixels.count({0, 0}));
    EXPECT_TRUE(pixels.count({5, 5}));
}

TEST(Canvas, OutlinedEllipseCoversItsBoxWithAThinOutline) {
    QImage image = Blank(14, 14);
    Canvas canvas(image);
    canvas.Pen().Color = clBlue;
    canvas.Brush().Color = clYellow;
    canvas.Ellipse(0, 0, 12, 12);
    EXPECT_EQ(paintedBounds(image), Rect(0, 0, 12, 12));
    EXPECT_EQ(At(image, 0, 5), clBlue);
    EXPECT_EQ(At(image, 11, 6), clBlue);
    EXPECT_EQ(At(image, 1, 5), clYellow);
    EXPECT_EQ(At(image, 6, 6), clYellow);
    EXPECT_EQ(At(image, 0, 0), kBack);
    // Every yellow pixel has all four neighbours painted: the outline is closed.
    for (const auto& [x, y] : PaintedPixels(image)) {
        if (At(image, x, y) != clYellow) continue;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            EXPECT_NE(At(image, x + dx, y + dy), kBack);
        }
    }
}

TEST(Canvas, ReversedEllipseBoxIsNormalised) {
    QImage a = Blank(14, 14);
    QImage b = Blank(14, 14);
    Canvas(a).Ellipse(1, 2, 12, 10);
    Canvas(b).Ellipse(12, 10, 1, 2);
    EXPECT_EQ(a, b);
}

TEST(Canvas, HugeEllipseClipsToTheImage) {
    // The board gradient's largest ellipse covers the whole panel, corners included.
    QImage image = Blank(542, 272);
    Canvas canvas(image);
    canvas.Pen().Style = PenStyle::Clear;
    canvas.Brush().Color = clRed;
    canvas.Ellipse(-116, -58, 658, 330);
    EXPECT_EQ(PaintedPixels(image).size(), 542u * 272u);
}

TEST(Canvas, SmallestGradientEllipseIsOnePixel) {
    QImage image = Blank(542, 272);
    Canvas canvas(image);
    canvas.Pen().Style = PenStyle::Clear;
    canvas.Brush().Color = clRed;
    canvas.Ellipse(270, 135, 272, 137);
    EXPECT_EQ(PaintedPixels(image), (std::set<std::pair<int, int>>{{270, 135}}));
}

TEST(Canvas, RoundRectCornersAreCutAndEdgesStraight) {
    QImage image = Blank(30, 20);
    Canvas canvas(image);
    canvas.Pen().Color = clBlack;
    canvas.Brush().Color = clLime;
    canvas.RoundRect(Rect(0, 0, 30, 20), 8, 8);
    EXPECT_EQ(paintedBounds(image), Rect(0, 0, 30, 20));
    EXPECT_EQ(At(image, 0, 0), kBack);
    EXPECT_EQ(At(image, 29, 19), kBack);
    EXPECT_EQ(At(image, 15, 0), clBlack);
    EXPECT_EQ(At(image, 0, 10), clBlack);
    EXPECT_EQ(At(image, 29, 10), clBlack);
    EXPECT_EQ(At(image, 15, 19), clBlack);
    EXPECT_EQ(At(image, 15, 10), clLime);
}

// --- Lines and polygons -------------------------------------------------------------------------

TEST(Canvas, LineToLeavesOutItsEndPoint) {
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    canvas.MoveTo(1, 1);
    canvas.LineTo(5, 1);
    EXPECT_EQ(PaintedPixels(image), (std::set<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(canvas.PenPos(), (TPoint{5, 1}));
}

TEST(Canvas, DiagonalLinesStepOnePixelPerRow) {
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    canvas.MoveTo(0, 0);
    canvas.LineTo(4, 2);
    EXPECT_EQ(PaintedPixels(image), (std::set<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    QImage steep = Blank(10, 10);
    Canvas c2(steep);
    c2.MoveTo(3, 3);
    c2.LineTo(0, 0);
    EXPECT_EQ(PaintedPixels(steep), (std::set<std::pair<int, int>>{{3, 3}, {2, 2}, {1, 1}}));
}

TEST(Canvas, DashedPenLeavesGaps) {
    QImage image = Blank(60, 2);
    Canvas canvas(image);
    canvas.Pen().Style = PenStyle::Dash;
    canvas.MoveTo(0, 0);
    canvas.LineTo(60, 0);
    EXPECT_EQ(At(image, 17, 0), clBlack);
    EXPECT_EQ(At(image, 18, 0), kBack);
    EXPECT_EQ(At(image, 23, 0), kBack);
    EXPECT_EQ(At(image, 24, 0), clBlack);
}

// A pixel is filled when its integer point lies inside: on a left or top edge in, on a right or bottom
// edge out. Rows list the covered columns [x0, x1) from the polygon's top row down; {0, 0} is an empty row.
struct PolygonCase {
    const char* name;
    std::vector<TPoint> points;
    int top;
    std::vector<std::pair<int, int>> rows;
};

class PolygonCoverage : public ::testing::TestWithParam<PolygonCase> {};

TEST_P(PolygonCoverage, CoversTheIntegerPointsInside) {
    const PolygonCase& c = GetParam();
    QImage image = Blank(14, 14);
    Canvas canvas(image);
    canvas.Pen().Style = PenStyle::Clear;
    canvas.Brush().Color = clRed;
    canvas.Polygon(c.points);
    std::set<std::pair<int, int>> expected;
    for (std::size_t i = 0; i < c.rows.size(); ++i)
        for (int x = c.rows[i].first; x < c.rows[i].second; ++x)
            expected.insert({x, c.top + static_cast<int>(i)});
    EXPECT_EQ(PaintedPixels(image), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, PolygonCoverage,
    ::testing::Values(
        PolygonCase{"Square", {{1, 1}, {5, 1}, {5, 5}, {1, 5}}, 1, {{1, 5}, {1, 5}, {1, 5}, {1, 5}}},
        // x + y < 4: 4, 3, 2 and 1 pixels, 10 in all.
        PolygonCase{"TopLeftTriangle", {{0, 0}, {4, 0}, {0, 4}}, 0, {{0, 4}, {0, 3}, {0, 2}, {0, 1}}},
        // 4 - y <= x < 4: the hypotenuse is a left edge, so its points are in.
        PolygonCase{"BottomRightTriangle", {{4, 0}, {4, 4}, {0, 4}}, 0, {{0, 0}, {3, 4}, {2, 4}, {1, 4}}},
        // Right edges x = 2y, then x = 12 - 2y: the apex row holds only a point on a right edge.
        PolygonCase{"Arrow", {{0, 0}, {6, 3}, {0, 6}}, 0, {{0, 0}, {0, 2}, {0, 4}, {0, 6}, {0, 4}, {0, 2}}}),
    [](const ::testing::TestParamInfo<PolygonCase>& info) { return std::string(info.param.name); });

// With an outline, every row of a slanted polygon is one run from the fill into the outline.
TEST(Canvas, OutlinedSlantedPolygonLeavesNoGapBetweenFillAndOutline) {
    const std::vector<std::vector<TPoint>> shapes = {
        {{0, 0}, {12, 0}, {0, 9}}, {{1, 0}, {12, 11}, {0, 11}}, {{6, 0}, {12, 11}, {0, 7}}};
    for (const auto& points : shapes) {
        QImage image = Blank(14, 14);
        Canvas canvas(image);
        canvas.Brush().Color = clRed;
        canvas.Polygon(points);
        for (int y = 0; y < 14; ++y) {
            int first = -1;
            int last = -1;
            for (int x = 0; x < 14; ++x)
                if (At(image, x, y) != kBack) {
                    if (first < 0) first = x;
                    last = x;
                }
            for (int x = first; first >= 0 && x <= last; ++x)
                ASSERT_NE(At(image, x, y), kBack) << points[0].X << ": gap at " << x << "," << y;
        }
    }
}

// An outline-less shape covers one column and one row less than its box; when that is empty, nothing.
TEST(Canvas, EmptyOutlineLessShapesPaintNothing) {
    const std::vector<std::pair<const char*, std::function<void(Canvas&)>>> shapes = {
        {"Rectangle 3,3,3,8", [](Canvas& c) { c.Rectangle(Rect(3, 3, 3, 8)); }},
        {"Rectangle 3,3,4,8", [](Canvas& c) { c.Rectangle(Rect(3, 3, 4, 8)); }},
        {"Rectangle 3,8,9,8", [](Canvas& c) { c.Rectangle(Rect(3, 8, 9, 8)); }},
        {"Ellipse 5,5,5,5", [](Canvas& c) { c.Ellipse(Rect(5, 5, 5, 5)); }},
        {"Ellipse 5,5,6,9", [](Canvas& c) { c.Ellipse(Rect(5, 5, 6, 9)); }},
        {"RoundRect 2,2,9,3", [](Canvas& c) { c.RoundRect(Rect(2, 2, 9, 3), 4, 4); }},
    };
    for (const auto& [name, draw] : shapes) {
        QImage image = Blank(12, 12);
        Canvas canvas(image);
        canvas.Pen().Style = PenStyle::Clear;
        canvas.Brush().Color = clRed;
        draw(canvas);
        EXPECT_TRUE(PaintedPixels(image).empty()) << name;
    }
}

TEST(Canvas, PolygonWithPenIncludesEveryVertex) {
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    canvas.Brush().Color = clRed;
    canvas.Polygon({{1, 1}, {5, 1}, {5, 5}, {1, 5}});
    EXPECT_EQ(paintedBounds(image), Rect(1, 1, 6, 6));
    EXPECT_EQ(At(image, 5, 5), clBlack);
    EXPECT_EQ(At(image, 3, 3), clRed);
}

TEST(Canvas, SelfOverlappingPolygonAlternateVersusWinding) {
    // A star drawn in one stroke: its centre is wound twice, its tips once.
    const std::vector<TPoint> star = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    // A square gone round twice: wound twice everywhere.
    const std::vector<TPoint> twice = {{0, 0}, {10, 0}, {10, 10}, {0, 10},
                                       {0, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (FillMode mode : {FillMode::Alternate, FillMode::Winding}) {
        const TColor doubled = mode == FillMode::Winding ? clRed : kBack;
        QImage image = Blank(22, 22);
        Canvas canvas(image);
        canvas.Pen().Style = PenStyle::Clear;
        canvas.Brush().Color = clRed;
        canvas.SetPolyFillMode(mode);
        canvas.Polygon(star);
        EXPECT_EQ(At(image, 10, 10), doubled);
        EXPECT_EQ(At(image, 10, 3), clRed);
        EXPECT_EQ(At(image, 2, 7), clRed);
        EXPECT_EQ(At(image, 10, 20), kBack);

        QImage square = Blank(12, 12);
        Canvas c2(square);
        c2.Pen().Style = PenStyle::Clear;
        c2.Brush().Color = clRed;
        c2.SetPolyFillMode(mode);
        c2.Polygon(twice);
        EXPECT_EQ(At(square, 5, 5), doubled);
    }
}

// --- 3D edges -----------------------------------------------------------------------------------

const TColor kLight3D = RGB(192, 192, 192);
const TColor kDark3D = RGB(0, 0, 0);
const TColor kHighlight = RGB(255, 255, 255);
const TColor kShadow = RGB(128, 128, 128);

using PixelList = std::vector<std::pair<TPoint, TColor>>;

// The two rings of a full edge in (1, 1, 9, 9); the bottom-right colour owns the two far corners.
PixelList rings(TColor outerTopLeft, TColor outerBottomRight, TColor innerTopLeft, TColor innerBottomRight) {
    return {{{4, 1}, outerTopLeft},     {{1, 4}, outerTopLeft},     {{4, 8}, outerBottomRight},
            {{8, 4}, outerBottomRight}, {{8, 1}, outerBottomRight}, {{1, 8}, outerBottomRight},
            {{4, 2}, innerTopLeft},     {{7, 4}, innerBottomRight}, {{0, 0}, clFuchsia},
            {{4, 4}, clFuchsia}};
}

struct EdgeCase {
    const char* name;
    unsigned edge;
    unsigned flags;
    TRect rect;
    TRect after;
    PixelList pixels;
    int painted = -1;  // how many pixels it paints, where that is pinned down
};

class EdgePixels : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgePixels, ClassicColoursAndTheRectangleMovesIn) {
    const EdgeCase& c = GetParam();
    QImage image = Blank(10, 10, clFuchsia);
    Canvas canvas(image);
    TRect rect = c.rect;
    canvas.DrawEdge(rect, c.edge, c.flags);
    for (const auto& [p, colour] : c.pixels) EXPECT_EQ(At(image, p.X, p.Y), colour) << p.X << ", " << p.Y;
    EXPECT_EQ(rect, c.after);
    if (c.painted >= 0) {
        EXPECT_EQ(PaintedPixels(image, clFuchsia).size(), static_cast<std::size_t>(c.painted));
    }
}

const TRect kEdgeRect = Rect(1, 1, 9, 9);
const TRect kInside = Rect(3, 3, 7, 7);

INSTANTIATE_TEST_SUITE_P(
    Canvas, EdgePixels,
    ::testing::Values(EdgeCase{"raised", EDGE_RAISED, BF_RECT, kEdgeRect, kInside,
                               rings(kLight3D, kDark3D, kHighlight, kShadow)},
                      EdgeCase{"raisedSoft", EDGE_RAISED, BF_RECT | BF_SOFT, kEdgeRect, kInside,
                               rings(kHighlight, kDark3D, kLight3D, kShadow)},
                      EdgeCase{"sunken", EDGE_SUNKEN, BF_RECT, kEdgeRect, kInside,
                               rings(kShadow, kHighlight, kDark3D, kLight3D)},
                      EdgeCase{"sunkenSoft", EDGE_SUNKEN, BF_RECT | BF_SOFT, kEdgeRect, kInside,
                               rings(kDark3D, kHighlight, kShadow, kLight3D)},
                      EdgeCase{"etched", EDGE_ETCHED, BF_RECT, kEdgeRect, kInside,
                               rings(kShadow, kHighlight, kHighlight, kShadow)},
                      EdgeCase{"bump", EDGE_BUMP, BF_RECT, kEdgeRect, kInside,
                               rings(kLight3D, kDark3D, kDark3D, kLight3D)},
                      // One edge on some sides keeps the rectangle.
                      EdgeCase{"singleEdgeTopLeft",
                               BDR_RAISEDINNER,
                               BF_TOP | BF_LEFT,
                               kEdgeRect,
                               kEdgeRect,
                               {{{8, 1}, kHighlight}, {{8, 8}, clFuchsia}},
                               15},
                      // Adjust moves only the sides drawn.
                      EdgeCase{"adjustBottomRight",
                               BDR_SUNKENOUTER,
                               BF_BOTTOMRIGHT | BF_ADJUST,
                               kEdgeRect,
                               Rect(1, 1, 8, 8),
                               {}},
                      EdgeCase{"onePixelRaisedFrameAndMiddle",
                               BDR_RAISEDINNER,
                               BF_RECT | BF_MIDDLE,
                               Rect(0, 0, 6, 6),
                               Rect(1, 1, 5, 5),
                               {{{0, 0}, kHighlight}, {{5, 5}, kShadow}, {{3, 3}, RGB(192, 192, 192)}}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Transfers ----------------------------------------------------------------------------------

TEST(Canvas, CopyRectCopiesExactlyTheSourceRectangle) {
    QImage src = Blank(8, 8);
    src.setPixel(2, 3, ToQRgb(clRed));
    src.setPixel(4, 4, ToQRgb(clBlue));
    QImage image = Blank(10, 10, clBlack);
    Canvas canvas(image);
    canvas.CopyRect(Bounds(5, 5, 3, 2), src, Bounds(2, 3, 3, 2));
    EXPECT_EQ(At(image, 5, 5), clRed);
    EXPECT_EQ(At(image, 7, 6), clBlue);
    EXPECT_EQ(At(image, 6, 5), kBack);
    EXPECT_EQ(paintedBounds(image, clBlack), Rect(5, 5, 8, 7));
}

// An unstretched copy takes its fast routes (one block, a block per row) only where they give exactly what
// copying pixel by pixel and making each one opaque gives, byte for byte.
struct CopyCase {
    const char* name;
    QImage::Format format;
    QSize target;
    TRect dest;
    TRect src;
    std::optional<TRect> clip;
};

class CanvasCopyRectTest : public testing::TestWithParam<CopyCase> {};

TEST_P(CanvasCopyRectTest, MatchesPixelByPixelCopy) {
    const CopyCase& c = GetParam();
    QImage src(13, 9, c.format);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            src.setPixel(x, y, qRgba(x * 19, y * 27, x * y, (x + y) % 3 ? 0 : 255));
    QImage image = Blank(c.target, qRgb(1, 2, 3));
    QImage expected = image;
    for (int y = c.dest.Top; y < c.dest.Bottom; ++y)
        for (int x = c.dest.Left; x < c.dest.Right; ++x) {
            const int sx = x - c.dest.Left + c.src.Left;
            const int sy = y - c.dest.Top + c.src.Top;
            const bool inClip = !c.clip || c.clip->Contains(TPoint{x, y});
            if (inClip && expected.rect().contains(x, y) && src.rect().contains(sx, sy))
                reinterpret_cast<QRgb*>(expected.scanLine(y))[x] =
                    reinterpret_cast<const QRgb*>(src.constScanLine(sy))[sx] | kOpaqueAlpha;
        }
    Canvas canvas(image);
    if (c.clip) canvas.SetClipRect(*c.clip);
    canvas.CopyRect(c.dest, src, c.src);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x],
                      reinterpret_cast<const QRgb*>(expected.constScanLine(y))[x])
                << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Routes, CanvasCopyRectTest,
    testing::Values(
        CopyCase{"WholeOpaque", QImage::Format_RGB32, {13, 9}, Rect(0, 0, 13, 9), Rect(0, 0, 13, 9), {}},
        CopyCase{"WholeWithAlpha", QImage::Format_ARGB32, {13, 9}, Rect(0, 0, 13, 9), Rect(0, 0, 13, 9), {}},
        CopyCase{"WholeClipped",
                 QImage::Format_RGB32,
                 {13, 9},
                 Rect(0, 0, 13, 9),
                 Rect(0, 0, 13, 9),
                 Rect(2, 1, 7, 8)},
        CopyCase{"WholeOntoWider", QImage::Format_RGB32, {17, 9}, Rect(0, 0, 13, 9), Rect(0, 0, 13, 9), {}},
        CopyCase{"PartOpaque", QImage::Format_RGB32, {20, 12}, Rect(5, 4, 11, 9), Rect(2, 3, 8, 8), {}},
        CopyCase{"PartPremultiplied",
                 QImage::Format_ARGB32_Premultiplied,
                 {20, 12},
                 Rect(5, 4, 11, 9),
                 Rect(2, 3, 8, 8),
                 {}},
        CopyCase{"HangingOverEveryEdge",
                 QImage::Format_RGB32,
                 {10, 6},
                 Rect(-3, -2, 12, 9),
                 Rect(-1, -2, 14, 9),
                 Rect(1, 0, 9, 5)}),
    [](const testing::TestParamInfo<CopyCase>& info) { return std::string(info.param.name); });

TEST(Canvas, StretchKeepsBothEndsOfAColourStrip) {
    QImage strip(1, 256, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i) strip.setPixel(0, i, qRgb(i, 0, 0));
    for (int height : {20, 256, 446}) {
        QImage image = Blank(4, height);
        Canvas canvas(image);
        canvas.StretchDraw(Rect(0, 0, 4, height), strip);
        EXPECT_EQ(qRed(image.pixel(3, 0)), 0) << height;
        EXPECT_EQ(qRed(image.pixel(3, height - 1)), 255) << height;
        for (int y = 1; y < height; ++y) EXPECT_GE(qRed(image.pixel(0, y)), qRed(image.pixel(0, y - 1)));
    }
}

TEST(Canvas, TransparentCopyLeavesOutExactlyTheKeyColour) {
    QImage src = Blank(3, 1);
    src.setPixel(0, 0, ToQRgb(clOlive));
    src.setPixel(1, 0, ToQRgb(RGB(0x80, 0x80, 0x01)));  // one step away from the key: copied
    src.setPixel(2, 0, ToQRgb(clBlack));
    QImage image = Blank(3, 1, clBlue);
    Canvas canvas(image);
    canvas.DrawTransparent(0, 0, src, clOlive);
    EXPECT_EQ(At(image, 0, 0), clBlue);
    EXPECT_EQ(At(image, 1, 0), RGB(0x80, 0x80, 0x01));
    EXPECT_EQ(At(image, 2, 0), clBlack);
}

TEST(Canvas, MaskStampPaintsTheBrushWhereTheMaskIsBlack) {
    QImage mask(3, 2, QImage::Format_Mono);
    mask.setColor(0, qRgb(0, 0, 0));
    mask.setColor(1, qRgb(255, 255, 255));
    mask.fill(1);
    mask.setPixel(0, 0, 0);
    mask.setPixel(2, 1, 0);
    QImage image = Blank(5, 4, clBlue);
    Canvas canvas(image);
    canvas.Brush().Color = clBtnHighlight;
    canvas.StampMask(1, 1, mask);
    EXPECT_EQ(PaintedPixels(image, clBlue), (std::set<std::pair<int, int>>{{1, 1}, {3, 2}}));
    EXPECT_EQ(At(image, 1, 1), clWhite);
}

TEST(Canvas, ColorKeyedImageTurnsTheKeyTransparent) {
    QImage src = Blank(2, 1, clBlack);
    src.setPixel(1, 0, ToQRgb(clRed));
    const QImage keyed = ColorKeyedImage(src, clBlack);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(keyed.pixel(1, 0), ToQRgb(clRed) | kOpaqueAlpha);
}

// --- Clipping -----------------------------------------------------------------------------------

TEST(Canvas, ClipRectLimitsEveryPrimitive) {
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    canvas.SetClipRect(Rect(2, 2, 5, 6));
    canvas.Brush().Color = clRed;
    canvas.FillRect(Rect(0, 0, 10, 10));
    canvas.MoveTo(0, 8);
    canvas.LineTo(9, 8);
    EXPECT_EQ(paintedBounds(image), Rect(2, 2, 5, 6));
    EXPECT_EQ(PaintedPixels(image).size(), 12u);
    canvas.ResetClip();
    canvas.FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(PaintedPixels(image).size(), 100u);
}

TEST(Canvas, EllipticClipRegionKeepsOnlyTheDisc) {
    QImage image = Blank(12, 12);
    Canvas canvas(image);
    const Region region = CreateEllipticRgn(-1, -1, 13, 13);
    canvas.SelectClipRgn(region);
    canvas.Brush().Color = clRed;
    canvas.FillRect(Rect(0, 0, 12, 12));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(At(image, x, y) == clRed, region.Contains({x, y})) << x << "," << y;
    EXPECT_EQ(At(image, 0, 0), kBack);
    EXPECT_EQ(At(image, 0, 5), clRed);
}

TEST(Canvas, IntersectClipRectNarrowsTheClip) {
    struct Case {
        bool clippedFirst;  // to 0, 0 .. 6, 6
        TRect rect;
        TRect painted;
    };
    const Case cases[] = {
        {true, Rect(4, 4, 10, 10), Rect(4, 4, 6, 6)},
        {true, Rect(7, 0, 9, 9), {}},
        {false, Rect(4, 4, 10, 10), Rect(4, 4, 10, 10)},
        {false, Rect(9, 8, 3, 2), Rect(3, 2, 9, 8)},
        {false, Rect(-3, 2, 25, 7), Rect(0, 2, 10, 7)},
        {false, Rect(12, 0, 20, 5), {}},
        {false, Rect(0, -9, 5, -2), {}},
    };
    for (const Case& c : cases) {
        QImage image = Blank(10, 10);
        Canvas canvas(image);
        if (c.clippedFirst) canvas.SetClipRect(Rect(0, 0, 6, 6));
        canvas.IntersectClipRect(c.rect);
        canvas.Brush().Color = clRed;
        canvas.FillRect(Rect(0, 0, 10, 10));
        EXPECT_EQ(paintedBounds(image), c.painted)
            << c.clippedFirst << " " << c.rect.Left << "," << c.rect.Top;
    }
}

// --- Text ---------------------------------------------------------------------------------------

Font ipaFont(const char* name, int height) {
    Font font;
    font.SetName(QString::fromUtf8(name));
    font.SetHeight(height);
    font.SetColor(clBlack);
    return font;
}

TEST(CanvasText, ExtentIsAdvanceByCellHeight) {
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    canvas.SetFont(ipaFont("ＭＳ ゴシック", -16));
    const TTextMetric tm = canvas.GetTextMetrics();
    EXPECT_TRUE(tm.IsTrueType());
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 16);
    // The fixed-pitch gothic gives every full-width character the em width.
    EXPECT_EQ(canvas.TextExtent(QStringLiteral("━━━")), (TPoint{48, tm.tmHeight}));
    EXPECT_EQ(canvas.TextWidth(QString()), 0);
}

TEST(CanvasText, ExtentFollowsEveryChangeOfFontAndText) {
    // Every answer is the font's own measure, the second time round as well.
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    for (int pass = 0; pass < 2; ++pass)
        for (const FontInTurn& row : FontsInTurn())
            for (const QString& text : {QStringLiteral("Ab━"), QStringLiteral("Abc")}) {
                const Font font = row.Make();
                canvas.SetFont(font);
                const QFontMetrics metrics(font.ToQFont());
                EXPECT_EQ(canvas.TextWidth(text), metrics.horizontalAdvance(text))
                    << row.family << row.height;
                EXPECT_EQ(canvas.GetTextMetrics().tmHeight, metrics.ascent() + metrics.descent())
                    << row.family << row.height;
            }
}

TEST(CanvasText, JapaneseAndEveryBoxGlyphRender) {
    for (const char* name : {"ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝", "ＭＳ ゴシック"}) {
        for (const QString& text :
             {QStringLiteral("ポルポルMoxel!"), QStringLiteral("チマチマ数"), QStringLiteral("┏"),
              QStringLiteral("┓"), QStringLiteral("┗"), QStringLiteral("┛"), QStringLiteral("┃"),
              QStringLiteral("┣"), QStringLiteral("┫"), QStringLiteral("━"), QStringLiteral("┳"),
              QStringLiteral("┻"), QStringLiteral("╋")}) {
            QImage image = Blank(200, 40);
            Canvas canvas(image);
            canvas.SetBkMode(BackgroundMode::Transparent);
            canvas.SetFont(ipaFont(name, -16));
            canvas.TextOut(2, 2, text);
            EXPECT_GT(PaintedPixels(image).size(), 10u) << name << " " << text.toStdString();
        }
    }
}

TEST(CanvasText, GlyphPixelsAreExactlyTheFontColourAndRepeatable) {
    QImage a = Blank(80, 40);
    QImage b = Blank(80, 40);
    for (QImage* image : {&a, &b}) {
        Canvas canvas(*image);
        canvas.SetBkMode(BackgroundMode::Transparent);
        Font font = ipaFont("ＭＳ Ｐ明朝", -30);
        font.SetColor(clRed);
        font.SetStyle({FontStyle::Bold});
        font.SetEscapement(350);
        canvas.SetFont(font);
        canvas.TextOut(20, 30, QStringLiteral("┣あ"));
    }
    EXPECT_EQ(a, b);
    for (const auto& [x, y] : PaintedPixels(a)) EXPECT_EQ(At(a, x, y), clRed);
    EXPECT_FALSE(PaintedPixels(a).empty());
}

TEST(CanvasText, EscapementTurnsTheGlyphAboutItsStartPoint) {
    // A glyph turned by 90 degrees counter-clockwise about (x, y): a pixel at (u, v) from the start point
    // moves to (v, -u), so the text runs upward and lies above and to the right of the start point.
    const int x = 40;
    const int y = 60;
    QImage flat = Blank(100, 100);
    Canvas c1(flat);
    c1.SetBkMode(BackgroundMode::Transparent);
    c1.SetFont(ipaFont("ＭＳ ゴシック", -30));
    c1.TextOut(x, y, QStringLiteral("┗"));
    const TRect f = paintedBounds(flat);

    QImage turned = Blank(100, 100);
    Canvas c2(turned);
    c2.SetBkMode(BackgroundMode::Transparent);
    Font font = ipaFont("ＭＳ ゴシック", -30);
    font.SetEscapement(900);
    c2.SetFont(font);
    c2.TextOut(x, y, QStringLiteral("┗"));
    const TRect t = paintedBounds(turned);

    const TRect expected{x + (f.Top - y), y - (f.Right - x), x + (f.Bottom - y), y - (f.Left - x)};
    EXPECT_NEAR(t.Left, expected.Left, 1);
    EXPECT_NEAR(t.Top, expected.Top, 1);
    EXPECT_NEAR(t.Right, expected.Right, 1);
    EXPECT_NEAR(t.Bottom, expected.Bottom, 1);
    EXPECT_GE(t.Left, x);
    EXPECT_LE(t.Bottom, y + 1);
}

TEST(CanvasText, OpaqueModeFillsTheTextCell) {
    QImage image = Blank(100, 40);
    Canvas canvas(image);
    canvas.SetFont(ipaFont("ＭＳ ゴシック", -16));
    canvas.SetBkMode(BackgroundMode::Opaque);
    canvas.SetBackgroundColor(clYellow);
    canvas.TextOut(3, 4, QStringLiteral("ab"));
    const TPoint extent = canvas.TextExtent(QStringLiteral("ab"));
    EXPECT_EQ(paintedBounds(image), Bounds(3, 4, extent.X, extent.Y));
    EXPECT_EQ(At(image, 3, 4), clYellow);
}

TEST(CanvasText, CalcRectMeasuresWidestLineAndLineCount) {
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    canvas.SetFont(ipaFont("ＭＳ ゴシック", -12));
    const int lh = canvas.GetTextMetrics().tmHeight;
    TRect r = Rect(5, 7, 5 + 200, 7);
    EXPECT_EQ(canvas.DrawText(QStringLiteral("ab\nabcd\r\nx"), r, DT_CALCRECT), 3 * lh);
    EXPECT_EQ(r, Rect(5, 7, 5 + canvas.TextWidth(QStringLiteral("abcd")), 7 + 3 * lh));
    TRect single = Rect(0, 0, 200, 0);
    canvas.DrawText(QStringLiteral("ab\nabcd"), single, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(single.Height(), lh);
    TRect empty = Rect(0, 0, 200, 0);
    EXPECT_EQ(canvas.DrawText(QString(), empty, DT_CALCRECT), 0);
    EXPECT_EQ(empty, Rect(0, 0, 0, 0));
    // No drawing happens while measuring.
    EXPECT_TRUE(PaintedPixels(image).empty());
}

TEST(CanvasText, ExpandTabsAdvancesToTheNextStop) {
    QImage image = Blank(10, 10);
    Canvas canvas(image);
    canvas.SetFont(ipaFont("ＭＳ ゴシック", -12));
    const int stop = 8 * canvas.GetTextMetrics().tmAveCharWidth;
    TRect r = Rect(0, 0, 500, 0);
    canvas.DrawText(QStringLiteral("a\tb"), r, DT_CALCRECT | DT_EXPANDTABS);
    EXPECT_EQ(r.Width(), stop + canvas.TextWidth(QStringLiteral("b")));
}

TEST(CanvasText, CenterAndVCenterCentreASingleLine) {
    QImage image = Blank(120, 60);
    Canvas canvas(image);
    canvas.SetFont(ipaFont("ＭＳ ゴシック", -16));
    canvas.SetBkMode(BackgroundMode::Opaque);
    canvas.SetBackgroundColor(clYellow);
    TRect r = Rect(10, 10, 110, 50);
    const TPoint extent = canvas.TextExtent(QStringLiteral("abc"));
    canvas.DrawText(QStringLiteral("abc"), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(paintedBounds(image),
              Bounds(10 + (100 - extent.X) / 2, 10 + (40 - extent.Y) / 2, extent.X, extent.Y));
}

// Where the prefixes go is the layout's own test; drawn, the underline sits under the accelerator only.
TEST(CanvasText, PrefixUnderlinesOnlyTheAccelerator) {
    QImage drawn = Blank(100, 30);
    Canvas c2(drawn);
    c2.SetBkMode(BackgroundMode::Transparent);
    c2.SetFont(ipaFont("ＭＳ ゴシック", -16));
    TRect r = Rect(0, 0, 100, 30);
    c2.DrawText(QStringLiteral("a&b"), r, DT_SINGLELINE);
    QImage plain = Blank(100, 30);
    Canvas c3(plain);
    c3.SetBkMode(BackgroundMode::Transparent);
    c3.SetFont(ipaFont("ＭＳ ゴシック", -16));
    c3.TextOut(0, 0, QStringLiteral("ab"));
    const int aWidth = c3.TextWidth(QStringLiteral("a"));
    std::set<std::pair<int, int>> extra;
    for (const auto& p : PaintedPixels(drawn))
        if (!PaintedPixels(plain).count(p)) extra.insert(p);
    ASSERT_FALSE(extra.empty());
    for (const auto& [x, y] : extra) {
        EXPECT_GE(x, aWidth);
        EXPECT_GT(y, c3.GetTextMetrics().tmAscent - 2);
    }
}

TEST(CanvasText, DrawTextClipsToItsRectangle) {
    QImage image = Blank(100, 30);
    Canvas canvas(image);
    canvas.SetBkMode(BackgroundMode::Transparent);
    canvas.SetFont(ipaFont("ＭＳ ゴシック", -16));
    TRect r = Rect(0, 0, 12, 30);
    canvas.DrawText(QStringLiteral("━━━━"), r, 0);
    EXPECT_LE(paintedBounds(image).Right, 12);
    // The canvas's own clip is back afterwards.
    canvas.SetPixel(50, 20, clRed);
    EXPECT_EQ(At(image, 50, 20), clRed);
}

TEST(CanvasText, TextPathAsClipAndStroke) {
    QImage image = Blank(80, 80);
    Canvas canvas(image);
    canvas.SetFont(ipaFont("ＭＳ ゴシック", -60));
    canvas.BeginPath();
    canvas.TextOut(10, 10, QStringLiteral("■"));
    canvas.EndPath();
    EXPECT_TRUE(PaintedPixels(image).empty());  // recorded, not drawn
    canvas.SelectClipPath();
    canvas.Brush().Color = clRed;
    canvas.FillRect(Rect(0, 0, 80, 80));
    const TRect filled = paintedBounds(image);
    EXPECT_GT(filled.Width(), 30);
    EXPECT_GT(filled.Left, 10);
    EXPECT_EQ(At(image, 0, 0), kBack);
    EXPECT_EQ(At(image, filled.Left + filled.Width() / 2, filled.Top + filled.Height() / 2), clRed);
    canvas.ResetClip();

    QImage stroked = Blank(80, 80);
    Canvas c2(stroked);
    c2.SetFont(ipaFont("ＭＳ ゴシック", -60));
    c2.BeginPath();
    c2.TextOut(10, 10, QStringLiteral("■"));
    c2.EndPath();
    c2.Pen().Color = clBlue;
    c2.StrokePath();
    const TRect outline = paintedBounds(stroked);
    EXPECT_NEAR(outline.Left, filled.Left, 1);
    EXPECT_NEAR(outline.Right, filled.Right, 1);
    // Only the outline: the middle of the square stays empty.
    EXPECT_EQ(At(stroked, outline.Left + outline.Width() / 2, outline.Top + outline.Height() / 2), kBack);
    for (const auto& [x, y] : PaintedPixels(stroked)) EXPECT_EQ(At(stroked, x, y), clBlue);
}

}  // namespace
