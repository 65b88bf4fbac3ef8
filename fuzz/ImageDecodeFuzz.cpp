// libFuzzer harness: images as the game loads them. The first byte picks the route: a
// plain file (as the drawing layer reads one) or an asset container holding the rest
// (as textures read one). Whatever decodes widens to RGBA and fills a surface.
#include "engine/crypt/FileCrypt.h"
#include "platform/graphics/GraphicsDevice.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace zelka;
    if (size < 1) return 0;
    const std::span<const uint8_t> rest(data + 1, size - 1);
    std::optional<std::vector<uint8_t>> deciphered;
    std::span<const uint8_t> file = rest;
    if (data[0] & 1) {
        deciphered = FileCrypt::Decipher(rest);
        if (!deciphered) return 0;
        file = *deciphered;
    }
    ImageData image;
    if (!DecodeImageData(file, image)) return 0;
    if (image.width <= 0 || image.height <= 0 || image.depth < 1 || image.depth > 4) std::abort();
    const size_t bytes = static_cast<size_t>(image.width) * image.height;
    if (image.pixels.size() != bytes * image.depth) std::abort();

    ImageData rgba = image;
    if (!WidenToRgba(rgba) || rgba.depth != 4 || rgba.pixels.size() != bytes * 4) std::abort();
    RecordingSurface surface;
    if (!surface.SetData(std::move(image.pixels), image.width, image.height, image.depth)) std::abort();
    return 0;
}
