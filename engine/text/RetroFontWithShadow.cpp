#include "engine/text/RetroFontWithShadow.h"

#include "engine/display/DrawingState.h"

namespace zelka {

namespace {

constexpr int kShadowR = 56;
constexpr int kShadowG = 56;
constexpr int kShadowB = 116;
constexpr int kShadowDx = 4;   // pixels, unscaled
constexpr int kShadowDy = 2;

}  // namespace

Ref<RetroFontWithShadow> RetroFontWithShadow::New(const std::array<int, 3>& colourA,
                                                  const RGB& colourB)
{
    const String file = shadowFont ? shadowFont->GetFilename() : String(kSecondaryFontFile);
    return std::static_pointer_cast<RetroFontWithShadow>(
        GetRecoloured_(U"retroshadow", file, colourA, colourB, []() -> Ref<RetroFont> {
            return std::make_shared<RetroFontWithShadow>();
        }));
}

void RetroFontWithShadow::RenderString(const String& text, int x, int y, bool centreY,
                                       float scaleX, float scaleY)
{
    if (shadowFont) {
        same::PushTint();
        same::SetTint(kShadowR, kShadowG, kShadowB);
        shadowFont->RenderString(text, x + kShadowDx, y + kShadowDy, centreY, scaleX, scaleY);
        same::PopTint();
    }
    Font::RenderString(text, x, y, centreY, scaleX, scaleY);
}

}  // namespace zelka
