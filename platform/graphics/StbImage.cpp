// The one translation unit that compiles stb_image's implementation.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO   // files are read here, so paths stay plain byte strings
#define STBI_FAILURE_USERMSG
// The game's images are all PNG. The other readers only widen what a damaged file can do:
// a few bytes of TGA header make its reader walk gigapixels, and damaged JPEG Huffman
// tables make it write past them.
#define STBI_ONLY_PNG
// Far above any texture the game draws (and most drivers' texture limit); a damaged header
// claiming more would have the decoder fill gigapixels from a few bytes.
#define STBI_MAX_DIMENSIONS 8192
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#include <stb_image.h>
#pragma GCC diagnostic pop

#include "platform/graphics/GraphicsDevice.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>

namespace zelka {

namespace {

constexpr std::size_t kReadChunk = 4096;   // bytes per fread while reading a whole file
constexpr std::uint8_t kOpaque = 255;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

struct StbFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

bool ReadWholeFile(std::string_view path, std::vector<std::uint8_t>& bytes)
{
    const std::string name(path);
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
    if (file == nullptr) {
        return false;
    }
    for (;;) {
        const std::size_t used = bytes.size();
        bytes.resize(used + kReadChunk);
        const std::size_t got = std::fread(bytes.data() + used, 1, kReadChunk, file.get());
        bytes.resize(used + got);
        if (got < kReadChunk) {
            return std::ferror(file.get()) == 0;
        }
    }
}

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kChunkFrameBytes = 12;   // length, type and CRC around the data

std::uint32_t BigEndian32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

// stb_image grows its buffer for the compressed data to a chunk's stated length before it
// reads the chunk, so a damaged length asks for up to 4 GB. A PNG whose chunks do not fit
// in its bytes is refused first; other formats pass.
bool PngChunksFit(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < sizeof kPngSignature ||
        !std::equal(std::begin(kPngSignature), std::end(kPngSignature), bytes.begin())) {
        return true;
    }
    std::size_t at = sizeof kPngSignature;
    while (at < bytes.size()) {
        // A chunk cut short counts too: its length is read all the same.
        if (bytes.size() - at < kChunkFrameBytes) return false;
        const std::uint32_t length = BigEndian32(bytes.data() + at);
        if (length > bytes.size() - at - kChunkFrameBytes) return false;
        if (std::equal(bytes.begin() + at + 4, bytes.begin() + at + 8, "IEND")) return true;
        at += kChunkFrameBytes + length;
    }
    return true;    // ends on a chunk boundary without an end chunk: stb_image decides
}

}  // namespace

bool DecodeImageData(std::span<const std::uint8_t> bytes, ImageData& out)
{
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX) || !PngChunksFit(bytes)) {
        return false;
    }
    int width = 0;
    int height = 0;
    int depth = 0;
    std::unique_ptr<stbi_uc, StbFree> pixels(stbi_load_from_memory(
        bytes.data(), static_cast<int>(bytes.size()), &width, &height, &depth, 0));
    if (pixels == nullptr || depth < kSurfaceDepthGrey || depth > kSurfaceDepthRgba) {
        return false;
    }
    const std::size_t size = static_cast<std::size_t>(width) * height * depth;
    out.pixels.assign(pixels.get(), pixels.get() + size);
    out.width = width;
    out.height = height;
    out.depth = depth;
    return true;
}

bool LoadImageData(std::string_view path, ImageData& out)
{
    std::vector<std::uint8_t> bytes;
    return ReadWholeFile(path, bytes) && DecodeImageData(bytes, out);
}

bool WidenToRgba(ImageData& image)
{
    const int depth = image.depth;
    if (depth < kSurfaceDepthGrey || depth > kSurfaceDepthRgba) {
        return false;
    }
    if (depth == kSurfaceDepthRgba) {
        return true;
    }
    const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
    std::vector<std::uint8_t> rgba(count * kSurfaceDepthRgba);
    for (std::size_t i = 0; i < count && (i + 1) * depth <= image.pixels.size(); ++i) {
        const std::uint8_t* in = &image.pixels[i * depth];
        std::uint8_t* px = &rgba[i * kSurfaceDepthRgba];
        const bool grey = depth <= kSurfaceDepthGreyAlpha;
        px[0] = in[0];
        px[1] = grey ? in[0] : in[1];
        px[2] = grey ? in[0] : in[2];
        px[3] = depth == kSurfaceDepthGreyAlpha ? in[1] : kOpaque;
    }
    image.pixels = std::move(rgba);
    image.depth = kSurfaceDepthRgba;
    return true;
}

}  // namespace zelka
