#include "platform/audio/AudioModule.h"

#include "platform/audio/null/NullAudioDevice.h"
#include "platform/files/DataPath.h"
#include "tests/platform/TestFiles.h"
#include "tests/support/AppFolderFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <utility>

namespace zelka {
namespace {

// A data folder holding sfx/01.wav (8000 Hz), and the module on a fresh headless device.
class AudioModuleTest : public testing::AppFolderFixture {
protected:
    void SetUp() override
    {
        AppFolderFixture::SetUp();
        std::filesystem::create_directories(dir_ / "data" / "sfx");
        testing::WavLayout wav;
        wav.rate = 8000;
        WriteBytes("data/sfx/01.wav", testing::BuildWav(wav));
        audio::SetAudioDevice(device_);
    }
    void TearDown() override
    {
        audio::SetAudioDevice(nullptr);
        AppFolderFixture::TearDown();
    }

    Ref<NullAudioDevice> device_ = std::make_shared<NullAudioDevice>();
};

// The headless device stands in for the real one in every test above the platform.
using NullAudioDeviceTest = AudioModuleTest;

TEST_F(AudioModuleTest, SoundsAndMusicLoadFromTheDataFolder)
{
    Ref<Sound> sound = audio::LoadSound("sfx/01.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->GetSample()->Rate(), 8000);
    EXPECT_EQ(audio::LoadSound("sfx/02.wav"), nullptr);
    audio::PlaySound(sound, 3, kPlayLoop);
    EXPECT_EQ(std::pair(audio::ChannelState(3), device_->Flags(3)), std::pair(kChannelPlaying, kPlayLoop));
    audio::StopChannel(3);
    EXPECT_EQ(audio::ChannelState(3), kChannelStopped);

    EXPECT_EQ(audio::PlayMusic("sfx/01.wav", kPlayLoop), kAudioOk);
    EXPECT_EQ(std::pair(audio::MusicState(), device_->LastSample(kMusicChannel)->Rate()),
              std::pair(kChannelPlaying, 8000));
    EXPECT_GE(device_->Flushes(), 2);   // the loads and the plays each flush discarded buffers
    audio::StopMusic();
    EXPECT_EQ(audio::MusicState(), kChannelStopped);
    EXPECT_EQ(audio::PlayMusic("bgm/99.ogg", kPlayLoop), kAudioFailed);
}

TEST_F(AudioModuleTest, DiscardedMissingOrDevicelessSoundsPlayNothing)
{
    Ref<Sound> sound = audio::LoadSound("sfx/01.wav");
    ASSERT_NE(sound, nullptr);
    Ref<Sample> sample = sound->GetSample();
    sound->Discard();
    EXPECT_TRUE(!sound->GetSample() && sample->IsDiscarded());
    audio::PlaySound(sound, 0, kPlayOnce);
    audio::PlaySound(nullptr, 0, kPlayOnce);
    EXPECT_EQ(device_->Plays(0), 0);

    audio::SetAudioDevice(nullptr);
    EXPECT_EQ(audio::LoadSound("sfx/01.wav"), nullptr);
    EXPECT_EQ((std::tuple{audio::PlayMusic("sfx/01.wav", kPlayLoop), audio::ChannelState(0), audio::MusicState()}),
              std::tuple(kAudioFailed, kChannelStopped, kChannelStopped));
    audio::StopChannel(0);
    audio::SetChannelVolume(0, 1.0f);
    audio::StopMusic();
    audio::SetMusicVolume(1.0f);
}

TEST_F(NullAudioDeviceTest, ChannelStatesFollowTheRealDevice)
{
    Ref<Sample> sample = audio::LoadSound("sfx/01.wav")->GetSample();
    ASSERT_EQ(device_->PlaySample(sample, 4, kPlayOnce), kAudioOk);
    device_->PauseChannel(4);
    device_->Suspend();   // silences without changing states
    EXPECT_EQ(std::pair(device_->ChannelState(4), device_->IsSounding(4)), std::pair(kChannelPaused, false));
    device_->Resume();
    device_->ResumeChannel(4);
    EXPECT_TRUE(device_->IsSounding(4));
    device_->FinishChannel(4);   // the sound runs out
    device_->PauseChannel(4);    // an ended sound cannot be paused
    EXPECT_EQ(device_->ChannelState(4), kChannelStopped);

    EXPECT_EQ(device_->PlaySample(sample, -1, kPlayOnce), kAudioFailed);
    EXPECT_EQ(device_->PlaySample(sample, kAudioChannelCount, kPlayOnce), kAudioFailed);
    EXPECT_EQ(device_->PlaySample(nullptr, 0, kPlayOnce), kAudioFailed);
    sample->Discard();
    EXPECT_EQ(device_->PlaySample(sample, 0, kPlayOnce), kAudioFailed);
    AudioData bad{{0, 0, 0}, 1, 1, 3, 8000};   // three bytes a sample
    EXPECT_EQ(device_->NewSample(bad), nullptr);
    device_->SetVolume(kAudioChannelCount, 0.0f);   // ignored, no out-of-range write
    EXPECT_FLOAT_EQ(device_->Volume(kAudioChannelCount), 1.0f);
}

}  // namespace
}  // namespace zelka
