#include "platform/audio/AudioDecoders.h"

#include <algorithm>
#include <cstring>

namespace zelka::audio {
namespace {

constexpr std::uint16_t kFormatPcm = 1;           // WAVE_FORMAT_PCM
constexpr std::uint32_t kFmtFieldBytes = 16;      // the PCM fields of a "fmt " chunk
constexpr std::size_t kByteRateAndAlignBytes = 6; // skipped: byte rate (4), block align (2)

// Reads little-endian values from a block. A read that would pass the end fails and
// leaves the position where it was; a skip stops at the end.
class ByteReader {
public:
    ByteReader(const std::uint8_t* block, std::size_t size) : block_(block), size_(size) {}

    bool Id(const char (&expected)[5])
    {
        if (Left() < 4 || std::memcmp(block_ + pos_, expected, 4) != 0) {
            return false;
        }
        pos_ += 4;
        return true;
    }

    bool Id(char (&out)[4])
    {
        if (Left() < 4) {
            return false;
        }
        std::memcpy(out, block_ + pos_, 4);
        pos_ += 4;
        return true;
    }

    bool U16(std::uint16_t& out)
    {
        if (Left() < 2) {
            return false;
        }
        out = static_cast<std::uint16_t>(block_[pos_] | block_[pos_ + 1] << 8);
        pos_ += 2;
        return true;
    }

    // Chunk sizes are unsigned: a size above 2^31 is huge, not negative.
    bool U32(std::uint32_t& out)
    {
        if (Left() < 4) {
            return false;
        }
        out = static_cast<std::uint32_t>(block_[pos_]) | static_cast<std::uint32_t>(block_[pos_ + 1]) << 8
            | static_cast<std::uint32_t>(block_[pos_ + 2]) << 16
            | static_cast<std::uint32_t>(block_[pos_ + 3]) << 24;
        pos_ += 4;
        return true;
    }

    void Skip(std::size_t count) { pos_ += std::min(count, Left()); }

    std::size_t Left() const { return size_ - pos_; }
    const std::uint8_t* Here() const { return block_ + pos_; }

private:
    const std::uint8_t* block_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

struct WavFormat {
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint16_t bits = 0;
};

// "fmt " must be the first chunk. Only what the device can play is accepted: PCM with
// 1-2 channels at 8 or 16 bits (zero channels or bits would divide by zero further on).
bool ReadFormat(ByteReader& in, WavFormat& format)
{
    std::uint32_t chunkSize = 0;
    std::uint16_t tag = 0;
    if (!in.Id("fmt ") || !in.U32(chunkSize) || !in.U16(tag) || tag != kFormatPcm) {
        return false;
    }
    if (!in.U16(format.channels) || !in.U32(format.rate)) {
        return false;
    }
    if (in.Left() < kByteRateAndAlignBytes) {
        return false;
    }
    in.Skip(kByteRateAndAlignBytes);
    if (!in.U16(format.bits)) {
        return false;
    }
    if (chunkSize > kFmtFieldBytes) {
        in.Skip(chunkSize - kFmtFieldBytes);
    }
    bool channelsOk = format.channels == 1 || format.channels == 2;
    bool bitsOk = format.bits == 8 || format.bits == 16;
    return channelsOk && bitsOk && format.rate > 0;
}

}  // namespace

std::optional<AudioData> LoadWAV_mem(const std::uint8_t* block, std::size_t size)
{
    if (block == nullptr) {
        return std::nullopt;
    }
    ByteReader in(block, size);
    if (!in.Id("RIFF") || in.Left() < 4) {
        return std::nullopt;
    }
    in.Skip(4);   // RIFF size: not trusted, the chunks are walked instead
    WavFormat format;
    if (!in.Id("WAVE") || !ReadFormat(in, format)) {
        return std::nullopt;
    }
    // Other chunks are skipped by exactly their stated size: the files we write never need
    // the pad byte after an odd size, and skipping it would misread files that omit it.
    for (;;) {
        char id[4];
        std::uint32_t chunkSize = 0;
        if (!in.Id(id) || !in.U32(chunkSize)) {
            return std::nullopt;   // no "data" chunk before the end
        }
        if (std::memcmp(id, "data", 4) != 0) {
            in.Skip(chunkSize);
            continue;
        }
        // A stated size beyond the block is cut to the whole frames actually present.
        AudioData out;
        out.channels = format.channels;
        out.bytesPerSample = format.bits / 8;
        out.rate = static_cast<int>(std::min<std::uint32_t>(format.rate, INT32_MAX));
        std::size_t frameBytes = static_cast<std::size_t>(out.channels) * out.bytesPerSample;
        std::size_t frames = std::min<std::size_t>(chunkSize, in.Left()) / frameBytes;
        frames = std::min<std::size_t>(frames, INT32_MAX / frameBytes);
        out.length = static_cast<int>(frames);
        out.samples.assign(in.Here(), in.Here() + frames * frameBytes);
        return out;
    }
}

}  // namespace zelka::audio
