// Many ellipses asked about one row at once against the single-box rows, up to the largest box the batch
// takes, with the columns clamped to windows narrower and wider than the boxes, and boxes whose roots often
// fall on whole numbers, where a single-precision root alone would be one off. Each box is asked alone as
// well as with the others.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "buttongrid/ellipserowbatch.h"
#include "platform/raster.h"

namespace {

// The clamped columns EllipseRow gives, or {0, 0} when the window holds none of the row.
std::pair<int, int> expectedColumns(const TRect& box, int y, int left, int right) {
    int x0 = 0;
    int x1 = 0;
    if (!EllipseRow(box, y, x0, x1)) return {0, 0};
    x0 = std::max(x0, left) - left;
    x1 = std::min(x1, right) - left;
    return x0 < x1 ? std::pair{x0, x1} : std::pair{0, 0};
}

std::pair<int, int> batchColumns(int x0, int x1) {
    return x0 < x1 ? std::pair{x0, x1} : std::pair{0, 0};
}

TEST(EllipseRowBatchTest, RowsOfManyBoxesAreThoseOfEachBoxAlone) {
    struct Window {
        int left;
        int right;
    };
    const std::vector<TRect> boxes = {{0, 0, 1, 1},
                                      {0, 0, 2, 1},
                                      {3, -2, 20, 31},
                                      {-7, 4, 6, 5},
                                      {0, 0, 541, 271},
                                      {-116, -58, 657, 329},
                                      {200, 3, 201, 90},
                                      {0, 100, 8191, 101},
                                      {-5, -40, 8186, 8151},
                                      // Roots often whole numbers, or in single precision just off
                                      // the whole numbers on either side of the true ones.
                                      {0, 0, 25, 25},
                                      {-3, 7, 62, 72},
                                      {0, 0, 50, 25},
                                      {10, 10, 1035, 1035},
                                      {0, 0, 2, 11},
                                      {0, 0, 480, 465},
                                      {0, 0, 1093, 346}};
    EllipseRowBatch batch;
    for (const TRect& box : boxes) {
        ASSERT_TRUE(EllipseRowBatch::Fits(box));
        batch.Add(box);
    }
    const std::size_t n = boxes.size();
    std::vector<int> x0(n);
    std::vector<int> x1(n);
    for (const Window window : {Window{-20, 700}, Window{0, 542}, Window{10, 11}, Window{260, 300}}) {
        for (int y = -60; y < 8160; ++y) {
            batch.Row(y, 0, n, window.left, window.right, x0.data(), x1.data());
            for (std::size_t i = 0; i < n; ++i)
                ASSERT_EQ(batchColumns(x0[i], x1[i]), expectedColumns(boxes[i], y, window.left, window.right))
                    << "box " << i << " row " << y << " window " << window.left;
            // Alone, as a box is never kept from the quick root by another one the row misses.
            for (std::size_t i = 0; i < n; ++i) {
                batch.Row(y, i, i + 1, window.left, window.right, x0.data(), x1.data());
                ASSERT_EQ(batchColumns(x0[0], x1[0]), expectedColumns(boxes[i], y, window.left, window.right))
                    << "box " << i << " alone, row " << y << " window " << window.left;
            }
        }
    }
    // A part of the boxes, as asked a few at a time.
    batch.Row(5, 2, 4, -20, 700, x0.data(), x1.data());
    EXPECT_EQ(batchColumns(x0[0], x1[0]), expectedColumns(boxes[2], 5, -20, 700));
    EXPECT_EQ(batchColumns(x0[1], x1[1]), expectedColumns(boxes[3], 5, -20, 700));
}

TEST(EllipseRowBatchTest, EndsOfBoxesAboutOneCentreAreThoseOfTheirRows) {
    // Growing boxes about centres on, between and off pixels, the largest the batch takes among them, and
    // single boxes.
    const std::vector<std::vector<TRect>> sets = {
        {{270, 135, 272, 137}, {260, 130, 282, 142}, {0, 0, 542, 272}, {-116, -58, 658, 330}},
        {{5, 5, 6, 6}, {4, 3, 7, 8}, {0, 0, 11, 11}, {-4090, -4090, 4101, 4101}},
        {{-20, 7, -19, 9}, {-23, 5, -16, 11}, {-40, -2, 1, 18}},
        // Roots just off whole numbers in single precision.
        {{0, 0, 2, 11}},
        {{0, 0, 480, 465}},
        {{0, 0, 1093, 346}}};
    for (const std::vector<TRect>& boxes : sets) {
        EllipseRowBatch batch;
        for (const TRect& box : boxes) batch.Add(box);
        const std::size_t n = boxes.size();
        std::vector<int> x0(n);
        std::vector<int> x1(n);
        std::vector<int> ends(n);
        const int centre = (boxes[0].Left + boxes[0].Right) / 2;
        for (const int left : {centre - 3, centre, -5000}) {
            for (int y = boxes.back().Top - 3; y < boxes.back().Bottom + 3; ++y) {
                batch.Row(y, 0, n, left, left + 700, x0.data(), x1.data());
                batch.RowEnds(y, 0, n, left, left + 700, ends.data());
                // Where a span is empty only its emptiness counts.
                for (std::size_t i = 0; i < n; ++i)
                    ASSERT_EQ(std::max(ends[i], x0[i]), std::max(x1[i], x0[i]))
                        << "box " << i << " row " << y << " left " << left;
            }
        }
    }
}

TEST(EllipseRowBatchTest, BoxesWhoseProductsOutgrowDoublesAreLeftToTheSingleBoxRows) {
    const std::vector<std::pair<TRect, bool>> cases = {{{0, 0, 8191, 8191}, true},
                                                       {{0, 0, 8192, 3}, false},
                                                       {{0, 0, 3, 8192}, false},
                                                       {{-kCoordLimit, 0, -kCoordLimit + 5, 5}, true},
                                                       {{0, kCoordLimit + 1, 5, kCoordLimit + 6}, false}};
    for (const auto& [box, fits] : cases) EXPECT_EQ(EllipseRowBatch::Fits(box), fits) << box.Right;
}

}  // namespace
