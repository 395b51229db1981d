// A label shows its kept faces again instead of composing them anew: whatever it shows must be exactly what
// a label composing that state for the first time shows.
#include <gtest/gtest.h>

#include <QPainter>
#include <functional>
#include <memory>

#include "support/pixels.h"
#include "widgets/dxflabel.h"

namespace {

// A palette glyph as the main window sets it up.
void configure(TdxfLabel& label) {
    label.resize(40, 40);
    label.SetColor(clBlack);
    label.Font().SetName(QStringLiteral("ＭＳ Ｐ明朝"));
    label.Font().SetStyle({FontStyle::Bold});
    label.Font().SetHeight(-133);
    label.Font().SetColor(clLime);
    label.Effect3D().SetStyle(TdxfEffectStyle::dxfFun);
    label.Effect3D().SetOrientation(TdxfOrientation::dxfTop);
    label.Effect3D().SetDepth(12);
    label.Effect3D().SetShadowedColor(clSilver);
    label.SetCaption(QStringLiteral("┣"));
}

QImage rendered(const TdxfLabel& label) {
    QImage image = Blank(label.size(), qRgb(255, 0, 0));
    QPainter painter(&image);
    label.Paint(painter);
    return image;
}

using Change = std::function<void(TdxfLabel&)>;

// The same state on a label that has never painted.
QImage composedFresh(int angle, const Change& change) {
    TdxfLabel fresh;
    configure(fresh);
    change(fresh);
    fresh.SetAngle(angle);
    return rendered(fresh);
}

struct FaceCase {
    const char* name;
    Change change;
};

class DxfLabelFacesTest : public testing::TestWithParam<FaceCase> {};

// Two full turns, so the second shows only kept faces, then the change, then a turn more.
TEST_P(DxfLabelFacesTest, KeptFacesMatchFreshlyComposedOnes) {
    TdxfLabel label;
    configure(label);
    const Change none = [](TdxfLabel&) {};
    for (int angle = 0; angle < 720; angle += 30)
        ASSERT_EQ(rendered((label.SetAngle(angle % 360), label)), composedFresh(angle % 360, none)) << angle;
    GetParam().change(label);
    for (int angle = 0; angle < 360; angle += 30)
        ASSERT_EQ(rendered((label.SetAngle(angle), label)), composedFresh(angle, GetParam().change)) << angle;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DxfLabelFacesTest,
    testing::Values(
        FaceCase{"Nothing", [](TdxfLabel&) {}},
        FaceCase{"FontSize", [](TdxfLabel& l) { l.Font().SetSize(40); }},
        FaceCase{"FontColor", [](TdxfLabel& l) { l.Font().SetColor(clYellow); }},
        FaceCase{"Caption", [](TdxfLabel& l) { l.SetCaption(QStringLiteral("╋")); }},
        FaceCase{"Style", [](TdxfLabel& l) { l.SetStyle(TdxfLabelStyle::dxfRaised); }},
        FaceCase{"EffectStyle", [](TdxfLabel& l) { l.Effect3D().SetStyle(TdxfEffectStyle::dxfCool); }},
        FaceCase{"Orientation",
                 [](TdxfLabel& l) { l.Effect3D().SetOrientation(TdxfOrientation::dxfLeftBottom); }},
        FaceCase{"Depth", [](TdxfLabel& l) { l.Effect3D().SetDepth(3); }},
        FaceCase{"ShadowedColor", [](TdxfLabel& l) { l.Effect3D().SetShadowedColor(clBlue); }},
        FaceCase{"Color", [](TdxfLabel& l) { l.SetColor(clGreen); }},
        FaceCase{"Transparent", [](TdxfLabel& l) { l.SetTransparent(true); }},
        FaceCase{"Size", [](TdxfLabel& l) { l.resize(52, 33); }},
        FaceCase{"Glyph",
                 [](TdxfLabel& l) {
                     QImage glyph = Blank(QSize(3, 2), qRgb(9, 99, 199));
                     l.SetGlyph(glyph);
                 }}),
    [](const testing::TestParamInfo<FaceCase>& info) { return std::string(info.param.name); });

}  // namespace
