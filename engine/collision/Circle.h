#pragma once

#include "engine/core/Object.h"
#include "engine/core/Vector.h"
#include "platform/core/Ref.h"

namespace zelka {

// A circle for bounding tests (display culling, visibility blocks).
class Circle : public Object {
public:
    Circle() = default;
    Circle(float x, float y, float r) : center(x, y), radius(r) {}

    static Ref<Circle> New(float x, float y, float radius);

    // True when (radius + r)^2 is strictly greater than the squared centre distance.
    bool TestCollision(float x, float y, float r) const;
    bool TestCollision2(const Circle& other) const;
    bool TestCollision3(const Vector& otherCenter, float r) const;

    Vector center;
    float radius = 0.0f;
};

}  // namespace zelka
