#include "platform/audio/openal/OpenALAudioDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>
#include <unistd.h>

namespace zelka {
namespace {

// OpenAL Soft reads its configuration once per process, at its first use, and an earlier
// test of this program may have opened a device already: the case runs in a fresh run of
// this program (GoogleTest's threadsafe death-test style re-executes it), with four
// sources in all. What differs from the expected is written to standard error.
std::vector<std::string> FourSourcesMismatches()
{
    std::vector<std::string> wrong;
    const auto expect = [&wrong](bool holds, const char* what) {
        if (!holds) wrong.emplace_back(what);
    };
    const std::string conf = ::testing::TempDir() + "zelka_four_sources_" + std::to_string(getpid()) + ".conf";
    std::ofstream(conf) << "[general]\nsources = 4\n";
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    setenv("ALSOFT_DRIVERS", "null", 1);
    dup2(STDERR_FILENO, STDOUT_FILENO);   // the device's own lines stay out of the way
    OpenALAudioDevice device;
    std::remove(conf.c_str());
    if (!device.IsOpen()) return {"the null output did not open"};
    Ref<Sample> sample = device.NewSample(AudioData{std::vector<std::uint8_t>(8000, 128), 8000, 1, 1, 8000});
    expect(sample != nullptr, "no sample");

    // The music channel holds one source from the start: three are left for sounds.
    for (int channel : {0, 1, 2}) {
        expect(device.PlaySample(sample, channel, kPlayLoop) == kAudioOk, "a free source refused");
    }
    expect(device.PlaySample(sample, 3, kPlayLoop) == kAudioFailed, "a fourth sound played");   // none idle
    expect(device.ChannelState(3) == kChannelStopped, "channel 3 not stopped");
    // Setters on a channel without a source take nobody's.
    device.SetVolume(9, 0.5f);
    device.SetPan(9, 1.0f);
    device.SetRate(9, 2.0f);
    expect(device.ChannelState(9) == kChannelStopped, "channel 9 took a source");
    for (int channel : {0, 1, 2}) expect(device.IsSourcePlaying(channel), "a playing sound stopped");

    device.StopChannel(1);
    expect(device.PlaySample(sample, 3, kPlayLoop) == kAudioOk, "a stopped channel's source not handed over");
    for (int channel : {0, 2, 3}) {
        expect(device.IsSourcePlaying(channel), "a playing sound stopped after the hand-over");
    }
    expect(device.ChannelState(1) == kChannelStopped, "channel 1 not stopped");
    // Channel 1 lost its source; replaying there needs another idle one, and the music's
    // idle source is never handed over.
    expect(device.PlaySample(sample, 1, kPlayOnce) == kAudioFailed, "channel 1 replayed without a source");
    device.StopMusic();
    expect(device.PlaySample(sample, 1, kPlayOnce) == kAudioFailed, "the music's source handed over");
    expect(device.PlaySample(sample, kMusicChannel, kPlayLoop) == kAudioOk, "the music lost its source");
    return wrong;
}

void PlayOnFourSources()
{
    const std::vector<std::string> wrong = FourSourcesMismatches();   // the device closed
    for (const std::string& line : wrong) std::fprintf(stderr, "%s\n", line.c_str());
    std::exit(wrong.empty() ? 0 : 1);
}

TEST(SourceReuse, StoppedChannelsHandTheirSourcesOverButMusicKeepsItsOwn)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(PlayOnFourSources(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace zelka
