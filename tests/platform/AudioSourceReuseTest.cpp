#include "platform/audio/openal/OpenALAudioDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace zelka {
namespace {

TEST(SourceReuse, StoppedChannelsHandTheirSourcesOverButMusicKeepsItsOwn)
{
    // OpenAL Soft reads its configuration at the first device opening in a process: four
    // sources in all. The file is per process, as cases run side by side.
    const std::string conf = ::testing::TempDir() + "zelka_four_sources_" + std::to_string(getpid()) + ".conf";
    std::ofstream(conf) << "[general]\nsources = 4\n";
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    setenv("ALSOFT_DRIVERS", "null", 1);
    ::testing::internal::CaptureStdout();
    OpenALAudioDevice device;
    ::testing::internal::GetCapturedStdout();
    std::remove(conf.c_str());
    ASSERT_TRUE(device.IsOpen());
    Ref<Sample> sample = device.NewSample(AudioData{std::vector<std::uint8_t>(8000, 128), 8000, 1, 1, 8000});
    ASSERT_NE(sample, nullptr);

    // The music channel holds one source from the start: three are left for sounds.
    for (int channel : {0, 1, 2}) ASSERT_EQ(device.PlaySample(sample, channel, kPlayLoop), kAudioOk);
    EXPECT_EQ(device.PlaySample(sample, 3, kPlayLoop), kAudioFailed);   // none idle
    EXPECT_EQ(device.ChannelState(3), kChannelStopped);
    // Setters on a channel without a source take nobody's.
    device.SetVolume(9, 0.5f);
    device.SetPan(9, 1.0f);
    device.SetRate(9, 2.0f);
    EXPECT_EQ(device.ChannelState(9), kChannelStopped);
    for (int channel : {0, 1, 2}) EXPECT_TRUE(device.IsSourcePlaying(channel));

    device.StopChannel(1);
    ASSERT_EQ(device.PlaySample(sample, 3, kPlayLoop), kAudioOk);
    for (int channel : {0, 2, 3}) EXPECT_TRUE(device.IsSourcePlaying(channel));
    EXPECT_EQ(device.ChannelState(1), kChannelStopped);
    // Channel 1 lost its source; replaying there needs another idle one, and the music's
    // idle source is never handed over.
    EXPECT_EQ(device.PlaySample(sample, 1, kPlayOnce), kAudioFailed);
    device.StopMusic();
    EXPECT_EQ(device.PlaySample(sample, 1, kPlayOnce), kAudioFailed);
    EXPECT_EQ(device.PlaySample(sample, kMusicChannel, kPlayLoop), kAudioOk);
}

}  // namespace
}  // namespace zelka
