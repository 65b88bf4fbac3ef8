#include "platform/audio/AudioDecoders.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace zelka {
namespace {

// 16-bit mono, 8000 Hz, two frames.
constexpr char kWavBytes[] = "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0"
                            "data\x04\0\0\0\x01\x02\x03\x04";
const std::string kWav(kWavBytes, sizeof kWavBytes - 1);

std::string Write(const std::string& name, const std::string& bytes)
{
    std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(LoadAudioData, ChoosesTheDecoderByExtensionIgnoringCase)
{
    for (const char* name : {"a.wav", "b.WAV", "c.Wav"}) {
        std::optional<AudioData> out = audio::LoadAudioData(Write(name, kWav));
        ASSERT_TRUE(out) << name;
        EXPECT_EQ(out->length, 2);
        EXPECT_EQ(out->rate, 8000);
    }
    // The same bytes under another extension are not looked at.
    for (const char* name : {"d.mp3", "e.wav.bak", "wav", "f.ogg"}) {
        EXPECT_FALSE(audio::LoadAudioData(Write(name, kWav))) << name;
    }
}

TEST(LoadAudioData, UnreadableFilesFail)
{
    EXPECT_FALSE(audio::LoadAudioData(""));
    EXPECT_FALSE(audio::LoadAudioData("kestro://nowhere/a.wav"));   // resolves to nothing
    EXPECT_FALSE(audio::LoadAudioData(::testing::TempDir() + "no_such_file.wav"));
    EXPECT_FALSE(audio::LoadAudioData(::testing::TempDir()));   // a folder
    EXPECT_FALSE(audio::LoadAudioData(Write("empty.wav", "")));
}

TEST(LoadAudioData, LargeFileIsReadWhole)
{
    // Larger than one read chunk, so reading must join the pieces.
    std::string big = kWav;
    constexpr std::uint32_t kDataBytes = 40000;
    big.resize(40);
    for (int i = 0; i < 4; ++i) big.push_back(static_cast<char>(kDataBytes >> (8 * i)));
    big.append(kDataBytes, '\x11');
    std::optional<AudioData> out = audio::LoadAudioData(Write("big.wav", big));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->length, static_cast<int>(kDataBytes / 2));
}

}  // namespace
}  // namespace zelka
