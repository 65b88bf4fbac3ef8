#include "engine/audio/AudioManager.h"

#include "tests/engine/AudioTestSupport.h"

#include <gtest/gtest.h>

#include <array>

namespace zelka {
namespace {

using testing_audio::AudioFixture;
using testing_audio::WavBytes;
class AudioManagerTest : public AudioFixture {
protected:
    std::array<float, 2> PanAndRate(int channel) { return {Device().Pan(channel), Device().Rate(channel)}; }
};
using Floats = std::array<float, 2>;

std::string PreloadError(const std::string& file, const std::string& key)
{
    return "AudioManager::PreloadSFX ERROR: Failed to load '" + file + "' as '" + key + "'\n";
}

TEST_F(AudioManagerTest, FreeChannelSearchNeverTakesChannelZero)
{
    LoadEffect(U"a");
    AudioManager::SetSFXChannels(5);
    // Idle channels first, in order 1, 2, 3, 4; channel 0 stays free for default callers.
    for (int expected = 1; expected <= 4; ++expected) {
        EXPECT_EQ(AudioManager::GetFreeSFXChannel(), expected);
        EXPECT_EQ(AudioManager::PlaySFX(U"a", -1, expected >= 3, nullptr, 0, 1), expected);
    }
    // All busy: the first one not looping.
    EXPECT_EQ(AudioManager::GetFreeSFXChannel(), 1);
    AudioManager::PlaySFX(U"a", 1, true, nullptr, 0, 1);
    AudioManager::PlaySFX(U"a", 2, true, nullptr, 0, 1);
    // All busy and looping, channel 0 idle: still none.
    EXPECT_EQ(AudioManager::GetFreeSFXChannel(), -1);
    EXPECT_EQ(AudioManager::PlaySFX(U"a", -1, false, nullptr, 0, 1), -1);
    EXPECT_EQ(AudioManager::PlaySFX2(U"a", -1, false, 100, 0, 1, 0, 1), -1);
    // Below two channels there is no channel but 0 to search (the cut ones stop).
    AudioManager::SetSFXChannels(1);
    EXPECT_EQ(AudioManager::GetFreeSFXChannel(), -1);
    AudioManager::SetSFXChannels(2);
    EXPECT_EQ(AudioManager::GetFreeSFXChannel(), 1);
}

TEST_F(AudioManagerTest, ChannelCountIsClampedAndCutChannelsStop)
{
    EXPECT_EQ(AudioManager::GetSFXChannels(), 2);   // after Init
    AudioManager::SetSFXChannels(40);
    EXPECT_EQ(AudioManager::GetSFXChannels(), 32);
    AudioManager::Init();   // runs once only
    EXPECT_EQ(AudioManager::GetSFXChannels(), 32);
    LoadEffect(U"a");
    AudioManager::PlaySFX(U"a", 20, true, nullptr, 0, 1);
    AudioManager::PlaySFX(U"a", 3, true, nullptr, 0, 1);
    AudioManager::SetSFXChannels(4);
    EXPECT_EQ(Device().ChannelState(20), kChannelStopped);
    EXPECT_TRUE(AudioManager::GetSFXChannelInfo(20)->soundName.empty());
    EXPECT_EQ(Device().ChannelState(3), kChannelPlaying);   // kept
    AudioManager::SetSFXChannels(0);
    EXPECT_EQ(AudioManager::GetSFXChannels(), 1);
    EXPECT_EQ(Device().ChannelState(3), kChannelStopped);
}

// A channel of 32 or more once wrote past the channel table.
TEST_F(AudioManagerTest, ChannelsBeyondTheTableAreRefusedAndRateAndPanClamp)
{
    LoadEffect(U"a");
    AudioManager::SetSFXChannels(5);
    EXPECT_EQ(AudioManager::PlaySFX(U"a", 32, false, nullptr, 0, 1), -1);
    EXPECT_EQ(AudioManager::PlaySFX(U"a", 1000, false, nullptr, 0, 1), -1);
    EXPECT_EQ(AudioManager::PlaySFX2(U"a", 32, false, 100, 0, 1, 0, 1), -1);
    EXPECT_EQ(AudioManager::PlaySFX(U"nothing", 0, false, nullptr, 0, 1), -1);   // unknown key
    EXPECT_EQ(Device().Plays(kMusicChannel) + Device().Plays(0), 0);
    // Below 32 but above the count: plays, without touching pan or rate.
    EXPECT_EQ(AudioManager::PlaySFX(U"a", 10, false, nullptr, -1.0f, 2.0f), 10);
    EXPECT_EQ(Device().Plays(10), 1);
    EXPECT_EQ(PanAndRate(10), (Floats{0.0f, 1.0f}));

    ASSERT_EQ(AudioManager::PlaySFX(U"a", 1, false, nullptr, -5.0f, 3.0f), 1);
    EXPECT_EQ(PanAndRate(1), (Floats{-1.0f, 2.0f}));
    AudioManager::SetSFXChannelRate(1, 0.1f);
    AudioManager::SetSFXChannelPan(1, 7.0f);
    EXPECT_EQ(PanAndRate(1), (Floats{1.0f, 0.5f}));
    EXPECT_FLOAT_EQ(AudioManager::GetSFXChannelInfo(1)->rate, 0.5f);
}

TEST_F(AudioManagerTest, VolumeIsLevelTimesMaximum)
{
    LoadEffect(U"a");
    AudioManager::SetSFXChannels(5);
    AudioManager::PlaySFX(U"a", 2, false, nullptr, 0, 1);
    AudioManager::SetSFXChannelMaxVol(2, 0.5f);
    AudioManager::SetSFXChannelVol(2, 0.5f);
    EXPECT_FLOAT_EQ(Device().Volume(2), 0.25f);
    AudioManager::SetSFXChannelVol(2, 4.0f);       // clamped to 1
    AudioManager::SetSFXChannelMaxVol(2, -1.0f);   // clamped to 0
    EXPECT_FLOAT_EQ(AudioManager::GetSFXChannelInfo(2)->volume, 1.0f);
    EXPECT_FLOAT_EQ(Device().Volume(2), 0.0f);
    AudioManager::SetBGMMaxVol(0.5f);
    AudioManager::SetBGMVol(0.5f);
    EXPECT_FLOAT_EQ(Device().Volume(kMusicChannel), 0.25f);
    AudioManager::muted = true;
    AudioManager::SetBGMVol(0.8f);
    EXPECT_FLOAT_EQ(Device().Volume(kMusicChannel), 0.0f);
}

TEST_F(AudioManagerTest, FrameUpdateAdvancesTweensAndClearsFinishedChannels)
{
    LoadEffect(U"a");
    AudioManager::SetSFXChannels(5);
    ASSERT_EQ(AudioManager::PlaySFX2(U"a", 1, false, 100, 0.0f, 1.0f, 0, 1), 1);
    AudioManager::PlaySFX(U"a", 2, false, nullptr, 0, 1);
    EXPECT_FLOAT_EQ(Device().Volume(1), 0.0f);
    AudioManager::FrameUpdate(50);
    EXPECT_FLOAT_EQ(Device().Volume(1), 0.5f);
    Device().FinishChannel(2);
    AudioManager::FrameUpdate(16);
    EXPECT_TRUE(AudioManager::GetSFXChannelInfo(2)->soundName.empty());
    EXPECT_EQ(AudioManager::GetSFXChannelInfo(1)->soundName, U"a");
    EXPECT_EQ(AudioManager::GetFreeSFXChannel(), 2);
    AudioManager::FrameUpdate(100);
    EXPECT_FLOAT_EQ(Device().Volume(1), 1.0f);
}

TEST_F(AudioManagerTest, PreloadMismatchesWarnAndKeepTheFirstSound)
{
    LoadEffect(U"7", "07");
    Write("sfx/08.wav", WavBytes(1, 8, 2));
    ::testing::internal::CaptureStdout();
    EXPECT_TRUE(AudioManager::PreloadSFX(U"sfx/08.wav", U"7", true));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "AudioManager::PreloadSFX WARNING!: Source mismatch for '7'. Requested:'sfx/08.wav' "
              "Existent: 'sfx/07.wav'\n"
              "AudioManager::PreloadSFX WARNING!: Persistence mismatch for '7'. Requested:'True' "
              "Existent: 'False'\n");
    AudioManager::SetSFXChannels(5);
    AudioManager::PlaySFX(U"7", 0, false, nullptr, 0, 1);
    EXPECT_EQ(Device().LastSample(0)->BytesPerSample(), 2);   // still the 16-bit 07
    // Not persistent after all: released with the stage.
    AudioManager::UnloadDiscardableSFX();
    EXPECT_FALSE(AudioManager::IsSFXLoaded(U"7"));
}

TEST_F(AudioManagerTest, StageEndStopsLoopingEffectsBeforeReleasingThem)
{
    AudioManager::SetSFXChannels(5);
    LoadEffect(U"loop", "1");
    LoadEffect(U"once", "2");
    Write("sfx/3.wav", WavBytes(1, 16, 4));
    ASSERT_TRUE(AudioManager::PreloadSFX(U"sfx/3.wav", U"kept", true));
    AudioManager::PlaySFX(U"loop", 1, true, nullptr, 0, 1);
    AudioManager::PlaySFX(U"once", 2, false, nullptr, 0, 1);
    AudioManager::PlaySFX(U"kept", 3, true, nullptr, 0, 1);
    const Ref<Sample> loopSample = Device().LastSample(1);

    AudioManager::UnloadDiscardableSFX();
    // The loop stops; a one-shot plays out; the persistent loop goes on.
    EXPECT_EQ((std::array<int, 3>{Device().ChannelState(1), Device().ChannelState(2), Device().ChannelState(3)}),
              (std::array<int, 3>{kChannelStopped, kChannelPlaying, kChannelPlaying}));
    EXPECT_TRUE(AudioManager::GetSFXChannelInfo(1)->soundName.empty());
    EXPECT_TRUE(loopSample->IsDiscarded());
    EXPECT_FALSE(Device().LastSample(3)->IsDiscarded());
    EXPECT_FALSE(AudioManager::IsSFXLoaded(U"once"));
    EXPECT_TRUE(AudioManager::IsSFXLoaded(U"kept"));
    EXPECT_EQ(AudioManager::PlaySFX(U"once", 2, false, nullptr, 0, 1), -1);
}

// A WAV layout the device cannot play is not "loaded": the preload fails with its line.
TEST_F(AudioManagerTest, EncipheredEffectsLoadAndUnplayableOrMissingFilesFail)
{
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(AudioManager::PreloadSFX(U"sfx/99.wav", U"99", false));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), PreloadError("sfx/99.wav", "99"));
    EXPECT_FALSE(AudioManager::IsSFXLoaded(U"99"));

    AudioManager::encryptionEnabled = true;
    WriteEnc("sfx/07.aux", WavBytes(2, 8, 3));
    WriteEnc("sfx/08.aux", WavBytes(3, 16, 3));   // three channels: no device format
    Write("sfx/09.aux", WavBytes(1, 16, 3));      // not enciphered
    EXPECT_TRUE(AudioManager::PreloadSFX(U"sfx/07.wav", U"7", false));
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(AudioManager::PreloadSFX(U"sfx/08.wav", U"8", false));
    EXPECT_FALSE(AudioManager::PreloadSFX(U"sfx/09.wav", U"9", false));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              PreloadError("sfx/08.wav", "8") + PreloadError("sfx/09.wav", "9"));
    AudioManager::SetSFXChannels(5);
    ASSERT_EQ(AudioManager::PlaySFX(U"7", 0, false, nullptr, 0, 1), 0);
    EXPECT_EQ((std::array<int, 2>{Device().LastSample(0)->Channels(), Device().LastSample(0)->Length()}),
              (std::array<int, 2>{2, 3}));
}

TEST_F(AudioManagerTest, EncipheredNamesAndFormats)
{
    using audiomanager::AudioFormatFromEncryptedPath_;
    using audiomanager::EncryptedAudioFileName_;
    EXPECT_EQ(EncryptedAudioFileName_(U"sfx/07.wav"), U"sfx/07.aux");
    EXPECT_EQ(EncryptedAudioFileName_(U"bgm/10.OGG"), U"bgm/10.auy");
    EXPECT_EQ(EncryptedAudioFileName_(U"a/b.Mp3"), U"a/b.mp3");         // only lower-cased
    EXPECT_EQ(EncryptedAudioFileName_(U"dir.x/file"), U"dir.x/file.");   // no extension
    EXPECT_EQ(AudioFormatFromEncryptedPath_(U"sfx/07.aux"), kAudioFormatWav);
    EXPECT_EQ(AudioFormatFromEncryptedPath_(U"bgm/07.auy"), kAudioFormatOgg);
    EXPECT_EQ(AudioFormatFromEncryptedPath_(U"bgm/07.AUY"), kAudioFormatNone);
    EXPECT_EQ(audiomanager::LoadSoundEnc(U"sfx/07.wav"), nullptr);   // not an enciphered name
}

TEST_F(AudioManagerTest, MusicNameClearsOnceTheTrackStops)
{
    AudioManager::PlayBGM2(U"bgm/03.ogg", false, 200, 0.0f, 1.0f);
    EXPECT_EQ(Device().Flags(kMusicChannel), kPlayOnce);
    EXPECT_EQ(AudioManager::GetBGMCurrentlyPlaying(), U"bgm/03.ogg");
    EXPECT_FLOAT_EQ(AudioManager::GetBGMVol(), 0.0f);
    AudioManager::FrameUpdate(100);
    EXPECT_FLOAT_EQ(Device().Volume(kMusicChannel), 0.5f);
    Device().FinishChannel(kMusicChannel);
    AudioManager::FrameUpdate(16);
    EXPECT_EQ(AudioManager::GetBGMCurrentlyPlaying(), U"");
    AudioManager::PlayBGM(U"bgm/04.ogg", true, nullptr);   // no fade: full volume at once
    EXPECT_FLOAT_EQ(AudioManager::GetBGMVol(), 1.0f);
}

}  // namespace
}  // namespace zelka
