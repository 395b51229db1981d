// One palette label repainted as the animation does it every tick: composed in the shared bitmap with its
// twelve-step ramp and copied out.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "widgets/dxflabel.h"

namespace {

void configurePalette(TdxfLabel& label) {
    label.resize(40, 40);
    label.SetColor(clBlack);
    label.Font().SetName(QStringLiteral("ＭＳ Ｐ明朝"));
    label.Font().SetCharset(SHIFTJIS_CHARSET);
    label.Font().SetStyle({FontStyle::Bold});
    label.Font().SetHeight(-133);
    label.Font().SetColor(clLime);
    label.Effect3D().SetStyle(TdxfEffectStyle::dxfFun);
    label.Effect3D().SetOrientation(TdxfOrientation::dxfTop);
    label.Effect3D().SetDepth(12);
    label.Effect3D().SetShadowedColor(clSilver);
    label.SetCaption(QStringLiteral("╋"));
}

// A new angle each time, as the spin does.
void BM_PaletteLabelRepaint(benchmark::State& state) {
    TdxfLabel label;
    configurePalette(label);
    QImage screen(40, 40, QImage::Format_RGB32);
    int angle = 0;
    for (auto _ : state) {
        angle = (angle + 10) % 360;
        label.SetAngle(angle);
        QPainter painter(&screen);
        label.Paint(painter);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}

}  // namespace

BENCHMARK(BM_PaletteLabelRepaint)->Unit(benchmark::kMicrosecond);
