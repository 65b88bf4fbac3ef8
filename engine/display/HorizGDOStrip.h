#pragma once

#include "engine/display/GDOWithSize.h"

namespace zelka {

// A row of children laid side by side and centred on the strip's origin.
class HorizGDOStrip : public GDOWithSize {
public:
    HorizGDOStrip() : GDOWithSize(0.0f, 0.0f) {}
    // Takes first's size and holds it as the only child at (0, 0).
    static Ref<HorizGDOStrip> New(Ref<GDO> first);

    // Adds gdo to the right, overlapping the row by `overlap` pixels, and recentres the row.
    void AppendRight(Ref<GDO> gdo, float overlap);
};

}  // namespace zelka
