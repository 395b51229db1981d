#include "platform/region.h"

#include <gtest/gtest.h>

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

TEST(Region, RoundButtonRegionIsASymmetricDiscOverTheWholeControl) {
    const Region r = CreateEllipticRgn(-1, -1, 13, 13);
    EXPECT_EQ(r.Intersected(Rect(0, 0, 12, 12)).BoundingRect(), Rect(0, 0, 12, 12));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(r.Contains({x, y}), r.Contains({11 - x, y}));
            EXPECT_EQ(r.Contains({x, y}), r.Contains({x, 11 - y}));
        }
    EXPECT_FALSE(r.Contains({0, 0}));
    EXPECT_TRUE(r.Contains({0, 5}));
    EXPECT_TRUE(r.Contains({5, 0}));
}

TEST(Region, EllipticRegionMatchesTheOutlinedEllipse) {
    const Region r = CreateEllipticRgn(0, 0, 12, 12);
    EXPECT_EQ(r.BoundingRect(), Rect(0, 0, 12, 12));
    EXPECT_TRUE(CreateEllipticRgn(3, 3, 3, 10).IsEmpty());
}

TEST(Region, RoundRectRegionCutsOnlyTheCorners) {
    const Region r = CreateRoundRectRgn(0, 0, 41, 21, 8, 8);
    EXPECT_EQ(r.BoundingRect(), Rect(0, 0, 41, 21));
    EXPECT_FALSE(r.Contains({0, 0}));
    EXPECT_FALSE(r.Contains({40, 20}));
    EXPECT_TRUE(r.Contains({20, 0}));
    EXPECT_TRUE(r.Contains({0, 10}));
    EXPECT_TRUE(r.Contains({40, 10}));
    // Without corners it is the rectangle.
    EXPECT_EQ(CreateRoundRectRgn(0, 0, 5, 5, 0, 0), CreateRectRgn(0, 0, 5, 5));
}

TEST(Region, BalloonPolygonRegionHasItsTail) {
    const int W = 40;
    const int H = 30;
    const Region r =
        CreatePolygonRgn({{14, 0}, {8, 9}, {0, 9}, {0, H}, {W, H}, {W, 9}, {14, 9}}, FillMode::Winding);
    // The tip of the tail is a point: its first row holds no pixel centre.
    EXPECT_EQ(r.BoundingRect(), Rect(0, 1, W, H));
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
