#include "platform/audio/openal/OpenALAudioDevice.h"

#include "platform/files/DataPath.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace zelka {
namespace {

constexpr int kRate = 22050;                   // Hz
constexpr int kShortFrames = kRate * 50 / 1000;   // a 50 ms sound
constexpr int kLongFrames = kRate;             // one second, played looping

// 16-bit mono square wave, so the mixer has real work to do.
AudioData Tone(int frames)
{
    AudioData data;
    data.channels = 1;
    data.bytesPerSample = 2;
    data.rate = kRate;
    data.length = frames;
    data.samples.resize(static_cast<std::size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        data.samples[2 * i + 1] = (i / 25) % 2 == 0 ? 0x20 : 0xE0;   // +/- 8192
    }
    return data;
}

// A 44-byte-header PCM WAV file of `frames` 16-bit mono silent frames.
std::string WriteWav(const std::string& name, int frames)
{
    auto u32 = [](std::string& s, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(v >> (8 * i)));
    };
    auto u16 = [](std::string& s, std::uint16_t v) {
        s.push_back(static_cast<char>(v & 0xFF));
        s.push_back(static_cast<char>(v >> 8));
    };
    std::uint32_t dataBytes = static_cast<std::uint32_t>(frames) * 2;
    std::string bytes = "RIFF";
    u32(bytes, 36 + dataBytes);
    bytes += "WAVEfmt ";
    u32(bytes, 16);
    u16(bytes, 1);
    u16(bytes, 1);
    u32(bytes, kRate);
    u32(bytes, kRate * 2);
    u16(bytes, 2);
    u16(bytes, 16);
    bytes += "data";
    u32(bytes, dataBytes);
    bytes.append(dataBytes, '\0');
    std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// The null backend mixes in real time, so a sound's end is awaited by polling, with a
// bound generous enough for a loaded machine.
bool WaitForStop(AudioDevice& device, int channel)
{
    constexpr int kPolls = 5000;
    for (int i = 0; i < kPolls; ++i) {
        if (device.ChannelState(channel) == kChannelStopped) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

class OpenALAudioDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("ALSOFT_DRIVERS", "null", 1);   // no sound card in CI
        ::testing::internal::CaptureStdout();
        device_ = std::make_unique<OpenALAudioDevice>();
        opened_ = ::testing::internal::GetCapturedStdout();
        ASSERT_TRUE(device_->IsOpen()) << "OpenAL's null backend did not open";
    }

    std::unique_ptr<OpenALAudioDevice> device_;
    std::string opened_;
};

TEST_F(OpenALAudioDeviceTest, OpeningPrintsOneLine)
{
    EXPECT_EQ(opened_, "opening openal device\n");
}

TEST_F(OpenALAudioDeviceTest, OneShotSoundEndsAndChannelReadsStopped)
{
    Ref<Sample> sample = device_->NewSample(Tone(kShortFrames));
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->Length(), kShortFrames);
    ASSERT_EQ(device_->PlaySample(sample, 5, kPlayOnce), kAudioOk);
    EXPECT_TRUE(WaitForStop(*device_, 5));
    EXPECT_EQ(device_->ChannelState(5), kChannelStopped);
    // Pausing an ended sound leaves it stopped; resuming a stopped channel does nothing.
    device_->PauseChannel(5);
    device_->ResumeChannel(5);
    EXPECT_EQ(device_->ChannelState(5), kChannelStopped);
}

TEST_F(OpenALAudioDeviceTest, PlayingOverASoundReplacesIt)
{
    Ref<Sample> loop = device_->NewSample(Tone(kLongFrames));
    Ref<Sample> shot = device_->NewSample(Tone(kShortFrames));
    ASSERT_EQ(device_->PlaySample(loop, 5, kPlayLoop), kAudioOk);
    ASSERT_EQ(device_->PlaySample(shot, 5, kPlayOnce), kAudioOk);
    // Had the looping sound kept playing, the channel would never stop.
    EXPECT_TRUE(WaitForStop(*device_, 5));
}

TEST_F(OpenALAudioDeviceTest, PauseAndResumeChannel)
{
    Ref<Sample> loop = device_->NewSample(Tone(kLongFrames));
    ASSERT_EQ(device_->PlaySample(loop, 2, kPlayLoop), kAudioOk);
    device_->PauseChannel(2);
    EXPECT_EQ(device_->ChannelState(2), kChannelPaused);
    EXPECT_FALSE(device_->IsSourcePlaying(2));
    device_->ResumeChannel(2);
    EXPECT_EQ(device_->ChannelState(2), kChannelPlaying);
    EXPECT_TRUE(device_->IsSourcePlaying(2));
    device_->StopChannel(2);
    EXPECT_EQ(device_->ChannelState(2), kChannelStopped);
    EXPECT_FALSE(device_->IsSourcePlaying(2));
}

TEST_F(OpenALAudioDeviceTest, SuspendPausesPlayingChannelsAndResumeLeavesPausedOnes)
{
    Ref<Sample> loop = device_->NewSample(Tone(kLongFrames));
    ASSERT_EQ(device_->PlaySample(loop, 3, kPlayLoop), kAudioOk);
    ASSERT_EQ(device_->PlaySample(loop, 4, kPlayLoop), kAudioOk);
    device_->PauseChannel(4);

    device_->Suspend();
    EXPECT_FALSE(device_->IsSourcePlaying(3));
    EXPECT_EQ(device_->ChannelState(3), kChannelPlaying);   // a suspended sound has not ended
    EXPECT_EQ(device_->ChannelState(4), kChannelPaused);

    device_->Resume();
    EXPECT_TRUE(device_->IsSourcePlaying(3));
    EXPECT_FALSE(device_->IsSourcePlaying(4));
    EXPECT_EQ(device_->ChannelState(4), kChannelPaused);
}

TEST_F(OpenALAudioDeviceTest, DiscardWhilePlayingWaitsUntilTheSoundStops)
{
    Ref<Sample> loop = device_->NewSample(Tone(kLongFrames));
    ASSERT_EQ(device_->PlaySample(loop, 1, kPlayLoop), kAudioOk);
    loop->Discard();
    EXPECT_TRUE(loop->IsDiscarded());
    EXPECT_EQ(device_->PlaySample(loop, 6, kPlayOnce), kAudioFailed);   // nothing left to play

    device_->FlushDiscarded();
    EXPECT_EQ(device_->PendingDiscards(), 1);
    EXPECT_TRUE(device_->IsSourcePlaying(1));   // the sound plays on

    device_->StopChannel(1);
    Ref<Sample> other = device_->NewSample(Tone(kShortFrames));   // a later load flushes
    EXPECT_NE(other, nullptr);
    EXPECT_EQ(device_->PendingDiscards(), 0);
}

TEST_F(OpenALAudioDeviceTest, DiscardedBuffersAreDeletedOneAtATime)
{
    // Two buffers wait: one still playing, one free. The free one goes at the next flush;
    // a single call deleting both would have failed and kept both.
    Ref<Sample> playing = device_->NewSample(Tone(kLongFrames));
    Ref<Sample> idle = device_->NewSample(Tone(kShortFrames));
    ASSERT_EQ(device_->PlaySample(playing, 0, kPlayLoop), kAudioOk);
    playing->Discard();
    idle->Discard();
    device_->FlushDiscarded();
    EXPECT_EQ(device_->PendingDiscards(), 1);
}

TEST_F(OpenALAudioDeviceTest, DroppedSampleKeepsPlayingThenIsReclaimed)
{
    Ref<Sample> loop = device_->NewSample(Tone(kLongFrames));
    ASSERT_EQ(device_->PlaySample(loop, 7, kPlayLoop), kAudioOk);
    loop.reset();   // the channel still holds it
    device_->FlushDiscarded();
    EXPECT_EQ(device_->PendingDiscards(), 0);
    EXPECT_TRUE(device_->IsSourcePlaying(7));

    device_->StopChannel(7);   // last owner gone: the buffer is queued, then flushed
    EXPECT_EQ(device_->PendingDiscards(), 1);
    device_->FlushDiscarded();
    EXPECT_EQ(device_->PendingDiscards(), 0);
}

TEST_F(OpenALAudioDeviceTest, SampleOutlivingTheDeviceIsHarmless)
{
    Ref<Sample> kept = device_->NewSample(Tone(kShortFrames));
    Ref<Sample> dropped = device_->NewSample(Tone(kShortFrames));
    ASSERT_EQ(device_->PlaySample(dropped, 0, kPlayLoop), kAudioOk);
    dropped.reset();
    device_.reset();
    kept->Discard();   // no device, no queue: only the sample's own state changes
    EXPECT_TRUE(kept->IsDiscarded());
    kept.reset();
}

TEST_F(OpenALAudioDeviceTest, ChannelsOutsideTheRangeAreRefused)
{
    Ref<Sample> sample = device_->NewSample(Tone(kShortFrames));
    EXPECT_EQ(device_->PlaySample(sample, -1, kPlayOnce), kAudioFailed);
    EXPECT_EQ(device_->PlaySample(sample, kAudioChannelCount, kPlayOnce), kAudioFailed);
    EXPECT_EQ(device_->PlaySample(nullptr, 0, kPlayOnce), kAudioFailed);
    EXPECT_EQ(device_->ChannelState(kAudioChannelCount), kChannelStopped);
    device_->SetVolume(-1, 0.5f);
    device_->SetPan(kAudioChannelCount, 1.0f);
    device_->SetRate(1000, 2.0f);
    device_->StopChannel(-5);
    device_->PauseChannel(99);
    device_->ResumeChannel(99);
    EXPECT_EQ(device_->PlaySample(sample, kMusicChannel, kPlayOnce), kAudioOk);   // 32 is valid
}

TEST_F(OpenALAudioDeviceTest, InvalidDecodedAudioMakesNoSample)
{
    AudioData data = Tone(kShortFrames);
    data.channels = 6;
    EXPECT_EQ(device_->NewSample(data), nullptr);
    data = Tone(kShortFrames);
    data.samples.resize(10);   // fewer bytes than the frames claim
    EXPECT_EQ(device_->NewSample(data), nullptr);
    data = Tone(kShortFrames);
    data.rate = 0;
    EXPECT_EQ(device_->NewSample(data), nullptr);
}

TEST_F(OpenALAudioDeviceTest, LoadSampleDecodesByExtension)
{
    std::string wav = WriteWav("openal_load.WAV", kShortFrames);
    Ref<Sample> sample = device_->LoadSample(wav);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->Length(), kShortFrames);
    EXPECT_EQ(sample->Rate(), kRate);
    EXPECT_EQ(device_->LoadSample(wav + ".missing.wav"), nullptr);
}

TEST_F(OpenALAudioDeviceTest, PlayMusicLoadsWholeFileOnMusicChannel)
{
    std::string wav = WriteWav("openal_music.wav", kLongFrames);
    ASSERT_EQ(device_->PlayMusic(wav, kPlayLoop), kAudioOk);
    EXPECT_EQ(device_->MusicState(), kChannelPlaying);
    EXPECT_TRUE(device_->IsSourcePlaying(kMusicChannel));
    device_->PauseMusic();
    EXPECT_EQ(device_->MusicState(), kChannelPaused);
    device_->ResumeMusic();
    EXPECT_EQ(device_->MusicState(), kChannelPlaying);
    // A track that cannot load stops the old one and reports the failure.
    EXPECT_EQ(device_->PlayMusic(wav + ".missing.ogg", kPlayLoop), kAudioFailed);
    EXPECT_EQ(device_->MusicState(), kChannelStopped);
}

TEST_F(OpenALAudioDeviceTest, DataPathsAreResolved)
{
    std::string folder = ::testing::TempDir() + "zelka_audio_app";
    std::filesystem::create_directories(folder + "/data/sfx");
    std::filesystem::copy_file(WriteWav("openal_resolved.wav", kShortFrames), folder + "/data/sfx/01.wav",
                               std::filesystem::copy_options::overwrite_existing);
    files::SetApplicationFolder(folder);
    EXPECT_NE(device_->LoadSample("kestro://data/sfx/01.wav"), nullptr);
    EXPECT_EQ(device_->LoadSample("kestro://elsewhere/sfx/01.wav"), nullptr);
    files::SetApplicationFolder(std::nullopt);
}

}  // namespace
}  // namespace zelka
