#include "engine/audio/SoundManager.h"

#include "engine/audio/AudioManager.h"
#include "platform/audio/openal/OpenALAudioDevice.h"
#include "tests/engine/AudioTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zelka {
namespace {

using testing_audio::AudioFixture;
using testing_audio::WavBytes;

class SoundManagerTest : public AudioFixture {
protected:
    void SetUp() override
    {
        AudioFixture::SetUp();
        SoundManager::Init();
    }
};

TEST_F(SoundManagerTest, EffectsAreKeyedByPlainNumberForOneStage)
{
    EXPECT_EQ(AudioManager::GetSFXChannels(), kSoundManagerChannels);
    Write("sfx/07.wav", WavBytes(1, 16, 4));
    Write("sfx/302.wav", WavBytes(1, 16, 4));
    EXPECT_TRUE(SoundManager::PreloadSFX(7));
    EXPECT_TRUE(SoundManager::PreloadSFX(302));
    EXPECT_TRUE(AudioManager::IsSFXLoaded(U"7") && AudioManager::IsSFXLoaded(U"302"));
    EXPECT_EQ(SoundManager::PlaySFX(302, kSfxChannelVoice, false), kSfxChannelVoice);
    EXPECT_EQ(AudioManager::GetSFXChannelInfo(kSfxChannelVoice)->soundName, U"302");
    EXPECT_EQ(SoundManager::PlaySFX(7, kSfxChannelClock, true), kSfxChannelClock);
    EXPECT_EQ(Device().Flags(kSfxChannelClock), kPlayLoop);
    AudioManager::UnloadDiscardableSFX();
    EXPECT_FALSE(AudioManager::IsSFXLoaded(U"7"));
    EXPECT_EQ(SoundManager::PlaySFX(7, 0, false), -1);
}

TEST_F(SoundManagerTest, FileNamesPadSingleDigitsAndNegativeNumbersDoNothing)
{
    EXPECT_EQ(SoundManager::SFXFileName(7), U"sfx/07.wav");
    EXPECT_EQ(SoundManager::SFXFileName(10), U"sfx/10.wav");
    EXPECT_EQ(SoundManager::SFXFileName(302), U"sfx/302.wav");
    EXPECT_EQ(SoundManager::BGMFileName(7), U"bgm/07.ogg");
    // "sfx/0-1.wav" must never be asked for, not even as a failing preload.
    Write("sfx/0-1.wav", WavBytes(1, 16, 4));
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(SoundManager::PreloadSFX(-1));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_FALSE(AudioManager::IsSFXLoaded(U"-1"));
    EXPECT_EQ(SoundManager::PlaySFX(-1, 0, false), -1);
    EXPECT_EQ(SoundManager::FileNumber(-1), U"");
    SoundManager::PlayBGM(-1);
    SoundManager::PlayBGM(kBGMNone);
    EXPECT_TRUE(device_->musicPaths.empty());
}

TEST_F(SoundManagerTest, SameTrackIsNotRestartedUnlessFadedToZero)
{
    SoundManager::PlayBGM(3);
    EXPECT_EQ(device_->musicPaths, (std::vector<std::string>{"kestro://data/bgm/03.ogg"}));
    EXPECT_EQ(Device().Flags(kMusicChannel), kPlayLoop);
    SoundManager::PlayBGM(3);
    EXPECT_EQ(device_->musicPaths.size(), 1u);

    // Half faded: still above 0, so not restarted.
    SoundManager::FadeOutBGM(0.0f, kBGMFadeMs);
    AudioManager::FrameUpdate(kBGMFadeMs / 2);
    EXPECT_FLOAT_EQ(AudioManager::GetBGMVol(), 0.5f);
    SoundManager::PlayBGM(3);
    EXPECT_EQ(device_->musicPaths.size(), 1u);
    AudioManager::FrameUpdate(kBGMFadeMs / 2);
    EXPECT_FLOAT_EQ(AudioManager::GetBGMVol(), 0.0f);
    EXPECT_FLOAT_EQ(Device().Volume(kMusicChannel), 0.0f);

    SoundManager::PlayBGM(3);
    EXPECT_EQ(device_->musicPaths.size(), 2u);
    EXPECT_FLOAT_EQ(AudioManager::GetBGMVol(), 1.0f);
    // Another track always starts.
    SoundManager::PlayBGM(4);
    EXPECT_EQ(device_->musicPaths.size(), 3u);
    EXPECT_EQ(AudioManager::GetBGMCurrentlyPlaying(), U"bgm/04.ogg");
    SoundManager::StopBGM();
    EXPECT_EQ(AudioManager::GetBGMCurrentlyPlaying(), U"");
    EXPECT_EQ(Device().MusicState(), kChannelStopped);
}

// The real device on OpenAL Soft (its null backend under CI) with the generated data set.
class SoundManagerDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("ALSOFT_DRIVERS", "null", 1);   // silent, and there without a sound card
        device_ = std::make_shared<OpenALAudioDevice>();
        audio::SetAudioDevice(device_);
        AudioManager::ResetState();
        SoundManager::ResetState();
        AudioManager::Init();
        SoundManager::Init();
        AudioManager::encryptionEnabled = true;
    }
    void TearDown() override
    {
        AudioManager::StopBGM();
        AudioManager::UnloadDiscardableSFX();
        AudioManager::ResetState();
        SoundManager::ResetState();
        audio::SetAudioDevice(nullptr);
    }

    Ref<OpenALAudioDevice> device_;
};

TEST_F(SoundManagerDataTest, GeneratedEffectAndTrackLoadAndPlay)
{
    ASSERT_TRUE(device_->IsOpen()) << "OpenAL's null backend did not open";
    ASSERT_TRUE(SoundManager::PreloadSFX(7));
    ASSERT_EQ(SoundManager::PlaySFX(7, kSfxChannelPlayer1, true), kSfxChannelPlayer1);
    EXPECT_EQ(device_->ChannelState(kSfxChannelPlayer1), kChannelPlaying);
    AudioManager::FrameUpdate(16);
    EXPECT_EQ(AudioManager::GetSFXChannelInfo(kSfxChannelPlayer1)->soundName, U"7");

    SoundManager::PlayBGM(0);
    EXPECT_EQ(device_->MusicState(), kChannelPlaying);
    AudioManager::FrameUpdate(16);
    EXPECT_EQ(AudioManager::GetBGMCurrentlyPlaying(), U"bgm/00.ogg");

    // The stage ends: the looping effect stops before its buffer is released.
    AudioManager::UnloadDiscardableSFX();
    EXPECT_EQ(device_->ChannelState(kSfxChannelPlayer1), kChannelStopped);
    device_->FlushDiscarded();
    EXPECT_EQ(device_->PendingDiscards(), 0);
}

}  // namespace
}  // namespace zelka
