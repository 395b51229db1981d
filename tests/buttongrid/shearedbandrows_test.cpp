// Parallelograms with a horizontal top and bottom, asked about rows in every order, against the polygon
// rasteriser; and the polygons the rows leave to the general rasteriser.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "buttongrid/shearedbandrows.h"
#include "platform/raster.h"

namespace {

constexpr int kLeft = -50;
constexpr int kRight = 600;

// The clamped span PolygonSpans gives on row y, or {0, 0}.
std::pair<int, int> expectedColumns(const std::vector<TPoint>& points, int y) {
    for (const Span& s : PolygonSpans(points, FillMode::Alternate, y, y + 1)) {
        const int x0 = std::max(s.X0, kLeft) - kLeft;
        const int x1 = std::min(s.X1, kRight) - kLeft;
        if (x0 < x1) return {x0, x1};
    }
    return {0, 0};
}

std::pair<int, int> columns(int x0, int x1) {
    return x0 < x1 ? std::pair{x0, x1} : std::pair{0, 0};
}

TEST(ShearedBandRowsTest, RowsInAnyOrderAreThoseOfThePolygonRasteriser) {
    const std::vector<std::vector<TPoint>> polygons = {
        {{0, 0}, {8, 0}, {0, 5}, {-8, 5}},          {{542, 0}, {12, 0}, {542, 273}, {1072, 273}},
        {{0, 0}, {0, 0}, {0, 1}, {0, 1}},           {{-3, 7}, {-40, 7}, {-3, 291}, {34, 291}},
        {{5, 2}, {5, 2}, {9, 2}, {9, 2}},           {{-70, 250}, {-60, 3}, {1, 3}, {-9, 250}},
        {{100, 10}, {110, 10}, {90, 11}, {80, 11}}, {{0, 0}, {1084, 0}, {0, 545}, {-1084, 545}},
    };
    ShearedBandRows rows;
    for (const auto& points : polygons) {
        ShearedBandRows::Band band{};
        ASSERT_TRUE(ShearedBandRows::Describe(points.data(), points.size(), band));
        rows.Add(band);
    }
    std::vector<int> down;
    for (int y = -2; y < 560; ++y) down.push_back(y);
    const std::vector<int> up(down.rbegin(), down.rend());
    std::vector<int> skipping;
    for (int y = -2; y < 560; y += 3) skipping.push_back(y);
    std::vector<int> repeating;
    for (int y = 0; y < 20; ++y) repeating.insert(repeating.end(), {y, y});
    const std::size_t n = polygons.size();
    std::vector<int> x0(n);
    std::vector<int> x1(n);
    for (const std::vector<int>& order : {down, up, skipping, repeating, down}) {
        for (const int y : order) {
            rows.Row(y, 0, kLeft, kRight, x0.data(), x1.data());
            for (std::size_t i = 0; i < n; ++i)
                ASSERT_EQ(columns(x0[i], x1[i]), expectedColumns(polygons[i], y))
                    << "polygon " << i << " row " << y;
        }
    }
    // Leaving out a varying number of the first polygons, as the gradient does with those above the row.
    for (const int y : down) {
        const auto first = static_cast<std::size_t>((y + 2) % 4);
        rows.Row(y, first, kLeft, kRight, x0.data(), x1.data());
        for (std::size_t i = first; i < n; ++i)
            ASSERT_EQ(columns(x0[i - first], x1[i - first]), expectedColumns(polygons[i], y))
                << "polygon " << i << " row " << y << " from " << first;
    }
}

TEST(ShearedBandRowsTest, OtherPolygonsAreLeftToTheGeneralRasteriser) {
    const std::vector<std::pair<std::vector<TPoint>, bool>> cases = {
        {{{0, 0}, {8, 0}, {0, 5}, {-8, 5}}, true},
        {{{3, 1}, {9, 4}, {2, 11}}, false},                        // a triangle
        {{{0, 0}, {8, 0}, {-8, 5}, {0, 5}}, false},                // edges crossing
        {{{0, 0}, {8, 0}, {2, 5}, {-8, 5}}, false},                // edges not parallel
        {{{0, 0}, {8, 0}, {8, 5}, {0, 6}}, false},                 // no horizontal bottom
        {{{0, 0}, {1 << 27, 0}, {0, 5}, {-(1 << 27), 5}}, false},  // too large for ints
    };
    for (const auto& [points, fits] : cases) {
        ShearedBandRows::Band band{};
        EXPECT_EQ(ShearedBandRows::Describe(points.data(), points.size(), band), fits) << points[1].X;
    }
}

}  // namespace
