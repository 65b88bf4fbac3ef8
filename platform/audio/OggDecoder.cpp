#include "platform/audio/AudioDecoders.h"
#include "platform/audio/VorbisMemory.h"

#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#define STB_VORBIS_HEADER_ONLY
#include "platform/audio/StbVorbisConfig.h"

namespace zelka::audio {
namespace {

// A Vorbis frame yields at most 4096 samples per channel (half the largest block size),
// so the block grows whenever less room than that would be left.
constexpr int kFrameRoom = 4096;

struct VorbisCloser {
    void operator()(stb_vorbis* v) const { stb_vorbis_close(v); }
};

constexpr std::size_t kPageHeaderBytes = 27;   // "OggS" up to the segment count
constexpr std::uint8_t kCommentPacketType = 3;
constexpr std::size_t kPacketTagBytes = 7;     // type byte and "vorbis"

std::uint32_t Le32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The first `count` packets of the stream, joined across pages as the decoder joins them;
// fewer when the block ends first.
std::vector<std::vector<std::uint8_t>> FirstPackets(const std::uint8_t* block, std::size_t size,
                                                    std::size_t count)
{
    std::vector<std::vector<std::uint8_t>> packets(1);
    std::size_t at = 0;
    while (packets.size() <= count && size - at >= kPageHeaderBytes &&
           std::memcmp(block + at, "OggS", 4) == 0) {
        const std::size_t segments = block[at + kPageHeaderBytes - 1];
        std::size_t body = at + kPageHeaderBytes + segments;
        if (body > size) break;
        for (std::size_t i = 0; i < segments && packets.size() <= count; ++i) {
            const std::size_t length = block[at + kPageHeaderBytes + i];
            if (length > size - body) return {};
            packets.back().insert(packets.back().end(), block + body, block + body + length);
            body += length;
            if (length < 255) packets.emplace_back();
        }
        at = body;
    }
    packets.pop_back();   // the one being joined when the loop ended
    return packets;
}

// stb_vorbis trusts the comment header's counts: a count or length beyond the packet makes
// it allocate a wrapped-around size and write past it. A true header never claims more
// bytes than it holds, so such a stream is refused before the decoder sees it.
bool CommentHeaderFits(const std::uint8_t* block, std::size_t size)
{
    const auto packets = FirstPackets(block, size, 2);
    if (packets.size() < 2) return false;
    const std::vector<std::uint8_t>& comments = packets[1];
    if (comments.size() < kPacketTagBytes || comments[0] != kCommentPacketType) return false;
    std::size_t at = kPacketTagBytes;
    const auto field = [&](std::uint32_t& value) {
        if (comments.size() - at < 4) return false;
        value = Le32(comments.data() + at);
        at += 4;
        return true;
    };
    std::uint32_t vendor = 0;
    if (!field(vendor) || vendor > comments.size() - at) return false;
    at += vendor;
    std::uint32_t entries = 0;
    if (!field(entries) || entries > (comments.size() - at) / 4) return false;
    for (std::uint32_t i = 0; i < entries; ++i) {
        std::uint32_t length = 0;
        if (!field(length) || length > comments.size() - at) return false;
        at += length;
    }
    return true;
}

}  // namespace

std::optional<AudioData> LoadOGG_mem(const std::uint8_t* block, std::size_t size)
{
    if (block == nullptr || size > INT_MAX) {
        return std::nullopt;
    }
    if (!CommentHeaderFits(block, size)) {
        return std::nullopt;
    }
    const VorbisAllocationScope allocations;   // frees what a failed open leaves behind
    int error = 0;
    std::unique_ptr<stb_vorbis, VorbisCloser> vorbis(
        stb_vorbis_open_memory(block, static_cast<int>(size), &error, nullptr));
    if (vorbis == nullptr) {
        return std::nullopt;
    }
    stb_vorbis_info info = stb_vorbis_get_info(vorbis.get());
    int channels = info.channels;
    if (channels < 1 || channels > 2 || info.sample_rate == 0 || info.sample_rate > INT_MAX) {
        return std::nullopt;   // no playable format for more than two channels
    }
    std::vector<std::int16_t> pcm(static_cast<std::size_t>(kFrameRoom) * channels);
    std::size_t used = 0;   // samples, all channels counted
    for (;;) {
        int room = static_cast<int>(pcm.size() - used);
        int frames = stb_vorbis_get_frame_short_interleaved(vorbis.get(), channels,
                                                            pcm.data() + used, room);
        if (frames == 0) {
            break;
        }
        used += static_cast<std::size_t>(frames) * channels;
        if (pcm.size() - used < static_cast<std::size_t>(kFrameRoom) * channels) {
            if (pcm.size() > static_cast<std::size_t>(INT_MAX) / 4) {
                return std::nullopt;   // over an hour of audio: refuse rather than overflow
            }
            pcm.resize(pcm.size() * 2);
        }
    }
    AudioData out;
    out.channels = channels;
    out.bytesPerSample = 2;
    out.rate = static_cast<int>(info.sample_rate);
    out.length = static_cast<int>(used / channels);
    out.samples.resize(used * sizeof(std::int16_t));
    for (std::size_t i = 0; i < used; ++i) {   // low byte first, whatever the host order
        auto value = static_cast<std::uint16_t>(pcm[i]);
        out.samples[2 * i] = static_cast<std::uint8_t>(value & 0xFF);
        out.samples[2 * i + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    return out;
}

}  // namespace zelka::audio
