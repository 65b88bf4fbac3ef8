#pragma once

#include "engine/text/Font.h"

namespace zelka {

// A font that draws a black copy of the text one pixel up and left before the text.
// Colour codes in the text tint the copy too.
class EmbossFont : public Font {
public:
    // Shared from the font cache by file.
    static Ref<EmbossFont> New(const String& path);

    void RenderString(const String& text, int x, int y, bool centreY = false,
                      float scaleX = 1.0f, float scaleY = 1.0f) override;
};

}  // namespace zelka
