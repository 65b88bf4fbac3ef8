#include "engine/crypt/FileCrypt.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace zelka {
namespace {

constexpr std::size_t kFileBytes = 4 << 20;  // a large texture or music track

std::vector<uint8_t> Plain()
{
    std::vector<uint8_t> bytes(kFileBytes);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 31 + (i >> 10));
    return bytes;
}

// The keystream alone, in place.
void BM_ApplyKeystream(benchmark::State& state)
{
    std::vector<uint8_t> bytes = Plain();
    for (auto _ : state) {
        FileCrypt::ApplyKeystream(bytes.data(), bytes.size(), 12345);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ApplyKeystream)->Unit(benchmark::kMillisecond);

// Header check, body copy, keystream and checksum from a container in memory.
void BM_Decipher(benchmark::State& state)
{
    const std::vector<uint8_t> container = FileCrypt::Encipher(Plain());
    for (auto _ : state) {
        auto body = FileCrypt::Decipher(container);
        benchmark::DoNotOptimize(body);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * container.size()));
}
BENCHMARK(BM_Decipher)->Unit(benchmark::kMillisecond);

// What the game does per asset: read the file and decipher it in place.
void BM_DecryptFileToMem(benchmark::State& state)
{
    const auto path = std::filesystem::temp_directory_path() / ("zelka_bench_" + std::to_string(getpid()) + ".imx");
    const std::vector<uint8_t> container = FileCrypt::Encipher(Plain());
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(container.data(), 1, container.size(), f);
        std::fclose(f);
    }
    for (auto _ : state) {
        auto body = FileCrypt::DecryptFileToMem(path.string());
        if (!body) state.SkipWithError("container rejected");
        benchmark::DoNotOptimize(body);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * container.size()));
    std::filesystem::remove(path);
}
BENCHMARK(BM_DecryptFileToMem)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelka
