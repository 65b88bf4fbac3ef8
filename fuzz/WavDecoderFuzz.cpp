// libFuzzer harness: the WAV reader takes any bytes; whatever it accepts is a playable
// format whose samples lie inside the block it was given.
#include "platform/audio/AudioDecoders.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto decoded = zelka::audio::LoadWAV_mem(data, size);
    if (!decoded) return 0;
    if (!zelka::HasPlayableFormat(*decoded)) std::abort();
    const size_t frameBytes = static_cast<size_t>(decoded->channels) * decoded->bytesPerSample;
    if (decoded->samples.size() != static_cast<size_t>(decoded->length) * frameBytes) std::abort();
    if (decoded->samples.size() > size) std::abort();  // clamped to the bytes present
    return 0;
}
