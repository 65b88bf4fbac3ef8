#include "platform/files/FileIO.h"
#include "platform/files/TextFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace zelka {
namespace {

std::filesystem::path WriteFile(std::size_t bytes, const char* tag)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("zelka_bench_" + std::to_string(getpid()) + "_" + tag);
    std::vector<uint8_t> data(bytes);
    for (std::size_t i = 0; i < bytes; ++i) data[i] = static_cast<uint8_t>('a' + i % 26);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data.data(), 1, data.size(), f);
        std::fclose(f);
    }
    return path;
}

// Whole-file reads: range = file size in bytes.
void BM_LoadData(benchmark::State& state)
{
    const auto size = static_cast<std::size_t>(state.range(0));
    const auto path = WriteFile(size, "data");
    for (auto _ : state) {
        auto bytes = files::LoadData(path.string());
        if (!bytes || bytes->size() != size) state.SkipWithError("short read");
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadData)->Arg(64 << 10)->Arg(8 << 20)->Unit(benchmark::kMillisecond);

// Text decoding on top (a font description is a few kilobytes; this is the upper end).
void BM_LoadStringUtf8(benchmark::State& state)
{
    const auto size = static_cast<std::size_t>(state.range(0));
    const auto path = WriteFile(size, "text");
    for (auto _ : state) {
        auto text = files::LoadString(path.string());
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadStringUtf8)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelka
