// The canvas primitives the board repaints most: its elliptic gradient background and the copy of that back
// bitmap to the screen.
#include <benchmark/benchmark.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstring>

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

// The memory-speed baselines of the two primitives: the same bytes written by the standard library.
void BM_MemcpyWholeBoard(benchmark::State& state) {
    QImage source(kWidth, kHeight, QImage::Format_RGB32);
    source.fill(qRgb(128, 255, 255));
    QImage target(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(), static_cast<std::size_t>(source.sizeInBytes()));
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_MemcpyWholeBoard)->Unit(benchmark::kMicrosecond);

void BM_StdFillWholeBoard(benchmark::State& state) {
    QImage target(kWidth, kHeight, QImage::Format_RGB32);
    auto* pixels = reinterpret_cast<QRgb*>(target.bits());
    for (auto _ : state) {
        std::fill(pixels, pixels + kWidth * kHeight, qRgb(128, 255, 255));
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_StdFillWholeBoard)->Unit(benchmark::kMicrosecond);

void BM_FillRectWholeBoard(benchmark::State& state) {
    QImage target(kWidth, kHeight, QImage::Format_RGB32);
    Canvas canvas(target);
    canvas.Brush().Color = RGB(255, 255, 128);
    for (auto _ : state) {
        canvas.FillRect(Rect(0, 0, kWidth, kHeight));
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_FillRectWholeBoard)->Unit(benchmark::kMicrosecond);

}  // namespace
