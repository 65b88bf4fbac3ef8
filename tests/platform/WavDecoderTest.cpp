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
struct WavLayout {
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

Bytes Build(const WavLayout& layout)
{
    Bytes out;
    Put(out, layout.riff);
    Put32(out, 0);   // RIFF size: ignored by the reader
    Put(out, layout.wave);
    Put(out, layout.fmtId);
    Put32(out, layout.fmtSize);
    Put16(out, layout.tag);
    Put16(out, layout.channels);
    Put32(out, layout.rate);
    Put32(out, layout.rate * layout.channels * layout.bits / 8);
    Put16(out, static_cast<std::uint16_t>(layout.channels * layout.bits / 8));
    Put16(out, layout.bits);
    if (layout.fmtSize > 16) {
        out.insert(out.end(), layout.fmtSize - 16, 0);
    }
    out.insert(out.end(), layout.beforeData.begin(), layout.beforeData.end());
    Put(out, "data");
    Put32(out, layout.dataSize < 0 ? static_cast<std::uint32_t>(layout.data.size())
                                 : static_cast<std::uint32_t>(layout.dataSize));
    out.insert(out.end(), layout.data.begin(), layout.data.end());
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
        WavLayout layout;
        layout.channels = c.channels;
        layout.bits = c.bits;
        layout.rate = 11025;
        std::optional<AudioData> out = Decode(Build(layout));
        ASSERT_TRUE(out) << c.channels << " channels, " << c.bits << " bits";
        EXPECT_EQ(out->channels, c.channels);
        EXPECT_EQ(out->bytesPerSample, c.bits / 8);
        EXPECT_EQ(out->rate, 11025);
        EXPECT_EQ(out->length, c.frames);
        EXPECT_EQ(out->samples, layout.data);
    }
}

TEST(WavDecoder, MalformedHeadersFail)
{
    std::vector<std::pair<const char*, WavLayout>> cases;
    auto add = [&](const char* what, auto change) {
        WavLayout layout;
        change(layout);
        cases.emplace_back(what, layout);
    };
    add("not RIFF", [](WavLayout& s) { s.riff = "RIFX"; });
    add("not WAVE", [](WavLayout& s) { s.wave = "AVI "; });
    add("fmt not first", [](WavLayout& s) { s.fmtId = "LIST"; });
    add("float format tag", [](WavLayout& s) { s.tag = 3; });
    add("extensible format tag", [](WavLayout& s) { s.tag = 0xFFFE; });
    add("zero channels", [](WavLayout& s) { s.channels = 0; });
    add("six channels", [](WavLayout& s) { s.channels = 6; });
    add("zero bits", [](WavLayout& s) { s.bits = 0; });
    add("12 bits", [](WavLayout& s) { s.bits = 12; });
    add("24 bits", [](WavLayout& s) { s.bits = 24; });
    add("zero rate", [](WavLayout& s) { s.rate = 0; });
    for (const auto& [what, layout] : cases) {
        EXPECT_FALSE(Decode(Build(layout))) << what;
    }
}

TEST(WavDecoder, EveryTruncatedHeaderFails)
{
    Bytes whole = Build(WavLayout{});
    constexpr std::size_t kHeaderBytes = 44;   // up to and including the data chunk's size
    for (std::size_t size = 0; size < kHeaderBytes; ++size) {
        Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(audio::LoadWAV_mem(cut.data(), cut.size())) << size << " bytes";
    }
    EXPECT_FALSE(audio::LoadWAV_mem(nullptr, 0));
}

TEST(WavDecoder, OtherChunksAreSkippedByTheirStatedSize)
{
    WavLayout layout;
    // An odd-sized chunk with no pad byte after it, then an empty one.
    Put(layout.beforeData, "LIST");
    Put32(layout.beforeData, 3);
    layout.beforeData.insert(layout.beforeData.end(), {'a', 'b', 'c'});
    Put(layout.beforeData, "fact");
    Put32(layout.beforeData, 0);
    std::optional<AudioData> out = Decode(Build(layout));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->samples, layout.data);
}

TEST(WavDecoder, LongerFmtChunkIsSkippedPastItsFields)
{
    WavLayout layout;
    layout.fmtSize = 18;   // PCM with the cbSize field some writers add
    std::optional<AudioData> out = Decode(Build(layout));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->samples, layout.data);
}

TEST(WavDecoder, MissingDataChunkFails)
{
    WavLayout layout;
    Put(layout.beforeData, "LIST");
    Put32(layout.beforeData, 0x80000000u);   // unsigned: skips to the end, never backwards
    EXPECT_FALSE(Decode(Build(layout)));

    Bytes noData = Build(WavLayout{});
    noData.resize(36);   // "fmt " complete, nothing after it
    EXPECT_FALSE(audio::LoadWAV_mem(noData.data(), noData.size()));
}

TEST(WavDecoder, OversizedDataIsCutToWholeFramesPresent)
{
    WavLayout layout;
    layout.channels = 2;
    layout.bits = 16;
    layout.data = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};   // two frames and half of a third
    for (std::int64_t stated : {std::int64_t{4000}, std::int64_t{0xFFFFFFFF}, std::int64_t{0x80000000}}) {
        layout.dataSize = stated;
        std::optional<AudioData> out = Decode(Build(layout));
        ASSERT_TRUE(out) << stated;
        EXPECT_EQ(out->length, 2);
        EXPECT_EQ(out->samples, (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
    }
}

TEST(WavDecoder, ShorterStatedDataIgnoresTrailingBytes)
{
    WavLayout layout;
    layout.dataSize = 4;
    std::optional<AudioData> out = Decode(Build(layout));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->length, 2);
    EXPECT_EQ(out->samples, (Bytes{1, 2, 3, 4}));

    layout.dataSize = 0;   // an empty sound is still a sound
    out = Decode(Build(layout));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->length, 0);
}

}  // namespace
}  // namespace zelka
