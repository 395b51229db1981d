// The one entry point of moxel_bench: widgets and fonts need an application object, so the benchmarks run
// on Qt's offscreen platform like the tests do.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/runtimedir.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareRuntimeDir();
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
