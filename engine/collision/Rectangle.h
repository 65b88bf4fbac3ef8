#pragma once

#include "engine/core/Object.h"
#include "engine/core/Vector.h"
#include "platform/core/Ref.h"

namespace zelka {

// An axis-aligned box: centre and half sizes, in world pixels.
class Rectangle : public Object {
public:
    Rectangle() = default;
    Rectangle(float x, float y, float width, float height)
        : halfWidth(width * 0.5f), halfHeight(height * 0.5f), center(x, y)
    {
    }

    static Ref<Rectangle> New(float x, float y, float width, float height);
    static Ref<Rectangle> New2();

    // True when the boxes overlap by more than 0 on both axes (touching is no overlap).
    // push (when given) becomes the move that takes this box out of `other` along the
    // axis of least overlap (y on a tie), signed by the centre difference (0 when the
    // centres are level on that axis); overlap (when given) gets both overlaps.
    virtual bool SolveCollision(const Rectangle& other, Vector* push, Vector* overlap) const;

    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    Vector center;
};

}  // namespace zelka
