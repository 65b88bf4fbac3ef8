#pragma once

#include "engine/text/Font.h"

#include <functional>

namespace zelka {

// The fonts that screens build (recoloured, shadowed, embossed), shared by kind, file and
// colours. A screen shown again gets the font it made the first time instead of loading and
// recolouring new page textures on every visit; the shared fonts ignore Deallocate and live
// for the process, like the two global fonts.
class FontCache {
public:
    FontCache() = delete;

    // The font stored under `key`, else the one `make` builds, stored and marked shared.
    static Ref<Font> GetOrCreate(const String& key, const std::function<Ref<Font>()>& make);
    static int Size();
    // Releases the page textures of every cached font and forgets them (tests, shutdown).
    static void Clear();

    // "kind|file|r,g,b|..." from the parts of a key.
    static String MakeKey(std::u32string_view kind, const String& file,
                          std::initializer_list<int> colours);
};

}  // namespace zelka
