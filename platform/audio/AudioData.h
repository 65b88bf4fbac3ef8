#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelka {

// A whole decoded sound: interleaved PCM, low byte first for 16-bit samples; 8-bit samples
// are unsigned (silence = 128), 16-bit samples signed.
struct AudioData {
    std::vector<std::uint8_t> samples;   // length x channels x bytesPerSample bytes
    int length = 0;                      // sample frames
    int channels = 0;                    // 1 mono, 2 stereo
    int bytesPerSample = 0;              // 1 or 2 (Ogg Vorbis always 2)
    int rate = 0;                        // hertz
};

// True when a device can hold the data: 1-2 channels of 1 or 2 bytes, a positive rate and
// at least the bytes the frames claim. Other data has no device format and is refused.
[[nodiscard]] inline bool HasPlayableFormat(const AudioData& data)
{
    bool formatOk = data.channels >= 1 && data.channels <= 2 && data.bytesPerSample >= 1
        && data.bytesPerSample <= 2 && data.length >= 0 && data.rate > 0;
    return formatOk
        && data.samples.size()
        >= static_cast<std::size_t>(data.length) * data.channels * data.bytesPerSample;
}

}  // namespace zelka
