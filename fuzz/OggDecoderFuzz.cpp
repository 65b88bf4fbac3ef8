// libFuzzer harness: the Ogg Vorbis loader takes any bytes and either refuses them or
// yields a playable 16-bit stream of one or two channels.
#include "platform/audio/AudioDecoders.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto decoded = zelka::audio::LoadOGG_mem(data, size);
    if (!decoded) return 0;
    if (!zelka::HasPlayableFormat(*decoded) || decoded->bytesPerSample != 2) std::abort();
    if (decoded->samples.size() != static_cast<size_t>(decoded->length) * decoded->channels * 2) {
        std::abort();
    }
    return 0;
}
