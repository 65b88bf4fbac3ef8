#pragma once

#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "platform/core/Ref.h"

namespace zelka {

// A 2D point or size in floats. Float properties "x" and "y".
class Vector : public Object, public ObjectWithFloatProperties {
public:
    Vector() = default;
    Vector(float x_, float y_) : x(x_), y(y_) {}

    static Ref<Vector> New();
    static Ref<Vector> New2(float x, float y);

    void Set(float newX, float newY)
    {
        x = newX;
        y = newY;
    }
    float Length() const;
    // m = (ix, iy, jx, jy, tx, ty), the drawing matrix layout: x' = ix x + jx y + tx,
    // y' = iy x + jy y + ty, stored in place.
    void Transform(const float m[6]);

    bool TrySetFloatProperty(std::u32string_view name, float value) override;
    float GetFloatProperty(std::u32string_view name) const;

    float x = 0.0f;
    float y = 0.0f;
};

}  // namespace zelka
