#include <gtest/gtest.h>

#include <cfenv>
#include <climits>
#include <utility>
#include <vector>

#include "platform/intmath.h"

namespace {

struct MulDivRow {
    int a, b, c, expected;
};

class MulDivTest : public ::testing::TestWithParam<MulDivRow> {};

TEST_P(MulDivTest, RoundsHalvesAwayFromZero) {
    const MulDivRow& row = GetParam();
    EXPECT_EQ(MulDiv(row.a, row.b, row.c), row.expected) << row.a << " * " << row.b << " / " << row.c;
}

// The rows line up with their comments by hand.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, MulDivTest,
    ::testing::Values(MulDivRow{1, 1, 2, 1},        // 0.5 -> 1
                      MulDivRow{3, 1, 2, 2},        // 1.5 -> 2
                      MulDivRow{5, 1, 2, 3},        // 2.5 -> 3, not to even
                      MulDivRow{-1, 1, 2, -1},      // -0.5 -> -1
                      MulDivRow{-5, 1, 2, -3},      // -2.5 -> -3
                      MulDivRow{5, -1, 2, -3},      // sign from either factor
                      MulDivRow{5, 1, -2, -3},      // or from the divisor
                      MulDivRow{-5, -1, -2, -3},    //
                      MulDivRow{-5, -1, 2, 3},      //
                      MulDivRow{1, 127, 235, 1},    // 0.54
                      MulDivRow{2, 127, 235, 1},    // 1.08
                      MulDivRow{118, 127, 235, 64}, // 63.77
                      MulDivRow{4, 1, 3, 1},        // 1.33
                      MulDivRow{5, 1, 3, 2},        // 1.67
                      MulDivRow{133, 72, 96, 100},  // 99.75: Font.Height -133 is 100 points
                      MulDivRow{100, 96, 72, 133},  // 133.33
                      MulDivRow{0, 5, 7, 0},
                      MulDivRow{7, 5, 0, -1}));     // a zero divisor answers -1
// clang-format on

TEST(MulDivTest, Uses64BitIntermediate) {
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
    EXPECT_EQ(MulDiv(INT_MIN, 2, 4), INT_MIN / 2);
}

TEST(MulDivSeriesTest, EveryEntryIsMulDivOfItsIndex) {
    // Shares of a size as a gradient takes them: either sign, sizes above and below the divisor, and a
    // zero divisor.
    for (const auto& [b, c] : std::vector<std::pair<int, int>>{
             {542, 236}, {272, 236}, {127, 235}, {3, 7}, {0, 5}, {-542, 236}, {542, -3}, {-9, -4}, {7, 0}}) {
        std::vector<int> series(300);
        MulDivSeries(b, c, series);
        for (int k = 0; k < static_cast<int>(series.size()); ++k)
            ASSERT_EQ(series[static_cast<std::size_t>(k)], MulDiv(k, b, c)) << k << " * " << b << " / " << c;
    }
}

TEST(RoundingTest, HalvesGoToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(542 / 1.4), 387);
    EXPECT_EQ(RoundHalfEven(272 / 1.4), 194);
}

TEST(RoundingTest, HalvesGoToEvenWhateverTheRoundingMode) {
    const std::vector<std::pair<double, int>> cases = {{-3.5, -4},
                                                       {-2.5, -2},
                                                       {0.49999999999999994, 0},
                                                       {1e9 + 0.5, 1000000000},
                                                       {1e9 + 1.5, 1000000002},
                                                       {-7.25, -7},
                                                       {-7.75, -8},
                                                       {3.0, 3},
                                                       {-0.0, 0}};
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        for (const auto& [value, expected] : cases)
            EXPECT_EQ(RoundHalfEven(value), expected) << value << " mode " << mode;
        EXPECT_EQ(std::fegetround(), mode);
    }
    std::fesetround(FE_TONEAREST);
}

TEST(RoundingTest, TruncGoesTowardZero) {
    EXPECT_EQ(Trunc(1.9), 1);
    EXPECT_EQ(Trunc(-1.9), -1);
    EXPECT_EQ(Trunc(-0.1), 0);
}

}  // namespace
