#include "platform/audio/AudioDecoders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelka {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, const char* id) { out.insert(out.end(), id, id + 4); }

void Put16(Bytes& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

constexpr std::uint8_t kEightBytes[] = {1, 2, 3, 4, 5, 6, 7, 8};

// The pieces of a WAV file, each open to being broken by a test.
struct WavSpec {
    const char* riff = "RIFF";
    const char* wave = "WAVE";
    const char* fmtId = "fmt ";
    std::uint32_t fmtSize = 16;
    std::uint16_t tag = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    Bytes beforeData;                // whole chunks between "fmt " and "data"
    std::int64_t dataSize = -1;      // stated size; -1 = the real one
    Bytes data = Bytes(std::begin(kEightBytes), std::end(kEightBytes));
};

Bytes Build(const WavSpec& spec)
{
    Bytes out;
    Put(out, spec.riff);
    Put32(out, 0);   // RIFF size: ignored by the reader
    Put(out, spec.wave);
    Put(out, spec.fmtId);
    Put32(out, spec.fmtSize);
    Put16(out, spec.tag);
    Put16(out, spec.channels);
    Put32(out, spec.rate);
    Put32(out, spec.rate * spec.channels * spec.bits / 8);
    Put16(out, static_cast<std::uint16_t>(spec.channels * spec.bits / 8));
    Put16(out, spec.bits);
    if (spec.fmtSize > 16) {
        out.insert(out.end(), spec.fmtSize - 16, 0);
    }
    out.insert(out.end(), spec.beforeData.begin(), spec.beforeData.end());
    Put(out, "data");
    Put32(out, spec.dataSize < 0 ? static_cast<std::uint32_t>(spec.data.size())
                                 : static_cast<std::uint32_t>(spec.dataSize));
    out.insert(out.end(), spec.data.begin(), spec.data.end());
    return out;
}

std::optional<AudioData> Decode(const Bytes& bytes) { return audio::LoadWAV_mem(bytes.data(), bytes.size()); }

TEST(WavDecoder, PcmFormatsDecode)
{
    struct Case {
        std::uint16_t channels, bits;
        int frames;   // of the 8 data bytes
    };
    for (Case c : {Case{1, 8, 8}, Case{2, 8, 4}, Case{1, 16, 4}, Case{2, 16, 2}}) {
        WavSpec spec;
        spec.channels = c.channels;
        spec.bits = c.bits;
        spec.rate = 11025;
        std::optional<AudioData> out = Decode(Build(spec));
        ASSERT_TRUE(out) << c.channels << " channels, " << c.bits << " bits";
        EXPECT_EQ(out->channels, c.channels);
        EXPECT_EQ(out->bytesPerSample, c.bits / 8);
        EXPECT_EQ(out->rate, 11025);
        EXPECT_EQ(out->length, c.frames);
        EXPECT_EQ(out->samples, spec.data);
    }
}

TEST(WavDecoder, MalformedHeadersFail)
{
    std::vector<std::pair<const char*, WavSpec>> cases;
    auto add = [&](const char* what, auto change) {
        WavSpec spec;
        change(spec);
        cases.emplace_back(what, spec);
    };
    add("not RIFF", [](WavSpec& s) { s.riff = "RIFX"; });
    add("not WAVE", [](WavSpec& s) { s.wave = "AVI "; });
    add("fmt not first", [](WavSpec& s) { s.fmtId = "LIST"; });
    add("float format tag", [](WavSpec& s) { s.tag = 3; });
    add("extensible format tag", [](WavSpec& s) { s.tag = 0xFFFE; });
    add("zero channels", [](WavSpec& s) { s.channels = 0; });
    add("six channels", [](WavSpec& s) { s.channels = 6; });
    add("zero bits", [](WavSpec& s) { s.bits = 0; });
    add("12 bits", [](WavSpec& s) { s.bits = 12; });
    add("24 bits", [](WavSpec& s) { s.bits = 24; });
    add("zero rate", [](WavSpec& s) { s.rate = 0; });
    for (const auto& [what, spec] : cases) {
        EXPECT_FALSE(Decode(Build(spec))) << what;
    }
}

TEST(WavDecoder, EveryTruncatedHeaderFails)
{
    Bytes whole = Build(WavSpec{});
    constexpr std::size_t kHeaderBytes = 44;   // up to and including the data chunk's size
    for (std::size_t size = 0; size < kHeaderBytes; ++size) {
        Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(audio::LoadWAV_mem(cut.data(), cut.size())) << size << " bytes";
    }
    EXPECT_FALSE(audio::LoadWAV_mem(nullptr, 0));
}

TEST(WavDecoder, OtherChunksAreSkippedByTheirStatedSize)
{
    WavSpec spec;
    // An odd-sized chunk with no pad byte after it, then an empty one.
    Put(spec.beforeData, "LIST");
    Put32(spec.beforeData, 3);
    spec.beforeData.insert(spec.beforeData.end(), {'a', 'b', 'c'});
    Put(spec.beforeData, "fact");
    Put32(spec.beforeData, 0);
    std::optional<AudioData> out = Decode(Build(spec));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->samples, spec.data);
}

TEST(WavDecoder, LongerFmtChunkIsSkippedPastItsFields)
{
    WavSpec spec;
    spec.fmtSize = 18;   // PCM with the cbSize field some writers add
    std::optional<AudioData> out = Decode(Build(spec));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->samples, spec.data);
}

TEST(WavDecoder, MissingDataChunkFails)
{
    WavSpec spec;
    Put(spec.beforeData, "LIST");
    Put32(spec.beforeData, 0x80000000u);   // unsigned: skips to the end, never backwards
    EXPECT_FALSE(Decode(Build(spec)));

    Bytes noData = Build(WavSpec{});
    noData.resize(36);   // "fmt " complete, nothing after it
    EXPECT_FALSE(audio::LoadWAV_mem(noData.data(), noData.size()));
}

TEST(WavDecoder, OversizedDataIsCutToWholeFramesPresent)
{
    WavSpec spec;
    spec.channels = 2;
    spec.bits = 16;
    spec.data = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};   // two frames and half of a third
    for (std::int64_t stated : {std::int64_t{4000}, std::int64_t{0xFFFFFFFF}, std::int64_t{0x80000000}}) {
        spec.dataSize = stated;
        std::optional<AudioData> out = Decode(Build(spec));
        ASSERT_TRUE(out) << stated;
        EXPECT_EQ(out->length, 2);
        EXPECT_EQ(out->samples, (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
    }
}

TEST(WavDecoder, ShorterStatedDataIgnoresTrailingBytes)
{
    WavSpec spec;
    spec.dataSize = 4;
    std::optional<AudioData> out = Decode(Build(spec));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->length, 2);
    EXPECT_EQ(out->samples, (Bytes{1, 2, 3, 4}));

    spec.dataSize = 0;   // an empty sound is still a sound
    out = Decode(Build(spec));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->length, 0);
}

}  // namespace
}  // namespace zelka
