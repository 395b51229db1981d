// The gradient resolved row by row against the painter's-order reference, for every style on sizes from a
// single pixel to the board, with the rectangle inside a larger canvas so that the shapes reaching past it
// are compared as well.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <tuple>
#include <typeindex>
#include <vector>

#include "buttongrid/mxgradient.h"
#include "buttongrid/mxgradientbandrows.h"
#include "buttongrid/mxgradientdiagonalrows.h"
#include "buttongrid/mxgradientellipserows.h"
#include "buttongrid/mxgradientnestedrows.h"
#include "buttongrid/mxgradientpaint.h"
#include "buttongrid/mxgradientpainterrows.h"
#include "buttongrid/mxgradientrows.h"
#include "platform/canvas.h"
#include "support/gradientreference.h"
#include "support/pixels.h"

namespace {

constexpr QRgb kUntouched = 0xFF0102FAu;
constexpr int kMargin = 9;

// The board's colours. Two neighbouring entries can share a colour; the reference decides which shape shows
// anyway. Built directly, since a multi-colour table can hold a single entry or more than a gradient's 236.
TMxColorList Table(int count) {
    TMxColorList table;
    MxGradientCreateColorList(TColor(8454143), clWhite, count, true, &table);
    return table;
}

// Distinct entries, so that any pixel that takes a wrong step's colour shows.
TMxColorList DistinctTable(int count) {
    TMxColorList table;
    for (int i = 0; i < count; ++i) table.push_back(RGB(i, 255 - i, 7 + i % 3));
    return table;
}

// The painter's-order rendering of the gradient of rect on a canvas of the given size, as each of the
// painter's paths would leave it.
QImage Expected(QSize canvasSize, const TRect& rect, TMxGradientStyle style, const TMxColorList& table,
                std::uint16_t flags) {
    QImage expected = Blank(canvasSize, kUntouched);
    Canvas canvas(expected);
    if (flags & kMxGradientUseBitmap) {
        QImage buffer = Blank(QSize(rect.Width(), rect.Height()), ToQRgb(table.back()));
        Canvas bufferCanvas(buffer);
        PaintGradientInPaintersOrder(bufferCanvas, {0, 0}, rect.Width(), rect.Height(), style, table);
        canvas.Draw(rect.Left, rect.Top, buffer);
    } else {
        if (flags & kMxGradientClip) canvas.IntersectClipRect(rect);
        PaintGradientInPaintersOrder(canvas, {rect.Left, rect.Top}, rect.Width(), rect.Height(), style,
                                     table);
    }
    return expected;
}

QImage Painted(QSize canvasSize, const TRect& rect, TMxGradientStyle style, const TMxColorList& table,
               std::uint16_t flags) {
    QImage actual = Blank(canvasSize, kUntouched);
    Canvas canvas(actual);
    MxGradientPaintExt(canvas, rect, style, &table, nullptr, flags, 0);
    return actual;
}

constexpr std::uint16_t kAllPaths[] = {0, kMxGradientUseBitmap, kMxGradientClip};

using Case = std::tuple<int, QSize, int>;  // style, size, colour count

class GradientRowsTest : public testing::TestWithParam<Case> {};

TEST_P(GradientRowsTest, MatchesPaintersOrderOnTheCanvasAndThroughABitmap) {
    const auto [styleIndex, size, count] = GetParam();
    const auto style = static_cast<TMxGradientStyle>(styleIndex);
    for (const TMxColorList& table : {DistinctTable(count), Table(count)}) {
        const TRect rect = Bounds(kMargin, kMargin / 2, size.width(), size.height());
        const QSize canvasSize(size.width() + 2 * kMargin, size.height() + kMargin);
        for (const std::uint16_t flags : kAllPaths)
            EXPECT_EQ(FirstDifference(Painted(canvasSize, rect, style, table, flags),
                                      Expected(canvasSize, rect, style, table, flags)),
                      "")
                << "flags " << flags;
    }
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    const auto [style, size, count] = info.param;
    return "style" + std::to_string(style) + "_" + std::to_string(size.width()) + "x" +
           std::to_string(size.height()) + "_" + std::to_string(count);
}

INSTANTIATE_TEST_SUITE_P(StylesAndSizes, GradientRowsTest,
                         testing::Combine(testing::Range(0, kMxGradientStyleCount),
                                          testing::Values(QSize(1, 1), QSize(1, 2), QSize(2, 1), QSize(2, 2),
                                                          QSize(1, 6), QSize(5, 1), QSize(2, 3), QSize(4, 6),
                                                          QSize(3, 2), QSize(7, 7), QSize(13, 4),
                                                          QSize(8, 65), QSize(31, 58), QSize(99, 50),
                                                          QSize(542, 272)),
                                          testing::Values(1, 2, 3, 17, 236, 255)),
                         CaseName);

// Painting asks for the rows downwards, which lets rows reuse what the row before worked out (a polygon
// edge's column, a box's colours, the row changes passed); any other order must give the same rows.
using OrderCase = std::tuple<int, QSize>;  // style, size

class GradientRowOrderTest : public testing::TestWithParam<OrderCase> {};

// Each row: its covered run, then the pixels in it. A row asked twice keeps the second answer.
std::vector<std::vector<QRgb>> RowsInOrder(MxGradientRows& rows, const std::vector<int>& order, int top) {
    std::vector<std::vector<QRgb>> result(
        static_cast<std::size_t>(*std::max_element(order.begin(), order.end()) - top + 1));
    for (const int y : order) {
        const MxGradientRows::Run run = rows.Resolve(y);
        std::vector<QRgb>& row = result[static_cast<std::size_t>(y - top)];
        row = {QRgb(run.first), QRgb(run.second)};
        row.insert(row.end(), rows.Pixels() + run.first, rows.Pixels() + run.second);
    }
    return result;
}

TEST_P(GradientRowOrderTest, RowsAskedInAnyOrderMatchRowsAskedDownwards) {
    const auto [styleIndex, size] = GetParam();
    const auto style = static_cast<TMxGradientStyle>(styleIndex);
    const TMxColorList table = DistinctTable(40);
    // Columns and rows reaching past the rectangle, where some rows hold no shape.
    const int top = -kMargin;
    std::vector<int> down;
    for (int y = top; y < size.height() + kMargin; ++y) down.push_back(y);
    std::vector<int> up(down.rbegin(), down.rend());
    std::vector<int> evenThenOdd;
    for (const int parity : {0, 1})
        std::copy_if(down.begin(), down.end(), std::back_inserter(evenThenOdd),
                     [parity](int y) { return ((y - top) & 1) == parity; });
    const auto resolve = [&](const std::vector<int>& order, int left, int right) {
        const auto rows = MxGradientRowsFor(style, size.width(), size.height(), table, left, right);
        return RowsInOrder(*rows, order, top);
    };
    std::vector<int> downTwice = down;
    downTwice.insert(downTwice.end(), down.begin(), down.end());
    // Columns reaching past the rectangle, and exactly its own, where a corner diagonal's row is composed
    // from the row before.
    for (const auto& [left, right] :
         {std::pair{-kMargin, size.width() + kMargin}, std::pair{0, size.width()}}) {
        const auto expected = resolve(down, left, right);
        EXPECT_EQ(resolve(up, left, right), expected);
        EXPECT_EQ(resolve(evenThenOdd, left, right), expected);
        EXPECT_EQ(resolve(downTwice, left, right), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(StylesAndSizes, GradientRowOrderTest,
                         testing::Combine(testing::Range(0, kMxGradientStyleCount),
                                          testing::Values(QSize(3, 2), QSize(31, 58), QSize(99, 50))));

}  // namespace

namespace {

// Gradients far larger than the canvas, seen through it near their centre and their corner: shapes too large
// for the row batches' exact arithmetic take the one-shape-at-a-time rows, the others the batches.
TEST(GradientRowsWindowTest, GradientsFarLargerThanTheCanvasMatchPaintersOrder) {
    struct Case {
        TMxGradientStyle style;
        int width;
        int height;
    };
    const std::vector<Case> cases = {
        {TMxGradientStyle::gstElliptic, 3000, 2000},
        {TMxGradientStyle::gstElliptic, 20000, 9000},
        {TMxGradientStyle::gstElliptic, 40000000, 30000000},
        {TMxGradientStyle::gstTopLeftDiagonal, 3000, 2000},
        {TMxGradientStyle::gstTopLeftDiagonal, 40000000, 30000000},
        {TMxGradientStyle::gstTopRightDiagonal, 40000000, 30000000},
    };
    const TMxColorList table = DistinctTable(236);
    for (const Case& c : cases) {
        for (const TPoint origin : {TPoint{-c.width / 2 + 7, -c.height / 2 + 5}, TPoint{-3, -2},
                                    TPoint{-c.width + 40, -c.height / 3}}) {
            QImage expected = Blank(QSize(48, 36), kUntouched);
            {
                Canvas canvas(expected);
                PaintGradientInPaintersOrder(canvas, origin, c.width, c.height, c.style, table);
            }
            QImage actual = Blank(QSize(48, 36), kUntouched);
            Canvas canvas(actual);
            MxGradientPaintExt(canvas, Bounds(origin.X, origin.Y, c.width, c.height), c.style, &table,
                               nullptr, 0, 0);
            EXPECT_EQ(FirstDifference(actual, expected), "")
                << "style " << static_cast<int>(c.style) << " " << c.width << " at " << origin.X << ","
                << origin.Y;
        }
    }
}

}  // namespace

namespace {

// Rectangles hanging off each side of the canvas, or lying wholly past it, so that a row's pieces meet the
// canvas's ends and the shapes are cut off where the rectangle is, on rows and columns of odd and even
// counts.
TEST(GradientRowsEdgeTest, RectanglesCutOffByTheCanvasMatchPaintersOrder) {
    struct Case {
        TRect rect;
        int count;
    };
    const QSize canvasSize(40, 24);
    const std::vector<Case> cases = {
        {Bounds(-9, 3, 31, 17), 255},  {Bounds(20, 3, 31, 17), 2},    {Bounds(5, -11, 30, 21), 1},
        {Bounds(5, 12, 30, 21), 236},  {Bounds(-13, -7, 66, 38), 17}, {Bounds(33, 2, 7, 5), 3},
        {Bounds(-20, -4, 19, 9), 255}, {Bounds(1, 1, 1, 22), 2},      {Bounds(1, 1, 38, 1), 255},
    };
    for (int style = 0; style < kMxGradientStyleCount; ++style) {
        for (const Case& c : cases) {
            const TMxColorList table = DistinctTable(c.count);
            for (const std::uint16_t flags : kAllPaths) {
                const auto s = static_cast<TMxGradientStyle>(style);
                EXPECT_EQ(FirstDifference(Painted(canvasSize, c.rect, s, table, flags),
                                          Expected(canvasSize, c.rect, s, table, flags)),
                          "")
                    << "style " << style << " rect " << c.rect.Left << "," << c.rect.Top << " "
                    << c.rect.Width() << "x" << c.rect.Height() << " flags " << flags;
            }
        }
    }
}

// Diagonal bands in runs of one colour, on canvases that begin or end right at the bands' corner or one
// column past it: from the corner on a band of the run may be left out for the next, past it not.
TEST(GradientRowsEdgeTest, DiagonalRunsOfOneColourAtTheirCornerMatchPaintersOrder) {
    for (const TMxGradientStyle style :
         {TMxGradientStyle::gstTopLeftDiagonal, TMxGradientStyle::gstTopRightDiagonal}) {
        for (const QSize size : {QSize(8, 65), QSize(31, 58), QSize(99, 50), QSize(65, 8), QSize(13, 4)}) {
            for (const int count : {17, 236}) {
                TMxColorList table;
                for (int i = 0; i < count; ++i) table.push_back(RGB(i / 3, 255 - i / 3, 7));
                const QSize canvasSize(size.width() + 4, size.height() + 2);
                for (const int left : {0, 1, 2, 3}) {
                    const TRect rect = Bounds(left, 1, size.width(), size.height());
                    EXPECT_EQ(FirstDifference(Painted(canvasSize, rect, style, table, 0),
                                              Expected(canvasSize, rect, style, table, 0)),
                              "")
                        << "style " << static_cast<int>(style) << " " << size.width() << "x" << size.height()
                        << " count " << count << " at " << left;
                }
            }
        }
    }
}

// A clip that leaves the upper rows whole and cuts the lower ones short, so that some rows are written
// straight into the image and the rest go through the resolver's own row, in one painting.
TEST(GradientRowsEdgeTest, RowsWholeInTheClipAndRowsCutShortMatchPaintersOrder) {
    const QSize canvasSize(46, 30);
    const TRect rect = Bounds(3, 2, 40, 26);
    std::vector<Span> spans;
    for (int y = 0; y < canvasSize.height(); ++y)
        spans.push_back(y < 13 ? Span{y, 0, canvasSize.width()} : Span{y, 4 + y % 5, 38});
    const Region clip = Region::FromSpans(spans);
    const TMxColorList table = DistinctTable(236);
    for (int style = 0; style < kMxGradientStyleCount; ++style) {
        const auto s = static_cast<TMxGradientStyle>(style);
        for (const std::uint16_t flags : {std::uint16_t{0}, kMxGradientUseBitmap}) {
            QImage painted = Blank(canvasSize, kUntouched);
            Canvas paintedCanvas(painted);
            paintedCanvas.SelectClipRgn(clip);
            MxGradientPaintExt(paintedCanvas, rect, s, &table, nullptr, flags, 0);
            QImage expected = Blank(canvasSize, kUntouched);
            {
                QImage whole = Expected(canvasSize, rect, s, table, flags);
                Canvas expectedCanvas(expected);
                expectedCanvas.SelectClipRgn(clip);
                expectedCanvas.Draw(0, 0, whole);
            }
            EXPECT_EQ(FirstDifference(painted, expected), "") << "style " << style << " flags " << flags;
        }
    }
}

}  // namespace

namespace {

// The way each style's rows take on the board and past it, and on a gradient too large for the batches: the
// general painter gives the same pixels, only slower, so nothing else would notice a style falling back.
TEST(GradientRowsForTest, EachStyleTakesTheWayOfItsFamily) {
    using S = TMxGradientStyle;
    struct Case {
        S style;
        int width;
        std::type_index way;
    };
    const std::vector<Case> cases = {
        {S::gstHorizontal, 542, typeid(MxBandRows)},
        {S::gstVertical, 542, typeid(MxBandRows)},
        {S::gstSquare, 542, typeid(MxNestedBoxRows)},
        {S::gstElliptic, 542, typeid(MxEllipseRows)},
        {S::gstTopLeft, 542, typeid(MxNestedBoxRows)},
        {S::gstTopRight, 542, typeid(MxNestedBoxRows)},
        {S::gstBottomLeft, 542, typeid(MxNestedBoxRows)},
        {S::gstBottomRight, 542, typeid(MxNestedBoxRows)},
        {S::gstTopLeftDiagonal, 542, typeid(MxDiagonalRows)},
        {S::gstTopRightDiagonal, 542, typeid(MxDiagonalRows)},
        {S::gstElliptic, 40000000, typeid(MxPainterRows)},
        {S::gstTopLeftDiagonal, 40000000, typeid(MxPainterRows)},
    };
    const TMxColorList table = Table(236);
    for (const Case& c : cases)
        for (const auto& [left, right] : {std::pair{0, 542}, std::pair{-9, 551}}) {
            const auto rows = MxGradientRowsFor(c.style, c.width, 272, table, left, right);
            EXPECT_EQ(std::type_index(typeid(*rows)), c.way)
                << MxGradientStyleName(c.style) << " " << c.width;
        }
}

}  // namespace
