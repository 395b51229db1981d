// The one entry point of moxel_bench: widgets and fonts need an application object, so the benchmarks run
// on Qt's offscreen platform like the tests do. After the benchmarks it prints every speed target as the
// ratio of two benchmarks of this same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <iostream>
#include <string>

#include "buttongrid/mxgradient.h"
#include "platform/runtimedir.h"
#include "ratioreporter.h"

namespace {

std::vector<RatioReporter::Target> targets() {
    std::vector<RatioReporter::Target> list = {
        {"solid FillRect, whole board / std::fill", "BM_FillRectWholeBoard", "BM_StdFillWholeBoard", 2.0},
        {"CopyRect, whole board / std::memcpy", "BM_CopyRectWholeBoard", "BM_MemcpyWholeBoard", 2.0},
    };
    for (int style = 0; style < kMxGradientStyleCount; ++style)
        list.push_back({std::string("gradient ") + MxGradientStyleName(static_cast<TMxGradientStyle>(style)) +
                            " / solid FillRect",
                        "BM_BoardBackBitmap/style:" + std::to_string(style), "BM_FillRectWholeBoard", 1.5});
    list.push_back({"palette tick / 1 widget paints 11 ready images", "BM_PaletteTick",
                    "BM_OneParentRepaintsEleven", 1.5});
    return list;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareRuntimeDir();
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios(std::cout, targets());
    ::benchmark::Shutdown();
    return 0;
}
