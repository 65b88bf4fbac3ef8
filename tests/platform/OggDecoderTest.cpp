#include "platform/audio/AudioDecoders.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

namespace zelka {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Writes Vorbis header fields as (value, bits) pairs, packed least significant bit first.
class BitWriter {
public:
    BitWriter& Put(std::initializer_list<std::pair<std::uint32_t, int>> fields)
    {
        for (const auto& [value, bits] : fields) {
            for (int i = 0; i < bits; ++i, ++used_) {
                if (used_ % 8 == 0) bytes_.push_back(0);
                bytes_.back() |= static_cast<std::uint8_t>(((value >> i) & 1) << (used_ % 8));
            }
        }
        return *this;
    }
    BitWriter& Text(const char* text)
    {
        for (; *text != '\0'; ++text) Put({{static_cast<std::uint8_t>(*text), 8}});
        return *this;
    }
    const Bytes& Done() const { return bytes_; }

private:
    Bytes bytes_;
    int used_ = 0;
};

constexpr int kSamplesPerPacket = 128;   // 256-sample blocks: each packet after the first adds half

Bytes IdentificationHeader(int channels, int rate)
{
    return BitWriter()
        .Put({{1, 8}})
        .Text("vorbis")
        .Put({{0, 32}, {static_cast<std::uint32_t>(channels), 8}, {static_cast<std::uint32_t>(rate), 32}})
        .Put({{0, 32}, {0, 32}, {0, 32}})  // bitrates: maximum, nominal, minimum
        .Put({{8, 4}, {8, 4}, {1, 8}})     // short and long block exponents, framing
        .Done();
}

// `present` comments "a=b", `claimed` of them announced.
Bytes CommentHeader(std::uint32_t claimed = 0, std::uint32_t present = 0)
{
    BitWriter w;
    w.Put({{3, 8}}).Text("vorbis").Put({{4, 32}}).Text("test").Put({{claimed, 32}});
    for (std::uint32_t i = 0; i < present; ++i) w.Put({{3, 32}}).Text("a=b");
    return w.Put({{1, 8}}).Done();
}

// The smallest setup a decoder accepts: one two-entry codebook, one floor 1 with no
// partitions, one empty residue, one mapping and one short-block mode.
Bytes SetupHeader()
{
    return BitWriter()
        .Put({{5, 8}})
        .Text("vorbis")
        .Put({{0, 8}, {0x564342, 24}, {1, 16}, {2, 24}})  // one codebook: sync, dimensions, entries
        .Put({{0, 1}, {0, 1}, {0, 5}, {0, 5}, {0, 4}})    // unordered, dense, lengths 1, no lookup
        .Put({{0, 6}, {0, 16}})                           // one time-domain transform, 0
        .Put({{0, 6}, {1, 16}, {0, 5}, {0, 2}, {8, 4}})   // one floor 1: no partitions, range bits
        .Put({{0, 6}, {0, 16}, {0, 24}, {0, 24}, {0, 24}, {0, 6}, {0, 8}, {0, 3}, {0, 1}})  // one residue
        .Put({{0, 6}, {0, 16}, {0, 1}, {0, 1}, {0, 2}, {0, 8}, {0, 8}, {0, 8}})  // one mapping, one submap
        .Put({{0, 6}, {0, 1}, {0, 16}, {0, 16}, {0, 8}, {1, 1}})  // one short-block mode; framing
        .Done();
}

void AppendPage(Bytes& out, const std::vector<Bytes>& packets, std::uint8_t flags, std::uint64_t granule,
                std::uint32_t sequence)
{
    Bytes page = {'O', 'g', 'g', 'S', 0, flags};
    for (int i = 0; i < 8; ++i) page.push_back(static_cast<std::uint8_t>(granule >> (8 * i)));
    for (std::uint32_t v : {0x5A454C4Bu, sequence, 0u}) {   // serial, sequence, CRC slot
        for (int i = 0; i < 4; ++i) page.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    Bytes lacing, body;
    for (const Bytes& packet : packets) {
        std::size_t left = packet.size();
        for (; left >= 255; left -= 255) lacing.push_back(255);
        lacing.push_back(static_cast<std::uint8_t>(left));
        body.insert(body.end(), packet.begin(), packet.end());
    }
    page.push_back(static_cast<std::uint8_t>(lacing.size()));
    page.insert(page.end(), lacing.begin(), lacing.end());
    page.insert(page.end(), body.begin(), body.end());
    std::uint32_t crc = 0;
    for (std::uint8_t byte : page) {
        crc ^= static_cast<std::uint32_t>(byte) << 24;
        for (int i = 0; i < 8; ++i) crc = (crc & 0x80000000u) != 0 ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    for (int i = 0; i < 4; ++i) page[22 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
    out.insert(out.end(), page.begin(), page.end());
}

// A complete Ogg Vorbis stream of silence: every audio packet marks each channel's floor
// unused. `packets` audio packets decode to (packets - 1) x 128 frames.
Bytes SilentOgg(int channels, int rate, int packets, const Bytes& comments = CommentHeader())
{
    constexpr std::uint8_t kFirstPage = 2;
    constexpr std::uint8_t kLastPage = 4;
    Bytes out;
    AppendPage(out, {IdentificationHeader(channels, rate)}, kFirstPage, 0, 0);
    AppendPage(out, {comments, SetupHeader()}, 0, 0, 1);
    std::vector<Bytes> audio(static_cast<std::size_t>(packets), Bytes{0});
    AppendPage(out, audio, kLastPage, static_cast<std::uint64_t>(packets - 1) * kSamplesPerPacket, 2);
    return out;
}

std::optional<AudioData> Decode(const Bytes& bytes) { return audio::LoadOGG_mem(bytes.data(), bytes.size()); }

TEST(OggDecoder, SmallStreamsDecodeToTheirLength)
{
    // 100 packets make 12,672 frames: more than the 4096 the output starts with room for.
    for (const auto& [channels, packets] : {std::pair{1, 11}, {2, 11}, {2, 100}}) {
        SCOPED_TRACE(packets);
        std::optional<AudioData> out = Decode(SilentOgg(channels, 22050, packets));
        ASSERT_TRUE(out) << channels << " channels";
        const int frames = (packets - 1) * kSamplesPerPacket;
        EXPECT_EQ(std::tuple(out->channels, out->bytesPerSample, out->rate, out->length),
                  std::tuple(channels, 2, 22050, frames));
        EXPECT_EQ(out->samples, Bytes(static_cast<std::size_t>(frames) * channels * 2, 0));
    }
    EXPECT_TRUE(Decode(SilentOgg(1, 8000, 4, CommentHeader(2, 2))));
}

TEST(OggDecoder, BrokenStreamsFail)
{
    EXPECT_FALSE(audio::LoadOGG_mem(nullptr, 0));
    EXPECT_FALSE(Decode(Bytes(1000, 0x5A)));
    const Bytes whole = SilentOgg(1, 8000, 4);
    for (std::ptrdiff_t cut : {4, 27, 40, 58, 90}) {   // inside the header pages
        EXPECT_FALSE(Decode(Bytes(whole.begin(), whole.begin() + cut))) << cut;
    }
    EXPECT_FALSE(Decode(SilentOgg(6, 8000, 4)));   // six channels have no playable format
    // Comment counts whose pointer table wraps around 32 bits, or that outrun the packet.
    EXPECT_FALSE(Decode(SilentOgg(1, 8000, 4, CommentHeader(0x20000001u, 2))));
    EXPECT_FALSE(Decode(SilentOgg(1, 8000, 4, CommentHeader(3, 2))));
    Bytes longComment = CommentHeader(1, 1);
    longComment[19] = 0xFF;   // the comment's length, low byte: beyond the packet
    EXPECT_FALSE(Decode(SilentOgg(1, 8000, 4, longComment)));
}

}  // namespace
}  // namespace zelka
