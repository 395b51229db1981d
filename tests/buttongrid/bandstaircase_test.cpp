// Staircases of sheared bands composed row from row, against each row worked out band by band: families
// whose edges move by about one, two or several columns a row, or by less than one, open to either side, and
// rows asked downwards, with gaps and again from the top, into one buffer or a buffer per row.
#include <gtest/gtest.h>

#include <QRgb>
#include <algorithm>
#include <array>
#include <vector>

#include "buttongrid/bandstaircase.h"
#include "buttongrid/shearedbandrows.h"
#include "platform/color.h"

namespace {

constexpr int kLeft = 0;
constexpr int kRight = 61;
constexpr int kWidth = kRight - kLeft;

// Band i of n spans growth * (i + 1) / n columns on row 0 and reaches the side after
// 1 + fall * (i + 1) / n rows, like the corner diagonals; mirrored, it grows from the right end.
struct Family {
    int n;
    int growth;
    int fall;
    BandStaircase::Side side;
};

std::vector<std::array<TPoint, 4>> Bands(const Family& f) {
    std::vector<std::array<TPoint, 4>> bands;
    for (int i = 0; i < f.n; ++i) {
        const int w = f.growth * (i + 1) / f.n;
        const int h = 1 + f.fall * (i + 1) / f.n;
        if (f.side == BandStaircase::Side::Left)
            bands.push_back({TPoint{0, 0}, TPoint{w, 0}, TPoint{0, h}, TPoint{-w, h}});
        else
            bands.push_back(
                {TPoint{kRight, 0}, TPoint{kRight - w, 0}, TPoint{kRight, h}, TPoint{kRight + w, h}});
    }
    return bands;
}

// Row y as the bands leave it, the first band holding a column giving its colour; 0 where none does.
std::vector<QRgb> Expected(ShearedBandRows& rows, const std::vector<QRgb>& colors, int y) {
    const std::size_t n = colors.size();
    std::vector<int> x0(n);
    std::vector<int> x1(n);
    rows.Row(y, 0, kLeft, kRight, x0.data(), x1.data());
    std::vector<QRgb> row(kWidth, 0);
    for (std::size_t i = n; i-- > 0;)
        for (int x = x0[i]; x < x1[i]; ++x) row[static_cast<std::size_t>(x)] = colors[i];
    return row;
}

TEST(BandStaircaseTest, RowsComposedFromTheRowBeforeMatchTheBands) {
    using Side = BandStaircase::Side;
    const std::vector<Family> families = {
        {40, 130, 66, Side::Left},  {40, 130, 66, Side::Right}, {17, 61, 30, Side::Left},
        {9, 200, 25, Side::Left},   {9, 200, 25, Side::Right},  {12, 30, 120, Side::Left},
        {12, 30, 120, Side::Right}, {60, 61, 61, Side::Left},   {5, 3, 2, Side::Right},
        {30, 260, 40, Side::Left},  {3, 250, 12, Side::Left},   {3, 250, 12, Side::Right},
        {6, 120, 400, Side::Left},  {6, 120, 400, Side::Right},
    };
    for (const Family& f : families) {
        std::vector<ShearedBandRows::Band> bands;
        ShearedBandRows rows;
        for (const auto& points : Bands(f)) {
            ASSERT_TRUE(ShearedBandRows::Describe(points.data(), points.size(), bands.emplace_back()));
            rows.Add(bands.back());
        }
        // Distinct colours, and colours shared by neighbours three at a time, whose edges show nothing.
        for (const int shared : {1, 3}) {
            std::vector<QRgb> colors;
            for (int i = 0; i < f.n; ++i) colors.push_back(kOpaqueAlpha | static_cast<QRgb>(i / shared + 1));
            BandStaircase stairs;
            ASSERT_TRUE(stairs.Prepare(bands, colors.data(), f.side, kLeft, kRight))
                << f.growth << "/" << f.fall;
            const int last = 1 + f.fall + 3;
            std::vector<int> order;
            for (int y = 0; y < last; ++y) order.push_back(y);
            for (int y = 3; y < last; y += 4) order.push_back(y);
            for (int y = 0; y < last; ++y) order.push_back(y);
            for (const bool ownBuffers : {false, true}) {
                std::vector<std::vector<QRgb>> image(static_cast<std::size_t>(last),
                                                     std::vector<QRgb>(kWidth, 0));
                const QRgb* previous = nullptr;
                for (const int y : order) {
                    QRgb* row = image[static_cast<std::size_t>(ownBuffers ? y : 0)].data();
                    const auto [a, b] = stairs.Compose(y, previous, row);
                    previous = row;
                    std::vector<QRgb> got(kWidth, 0);
                    std::copy(row + a, row + b, got.begin() + a);
                    ASSERT_EQ(got, Expected(rows, colors, y))
                        << "family " << f.growth << "/" << f.fall << " side " << int(f.side) << " row " << y
                        << " shared " << shared;
                }
            }
        }
    }
}

// Bands that do not each reach past the one painted after them, or that stop short of the side, leave the
// rows to be worked out band by band.
TEST(BandStaircaseTest, BandsThatAreNoStaircaseAreRefused) {
    using Side = BandStaircase::Side;
    const std::vector<std::pair<std::vector<std::array<TPoint, 4>>, Side>> cases = {
        // the second band shorter than the first
        {{{TPoint{0, 0}, TPoint{20, 0}, TPoint{0, 11}, TPoint{-20, 11}},
          {TPoint{0, 0}, TPoint{10, 0}, TPoint{0, 6}, TPoint{-10, 6}}},
         Side::Left},
        // starting inside the columns, not past their left end
        {{{TPoint{5, 0}, TPoint{20, 0}, TPoint{5, 11}, TPoint{-10, 11}}}, Side::Left},
        // moving away from the side
        {{{TPoint{0, 0}, TPoint{20, 0}, TPoint{40, 11}, TPoint{20, 11}}}, Side::Left},
        // open to the left, asked as open to the right
        {{{TPoint{0, 0}, TPoint{20, 0}, TPoint{0, 11}, TPoint{-20, 11}}}, Side::Right},
    };
    const std::vector<QRgb> colors(2, 0xFF102030u);
    for (const auto& [polygons, side] : cases) {
        std::vector<ShearedBandRows::Band> bands;
        for (const auto& points : polygons)
            ASSERT_TRUE(ShearedBandRows::Describe(points.data(), points.size(), bands.emplace_back()));
        BandStaircase stairs;
        EXPECT_FALSE(stairs.Prepare(bands, colors.data(), side, kLeft, kRight)) << polygons.front()[1].X;
    }
}

}  // namespace
