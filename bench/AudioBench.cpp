// Sample decoding time: music is decoded whole when a stage starts, so a track's Ogg
// decode is a stall the player sees; effects are WAV parsed at preload.
//
// The Ogg figure needs the generated music (data/bgm/NN.auy, deciphered in memory first):
// run from the build folder or from bench/. Without it the benchmark is skipped.

#include "engine/crypt/FileCrypt.h"
#include "platform/audio/AudioDecoders.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zelka {
namespace {

constexpr double kTrackSeconds = 30.0;   // figures are scaled to a 30-second track

// The first enciphered track found beside the working folder, deciphered.
std::optional<std::vector<std::uint8_t>> FindTrack(std::string& name)
{
    for (const char* folder : {"data/bgm", "../data/bgm"}) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            if (entry.path().extension() == ".auy") {
                name = entry.path().string();
                return FileCrypt::DecryptFileToMem(name);
            }
        }
    }
    return std::nullopt;
}

void BM_OggDecodeTrack(benchmark::State& state)
{
    std::string name;
    std::optional<std::vector<std::uint8_t>> track = FindTrack(name);
    if (!track) {
        state.SkipWithError("no generated music (data/bgm/*.auy): run the asset generator first");
        return;
    }
    std::optional<AudioData> probe = audio::LoadOGG_mem(track->data(), track->size());
    if (!probe || probe->length == 0) {
        state.SkipWithError(("cannot decode " + name + " (not an Ogg Vorbis track?)").c_str());
        return;
    }
    double seconds = static_cast<double>(probe->length) / probe->rate;
    for (auto _ : state) {
        std::optional<AudioData> out = audio::LoadOGG_mem(track->data(), track->size());
        benchmark::DoNotOptimize(out);
    }
    state.SetLabel(name);
    state.counters["track_s"] = seconds;
    // Wall time per decode scaled to 30 s of music; and audio seconds decoded per second.
    state.counters["per_30s"] = benchmark::Counter(
        seconds / kTrackSeconds,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["x_realtime"] = benchmark::Counter(seconds, benchmark::Counter::kIsIterationInvariantRate);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * probe->samples.size());
}
BENCHMARK(BM_OggDecodeTrack)->Unit(benchmark::kMillisecond);

// 30 seconds of 16-bit stereo at 44100 Hz behind a plain 44-byte header.
std::vector<std::uint8_t> LargeWav()
{
    constexpr std::uint32_t kRate = 44100;
    constexpr std::uint32_t kDataBytes = static_cast<std::uint32_t>(kTrackSeconds) * kRate * 4;
    std::vector<std::uint8_t> bytes;
    auto put = [&](std::uint32_t v, int count) {
        for (int i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto id = [&](const char* text) { bytes.insert(bytes.end(), text, text + 4); };
    id("RIFF");
    put(36 + kDataBytes, 4);
    id("WAVE");
    id("fmt ");
    put(16, 4);
    put(1, 2);          // PCM
    put(2, 2);          // stereo
    put(kRate, 4);
    put(kRate * 4, 4);  // byte rate
    put(4, 2);          // block align
    put(16, 2);         // bits
    id("data");
    put(kDataBytes, 4);
    bytes.resize(bytes.size() + kDataBytes, 0x5A);
    return bytes;
}

void BM_WavParseLarge(benchmark::State& state)
{
    const std::vector<std::uint8_t> wav = LargeWav();
    for (auto _ : state) {
        std::optional<AudioData> out = audio::LoadWAV_mem(wav.data(), wav.size());
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * wav.size());
}
BENCHMARK(BM_WavParseLarge)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelka
