#include "platform/audio/openal/OpenALAudioDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace zelka {
namespace {

constexpr int kSources = 4;   // what the test configuration lets OpenAL make

// OpenAL Soft reads its configuration once per process, at the first device opening; each
// test case runs in a process of its own, and all of them in this file use the same one.
class SourceReuseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // One file per process: ctest runs these cases side by side, and a file another case
        // is rewriting can read as empty (no source limit at all).
        conf_ = ::testing::TempDir() + "zelka_four_sources_" + std::to_string(getpid()) + ".conf";
        std::ofstream(conf_) << "[general]\nsources = " << kSources << "\n";
        setenv("ALSOFT_CONF", conf_.c_str(), 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        ::testing::internal::CaptureStdout();
        device_ = std::make_unique<OpenALAudioDevice>();
        ::testing::internal::GetCapturedStdout();
        ASSERT_TRUE(device_->IsOpen());

        AudioData data;
        data.channels = 1;
        data.bytesPerSample = 1;
        data.rate = 8000;
        data.length = 8000;
        data.samples.assign(8000, 128);
        sample_ = device_->NewSample(data);
        ASSERT_NE(sample_, nullptr);
    }

    void TearDown() override { std::remove(conf_.c_str()); }

    std::string conf_;
    std::unique_ptr<OpenALAudioDevice> device_;
    Ref<Sample> sample_;
};

TEST_F(SourceReuseTest, StoppedChannelHandsItsSourceOver)
{
    // The music channel holds one source from the start: three are left for sounds.
    ASSERT_EQ(device_->PlaySample(sample_, 0, kPlayLoop), kAudioOk);
    ASSERT_EQ(device_->PlaySample(sample_, 1, kPlayLoop), kAudioOk);
    ASSERT_EQ(device_->PlaySample(sample_, 2, kPlayLoop), kAudioOk);
    EXPECT_EQ(device_->PlaySample(sample_, 3, kPlayLoop), kAudioFailed);   // none idle
    EXPECT_EQ(device_->ChannelState(3), kChannelStopped);

    device_->StopChannel(1);
    ASSERT_EQ(device_->PlaySample(sample_, 3, kPlayLoop), kAudioOk);
    EXPECT_TRUE(device_->IsSourcePlaying(3));
    EXPECT_TRUE(device_->IsSourcePlaying(0));
    EXPECT_TRUE(device_->IsSourcePlaying(2));
    EXPECT_EQ(device_->ChannelState(1), kChannelStopped);

    // Channel 1 lost its source; replaying there needs another idle one.
    EXPECT_EQ(device_->PlaySample(sample_, 1, kPlayOnce), kAudioFailed);
}

TEST_F(SourceReuseTest, SettersWithoutASourceHaveNoEffect)
{
    ASSERT_EQ(device_->PlaySample(sample_, 0, kPlayLoop), kAudioOk);
    ASSERT_EQ(device_->PlaySample(sample_, 1, kPlayLoop), kAudioOk);
    ASSERT_EQ(device_->PlaySample(sample_, 2, kPlayLoop), kAudioOk);
    device_->SetVolume(9, 0.5f);
    device_->SetPan(9, 1.0f);
    device_->SetRate(9, 2.0f);
    EXPECT_EQ(device_->ChannelState(9), kChannelStopped);
    EXPECT_TRUE(device_->IsSourcePlaying(0));   // nobody's source was taken
    EXPECT_TRUE(device_->IsSourcePlaying(1));
    EXPECT_TRUE(device_->IsSourcePlaying(2));
}

TEST_F(SourceReuseTest, MusicSourceIsNeverHandedOver)
{
    device_->StopMusic();
    ASSERT_EQ(device_->PlaySample(sample_, 0, kPlayLoop), kAudioOk);
    ASSERT_EQ(device_->PlaySample(sample_, 1, kPlayLoop), kAudioOk);
    ASSERT_EQ(device_->PlaySample(sample_, 2, kPlayLoop), kAudioOk);
    EXPECT_EQ(device_->PlaySample(sample_, 3, kPlayOnce), kAudioFailed);
    EXPECT_EQ(device_->PlaySample(sample_, kMusicChannel, kPlayLoop), kAudioOk);
}

}  // namespace
}  // namespace zelka
