#include "platform/audio/AudioDecoders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zelka {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Writes Vorbis header fields: values are packed least significant bit first.
class BitWriter {
public:
    void Put(std::uint32_t value, int bits)
    {
        for (int i = 0; i < bits; ++i) {
            if (used_ % 8 == 0) {
                bytes_.push_back(0);
            }
            bytes_.back() |= static_cast<std::uint8_t>(((value >> i) & 1) << (used_ % 8));
            ++used_;
        }
    }
    void Text(const char* text)
    {
        for (; *text != '\0'; ++text) {
            Put(static_cast<std::uint8_t>(*text), 8);
        }
    }
    const Bytes& Done() const { return bytes_; }

private:
    Bytes bytes_;
    int used_ = 0;
};

constexpr int kBlockExponent = 8;          // 256-sample blocks, short and long alike
constexpr int kSamplesPerPacket = 128;     // each packet after the first adds half a block

Bytes IdentificationHeader(int channels, int rate)
{
    BitWriter w;
    w.Put(1, 8);
    w.Text("vorbis");
    w.Put(0, 32);                      // version
    w.Put(static_cast<std::uint32_t>(channels), 8);
    w.Put(static_cast<std::uint32_t>(rate), 32);
    w.Put(0, 32);                      // bitrates: maximum, nominal, minimum
    w.Put(0, 32);
    w.Put(0, 32);
    w.Put(kBlockExponent, 4);
    w.Put(kBlockExponent, 4);
    w.Put(1, 8);                       // framing
    return w.Done();
}

// Comments "a=b" each, `claimed` of them announced.
Bytes CommentHeader(std::uint32_t claimed = 0, std::uint32_t present = 0)
{
    BitWriter w;
    w.Put(3, 8);
    w.Text("vorbis");
    w.Put(4, 32);
    w.Text("test");                    // vendor
    w.Put(claimed, 32);
    for (std::uint32_t i = 0; i < present; ++i) {
        w.Put(3, 32);
        w.Text("a=b");
    }
    w.Put(1, 8);                       // framing
    return w.Done();
}

// The smallest setup a decoder accepts: one two-entry codebook, one floor 1 with no
// partitions, one empty residue, one mapping and one short-block mode.
Bytes SetupHeader()
{
    BitWriter w;
    w.Put(5, 8);
    w.Text("vorbis");
    w.Put(0, 8);                       // one codebook
    w.Put(0x564342, 24);               // codebook sync
    w.Put(1, 16);                      // dimensions
    w.Put(2, 24);                      // entries
    w.Put(0, 1);                       // not ordered
    w.Put(0, 1);                       // not sparse
    w.Put(0, 5);                       // both codeword lengths 1
    w.Put(0, 5);
    w.Put(0, 4);                       // no lookup table
    w.Put(0, 6);                       // one time-domain transform, which must be 0
    w.Put(0, 16);
    w.Put(0, 6);                       // one floor
    w.Put(1, 16);                      // floor type 1
    w.Put(0, 5);                       // no partitions
    w.Put(0, 2);                       // multiplier 1
    w.Put(8, 4);                       // range bits
    w.Put(0, 6);                       // one residue
    w.Put(0, 16);                      // residue type 0
    w.Put(0, 24);                      // begin
    w.Put(0, 24);                      // end
    w.Put(0, 24);                      // partition size 1
    w.Put(0, 6);                       // one classification
    w.Put(0, 8);                       // class book 0
    w.Put(0, 3);                       // no cascade books
    w.Put(0, 1);
    w.Put(0, 6);                       // one mapping
    w.Put(0, 16);                      // mapping type 0
    w.Put(0, 1);                       // one submap
    w.Put(0, 1);                       // no coupling
    w.Put(0, 2);                       // reserved
    w.Put(0, 8);                       // submap: unused time slot, floor 0, residue 0
    w.Put(0, 8);
    w.Put(0, 8);
    w.Put(0, 6);                       // one mode
    w.Put(0, 1);                       // short block
    w.Put(0, 16);                      // window type
    w.Put(0, 16);                      // transform type
    w.Put(0, 8);                       // mapping 0
    w.Put(1, 1);                       // framing
    return w.Done();
}

std::uint32_t OggCrc(const Bytes& page)
{
    std::uint32_t crc = 0;
    for (std::uint8_t byte : page) {
        crc ^= static_cast<std::uint32_t>(byte) << 24;
        for (int i = 0; i < 8; ++i) {
            crc = (crc & 0x80000000u) != 0 ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
        }
    }
    return crc;
}

void AppendPage(Bytes& out, const std::vector<Bytes>& packets, std::uint8_t flags,
                std::uint64_t granule, std::uint32_t sequence)
{
    Bytes page = {'O', 'g', 'g', 'S', 0, flags};
    for (int i = 0; i < 8; ++i) page.push_back(static_cast<std::uint8_t>(granule >> (8 * i)));
    for (std::uint32_t v : {0x5A454C4Bu, sequence, 0u}) {   // serial, sequence, CRC slot
        for (int i = 0; i < 4; ++i) page.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    Bytes lacing;
    Bytes body;
    for (const Bytes& packet : packets) {
        std::size_t left = packet.size();
        for (; left >= 255; left -= 255) lacing.push_back(255);
        lacing.push_back(static_cast<std::uint8_t>(left));
        body.insert(body.end(), packet.begin(), packet.end());
    }
    page.push_back(static_cast<std::uint8_t>(lacing.size()));
    page.insert(page.end(), lacing.begin(), lacing.end());
    page.insert(page.end(), body.begin(), body.end());
    std::uint32_t crc = OggCrc(page);
    for (int i = 0; i < 4; ++i) page[22 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
    out.insert(out.end(), page.begin(), page.end());
}

// A complete Ogg Vorbis stream of silence: every audio packet marks each channel's floor
// unused. `packets` audio packets decode to (packets - 1) x 128 frames.
Bytes SilentOgg(int channels, int rate, int packets, Bytes comments = CommentHeader())
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

TEST(OggDecoder, TinyStreamDecodesToItsLength)
{
    for (int channels : {1, 2}) {
        std::optional<AudioData> out = Decode(SilentOgg(channels, 22050, 11));
        ASSERT_TRUE(out) << channels << " channels";
        EXPECT_EQ(out->channels, channels);
        EXPECT_EQ(out->bytesPerSample, 2);
        EXPECT_EQ(out->rate, 22050);
        EXPECT_EQ(out->length, 10 * kSamplesPerPacket);
        ASSERT_EQ(out->samples.size(), static_cast<std::size_t>(out->length) * channels * 2);
        EXPECT_EQ(std::count(out->samples.begin(), out->samples.end(), 0),
                  static_cast<std::ptrdiff_t>(out->samples.size()));
    }
}

TEST(OggDecoder, StreamLongerThanTheFirstBlockGrows)
{
    // 100 packets make 12,672 frames: the block starts with room for 4096 and must double.
    std::optional<AudioData> out = Decode(SilentOgg(2, 44100, 100));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->length, 99 * kSamplesPerPacket);
}

TEST(OggDecoder, BrokenStreamsFail)
{
    EXPECT_FALSE(audio::LoadOGG_mem(nullptr, 0));
    Bytes garbage(1000, 0x5A);
    EXPECT_FALSE(Decode(garbage));
    Bytes whole = SilentOgg(1, 8000, 4);
    constexpr std::size_t kCuts[] = {4, 27, 40, 58, 90};   // inside the header pages
    for (std::size_t cut : kCuts) {
        EXPECT_FALSE(Decode(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)))) << cut;
    }
    EXPECT_FALSE(Decode(SilentOgg(6, 8000, 4)));   // six channels have no playable format
}

TEST(OggDecoder, CommentCountsBeyondTheHeaderAreRefused)
{
    EXPECT_TRUE(Decode(SilentOgg(1, 8000, 4, CommentHeader(2, 2))));
    // Counts whose pointer table wraps around 32 bits, or that outrun the packet.
    EXPECT_FALSE(Decode(SilentOgg(1, 8000, 4, CommentHeader(0x20000001u, 2))));
    EXPECT_FALSE(Decode(SilentOgg(1, 8000, 4, CommentHeader(3, 2))));
    Bytes longComment = CommentHeader(1, 1);
    longComment[19] = 0xFF;   // the comment's length, low byte: beyond the packet
    EXPECT_FALSE(Decode(SilentOgg(1, 8000, 4, longComment)));
}

}  // namespace
}  // namespace zelka
