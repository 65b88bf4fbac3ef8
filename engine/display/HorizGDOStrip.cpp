#include "engine/display/HorizGDOStrip.h"

namespace zelka {

Ref<HorizGDOStrip> HorizGDOStrip::New(Ref<GDO> first)
{
    auto strip = std::make_shared<HorizGDOStrip>();
    if (first) {
        strip->width = first->GetWidth();
        strip->height = first->GetHeight();
        strip->AddChild2(std::move(first), 0.0f, 0.0f);
    }
    return strip;
}

void HorizGDOStrip::AppendRight(Ref<GDO> gdo, float overlap)
{
    if (!gdo) {
        return;
    }
    const float w = gdo->GetWidth();
    const float before = width;
    if (!AddChild2(gdo, (w + before) * 0.5f - overlap, 0.0f)) {
        return;
    }
    for (int i = 0; i < ChildCount(); ++i) {
        GetChild(i)->position->x -= w * 0.5f;
    }
    width = before + w - overlap;
}

}  // namespace zelka
