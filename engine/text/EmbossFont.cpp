#include "engine/text/EmbossFont.h"

#include "engine/display/DrawingState.h"
#include "engine/text/FontCache.h"

namespace zelka {

Ref<EmbossFont> EmbossFont::New(const String& path)
{
    return std::static_pointer_cast<EmbossFont>(
        FontCache::GetOrCreate(FontCache::MakeKey(U"emboss", path, {}), [&] {
            auto font = std::make_shared<EmbossFont>();
            font->Load_(path);
            return font;
        }));
}

void EmbossFont::RenderString(const String& text, int x, int y, bool centreY, float scaleX,
                              float scaleY)
{
    same::PushTint();
    same::SetTint(0, 0, 0);
    Font::RenderString(text, x - 1, y - 1, centreY, scaleX, scaleY);
    same::PopTint();
    Font::RenderString(text, x, y, centreY, scaleX, scaleY);
}

}  // namespace zelka
