// Single ellipse and polygon rows against the pixel rule itself, tested point by point: small boxes take a
// 64-bit route, boxes from 32768 pixels on a 128-bit one, and both must give the pixels the rule gives.
#include <gtest/gtest.h>

#include <vector>

#include "platform/raster.h"

namespace {

__extension__ using Wide = __int128;

// A pixel belongs to the ellipse inscribed in box when its centre lies inside (doubled coordinates).
bool centreInside(const TRect& box, int x, int y) {
    const Wide w = box.Right - box.Left;
    const Wide h = box.Bottom - box.Top;
    const Wide X = Wide(2) * x + 1 - box.Left - box.Right;
    const Wide Y = Wide(2) * y + 1 - box.Top - box.Bottom;
    return X * X * h * h + Y * Y * w * w <= w * w * h * h;
}

// The row's pixels by the rule, as one span (the shape is convex), or nothing.
bool ruleRow(const TRect& box, int y, int& x0, int& x1) {
    bool any = false;
    for (int x = box.Left; x < box.Right; ++x) {
        if (!centreInside(box, x, y)) continue;
        if (!any) x0 = x;
        x1 = x + 1;
        any = true;
    }
    return any;
}

TEST(RasterTest, EllipseRowsFollowThePixelCentreRuleOnEitherSideOfTheWideRoute) {
    const std::vector<TRect> boxes = {{0, 0, 1, 1},     {0, 0, 2, 1},          {3, -2, 20, 31},
                                      {-7, 4, 6, 5},    {0, 0, 541, 271},      {-116, -58, 657, 329},
                                      {0, 0, 32767, 9}, {-5, 0, 32763, 40001}, {0, -3, 70001, 33000}};
    for (const TRect& box : boxes) {
        // Every row of the small boxes; the first, middle and last few rows of the large ones.
        std::vector<int> rows;
        for (int y = box.Top - 1; y <= box.Bottom; ++y)
            if (box.Height() < 600 || y < box.Top + 3 || y > box.Bottom - 4 ||
                std::abs(2 * y - box.Top - box.Bottom) < 6)
                rows.push_back(y);
        for (int y : rows) {
            int e0 = 0, e1 = 0, a0 = 0, a1 = 0;
            const bool expected = ruleRow(box, y, e0, e1);
            ASSERT_EQ(EllipseRow(box, y, a0, a1), expected) << box.Left << "," << box.Top << " row " << y;
            if (!expected) continue;
            EXPECT_EQ(a0, e0) << box.Right << " row " << y;
            EXPECT_EQ(a1, e1) << box.Right << " row " << y;
        }
    }
}

TEST(RasterTest, ConvexPolygonRowsAreThoseOfThePolygonRasteriser) {
    const std::vector<std::vector<TPoint>> polygons = {
        {{0, 0}, {8, 0}, {0, 5}, {-8, 5}},
        {{542, 0}, {12, 0}, {542, 273}, {1072, 273}},
        {{3, 1}, {9, 4}, {2, 11}},
        {{0, 0}, {0, 0}, {0, 1}, {0, 1}},
        {{-3, 7}, {-40, 7}, {-3, 291}, {34, 291}},
        {{5, -2}, {-6, 250}, {-6, 250}, {17, 3}},
    };
    for (const auto& points : polygons) {
        const std::vector<Span> spans = PolygonSpans(points, FillMode::Alternate, -2, 300);
        // Rows asked downwards carry each edge's column over; upwards, and every other row, work it out anew.
        std::vector<int> down;
        for (int y = -2; y < 300; ++y) down.push_back(y);
        const std::vector<int> up(down.rbegin(), down.rend());
        std::vector<int> skipping;
        for (int y = -2; y < 300; y += 2) skipping.push_back(y);
        for (const std::vector<int>& order : {down, up, skipping}) {
            ConvexPolygonRows rows(points.data(), points.size());
            for (int y : order) {
                int x0 = 0, x1 = 0;
                const bool row = rows.Row(y, x0, x1);
                std::vector<Span> expected;
                for (const Span& s : spans)
                    if (s.Y == y) expected.push_back(s);
                ASSERT_EQ(row, !expected.empty()) << "row " << y;
                if (!row) continue;
                ASSERT_EQ(expected.size(), 1u);
                EXPECT_EQ(x0, expected[0].X0) << "row " << y;
                EXPECT_EQ(x1, expected[0].X1) << "row " << y;
            }
        }
    }
}

}  // namespace
