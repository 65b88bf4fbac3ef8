#include "platform/audio/openal/OpenALAudioDevice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>

namespace zelka {
namespace {

// OpenAL reads its driver list once per process, so the failing opening runs in a child
// process of its own. Inside, failures are written to standard error and end the child
// with status 1, which the parent reports.
void CheckSilentDevice()
{
    setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
    std::string wav = ::testing::TempDir() + "silent.wav";
    std::ofstream(wav, std::ios::binary) << std::string(
        "RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data\x02\0\0\0\x80\x80",
        46);

    ::testing::internal::CaptureStdout();
    auto device = std::make_unique<OpenALAudioDevice>();
    std::string printed = ::testing::internal::GetCapturedStdout();
    bool ok = true;
    auto check = [&](bool condition, const char* what) {
        if (!condition) {
            std::cerr << "failed: " << what << "\n";
            ok = false;
        }
    };
    check(printed == "opening openal device\nOpenAl error: alcOpenDevice failed\n", "printed lines");
    check(!device->IsOpen(), "no device");

    // Every call is accepted and answers neutrally.
    Ref<Sample> sample = device->LoadSample(wav);
    check(sample != nullptr, "a decodable file still loads");
    check(device->LoadSample(wav + ".wav") == nullptr, "a missing file does not");
    check(device->PlaySample(sample, 0, kPlayOnce) == kAudioFailed, "nothing plays");
    check(device->ChannelState(0) == kChannelStopped, "channel stopped");
    check(device->PlayMusic(wav, kPlayLoop) == kAudioOk, "music loads");
    check(device->MusicState() == kChannelStopped, "music silent");
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
    std::exit(ok ? 0 : 1);
}

TEST(OpenALAudioDevice, WithoutAnOutputRunsSilent)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(CheckSilentDevice(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace zelka
