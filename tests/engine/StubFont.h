#pragma once

// A font for label tests that needs no graphics: every printable character is 10 pixels
// wide, lines are 16 pixels high, and drawing only records what would be drawn.

#include <array>
#include <string>
#include <vector>

#include "engine/display/DrawingState.h"
#include "engine/text/Font.h"
#include "platform/graphics/Graphics.h"

namespace zelka::testing_media {

inline constexpr int kStubAdvance = 10;
inline constexpr int kStubLineHeight = 16;

class StubFont : public Font {
public:
    struct DrawnLine {
        String text;
        int x;
        int y;
        float scaleX;
        float scaleY;
        std::array<int, 3> tint;
        std::array<float, 6> matrix;
    };

    // Extra description lines (kerning pairs, say) are appended to the glyphs.
    static Ref<StubFont> New(const std::string& extra = "")
    {
        std::string description = "common lineHeight=" + std::to_string(kStubLineHeight) + "\n";
        for (int code = 32; code <= 126; ++code) {
            description += "char id=" + std::to_string(code) +
                           " xadvance=" + std::to_string(kStubAdvance) + "\n";
        }
        auto font = std::make_shared<StubFont>();
        font->ParseFontDescription_(FromLatin1(description + extra));
        return font;
    }

    void RenderString(const String& text, int x, int y, bool, float scaleX,
                      float scaleY) override
    {
        drawn.push_back({text, x, y, scaleX, scaleY, {same::TINTr_, same::TINTg_, same::TINTb_},
                         graphics::GetMatrix()});
    }

    std::vector<DrawnLine> drawn;
};

}  // namespace zelka::testing_media
