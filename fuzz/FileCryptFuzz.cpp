// libFuzzer harness: the container reader takes any bytes; whatever it accepts enciphers
// back to the same container; the lane keystream equals the serial generator.
#include "engine/crypt/FileCrypt.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using zelka::FileCrypt;
    const std::span<const uint8_t> input(data, size);

    if (const auto body = FileCrypt::Decipher(input)) {
        if (FileCrypt::Encipher(*body) != std::vector<uint8_t>(data, data + size)) std::abort();
    }
    const auto container = FileCrypt::Encipher(input);
    const auto back = FileCrypt::Decipher(container);
    if (!back || *back != std::vector<uint8_t>(data, data + size)) std::abort();

    uint32_t seed = 0;
    std::memcpy(&seed, data, std::min<size_t>(size, sizeof seed));
    std::vector<uint8_t> lanes(data, data + size);
    const uint32_t end = FileCrypt::ApplyKeystream(lanes.data(), lanes.size(), seed);
    uint32_t state = seed;
    for (size_t i = 0; i < size; ++i) {
        state = state * 214013u + 2531011u;
        if (lanes[i] != (data[i] ^ static_cast<uint8_t>(state >> 16))) std::abort();
    }
    if (end != state) std::abort();
    return 0;
}
