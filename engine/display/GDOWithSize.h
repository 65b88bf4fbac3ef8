#pragma once

#include "engine/display/EmptyGDOContainer.h"

namespace zelka {

// A never-culled container that reports a size, in pixels.
class GDOWithSize : public EmptyGDOContainer {
public:
    GDOWithSize(float w, float h) : width(w), height(h) {}
    static Ref<GDOWithSize> New(float width, float height);

    float GetWidth() const override { return width; }
    float GetHeight() const override { return height; }

    float width;
    float height;
};

}  // namespace zelka
