#include "platform/rowtarget.h"

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "platform/canvas.h"
#include "support/pixels.h"

namespace {

constexpr QRgb kBack = 0xFF0000FFu;
constexpr QRgb kInk = 0xFF00FF00u;

// A 6 × 4 image's rows as text: '.' untouched, '#' written.
std::vector<std::string> Rows(const QImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) row += image.pixel(x, y) == kInk ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

struct TargetCase {
    const char* name;
    TRect clip;  // empty: no clip
    TRect rect;  // the target's rectangle on the canvas
    std::vector<bool> direct;
    std::vector<std::string> written;
};

class RowTargetTest : public testing::TestWithParam<TargetCase> {};

// Every row of the rectangle gets ink: straight into the rows that need no clipping, through Put into the
// others; nothing lands outside the image or the clip.
TEST_P(RowTargetTest, HandsOutOnlyRowsThatNeedNoClippingAndClipsTheRest) {
    const TargetCase& c = GetParam();
    QImage image = Blank(QSize(6, 4), kBack);
    Canvas canvas(image);
    if (!c.clip.IsEmpty()) canvas.SetClipRect(c.clip);
    RowTarget target(canvas, c.rect);
    const std::vector<QRgb> ink(static_cast<std::size_t>(target.Width()), kInk);
    std::vector<bool> direct;
    for (int y = 0; y < c.rect.Height(); ++y) {
        QRgb* row = target.Row(y);
        direct.push_back(row != nullptr);
        if (row)
            std::fill(row, row + target.Width(), kInk);
        else
            target.Put(y, ink.data(), 0, target.Width());
    }
    EXPECT_EQ(direct, c.direct);
    EXPECT_EQ(Rows(image), c.written);
}

// Rows whole in the image and the clip, or cut short by the clip, are held to their reference by the
// gradient's own tests; a rectangle reaching past the image is not.
INSTANTIATE_TEST_SUITE_P(
    Cases, RowTargetTest,
    testing::Values(
        TargetCase{"PastTheImage",
                   {},
                   Rect(-2, 2, 3, 6),
                   {false, false, false, false},
                   {"......", "......", "###...", "###..."}},
        TargetCase{"InsideTheClip",
                   Rect(0, 1, 6, 4),
                   Rect(1, 0, 4, 3),
                   {false, true, true},
                   {"......", ".###..", ".###..", "......"}}),
    [](const testing::TestParamInfo<TargetCase>& info) { return std::string(info.param.name); });

}  // namespace
