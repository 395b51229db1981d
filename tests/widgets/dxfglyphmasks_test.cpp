// A label fills its copies of the caption from one mask per caption, size and angle: what it shows must be
// exactly what drawing each copy of the caption as text, farthest first, in a larger shared bitmap shows.
#include <gtest/gtest.h>

#include <QPainter>
#include <functional>

#include "platform/canvas.h"
#include "support/pixels.h"
#include "widgets/dxfcaptionplacement.h"
#include "widgets/dxfglyphmasks.h"
#include "widgets/dxflabel.h"

namespace {

// Every copy drawn as text, in a bitmap larger than the label, as the label's own recipe states it.
QImage drawnFace(const TdxfLabel& label) {
    QImage bitmap(label.width() + 23, label.height() + 17, QImage::Format_RGB32);
    Canvas canvas(bitmap);
    canvas.SetFont(label.Font());
    const TPoint extent = canvas.TextExtent(label.Caption());
    ::Font rotated = label.Font();
    rotated.SetEscapement(CaptionEscapement(label.Angle()));
    canvas.SetFont(rotated);
    const TPoint start = TextStart(label.width() / 2, label.height() / 2, label.Angle(), extent.X, extent.Y);
    canvas.SetBrush({label.Color(), BrushStyle::Solid});
    canvas.FillRect(Rect(0, 0, bitmap.width(), bitmap.height()));
    canvas.SetBkMode(BackgroundMode::Transparent);
    const auto textAt = [&](int dx, int dy, TColor color) {
        canvas.Font().SetColor(color);
        canvas.TextOut(start.X + dx, start.Y + dy, label.Caption());
    };
    const Tdxf3DEffect& effect = label.Effect3D();
    const int depth = effect.Depth();
    const TPoint step = orientationStep(effect.Orientation());
    const TColor background = label.Color().IsSystem() ? clSilver : label.Color();
    for (int s = depth; s >= 1; --s) {
        if (effect.Style() == TdxfEffectStyle::dxfCool && s != depth) continue;
        const TColor color = effect.Style() == TdxfEffectStyle::dxfFun
                                 ? TdxfLabel::GetColor(effect.ShadowedColor(), background, s - 1, depth)
                                 : effect.ShadowedColor();
        textAt(step.X * s, step.Y * s, color);
    }
    switch (label.Style()) {
        case TdxfLabelStyle::dxfNormal:
            textAt(0, 0, label.Font().Color());
            break;
        case TdxfLabelStyle::dxfRaised:
            textAt(0, 0, clBtnHighlight);
            if (label.Font().Size() >= 12) textAt(2, 2, clBtnShadow);
            textAt(1, 1, label.Font().Color());
            break;
        case TdxfLabelStyle::dxfLowered:
            textAt(2, 2, clBtnHighlight);
            textAt(
                1, 1,
                label.Color().IsSystem() ? clBtnShadow : TdxfLabel::GetColor(label.Color(), clBlack, 1, 3));
            break;
        case TdxfLabelStyle::dxfOutLine:
            break;
    }
    const QImage part = bitmap.copy(0, 0, label.width(), label.height());
    return label.Transparent() ? ColorKeyedImage(part, label.Color()) : part;
}

QImage onRed(const std::function<void(QPainter&)>& paint, QSize size) {
    QImage image = Blank(size, qRgb(255, 0, 0));
    QPainter painter(&image);
    paint(painter);
    return image;
}

int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

struct MaskCase {
    const char* name;
    QSize size;
    QString caption;
    std::function<void(TdxfLabel&)> setUp;
    std::vector<int> sizes;
};

void palette(TdxfLabel& label) {
    label.SetColor(clBlack);
    label.Font().SetName(QStringLiteral("ＭＳ Ｐ明朝"));
    label.Font().SetStyle({FontStyle::Bold});
    label.Font().SetHeight(-133);
    label.Font().SetColor(RGB(50, 255, 0));
    label.Effect3D().SetStyle(TdxfEffectStyle::dxfFun);
    label.Effect3D().SetOrientation(TdxfOrientation::dxfTop);
    label.Effect3D().SetDepth(12);
    label.Effect3D().SetShadowedColor(clSilver);
}

void caption(TdxfLabel& label) {
    label.SetColor(clBlack);
    label.SetTransparent(true);
    label.Font().SetName(QStringLiteral("ＭＳ Ｐゴシック"));
    label.Font().SetHeight(-13);
    label.Font().SetColor(clWhite);
    label.Effect3D().SetStyle(TdxfEffectStyle::dxfExtrude);
    label.Effect3D().SetOrientation(TdxfOrientation::dxfRightBottom);
    label.Effect3D().SetDepth(1);
}

class DxfGlyphMasksTest : public testing::TestWithParam<MaskCase> {};

// Every angle of a turn at each size the case names, each face twice: a caption, size and angle asked for
// the first time are drawn, the second time (here in another colour) filled from the masks.
TEST_P(DxfGlyphMasksTest, FilledFacesMatchDrawnOnes) {
    const MaskCase& c = GetParam();
    TdxfLabel label;
    label.resize(c.size);
    c.setUp(label);
    label.SetCaption(c.caption);
    const TColor first = label.Font().Color();
    for (int points : c.sizes) {
        if (points > 0) label.Font().SetSize(points);
        for (int angle = 0; angle <= 360; angle += 10) {
            label.SetAngle(angle);
            for (const TColor color : {first, TColor(clFuchsia)}) {
                label.Font().SetColor(color);
                const QImage drawn = drawnFace(label);
                const QImage shown = onRed([&](QPainter& p) { label.Paint(p); }, c.size);
                ASSERT_EQ(
                    differingPixels(shown, onRed([&](QPainter& p) { p.drawImage(0, 0, drawn); }, c.size)), 0)
                    << points << " pt at " << angle << (color == first ? ", drawn" : ", filled");
            }
            label.Font().SetColor(first);
        }
    }
}

TEST(CaptionMasksTest, AreMadeOnlyWhenAskedForAgain) {
    ::Font font;
    font.SetName(QStringLiteral("ＭＳ Ｐ明朝"));
    font.SetHeight(-37);
    const std::vector<TPoint> offsets{{0, -2}, {0, 0}};
    const auto ask = [&](int angle) {
        return CaptionMasks(font, QStringLiteral("┳"), angle, {40, 40}, offsets) != nullptr;
    };
    EXPECT_FALSE(ask(17));
    EXPECT_FALSE(ask(23));
    EXPECT_TRUE(ask(17));
    EXPECT_TRUE(ask(17));
    // The colour plays no part.
    font.SetColor(clRed);
    EXPECT_TRUE(ask(23));
}

INSTANTIATE_TEST_SUITE_P(
    Faces, DxfGlyphMasksTest,
    testing::Values(MaskCase{"PalettePulse",
                             {40, 40},
                             QStringLiteral("┏"),
                             palette,
                             {100, 80, 60, 40, 20, 10, 30, 50, 70, 90}},
                    MaskCase{"PaletteCross", {40, 40}, QStringLiteral("╋"), palette, {100, 40}},
                    MaskCase{"PaletteBar", {40, 40}, QStringLiteral("┃"), palette, {100, 20}},
                    MaskCase{"Counter", {60, 20}, QStringLiteral("チマチマ数"), caption, {0}},
                    MaskCase{"Title",
                             {14, 180},
                             QStringLiteral("Orvane - ポルポルMoxel!"),
                             [](TdxfLabel& l) {
                                 caption(l);
                                 l.Font().SetStyle({FontStyle::Bold});
                                 l.Effect3D().SetOrientation(TdxfOrientation::dxfLeftBottom);
                             },
                             {0}},
                    MaskCase{"Raised",
                             {50, 30},
                             QStringLiteral("Ab"),
                             [](TdxfLabel& l) {
                                 palette(l);
                                 l.SetStyle(TdxfLabelStyle::dxfRaised);
                                 l.Effect3D().SetStyle(TdxfEffectStyle::dxfCool);
                                 l.Effect3D().SetOrientation(TdxfOrientation::dxfLeftTop);
                                 l.Effect3D().SetDepth(3);
                             },
                             {14, 8}},
                    MaskCase{"Lowered",
                             {50, 30},
                             QStringLiteral("Ab"),
                             [](TdxfLabel& l) {
                                 palette(l);
                                 l.SetColor(clGreen);
                                 l.SetStyle(TdxfLabelStyle::dxfLowered);
                                 l.Effect3D().SetDepth(0);
                             },
                             {16}}),
    [](const testing::TestParamInfo<MaskCase>& info) { return std::string(info.param.name); });

}  // namespace
