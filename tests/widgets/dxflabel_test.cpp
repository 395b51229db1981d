#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <optional>

#include "support/pixels.h"
#include "support/recordederrorboxes.h"
#include "widgets/dxfcaptionplacement.h"
#include "widgets/dxflabel.h"

namespace {

// The palette's font: an outline font, so every angle is accepted.
void usePaletteFont(TdxfLabel& label, int height) {
    label.Font().SetName(QStringLiteral("ＭＳ Ｐ明朝"));
    label.Font().SetStyle({FontStyle::Bold});
    label.Font().SetHeight(height);
    label.Font().SetColor(clLime);
}

QImage rendered(const TdxfLabel& label, QRgb under = qRgb(255, 0, 0)) {
    QImage image = Blank(label.size(), under);
    QPainter painter(&image);
    label.Paint(painter);
    return image;
}

// The smallest rectangle around every pixel of the given colour.
std::optional<QRect> inkBounds(const QImage& image, TColor ink) {
    std::optional<QRect> bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == ink)
                bounds = bounds ? bounds->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
    return bounds;
}

int countOf(const QImage& image, TColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += At(image, x, y) == colour;
    return n;
}

TEST(DxfLabelTest, AngleKeepsOnlyValuesFromZeroTo360) {
    struct Row {
        int set;
        int expected;
    };
    for (const Row& row : {Row{10, 10}, Row{360, 360}, Row{0, 0}, Row{361, 30}, Row{-10, 30}}) {
        TdxfLabel label;
        usePaletteFont(label, -20);
        label.SetAngle(30);
        RecordedErrorBoxes boxes;
        label.SetAngle(row.set);
        EXPECT_EQ(label.Angle(), row.expected) << row.set;
        EXPECT_TRUE(boxes.shown.isEmpty()) << row.set;
    }
}

TEST(DxfLabelTest, TextStartPutsTheTurnedBoxCentreOnTheCentre) {
    struct Row {
        int angle, w, h;
        TPoint expected;
    };
    const Row rows[] = {
        {0, 30, 20, {5, 10}},     // centre (20, 20)
        {90, 30, 20, {10, 35}},   // runs upward from the bottom
        {180, 30, 20, {35, 30}},  // upside down
        {270, 30, 20, {30, 5}},   // runs downward from the top
        {0, 5, 3, {18, 18}},      // halves round to even: 2.5 -> 2, 1.5 -> 2
        {0, 7, 5, {16, 18}},      // 3.5 -> 4, 2.5 -> 2
        {45, 10, 10, {12, 20}},   // 3.54 -> 4 on both axes
        {360, 30, 20, {5, 10}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TextStart(20, 20, row.angle, row.w, row.h), row.expected) << row.angle;
}

TEST(DxfLabelTest, GetColorWalksEachChannelAndTruncates) {
    struct Row {
        TColor c1, c2;
        int a, b;
        TColor expected;
    };
    const Row rows[] = {
        {clSilver, clBlack, 0, 12, clSilver},
        {clSilver, clBlack, 11, 12, RGB(16, 16, 16)},
        {RGB(90, 31, 3), clBlack, 1, 3, RGB(60, 20, 2)},
        {clBlack, clWhite, 1, 3, RGB(85, 85, 85)},
        {clBtnShadow, clBlack, 0, 1, clGray},  // system colours are resolved first
        {clLime, clYellow, 1, 0, clLime},      // no steps: no ramp
    };
    for (const Row& row : rows)
        EXPECT_EQ(TdxfLabel::GetColor(row.c1, row.c2, row.a, row.b), row.expected) << row.a << '/' << row.b;
}

// Turning by 180 degrees about the centre mirrors the glyph's ink through (20, 20).
TEST(DxfLabelTest, CaptionTurnsAboutTheCentre) {
    for (const int angle : {0, 90}) {
        TdxfLabel label;
        label.resize(40, 40);
        label.SetColor(clBlack);
        usePaletteFont(label, -24);
        label.SetCaption(QStringLiteral("┏"));
        label.SetAngle(angle);
        const auto a = inkBounds(rendered(label), clLime);
        label.SetAngle(angle + 180);
        const auto b = inkBounds(rendered(label), clLime);
        ASSERT_TRUE(a && b) << angle;
        EXPECT_NEAR(a->left() + a->right(), 78 - (b->left() + b->right()), 2) << angle;
        EXPECT_NEAR(a->top() + a->bottom(), 78 - (b->top() + b->bottom()), 2) << angle;
        EXPECT_NEAR(a->width(), b->width(), 1) << angle;
    }
}

TEST(DxfLabelTest, FunRampFadesFromTheShadowColourToTheBackground) {
    TdxfLabel label;
    label.resize(60, 60);
    label.SetColor(clBlack);
    usePaletteFont(label, -20);
    label.SetCaption(QStringLiteral("━"));
    label.Effect3D().SetStyle(TdxfEffectStyle::dxfFun);
    label.Effect3D().SetOrientation(TdxfOrientation::dxfTop);
    label.Effect3D().SetDepth(12);
    label.Effect3D().SetShadowedColor(clSilver);
    const QImage image = rendered(label);
    int top = 0;
    while (top < 60 && At(image, 30, top) != clLime) ++top;
    ASSERT_GT(top, 13);
    // The nearest copy lies on every farther one, so row top - k shows copy k.
    for (int k = 1; k <= 12; ++k) {
        const int v = 192 - 16 * (k - 1);
        EXPECT_EQ(At(image, 30, top - k), RGB(v, v, v)) << k;
    }
    EXPECT_EQ(At(image, 30, top - 13), clBlack);
}

TEST(DxfLabelTest, ExtrudeOfDepthOneIsOneCopyRightAndDown) {
    TdxfLabel label;
    label.resize(40, 40);
    label.SetColor(clBlack);
    usePaletteFont(label, -24);
    label.SetCaption(QStringLiteral("╋"));
    label.Effect3D().SetStyle(TdxfEffectStyle::dxfExtrude);
    label.Effect3D().SetOrientation(TdxfOrientation::dxfRightBottom);
    label.Effect3D().SetDepth(1);
    label.Effect3D().SetShadowedColor(clGray);
    const QImage image = rendered(label);
    int grey = 0;
    for (int y = 1; y < 40; ++y) {
        for (int x = 1; x < 40; ++x) {
            const bool faceBefore = At(image, x - 1, y - 1) == clLime;
            const TColor here = At(image, x, y);
            if (here == clGray) {
                EXPECT_TRUE(faceBefore) << x << ',' << y;
            }
            if (faceBefore && here != clLime) {
                EXPECT_EQ(here, clGray) << x << ',' << y;
            }
            grey += here == clGray;
        }
    }
    EXPECT_GT(grey, 0);
}

TEST(DxfLabelTest, DepthZeroDrawsNoCopy) {
    for (const auto style :
         {TdxfEffectStyle::dxfFun, TdxfEffectStyle::dxfExtrude, TdxfEffectStyle::dxfCool}) {
        TdxfLabel label;
        label.resize(40, 40);
        label.SetColor(clBlack);
        usePaletteFont(label, -24);
        label.SetCaption(QStringLiteral("╋"));
        label.Effect3D().SetStyle(style);
        label.Effect3D().SetShadowedColor(clGray);
        const QImage image = rendered(label);
        EXPECT_EQ(countOf(image, clGray), 0) << static_cast<int>(style);
        EXPECT_GT(countOf(image, clLime), 0) << static_cast<int>(style);
    }
}

TEST(DxfLabelTest, TransparentLabelLeavesOutEveryPixelOfItsColour) {
    TdxfLabel label;
    label.resize(40, 40);
    label.SetColor(clBlack);
    usePaletteFont(label, -24);
    label.Font().SetColor(clBlack);
    label.SetCaption(QStringLiteral("╋"));
    label.Effect3D().SetStyle(TdxfEffectStyle::dxfExtrude);
    label.Effect3D().SetDepth(1);
    label.SetTransparent(true);
    const QImage image = rendered(label, qRgb(255, 0, 0));
    EXPECT_EQ(countOf(image, clBlack), 0);
    EXPECT_GT(countOf(image, clGray), 0);
    EXPECT_GT(countOf(image, clRed), 0);
}

TEST(DxfLabelTest, ClickNeedsPressAndReleaseInside) {
    struct Row {
        QPoint release;
        int clicks;
    };
    for (const Row& row : {Row{{5, 5}, 1}, Row{{50, 5}, 0}}) {
        TdxfLabel label;
        label.resize(40, 40);
        int clicks = 0;
        label.SetOnClick([&](TdxfLabel* sender) { clicks += sender == &label; });
        label.PointerPress(Qt::LeftButton, QPoint(5, 5));
        label.PointerRelease(Qt::LeftButton, row.release);
        EXPECT_EQ(clicks, row.clicks);
    }
}

}  // namespace
