// The one translation unit that compiles stb_image's implementation.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO   // files are read here, so paths stay plain byte strings
#define STBI_FAILURE_USERMSG
// The game's images are PNG and JPEG. The other readers (TGA, PSD, HDR ...) only widen what
// a damaged file can do: a few bytes of TGA header make its reader walk gigapixels.
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
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

constexpr std::uint8_t kMarker = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kHuffmanTables = 0xC4;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::size_t kCodeLengths = 16;     // symbol counts per code length in a table
constexpr unsigned kMostSymbols = 256;       // symbols a Huffman table can hold

// A scan header: its components' table slots (DC high nibble, AC low), then the spectral
// range. A DC scan (range from 0) needs the DC tables, a scan past 0 the AC tables.
bool ScanTablesDefined(std::span<const std::uint8_t> scan, const bool (&defined)[2][4])
{
    if (scan.empty()) return false;
    const std::size_t components = scan[0];
    if (scan.size() < 1 + 2 * components + 3) return false;
    const std::uint8_t first = scan[1 + 2 * components];
    const std::uint8_t last = scan[2 + 2 * components];
    for (std::size_t i = 0; i < components; ++i) {
        const std::uint8_t slots = scan[2 + 2 * i];
        if ((slots >> 4) > 3 || (slots & 0x0F) > 3) return false;
        if (first == 0 && !defined[0][slots >> 4]) return false;
        if (last > 0 && !defined[1][slots & 0x0F]) return false;
    }
    return true;
}

// stb_image writes a Huffman table's code sizes into room for 256 symbols without checking
// the counts, so a damaged table writes past it; and it decodes a scan with whatever its
// memory holds for a table the file never defined. A JPEG whose tables claim more than 256
// symbols or more bytes than their segment, or whose scan uses an undefined table, is
// refused first; other formats pass.
bool JpegTablesFit(std::span<const std::uint8_t> bytes)
{
    // The decoder takes any run of 0xFF before a marker, the first one too.
    std::size_t at = 0;
    while (at < bytes.size() && bytes[at] == kMarker) ++at;
    if (at == 0 || at == bytes.size() || bytes[at] != kStartOfImage) return true;
    ++at;
    bool defined[2][4] = {};   // Huffman tables seen: [DC, AC][slot]
    while (at + 4 <= bytes.size()) {
        if (bytes[at] != kMarker) return false;
        const std::uint8_t marker = bytes[at + 1];
        if (marker == kMarker) {   // fill byte before a marker
            ++at;
            continue;
        }
        if (marker == kEndOfImage) return true;
        const std::size_t length = static_cast<std::size_t>(bytes[at + 2]) << 8 | bytes[at + 3];
        if (length < 2 || length > bytes.size() - at - 2) return false;
        const std::size_t end = at + 2 + length;
        if (marker == kHuffmanTables) {
            for (std::size_t table = at + 4; table < end;) {
                if (end - table < 1 + kCodeLengths) return false;
                const unsigned kind = bytes[table] >> 4;   // 0 DC, 1 AC
                const unsigned slot = bytes[table] & 0x0F;
                if (kind > 1 || slot > 3) return false;
                unsigned symbols = 0;
                for (std::size_t i = 0; i < kCodeLengths; ++i) symbols += bytes[table + 1 + i];
                if (symbols > kMostSymbols || symbols > end - table - 1 - kCodeLengths) return false;
                defined[kind][slot] = true;
                table += 1 + kCodeLengths + symbols;
            }
        }
        if (marker == kStartOfScan && !ScanTablesDefined(bytes.subspan(at + 4, length - 2), defined)) {
            return false;
        }
        at = end;
        if (marker == kStartOfScan) {
            // Entropy-coded data up to the next marker (0xFF 0x00 is a data byte, 0xFF
            // 0xD0-0xD7 a restart): later tables follow it in a progressive file.
            while (at + 1 < bytes.size() &&
                   !(bytes[at] == kMarker && bytes[at + 1] != 0 && (bytes[at + 1] & 0xF8) != 0xD0)) {
                ++at;
            }
        }
    }
    return true;   // cut short: stb_image decides, no table claimed too much
}

}  // namespace

bool DecodeImageData(std::span<const std::uint8_t> bytes, ImageData& out)
{
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX) || !PngChunksFit(bytes) ||
        !JpegTablesFit(bytes)) {
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
