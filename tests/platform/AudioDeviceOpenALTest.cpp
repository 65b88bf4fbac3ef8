#include "platform/audio/openal/OpenALAudioDevice.h"

#include "platform/files/DataPath.h"
#include "tests/platform/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <cstdio>
#include <unistd.h>
#include <thread>
#include <utility>

namespace zelka {
namespace {

constexpr int kRate = 22050;                      // Hz
constexpr int kShortFrames = kRate * 50 / 1000;   // a 50 ms sound
constexpr int kLongFrames = kRate;                // one second, played looping

// 16-bit mono square wave, so the mixer has real work to do.
AudioData Tone(int frames)
{
    AudioData data{{}, frames, 1, 2, kRate};
    data.samples.resize(static_cast<std::size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) data.samples[2 * i + 1] = (i / 25) % 2 == 0 ? 0x20 : 0xE0;   // +/- 8192
    return data;
}

std::string WriteWav(const std::string& name, int frames)
{
    testing::WavLayout layout;
    layout.rate = kRate;
    layout.data.assign(static_cast<std::size_t>(frames) * 2, 0);
    return testing::WriteTempFile(name, testing::BuildWav(layout));
}

class OpenALAudioDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("ALSOFT_DRIVERS", "null", 1);   // no sound card in CI
        ::testing::internal::CaptureStdout();
        device_ = std::make_unique<OpenALAudioDevice>();
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "opening openal device\n");
        ASSERT_TRUE(device_->IsOpen()) << "OpenAL's null backend did not open";
    }

    // The null backend mixes in real time, so a sound's end is awaited by polling, with a
    // bound generous enough for a loaded machine.
    bool WaitForStop(int channel)
    {
        for (int i = 0; i < 5000 && device_->ChannelState(channel) != kChannelStopped; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return device_->ChannelState(channel) == kChannelStopped;
    }

    // The channel's state as the game reads it, and whether its source really plays.
    std::pair<int, bool> Seen(int channel)
    {
        return {device_->ChannelState(channel), device_->IsSourcePlaying(channel)};
    }

    std::unique_ptr<OpenALAudioDevice> device_;
};

TEST_F(OpenALAudioDeviceTest, ShortSoundEndsAndAChannelPlaysOnlyItsLatestSound)
{
    Ref<Sample> shot = device_->NewSample(Tone(kShortFrames));
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->Length(), kShortFrames);
    ASSERT_EQ(device_->PlaySample(shot, 5, kPlayOnce), kAudioOk);
    EXPECT_TRUE(WaitForStop(5));
    // Pausing an ended sound leaves it stopped; resuming a stopped channel does nothing.
    device_->PauseChannel(5);
    device_->ResumeChannel(5);
    EXPECT_EQ(device_->ChannelState(5), kChannelStopped);

    // Had the looping sound kept playing under the short one, the channel would never stop.
    ASSERT_EQ(device_->PlaySample(device_->NewSample(Tone(kLongFrames)), 5, kPlayLoop), kAudioOk);
    ASSERT_EQ(device_->PlaySample(shot, 5, kPlayOnce), kAudioOk);
    EXPECT_TRUE(WaitForStop(5));
}

TEST_F(OpenALAudioDeviceTest, PauseAndSuspendKeepTheChannelStates)
{
    Ref<Sample> loop = device_->NewSample(Tone(kLongFrames));
    ASSERT_EQ(device_->PlaySample(loop, 3, kPlayLoop), kAudioOk);
    ASSERT_EQ(device_->PlaySample(loop, 4, kPlayLoop), kAudioOk);
    device_->PauseChannel(4);
    EXPECT_EQ(Seen(4), std::pair(kChannelPaused, false));

    device_->Suspend();
    EXPECT_EQ(Seen(3), std::pair(kChannelPlaying, false));   // a suspended sound has not ended
    device_->Resume();
    EXPECT_EQ(Seen(3), std::pair(kChannelPlaying, true));
    EXPECT_EQ(Seen(4), std::pair(kChannelPaused, false));   // paused before: stays paused

    device_->ResumeChannel(4);
    EXPECT_EQ(Seen(4), std::pair(kChannelPlaying, true));
    device_->StopChannel(4);
    EXPECT_EQ(Seen(4), std::pair(kChannelStopped, false));
}

TEST_F(OpenALAudioDeviceTest, DiscardedBuffersWaitForTheirSourcesAndGoOneAtATime)
{
    Ref<Sample> loop = device_->NewSample(Tone(kLongFrames));
    Ref<Sample> idle = device_->NewSample(Tone(kShortFrames));
    ASSERT_EQ(device_->PlaySample(loop, 1, kPlayLoop), kAudioOk);
    loop->Discard();
    EXPECT_TRUE(loop->IsDiscarded());
    EXPECT_EQ(device_->PlaySample(loop, 6, kPlayOnce), kAudioFailed);   // nothing left to play
    // Two buffers wait: one still playing, one free. Only the free one goes; a single call
    // deleting both would have failed and kept both.
    idle->Discard();
    device_->FlushDiscarded();
    EXPECT_EQ(std::pair(device_->PendingDiscards(), device_->IsSourcePlaying(1)), std::pair(1, true));   // plays on
    device_->StopChannel(1);
    Ref<Sample> later = device_->NewSample(Tone(kShortFrames));   // a later load flushes
    EXPECT_EQ(device_->PendingDiscards(), 0);

    // A sample dropped by the game keeps playing while its channel holds it.
    Ref<Sample> dropped = device_->NewSample(Tone(kLongFrames));
    ASSERT_EQ(device_->PlaySample(dropped, 7, kPlayLoop), kAudioOk);
    dropped.reset();
    device_->FlushDiscarded();
    EXPECT_EQ(std::pair(device_->PendingDiscards(), device_->IsSourcePlaying(7)), std::pair(0, true));
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
}

TEST_F(OpenALAudioDeviceTest, BadChannelsAndBadAudioAreRefused)
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

    for (void (*spoil)(AudioData&) : {+[](AudioData& d) { d.channels = 6; }, +[](AudioData& d) { d.rate = 0; },
                                      +[](AudioData& d) { d.samples.resize(10); }}) {   // fewer bytes than frames
        AudioData data = Tone(kShortFrames);
        spoil(data);
        EXPECT_EQ(device_->NewSample(data), nullptr);
    }
}

TEST_F(OpenALAudioDeviceTest, FilesLoadByExtensionAndDataPath)
{
    const std::string wav = WriteWav("openal_load.WAV", kShortFrames);
    Ref<Sample> sample = device_->LoadSample(wav);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(std::pair(sample->Length(), sample->Rate()), std::pair(kShortFrames, kRate));
    EXPECT_EQ(device_->LoadSample(wav + ".missing.wav"), nullptr);

    const std::string folder = ::testing::TempDir() + "zelka_audio_app_" + std::to_string(getpid());
    std::filesystem::create_directories(folder + "/data/sfx");
    std::filesystem::copy_file(wav, folder + "/data/sfx/01.wav", std::filesystem::copy_options::overwrite_existing);
    files::SetApplicationFolder(folder);
    EXPECT_NE(device_->LoadSample("kestro://data/sfx/01.wav"), nullptr);
    EXPECT_EQ(device_->LoadSample("kestro://elsewhere/sfx/01.wav"), nullptr);
    files::SetApplicationFolder(std::nullopt);
    std::filesystem::remove_all(folder);

    // Music loads the whole file onto its own channel.
    const std::string music = WriteWav("openal_music.wav", kLongFrames);
    ASSERT_EQ(device_->PlayMusic(music, kPlayLoop), kAudioOk);
    EXPECT_EQ(Seen(kMusicChannel), std::pair(kChannelPlaying, true));
    EXPECT_EQ(device_->MusicState(), kChannelPlaying);
    device_->PauseMusic();
    EXPECT_EQ(device_->MusicState(), kChannelPaused);
    device_->ResumeMusic();
    EXPECT_EQ(device_->MusicState(), kChannelPlaying);
    // A track that cannot load stops the old one and reports the failure.
    EXPECT_EQ(device_->PlayMusic(music + ".missing.ogg", kPlayLoop), kAudioFailed);
    EXPECT_EQ(device_->MusicState(), kChannelStopped);
}

// OpenAL reads its driver list once per process, so the failing opening runs in a child
// process of its own, with its standard output sent to standard error for the check.
void RunWithoutAnOutput()
{
    dup2(STDERR_FILENO, STDOUT_FILENO);
    setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
    const std::string wav = WriteWav("silent.wav", 2);
    auto device = std::make_unique<OpenALAudioDevice>();
    // Every call is accepted and answers neutrally; a decodable file still loads.
    Ref<Sample> sample = device->LoadSample(wav);
    std::printf("open %d, loads %d %d, plays %d, state %d, music %d %d\n", device->IsOpen(), sample != nullptr,
                device->LoadSample(wav + ".wav") != nullptr, device->PlaySample(sample, 0, kPlayOnce),
                device->ChannelState(0), device->PlayMusic(wav, kPlayLoop), device->MusicState());
    device->SetVolume(0, 0.5f);
    device->SetPan(0, 0.5f);
    device->SetRate(0, 0.5f);
    device->PauseMusic();
    device->ResumeMusic();
    device->Suspend();
    device->Resume();
    sample->Discard();
    device->FlushDiscarded();
    device.reset();
    std::fflush(stdout);
    std::exit(0);
}

TEST(OpenALAudioDevice, WithoutAnOutputRunsSilent)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunWithoutAnOutput(), ::testing::ExitedWithCode(0),
                "\nopening openal device\nOpenAl error: alcOpenDevice failed\n"
                "open 0, loads 1 0, plays " + std::to_string(kAudioFailed) + ", state " +
                    std::to_string(kChannelStopped) + ", music " + std::to_string(kAudioOk) + " " +
                    std::to_string(kChannelStopped) + "\n$");
}

}  // namespace
}  // namespace zelka
