#pragma once

#include "engine/display/GDOWithSize.h"

namespace zelka {

// A rectangle centred on its origin, filled or as four outline lines, in the current tint.
class RectangleGDO : public GDOWithSize {
public:
    RectangleGDO(float w, float h, bool outline_) : GDOWithSize(w, h), outline(outline_) {}
    static Ref<RectangleGDO> New(float width, float height, bool outline);
    static Ref<RectangleGDO> New2();

    void Draw() override;

    bool outline;
};

}  // namespace zelka
