#include "platform/region.h"

#include <gtest/gtest.h>

#include <QImage>

#include "platform/canvas.h"

namespace {

int area(const Region& region) {
    int n = 0;
    for (const Span& s : region.Spans()) n += s.X1 - s.X0;
    return n;
}

TEST(Region, RectRegionCoversExclusiveRightAndBottom) {
    const Region r = CreateRectRgn(2, 3, 6, 5);
    EXPECT_EQ(r.BoundingRect(), Rect(2, 3, 6, 5));
    EXPECT_EQ(area(r), 8);
    EXPECT_TRUE(r.Contains({5, 4}));
    EXPECT_FALSE(r.Contains({6, 4}));
    EXPECT_FALSE(r.Contains({5, 5}));
    EXPECT_EQ(CreateRectRgn(6, 5, 2, 3), r);
    EXPECT_TRUE(CreateRectRgn(2, 2, 2, 9).IsEmpty());
}

// An elliptic or rounded region leaves out the right column and bottom row that the shape drawn with an
// outline on the same box covers: it is the shape an outline-less fill on that box paints.
struct RoundCase {
    const char* name;
    TRect box;
    int corner;  // 0: an ellipse; otherwise the corner size of a rounded rectangle
};

class RoundRegion : public ::testing::TestWithParam<RoundCase> {};

std::vector<Span> pixelsOf(const QImage& image) {
    std::vector<Span> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != QColor(Qt::white).rgb()) pixels.push_back({y, x, x + 1});
    return pixels;
}

Region drawn(const RoundCase& c, PenStyle pen) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(image);
    canvas.Pen().Style = pen;
    canvas.Brush().Color = clRed;
    if (c.corner == 0)
        canvas.Ellipse(c.box);
    else
        canvas.RoundRect(c.box, c.corner, c.corner);
    return Region::FromSpans(pixelsOf(image));
}

TEST_P(RoundRegion, IsOneColumnAndOneRowSmallerThanTheDrawnShape) {
    const RoundCase& c = GetParam();
    const TRect& b = c.box;
    const Region region = c.corner == 0
                              ? CreateEllipticRgn(b.Left, b.Top, b.Right, b.Bottom)
                              : CreateRoundRectRgn(b.Left, b.Top, b.Right, b.Bottom, c.corner, c.corner);
    const TRect full = drawn(c, PenStyle::Solid).BoundingRect();
    EXPECT_EQ(region.BoundingRect(), Rect(full.Left, full.Top, full.Right - 1, full.Bottom - 1));
    EXPECT_EQ(region, drawn(c, PenStyle::Clear));
}

INSTANTIATE_TEST_SUITE_P(Shapes, RoundRegion,
                         ::testing::Values(RoundCase{"Disc", Rect(2, 2, 14, 14), 0},
                                           RoundCase{"OddEllipse", Rect(3, 5, 20, 16), 0},
                                           RoundCase{"RoundRect", Rect(2, 2, 33, 19), 8},
                                           RoundCase{"OddRoundRect", Rect(5, 21, 18, 38), 5}),
                         [](const ::testing::TestParamInfo<RoundCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Region, BoxesWithoutInnerPixelsGiveEmptyRoundRegions) {
    EXPECT_TRUE(CreateEllipticRgn(3, 3, 3, 10).IsEmpty());
    EXPECT_TRUE(CreateEllipticRgn(3, 3, 4, 10).IsEmpty());
    EXPECT_TRUE(CreateRoundRectRgn(3, 3, 10, 4, 2, 2).IsEmpty());
}

// The disc of a 12 x 12 round control, built on (-1, -1, 13, 13), lies on the box (-1, -1, 12, 12): its
// centre is (5.5, 5.5) in pixel edges, so column x mirrors column 10 - x.
TEST(Region, RoundButtonRegionIsTheDiscOfTheBoxWithoutItsLowerRightPoint) {
    const Region r = CreateEllipticRgn(-1, -1, 13, 13);
    EXPECT_EQ(r.BoundingRect(), Rect(-1, -1, 12, 12));
    for (int y = -1; y < 12; ++y)
        for (int x = -1; x < 12; ++x) {
            EXPECT_EQ(r.Contains({x, y}), r.Contains({10 - x, y}));
            EXPECT_EQ(r.Contains({x, y}), r.Contains({x, 10 - y}));
        }
    EXPECT_FALSE(r.Contains({0, 0}));
    EXPECT_TRUE(r.Contains({0, 5}));
    EXPECT_TRUE(r.Contains({11, 5}));
    EXPECT_FALSE(r.Contains({12, 5}));
}

TEST(Region, RoundRectRegionCutsOnlyTheCorners) {
    const Region r = CreateRoundRectRgn(0, 0, 41, 21, 8, 8);
    EXPECT_EQ(r.BoundingRect(), Rect(0, 0, 40, 20));
    EXPECT_FALSE(r.Contains({0, 0}));
    EXPECT_FALSE(r.Contains({39, 19}));
    EXPECT_TRUE(r.Contains({20, 0}));
    EXPECT_TRUE(r.Contains({0, 10}));
    EXPECT_TRUE(r.Contains({39, 10}));
    // Without corners it is the rectangle less its right column and bottom row.
    EXPECT_EQ(CreateRoundRectRgn(0, 0, 5, 5, 0, 0), CreateRectRgn(0, 0, 4, 4));
}

TEST(Region, BalloonPolygonRegionHasItsTail) {
    const int W = 40;
    const int H = 30;
    const Region r =
        CreatePolygonRgn({{14, 0}, {8, 9}, {0, 9}, {0, H}, {W, H}, {W, 9}, {14, 9}}, FillMode::Winding);
    // The tail's left edge reaches x = 13 only on row 2 (14 - 6y / 9 <= 13); above, the only points lie on
    // its right edge, which is out.
    EXPECT_EQ(r.BoundingRect(), Rect(0, 2, W, H));
    EXPECT_TRUE(r.Contains({13, 2}));
    EXPECT_FALSE(r.Contains({20, 2}));
    EXPECT_TRUE(r.Contains({30, 20}));
}

TEST(Region, FromSpansMergesAndSorts) {
    const Region r = Region::FromSpans({{1, 5, 8}, {0, 0, 2}, {1, 2, 5}, {1, 9, 10}, {0, 3, 3}});
    EXPECT_EQ(r.Spans(), (std::vector<Span>{{0, 0, 2}, {1, 2, 8}, {1, 9, 10}}));
}

TEST(Region, IntersectUniteAndOffset) {
    const Region a = CreateRectRgn(0, 0, 4, 4);
    const Region b = CreateRectRgn(2, 2, 6, 6);
    EXPECT_EQ(a.Intersected(b), CreateRectRgn(2, 2, 4, 4));
    EXPECT_EQ(area(a.United(b)), 28);
    EXPECT_EQ(a.Offset(2, 2), CreateRectRgn(2, 2, 6, 6));
    EXPECT_TRUE(a.Intersected(CreateRectRgn(10, 10, 12, 12)).IsEmpty());
    // Several spans on a row against one: every overlap is kept.
    const Region comb = Region::FromSpans({{0, 0, 1}, {0, 2, 3}, {0, 4, 5}});
    EXPECT_EQ(comb.Intersected(CreateRectRgn(0, 0, 5, 1)), comb);
}

TEST(Region, QRegionHasTheSamePixels) {
    const Region r = CreateEllipticRgn(0, 0, 17, 11).United(CreateRectRgn(20, 3, 25, 4));
    const QRegion q = r.ToQRegion();
    for (int y = -1; y < 13; ++y)
        for (int x = -1; x < 27; ++x)
            EXPECT_EQ(q.contains(QPoint(x, y)), r.Contains({x, y})) << x << "," << y;
}

}  // namespace
