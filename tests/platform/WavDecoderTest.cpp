#include "platform/audio/AudioDecoders.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/platform/TestFiles.h"

namespace zelka {
namespace {

using testing::BuildWav;
using testing::Bytes;
using testing::PutId;
using testing::PutLE;
using testing::WavLayout;

std::optional<AudioData> DecodeWav(const Bytes& bytes) { return audio::LoadWAV_mem(bytes.data(), bytes.size()); }

TEST(WavDecoder, ValidFilesDecodeToTheWholeFramesPresent)
{
    const struct {
        const char* what;
        void (*change)(WavLayout&);
        int frames;   // of the 8 data bytes, or of the bytes stated
    } cases[] = {
        {"8-bit mono", [](WavLayout& l) { l.bits = 8; }, 8},
        {"8-bit stereo", [](WavLayout& l) { l.bits = 8, l.channels = 2; }, 4},
        {"16-bit mono", [](WavLayout&) {}, 4},
        {"16-bit stereo", [](WavLayout& l) { l.channels = 2; }, 2},
        // An odd-sized chunk with no pad byte after it, then an empty one.
        {"other chunks skipped by their stated size",
         [](WavLayout& l) {
             PutId(l.beforeData, "LIST");
             PutLE(l.beforeData, 3, 4);
             l.beforeData.insert(l.beforeData.end(), {'a', 'b', 'c'});
             PutId(l.beforeData, "fact");
             PutLE(l.beforeData, 0, 4);
         },
         4},
        {"cbSize after the PCM fields", [](WavLayout& l) { l.fmtSize = 18; }, 4},
        {"shorter stated data", [](WavLayout& l) { l.dataSize = 4; }, 2},
        {"empty data", [](WavLayout& l) { l.dataSize = 0; }, 0},
        // Stated sizes past the end are cut to the whole frames present: two and a half here.
        {"oversized data", [](WavLayout& l) { l.channels = 2, l.data.resize(10), l.dataSize = 4000; }, 2},
        {"size 0xFFFFFFFF", [](WavLayout& l) { l.channels = 2, l.data.resize(10), l.dataSize = 0xFFFFFFFF; }, 2},
        {"size 2^31", [](WavLayout& l) { l.channels = 2, l.data.resize(10), l.dataSize = 0x80000000; }, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WavLayout layout;
        layout.rate = 11025;
        c.change(layout);
        const std::optional<AudioData> out = DecodeWav(BuildWav(layout));
        ASSERT_TRUE(out);
        EXPECT_EQ(std::tuple(out->channels, out->bytesPerSample, out->rate, out->length),
                  std::tuple(layout.channels, layout.bits / 8, 11025, c.frames));
        const auto bytes = static_cast<std::ptrdiff_t>(c.frames * layout.channels * layout.bits / 8);
        EXPECT_EQ(out->samples, Bytes(layout.data.begin(), layout.data.begin() + bytes));
    }
}

TEST(WavDecoder, MalformedOrTruncatedFilesFail)
{
    const struct {
        const char* what;
        void (*change)(WavLayout&);
    } cases[] = {
        {"not RIFF", [](WavLayout& l) { l.riff = "RIFX"; }},
        {"not WAVE", [](WavLayout& l) { l.wave = "AVI "; }},
        {"fmt not first", [](WavLayout& l) { l.fmtId = "LIST"; }},
        {"float format tag", [](WavLayout& l) { l.tag = 3; }},
        {"extensible format tag", [](WavLayout& l) { l.tag = 0xFFFE; }},
        {"zero channels", [](WavLayout& l) { l.channels = 0; }},
        {"six channels", [](WavLayout& l) { l.channels = 6; }},
        {"zero bits", [](WavLayout& l) { l.bits = 0; }},
        {"12 bits", [](WavLayout& l) { l.bits = 12; }},
        {"24 bits", [](WavLayout& l) { l.bits = 24; }},
        {"zero rate", [](WavLayout& l) { l.rate = 0; }},
        // Chunk sizes are unsigned: this one skips to the end, never backwards.
        {"no data chunk after a huge one",
         [](WavLayout& l) {
             PutId(l.beforeData, "LIST");
             PutLE(l.beforeData, 0x80000000u, 4);
         }},
    };
    for (const auto& c : cases) {
        WavLayout layout;
        c.change(layout);
        EXPECT_FALSE(DecodeWav(BuildWav(layout))) << c.what;
    }
    // Every cut up to and including the data chunk's size.
    const Bytes whole = BuildWav(WavLayout{});
    for (std::ptrdiff_t size = 0; size < 44; ++size) {
        EXPECT_FALSE(DecodeWav(Bytes(whole.begin(), whole.begin() + size))) << size << " bytes";
    }
    EXPECT_FALSE(audio::LoadWAV_mem(nullptr, 0));
}

TEST(LoadAudioData, ReadsWholeWavFilesChosenByExtensionIgnoringCase)
{
    // Larger than one read chunk, so reading must join the pieces.
    WavLayout layout;
    layout.data.assign(40000, 0x11);
    const Bytes wav = BuildWav(layout);
    for (const char* name : {"a.wav", "b.WAV", "c.Wav"}) {
        const std::optional<AudioData> out = audio::LoadAudioData(testing::WriteTempFile(name, wav));
        ASSERT_TRUE(out) << name;
        EXPECT_EQ(out->length, 20000);
    }
    // The same bytes under another extension are not looked at; unreadable paths fail.
    for (const char* name : {"d.mp3", "e.wav.bak", "wav", "f.ogg"}) {
        EXPECT_FALSE(audio::LoadAudioData(testing::WriteTempFile(name, wav))) << name;
    }
    EXPECT_FALSE(audio::LoadAudioData(testing::WriteTempFile("empty.wav", {})));
    for (const std::string path : {"", "kestro://nowhere/a.wav", "no_such_file.wav", "/tmp"}) {
        EXPECT_FALSE(audio::LoadAudioData(path)) << path;
    }
}

}  // namespace
}  // namespace zelka
