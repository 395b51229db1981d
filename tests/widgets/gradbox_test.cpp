#include "widgets/gradbox.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "platform/canvas.h"
#include "support/graphicgrab.h"
#include "support/pixels.h"

namespace {

QImage paint(TGradBox& box) {
    QImage image(box.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    Canvas canvas(image);
    box.Paint(canvas);
    return image;
}

TEST(GradBox, MainWindowBoxTopRowIsOneStepFromWhiteAndLastBandIsLime) {
    TGradBox box;
    box.resize(610, 446);
    box.SetTopColor(clLime);
    box.SetLastColor(clWhite);
    box.SetGradStyle(TGradStyle::gsBottomTop);
    const QImage image = paint(box);
    EXPECT_EQ(box.Colarray()[1], RGB(254, 255, 254));
    for (int x : {0, 300, 609}) {
        EXPECT_EQ(At(image, x, 0), box.Colarray()[1]) << x;
        EXPECT_EQ(At(image, x, 444), clLime) << x;
        EXPECT_EQ(At(image, x, 445), clLime) << x;
    }
    box.SetDrawOutLine(true);
    const QImage outlined = paint(box);
    EXPECT_EQ(At(outlined, 300, 0), clBlack);
    EXPECT_EQ(At(outlined, 609, 300), clBlack);
    EXPECT_EQ(At(outlined, 300, 1), box.Colarray()[2]);
}

TEST(GradBox, LowBoxBandsOverwriteEachOtherRowByRow) {
    TGradBox box;
    box.resize(30, 100);
    box.SetTopColor(clWhite);
    box.SetLastColor(clLime);
    const QImage image = paint(box);
    // Bands are one row; entries 0 to 3 all start on row 0, so entry 3 is what remains.
    EXPECT_EQ(At(image, 5, 0), RGB(252, 255, 252));
    EXPECT_EQ(At(image, 5, 99), clLime);
}

TEST(GradBox, DirectionsRunTheTableAlongTheirAxis) {
    struct Row {
        TGradStyle style;
        TPoint last;
        TColor firstColor;
        TColor lastColor;
    };
    using enum TGradStyle;
    // Bands always run from the top or left; the reversed styles swap the colours. 510 pixels give bands of
    // 3, two pixels apart, so the first pixel shows entry 1 and the last entry 255.
    const Row rows[] = {
        {gsTopBottom, {5, 509}, RGB(1, 1, 1), clWhite},
        {gsBottomTop, {5, 509}, RGB(254, 254, 254), clBlack},
        {gsLeftRight, {509, 5}, RGB(1, 1, 1), clWhite},
        {gsRightLeft, {509, 5}, RGB(254, 254, 254), clBlack},
    };
    for (const Row& row : rows) {
        TGradBox box;
        box.resize(row.last.X == 5 ? QSize(10, 510) : QSize(510, 10));
        box.SetTopColor(clBlack);
        box.SetLastColor(clWhite);
        box.SetGradStyle(row.style);
        const QImage image = paint(box);
        EXPECT_EQ(At(image, 0, 0), row.firstColor) << static_cast<int>(row.style);
        EXPECT_EQ(At(image, row.last.X, row.last.Y), row.lastColor) << static_cast<int>(row.style);
    }
    TGradBox none;
    none.SetGradStyle(gsNone);
    none.SetDrawOutLine(true);
    const QImage image = paint(none);
    EXPECT_EQ(qAlpha(image.pixel(50, 50)), 0);
    EXPECT_EQ(At(image, 0, 50), clBlack);
}

TEST(GradBox, GradientBandsLeaveNoPixelUnpainted) {
    // The box paints a gradient into a face it does not clear first, so the bands must reach every pixel,
    // whatever the rounding of the band width does at these lengths.
    using enum TGradStyle;
    for (const TGradStyle style : {gsTopBottom, gsBottomTop, gsLeftRight, gsRightLeft})
        for (const QSize size : {QSize(1, 1), QSize(7, 1), QSize(1, 7), QSize(3, 254), QSize(255, 3),
                                 QSize(2, 256), QSize(511, 2), QSize(22, 446), QSize(610, 446)}) {
            TGradBox box;
            box.resize(size);
            box.SetGradStyle(style);
            const QImage image = paint(box);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ASSERT_EQ(qAlpha(image.pixel(x, y)), 255)
                        << static_cast<int>(style) << " " << size.width() << "x" << size.height() << " at "
                        << x << "," << y;
        }
}

TEST(GradBox, WidgetWithoutCaptionShowsThePaintedFace) {
    // Without a caption the widget fills its bands and outline straight onto itself; it must show what
    // the canvas paint gives, wherever that is opaque.
    using enum TGradStyle;
    for (const TGradStyle style : {gsTopBottom, gsBottomTop, gsLeftRight, gsRightLeft, gsNone})
        for (const QSize size : {QSize(1, 1), QSize(3, 254), QSize(22, 446), QSize(610, 446)}) {
            TGradBox box;
            box.resize(size);
            box.SetTopColor(clLime);
            box.SetLastColor(clWhite);
            box.SetGradStyle(style);
            box.SetDrawOutLine(true);
            const QImage expected = paint(box);
            const QImage grabbed = PaintedOnParent(box, qRgb(1, 2, 3));
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    if (qAlpha(expected.pixel(x, y)) == 255) {
                        ASSERT_EQ(grabbed.pixel(x, y), expected.pixel(x, y))
                            << static_cast<int>(style) << " " << size.width() << "x" << size.height()
                            << " at " << x << "," << y;
                    }
        }
}

TEST(GradBox, CaptionPassesByReliefAndEnabledState) {
    struct Row {
        bool enabled;
        TFontStyle3D style;
        int depth;
        bool relief;
    };
    using enum TFontStyle3D;
    const Row rows[] = {
        {true, fsLowShadow, 2, true}, {true, fsRaiseShadow, 2, true}, {true, fsLow3D, 2, true},
        {true, fsRaise3D, 2, true},   {true, fsLow3D, 0, false},      {false, fsRaise3D, 2, false},
    };
    for (const Row& row : rows) {
        TGradBox box;
        box.resize(120, 40);
        box.SetGradStyle(TGradStyle::gsNone);
        box.SetFont3D(true);
        box.SetStyle3D(row.style);
        box.SetFontDepth(static_cast<std::uint8_t>(row.depth));
        box.SetBackFont(clRed);
        box.Font().SetColor(clBlue);
        box.Font().SetHeight(-16);
        box.SetCaption(QStringLiteral("Moxel"));
        box.SetEnabled(row.enabled);
        const QImage image = paint(box);
        std::set<std::uint32_t> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0) colours.insert(At(image, x, y).value);
        const std::string what = std::to_string(static_cast<int>(row.style)) + " depth " +
                                 std::to_string(row.depth) + " enabled " + std::to_string(row.enabled);
        EXPECT_EQ(colours.count(clRed.value), row.relief ? 1u : 0u) << what;
        EXPECT_EQ(colours.count(clBlue.value), row.enabled ? 1u : 0u) << what;
        EXPECT_EQ(colours.count(clGray.value), row.enabled ? 0u : 1u) << what;
    }
}

}  // namespace
