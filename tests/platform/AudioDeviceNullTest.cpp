#include "platform/audio/null/NullAudioDevice.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zelka {
namespace {

AudioData Silence(int frames)
{
    AudioData data;
    data.channels = 2;
    data.bytesPerSample = 2;
    data.rate = 44100;
    data.length = frames;
    data.samples.resize(static_cast<std::size_t>(frames) * 4);
    return data;
}

TEST(NullAudioDevice, ChannelStatesFollowTheRealDevice)
{
    NullAudioDevice device;
    Ref<Sample> sample = device.NewSample(Silence(100));
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->Channels(), 2);

    ASSERT_EQ(device.PlaySample(sample, 4, kPlayOnce), kAudioOk);
    EXPECT_EQ(device.ChannelState(4), kChannelPlaying);
    device.PauseChannel(4);
    EXPECT_EQ(device.ChannelState(4), kChannelPaused);
    device.ResumeChannel(4);
    EXPECT_TRUE(device.IsSounding(4));

    device.FinishChannel(4);   // the sound runs out
    EXPECT_FALSE(device.IsSounding(4));
    EXPECT_EQ(device.ChannelState(4), kChannelStopped);

    ASSERT_EQ(device.PlaySample(sample, 4, kPlayLoop), kAudioOk);
    device.FinishChannel(4);
    device.PauseChannel(4);   // an ended sound cannot be paused
    EXPECT_EQ(device.ChannelState(4), kChannelStopped);
    EXPECT_EQ(device.Plays(4), 2);
    EXPECT_EQ(device.Flags(4), kPlayLoop);
    EXPECT_EQ(device.LastSample(4), sample);
}

TEST(NullAudioDevice, SettersReadBack)
{
    NullAudioDevice device;
    EXPECT_FLOAT_EQ(device.Volume(0), 1.0f);
    EXPECT_FLOAT_EQ(device.Rate(0), 1.0f);
    device.SetVolume(0, 0.25f);
    device.SetPan(0, -0.5f);
    device.SetRate(0, 2.0f);
    device.SetMusicVolume(0.75f);
    EXPECT_FLOAT_EQ(device.Volume(0), 0.25f);
    EXPECT_FLOAT_EQ(device.Pan(0), -0.5f);
    EXPECT_FLOAT_EQ(device.Rate(0), 2.0f);
    EXPECT_FLOAT_EQ(device.Volume(kMusicChannel), 0.75f);
    device.SetVolume(kAudioChannelCount, 0.0f);   // ignored, no out-of-range write
    EXPECT_FLOAT_EQ(device.Volume(kAudioChannelCount), 1.0f);
}

TEST(NullAudioDevice, SuspendSilencesWithoutChangingStates)
{
    NullAudioDevice device;
    Ref<Sample> sample = device.NewSample(Silence(10));
    ASSERT_EQ(device.PlaySample(sample, 3, kPlayLoop), kAudioOk);
    ASSERT_EQ(device.PlaySample(sample, 4, kPlayLoop), kAudioOk);
    device.PauseChannel(4);
    device.Suspend();
    EXPECT_TRUE(device.IsSuspended());
    EXPECT_FALSE(device.IsSounding(3));
    EXPECT_EQ(device.ChannelState(3), kChannelPlaying);
    device.Resume();
    EXPECT_TRUE(device.IsSounding(3));
    EXPECT_EQ(device.ChannelState(4), kChannelPaused);
}

TEST(NullAudioDevice, RefusesWhatTheRealDeviceRefuses)
{
    NullAudioDevice device;
    Ref<Sample> sample = device.NewSample(Silence(10));
    EXPECT_EQ(device.PlaySample(sample, -1, kPlayOnce), kAudioFailed);
    EXPECT_EQ(device.PlaySample(sample, kAudioChannelCount, kPlayOnce), kAudioFailed);
    EXPECT_EQ(device.PlaySample(nullptr, 0, kPlayOnce), kAudioFailed);
    sample->Discard();
    EXPECT_EQ(device.PlaySample(sample, 0, kPlayOnce), kAudioFailed);
    EXPECT_EQ(device.Plays(0), 0);

    AudioData bad = Silence(10);
    bad.bytesPerSample = 3;
    EXPECT_EQ(device.NewSample(bad), nullptr);
    EXPECT_EQ(device.LoadSample("no/such/file.wav"), nullptr);
    EXPECT_EQ(device.PlayMusic("no/such/file.ogg", kPlayLoop), kAudioFailed);
    EXPECT_EQ(device.MusicState(), kChannelStopped);
}

TEST(NullAudioDevice, LoadsAndFlushesLikeTheRealDevice)
{
    const std::string wav("RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0"
                          "data\x02\0\0\0\x01\x02",
                          46);
    std::string file = ::testing::TempDir() + "null_device.wav";
    std::ofstream(file, std::ios::binary) << wav;

    NullAudioDevice device;
    ASSERT_EQ(device.PlayMusic(file, kPlayLoop), kAudioOk);
    EXPECT_EQ(device.MusicState(), kChannelPlaying);
    EXPECT_EQ(device.Flags(kMusicChannel), kPlayLoop);
    EXPECT_EQ(device.LastSample(kMusicChannel)->Rate(), 8000);
    EXPECT_EQ(device.Loads(), 1);
    EXPECT_GE(device.Flushes(), 2);   // the load and the play each flush
}

}  // namespace
}  // namespace zelka
