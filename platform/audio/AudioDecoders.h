#pragma once

#include "platform/audio/AudioData.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zelka::audio {

// Uncompressed PCM WAV: "RIFF", "WAVE", then "fmt " as the first chunk (format tag 1,
// 1-2 channels, 8 or 16 bits), then chunks up to "data". Every read stays inside the
// block; a "data" chunk longer than the bytes left is cut to whole frames present.
// Empty on any mismatch or truncation.
[[nodiscard]] std::optional<AudioData> LoadWAV_mem(const std::uint8_t* block, std::size_t size);

// Ogg Vorbis through stb_vorbis, decoded whole to interleaved 16-bit samples. Empty if the
// stream cannot be opened or has more than 2 channels.
[[nodiscard]] std::optional<AudioData> LoadOGG_mem(const std::uint8_t* block, std::size_t size);

// Reads a whole file (a "kestro:" path is resolved first) and decodes it by the path's
// extension: ".wav" or ".ogg", any case. Empty for another extension, a file that cannot
// be read, or a decoding failure.
[[nodiscard]] std::optional<AudioData> LoadAudioData(std::string_view path);

}  // namespace zelka::audio
