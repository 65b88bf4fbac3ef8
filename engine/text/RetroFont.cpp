#include "engine/text/RetroFont.h"

#include "engine/text/FontCache.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zelka {

namespace {

constexpr int kShadeRow = 10;         // this line-box row takes colour B ...
constexpr int kLowerBandAfter = 13;   // ... and so does every row below this one
constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr int kAlphaShift = 24;
constexpr int kByteMask = 0xFF;

int OpaqueArgb(int r, int g, int b)
{
    const auto channel = [](int v) { return static_cast<std::uint32_t>(v & kByteMask); };
    return static_cast<int>(kOpaque | (channel(r) << 16) | (channel(g) << 8) | channel(b));
}

bool IsLowerBand(long long row)
{
    return row > kLowerBandAfter || row == kShadeRow;
}

}  // namespace

void RetroFont::RecolourPage(std::span<int> pixels, int width, int height,
                             const std::map<int, CharInfo>& glyphs, int pageId,
                             const std::array<int, 3>& colourA, const RGB& colourB)
{
    if (width <= 0 || height <= 0 ||
        pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    const int argbA = OpaqueArgb(colourA[0], colourA[1], colourA[2]);
    const int argbB = OpaqueArgb(colourB.r, colourB.g, colourB.b);
    // Descending code order: where two rectangles overlap, the lower code paints last.
    for (auto it = glyphs.rbegin(); it != glyphs.rend(); ++it) {
        const CharInfo& g = it->second;
        if (g.page != pageId || g.height < 0) {
            continue;
        }
        // In 64 bits: the rectangle comes from the font file and may hold any int, and
        // -INT_MIN or INT_MAX + row would overflow.
        const long long x = g.x;
        const long long y = g.y;
        const long long firstRow = std::max(0LL, -y);
        const long long lastRow = std::min<long long>(g.height, height - y);     // exclusive
        const long long firstColumn = std::max(0LL, -x);
        const long long lastColumn = std::min<long long>(g.width, width - x);    // exclusive
        for (long long i = firstRow; i < lastRow; ++i) {
            const int colour = IsLowerBand(g.yOffset + i) ? argbB : argbA;
            int* row = &pixels[static_cast<std::size_t>(y + i) * static_cast<std::size_t>(width)];
            for (long long j = firstColumn; j < lastColumn; ++j) {
                int& pixel = row[x + j];
                if ((static_cast<std::uint32_t>(pixel) >> kAlphaShift) != 0) {
                    pixel = colour;
                }
            }
        }
    }
}

void RetroFont::LoadRecoloured_(const String& path, const std::array<int, 3>& colourA,
                                const RGB& colourB)
{
    Load_(path);
    const std::map<int, Ref<Texture>> pages = GetPages();   // a copy: pages get replaced
    for (const auto& [id, page] : pages) {
        int size[2] = {0, 0};
        std::vector<int> pixels = texture::GetImagePixels(page->GetSource(), size);
        if (pixels.empty()) {
            continue;   // keeps the page as loaded
        }
        RecolourPage(pixels, size[0], size[1], GetGlyphs(), id, colourA, colourB);
        Ref<Texture> recoloured =
            Texture::New3(pixels, size[0], size[1], U"__" + page->GetSource(), false, 1);
        SetPage_(id, std::move(recoloured));
        page->Deallocate();
    }
}

Ref<Font> RetroFont::GetRecoloured_(std::u32string_view kind, const String& path,
                                    const std::array<int, 3>& colourA, const RGB& colourB,
                                    Ref<RetroFont> (*make)())
{
    const String key = FontCache::MakeKey(kind, path,
                                          {colourA[0], colourA[1], colourA[2], colourB.r,
                                           colourB.g, colourB.b});
    return FontCache::GetOrCreate(key, [&] {
        Ref<RetroFont> font = make();
        font->LoadRecoloured_(path, colourA, colourB);
        return font;
    });
}

Ref<RetroFont> RetroFont::New(const String& path, const std::array<int, 3>& colourA,
                              const RGB& colourB)
{
    return std::static_pointer_cast<RetroFont>(GetRecoloured_(
        U"retro", path, colourA, colourB, [] { return std::make_shared<RetroFont>(); }));
}

}  // namespace zelka
