#include "platform/audio/AudioModule.h"

#include "platform/audio/null/NullAudioDevice.h"
#include "platform/files/DataPath.h"
#include "tests/support/AppFolderFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zelka {
namespace {

// 8-bit mono, 8000 Hz, two frames.
constexpr char kWavBytes[] = "RIFF\x26\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0"
                             "data\x02\0\0\0\x80\x80";

// A data folder holding sfx/01.wav, and the module on a fresh headless device.
class AudioModuleTest : public testing::AppFolderFixture {
protected:
    void SetUp() override
    {
        AppFolderFixture::SetUp();
        std::filesystem::create_directories(dir_ / "data" / "sfx");
        WriteBytes("data/sfx/01.wav", Bytes(kWavBytes, kWavBytes + sizeof kWavBytes - 1));
        device_ = std::make_shared<NullAudioDevice>();
        audio::SetAudioDevice(device_);
    }
    void TearDown() override
    {
        audio::SetAudioDevice(nullptr);
        AppFolderFixture::TearDown();
    }

    Ref<NullAudioDevice> device_;
};

TEST_F(AudioModuleTest, SoundsLoadFromTheDataFolder)
{
    Ref<Sound> sound = audio::LoadSound("sfx/01.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->GetSample()->Rate(), 8000);
    EXPECT_EQ(audio::LoadSound("sfx/02.wav"), nullptr);

    audio::PlaySound(sound, 3, kPlayLoop);
    EXPECT_EQ(audio::ChannelState(3), kChannelPlaying);
    EXPECT_EQ(device_->Flags(3), kPlayLoop);
    audio::SetChannelVolume(3, 0.5f);
    audio::SetChannelPan(3, -1.0f);
    audio::SetChannelRate(3, 1.5f);
    EXPECT_FLOAT_EQ(device_->Volume(3), 0.5f);
    EXPECT_FLOAT_EQ(device_->Pan(3), -1.0f);
    EXPECT_FLOAT_EQ(device_->Rate(3), 1.5f);
    audio::StopChannel(3);
    EXPECT_EQ(audio::ChannelState(3), kChannelStopped);
}

TEST_F(AudioModuleTest, DiscardedOrMissingSoundsPlayNothing)
{
    Ref<Sound> sound = audio::LoadSound("sfx/01.wav");
    ASSERT_NE(sound, nullptr);
    Ref<Sample> sample = sound->GetSample();
    sound->Discard();
    EXPECT_EQ(sound->GetSample(), nullptr);
    EXPECT_TRUE(sample->IsDiscarded());
    audio::PlaySound(sound, 0, kPlayOnce);
    audio::PlaySound(nullptr, 0, kPlayOnce);
    EXPECT_EQ(device_->Plays(0), 0);
}

TEST_F(AudioModuleTest, MusicPathsAreDataPaths)
{
    EXPECT_EQ(audio::PlayMusic("sfx/01.wav", kPlayLoop), kAudioOk);
    EXPECT_EQ(audio::MusicState(), kChannelPlaying);
    audio::SetMusicVolume(0.25f);
    EXPECT_FLOAT_EQ(device_->Volume(kMusicChannel), 0.25f);
    audio::StopMusic();
    EXPECT_EQ(audio::MusicState(), kChannelStopped);
    EXPECT_EQ(audio::PlayMusic("bgm/99.ogg", kPlayLoop), kAudioFailed);
}

TEST_F(AudioModuleTest, WithoutADeviceEveryCallIsNeutral)
{
    audio::SetAudioDevice(nullptr);
    EXPECT_EQ(audio::LoadSound("sfx/01.wav"), nullptr);
    EXPECT_EQ(audio::PlayMusic("sfx/01.wav", kPlayLoop), kAudioFailed);
    EXPECT_EQ(audio::ChannelState(0), kChannelStopped);
    EXPECT_EQ(audio::MusicState(), kChannelStopped);
    audio::StopChannel(0);
    audio::SetChannelVolume(0, 1.0f);
    audio::StopMusic();
    audio::SetMusicVolume(1.0f);
}

}  // namespace
}  // namespace zelka
