#include "platform/audio/AudioDecoders.h"

#include <climits>
#include <memory>

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

}  // namespace

std::optional<AudioData> LoadOGG_mem(const std::uint8_t* block, std::size_t size)
{
    if (block == nullptr || size > INT_MAX) {
        return std::nullopt;
    }
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
