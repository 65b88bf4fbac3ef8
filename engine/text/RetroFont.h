#pragma once

#include "engine/core/RGB.h"
#include "engine/text/Font.h"

#include <array>
#include <span>

namespace zelka {

// A font whose glyphs are repainted in two flat tones at load time: rows 10 and 14 onward
// of the line box get colour B, the others colour A, so drawing costs nothing extra.
class RetroFont : public Font {
public:
    // Shared from the font cache by (file, colours): the same call on a later visit of a
    // screen returns the same font and adds no textures.
    static Ref<RetroFont> New(const String& path, const std::array<int, 3>& colourA,
                              const RGB& colourB);

    // The recolouring on one page's pixels (0xAARRGGBB, rows of `width`): every pixel with
    // alpha above 0 inside the rectangle of a glyph of page `pageId` becomes the opaque
    // colour of its line-box row (glyph y offset + row). Rectangles are clipped to the page;
    // glyphs of other pages and glyphs with a negative height are left alone.
    static void RecolourPage(std::span<int> pixels, int width, int height,
                             const std::map<int, CharInfo>& glyphs, int pageId,
                             const std::array<int, 3>& colourA, const RGB& colourB);

protected:
    // Reads the font and replaces each page by its recoloured copy "__" + page path.
    void LoadRecoloured_(const String& path, const std::array<int, 3>& colourA,
                         const RGB& colourB);
    // The font cached under (kind, path, colours); on a miss `make` gives an empty font of
    // the caller's class, which is then read and recoloured.
    static Ref<Font> GetRecoloured_(std::u32string_view kind, const String& path,
                                    const std::array<int, 3>& colourA, const RGB& colourB,
                                    Ref<RetroFont> (*make)());
};

}  // namespace zelka
