// Rendering the board's back bitmap (542 × 272, 8454143 to white in 236 colours) in each gradient style,
// the way the panel does it after every change of its fill or size.
#include <benchmark/benchmark.h>

#include <QImage>

#include "buttongrid/mxfillobject.h"
#include "buttongrid/mxgradient.h"
#include "buttongrid/mxgradientpaint.h"
#include "platform/canvas.h"

namespace {

void BM_BoardBackBitmap(benchmark::State& state) {
    TMxFillObject fill;
    fill.SetStyle(TMxFillStyle::sfGradient);
    fill.Gradient().SetColor(TColor(8454143));
    fill.Gradient().SetEndColor(clWhite);
    fill.Gradient().SetColorCount(236);
    fill.Gradient().SetStyle(static_cast<TMxGradientStyle>(state.range(0)));
    state.SetLabel(MxGradientStyleName(static_cast<TMxGradientStyle>(state.range(0))));
    QImage bitmap(542, 272, QImage::Format_RGB32);
    Canvas canvas(bitmap);
    for (auto _ : state) {
        fill.FillCanvas(canvas, Rect(0, 0, 542, 272), clWhite);
        benchmark::DoNotOptimize(bitmap.constBits());
    }
}

void StyleArguments(benchmark::internal::Benchmark* b) {
    for (int style = 0; style < kMxGradientStyleCount; ++style) b->Arg(style);
    b->ArgName("style")->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(BM_BoardBackBitmap)->Apply(StyleArguments);
