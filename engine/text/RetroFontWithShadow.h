#pragma once

#include "engine/text/RetroFont.h"

namespace zelka {

// A RetroFont of the secondary font's file that draws a tinted copy of the text in the
// secondary font itself 4 pixels right and 2 down before the text.
class RetroFontWithShadow : public RetroFont {
public:
    // The secondary font (the game data's "upheaval.fnt"): the shadow, and the file the
    // recoloured font is read from. Set by the game data once it has loaded its fonts;
    // without it no shadow is drawn and the file is kSecondaryFontFile. Never destroyed.
    static inline Ref<Font>& shadowFont = *new Ref<Font>;
    static constexpr const char32_t* kSecondaryFontFile = U"upheaval.fnt";

    // Shared from the font cache by (file, colours).
    static Ref<RetroFontWithShadow> New(const std::array<int, 3>& colourA, const RGB& colourB);

    void RenderString(const String& text, int x, int y, bool centreY = false,
                      float scaleX = 1.0f, float scaleY = 1.0f) override;
};

}  // namespace zelka
