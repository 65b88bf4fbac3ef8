// The audio manager's per-update cost with every effect channel busy, and the stall of a
// stage's music start: deciphering and decoding the longest generated track whole.
//
// The music figure needs the generated data set (data/bgm/NN.auy beside the build folder or
// the bench folder); without it that benchmark is skipped.

#include "engine/audio/AudioManager.h"
#include "engine/crypt/FileCrypt.h"
#include "platform/audio/AudioDecoders.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/files/DataPath.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace zelka {
namespace {

constexpr int kStepMs = 16;

// A 16-bit mono WAV of a few frames.
void WriteWav(const std::filesystem::path& file)
{
    const unsigned char bytes[] = {'R', 'I', 'F', 'F', 40, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                   16, 0, 0, 0, 1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x80, 0x3E, 0, 0, 2, 0,
                                   16, 0, 'd', 'a', 't', 'a', 4, 0, 0, 0, 0, 0, 0, 0};
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

void BM_AudioManagerFrameUpdate32Busy(benchmark::State& state)
{
    const std::string app = std::filesystem::temp_directory_path().string() + "/zelka_bench_audio";
    WriteWav(app + "/data/sfx/00.wav");
    files::SetApplicationFolder(app);
    auto device = std::make_shared<NullAudioDevice>();
    audio::SetAudioDevice(device);
    AudioManager::ResetState();
    AudioManager::Init();
    AudioManager::SetSFXChannels(kMaxSFXChannels);
    if (!AudioManager::PreloadSFX(U"sfx/00.wav", U"0", false)) {
        state.SkipWithError("effect did not load");
        return;
    }
    // Looping, with a long volume fade each, so every channel has a tween to advance.
    for (int channel = 0; channel < kMaxSFXChannels; ++channel) {
        AudioManager::PlaySFX2(U"0", channel, true, 1 << 30, 0.0f, 1.0f, 0.0f, 1.0f);
    }
    AudioManager::PlayBGM2(U"bgm/none.ogg", true, 1 << 30, 0.0f, 1.0f);
    for (auto _ : state) {
        AudioManager::FrameUpdate(kStepMs);
    }
    AudioManager::ResetState();
    audio::SetAudioDevice(nullptr);
    files::SetApplicationFolder(std::nullopt);
    std::filesystem::remove_all(app);
}
BENCHMARK(BM_AudioManagerFrameUpdate32Busy);

// The folder holding data/bgm, and the name of its track with the most sample frames.
std::optional<std::string> LongestTrack(std::string& appFolder, int& frames)
{
    for (const char* folder : {".", ".."}) {
        std::error_code error;
        const std::filesystem::path bgm = std::filesystem::path(folder) / "data" / "bgm";
        std::optional<std::string> best;
        frames = 0;
        for (const auto& entry : std::filesystem::directory_iterator(bgm, error)) {
            if (entry.path().extension() != ".auy") {
                continue;
            }
            auto plain = FileCrypt::DecryptFileToMem(entry.path().string());
            auto data = plain ? audio::LoadOGG_mem(plain->data(), plain->size()) : std::nullopt;
            if (data && data->length > frames) {
                frames = data->length;
                best = "bgm/" + entry.path().filename().string();
            }
        }
        if (best) {
            appFolder = std::filesystem::absolute(folder).string();
            return best;
        }
    }
    return std::nullopt;
}

void BM_MusicLoadLongestTrack(benchmark::State& state)
{
    std::string app;
    int frames = 0;
    const std::optional<std::string> track = LongestTrack(app, frames);
    if (!track) {
        state.SkipWithError("no generated music found (data/bgm/*.auy)");
        return;
    }
    files::SetApplicationFolder(app);
    auto device = std::make_shared<NullAudioDevice>();
    audio::SetAudioDevice(device);
    const String path = FromUtf8(*track);
    for (auto _ : state) {
        Ref<Sound> sound = audiomanager::LoadSoundEnc(path);
        benchmark::DoNotOptimize(sound);
    }
    state.SetLabel(*track + ", " + std::to_string(frames) + " frames");
    audio::SetAudioDevice(nullptr);
    files::SetApplicationFolder(std::nullopt);
}
BENCHMARK(BM_MusicLoadLongestTrack)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelka
