// Reading a board file at the size limit, whatever it holds: the reading steps' three lookups over a
// 1 MiB file of each hostile shape. "held" is the memory the open file keeps while it is read.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <string>

#include "platform/inifile.h"

namespace {

enum class Content { Newlines, OneLine, Garbage, KeyLines, Sections };

std::string content(Content kind) {
    const std::size_t size = IniFile::kMaxFileSize;
    std::string bytes;
    switch (kind) {
        case Content::Newlines:
            return std::string(size, '\n');
        case Content::OneLine:
            return "[Setting]\r\nPoru=" + std::string(size - 16, '1');
        case Content::Garbage: {
            bytes.resize(size);
            std::uint32_t x = 2463534242u;
            for (char& c : bytes) {
                x ^= x << 13;
                x ^= x >> 17;
                x ^= x << 5;
                c = static_cast<char>(x);
            }
            return bytes;
        }
        case Content::KeyLines:
            bytes = "[Setting]\r\n";
            while (bytes.size() + 8 <= size) bytes += "Key=12\r\n";
            return bytes;
        case Content::Sections:
            while (bytes.size() + 11 <= size) bytes += "[Setting]\r\n";
            return bytes;
    }
    return bytes;
}

void BM_ReadBoardKeysFromOneMebibyte(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("hostile.qvx");
    {
        const std::string bytes = content(static_cast<Content>(state.range(0)));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                                                    static_cast<qint64>(bytes.size())) {
            state.SkipWithError("cannot write the file");
            return;
        }
    }
    std::size_t held = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        const IniFile ini(path);
        held = mallinfo2().uordblks - before;
        benchmark::DoNotOptimize(ini.ReadInteger("Setting", "Count", 0));
        benchmark::DoNotOptimize(ini.ReadInteger("Setting", "Color", 0));
        benchmark::DoNotOptimize(ini.ReadString("Setting", "Poru", ""));
    }
    state.counters["held_MiB"] = static_cast<double>(held) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ReadBoardKeysFromOneMebibyte)
    ->ArgName("content")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond);

}  // namespace
