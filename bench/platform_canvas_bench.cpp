// The canvas primitives the board repaints most: its elliptic gradient background and the copy of that back
// bitmap to the screen.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>

#include "platform/canvas.h"

namespace {

constexpr int kWidth = 542;
constexpr int kHeight = 272;
constexpr int kSteps = 236;

// 236 nested outline-less ellipses about the panel's centre, from one far larger than the image down to
// a single pixel, as the board's background gradient draws them.
void BM_NestedEllipses(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.Pen().Style = PenStyle::Clear;
    const int cx = kWidth / 2 - 1;
    const int cy = kHeight / 2 - 1;
    for (auto _ : state) {
        for (int i = kSteps - 1; i >= 0; --i) {
            const double step = static_cast<double>(i + 1) / kSteps;
            const int rx = static_cast<int>(std::lround(kWidth * step / 1.4));
            const int ry = static_cast<int>(std::lround(kHeight * step / 1.4));
            canvas.Brush().Color = RGB(255, 255, 128 + i / 2);
            canvas.Ellipse(cx - rx, cy - ry, cx + rx + 2, cy + ry + 2);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_NestedEllipses)->Unit(benchmark::kMillisecond);

void BM_CopyRectWholeBoard(benchmark::State& state) {
    QImage source(kWidth, kHeight, QImage::Format_RGB32);
    source.fill(qRgb(128, 255, 255));
    QImage target(kWidth, kHeight, QImage::Format_RGB32);
    Canvas canvas(target);
    for (auto _ : state) {
        canvas.CopyRect(Rect(0, 0, kWidth, kHeight), source, Rect(0, 0, kWidth, kHeight));
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_CopyRectWholeBoard)->Unit(benchmark::kMicrosecond);

}  // namespace
