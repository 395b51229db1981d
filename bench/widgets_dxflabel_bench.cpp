// One palette label repainted as the animation does it every tick: composed in the shared bitmap with its
// twelve-step ramp and copied out.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "app/palettelabel.h"
#include "widgets/dxflabel.h"

namespace {

// A new angle each time, as the spin does.
void BM_PaletteLabelRepaint(benchmark::State& state) {
    TdxfLabel label;
    label.resize(40, 40);
    SetUpPaletteLabel(label, 11);
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
