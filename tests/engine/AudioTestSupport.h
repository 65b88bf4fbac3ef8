#pragma once

// A headless audio device for the manager tests, and a temporary data folder of small
// WAV files (plain and enciphered).

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/crypt/FileCrypt.h"
#include "platform/audio/AudioModule.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/files/DataPath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace zelka::testing_audio {

// The null device, except that music needs no file: PlayMusic records the path and plays
// a tiny sample on channel 32, so music tests need no Ogg data.
class FakeAudioDevice final : public AudioDevice {
public:
    void Suspend() override { inner.Suspend(); }
    void Resume() override { inner.Resume(); }
    Ref<Sample> LoadSample(std::string_view path) override { return inner.LoadSample(path); }
    Ref<Sample> NewSample(const AudioData& data) override { return inner.NewSample(data); }
    int PlaySample(const Ref<Sample>& sample, int channel, int flags) override
    {
        return inner.PlaySample(sample, channel, flags);
    }
    void StopChannel(int channel) override { inner.StopChannel(channel); }
    void PauseChannel(int channel) override { inner.PauseChannel(channel); }
    void ResumeChannel(int channel) override { inner.ResumeChannel(channel); }
    int ChannelState(int channel) override { return inner.ChannelState(channel); }
    void SetVolume(int channel, float volume) override { inner.SetVolume(channel, volume); }
    void SetPan(int channel, float pan) override { inner.SetPan(channel, pan); }
    void SetRate(int channel, float rate) override { inner.SetRate(channel, rate); }
    int PlayMusic(std::string_view path, int flags) override
    {
        musicPaths.emplace_back(path);
        inner.StopMusic();
        AudioData data;
        data.channels = 1;
        data.bytesPerSample = 1;
        data.rate = 8000;
        data.length = 1;
        data.samples = {128};
        return inner.PlaySample(inner.NewSample(data), kMusicChannel, flags);
    }
    void StopMusic() override { inner.StopMusic(); }
    void PauseMusic() override { inner.PauseMusic(); }
    void ResumeMusic() override { inner.ResumeMusic(); }
    int MusicState() override { return inner.MusicState(); }
    void SetMusicVolume(float volume) override { inner.SetMusicVolume(volume); }
    void FlushDiscarded() override { inner.FlushDiscarded(); }

    NullAudioDevice inner;
    std::vector<std::string> musicPaths;   // resolved paths PlayMusic was asked for
};

// A PCM WAV file: `channels` channels of `bits`-bit samples, 8000 Hz, `frames` frames.
inline std::vector<std::uint8_t> WavBytes(int channels, int bits, int frames)
{
    const unsigned rate = 8000;
    const auto frameBytes = static_cast<unsigned>(channels * bits / 8);
    const unsigned dataBytes = frameBytes * static_cast<unsigned>(frames);
    std::vector<std::uint8_t> b;
    const auto tag = [&b](std::string_view t) { b.insert(b.end(), t.begin(), t.end()); };
    const auto put = [&b](unsigned v, int bytes) {
        for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
    };
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVEfmt ");   // the form type, then the format chunk's tag
    put(16, 4);
    put(1, 2);   // PCM
    put(static_cast<unsigned>(channels), 2);
    put(rate, 4);
    put(rate * frameBytes, 4);
    put(frameBytes, 2);
    put(static_cast<unsigned>(bits), 2);
    tag("data");
    put(dataBytes, 4);
    b.insert(b.end(), dataBytes, bits == 8 ? 128 : 0);
    return b;
}

// Installs a fresh fake device and a fresh audio and sound manager over a temporary data
// folder; tests add files with Write or WriteEnc.
class AudioFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        app_ = ::testing::TempDir() + "zelka_audio_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(app_);
        std::filesystem::create_directories(app_ + "/data");
        files::SetApplicationFolder(app_);
        device_ = std::make_shared<FakeAudioDevice>();
        audio::SetAudioDevice(device_);
        AudioManager::ResetState();
        SoundManager::ResetState();
        AudioManager::Init();
    }
    void TearDown() override
    {
        AudioManager::ResetState();
        SoundManager::ResetState();
        audio::SetAudioDevice(nullptr);
        files::SetApplicationFolder(std::nullopt);
        std::filesystem::remove_all(app_);
    }

    // A file under data/ (folders made as needed).
    void Write(const std::string& path, const std::vector<std::uint8_t>& bytes)
    {
        const std::filesystem::path file = app_ + "/data/" + path;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void WriteEnc(const std::string& path, const std::vector<std::uint8_t>& plain)
    {
        Write(path, FileCrypt::Encipher(plain));
    }
    // A mono 16-bit effect at sfx/<name>.wav, preloaded under `key`.
    void LoadEffect(const String& key, const std::string& name = "a")
    {
        Write("sfx/" + name + ".wav", WavBytes(1, 16, 4));
        ASSERT_TRUE(AudioManager::PreloadSFX(U"sfx/" + FromLatin1(name) + U".wav", key, false));
    }
    NullAudioDevice& Device() { return device_->inner; }

    std::string app_;
    Ref<FakeAudioDevice> device_;
};

}  // namespace zelka::testing_audio
