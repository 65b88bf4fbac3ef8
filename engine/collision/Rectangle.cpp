#include "engine/collision/Rectangle.h"

#include "engine/core/MathUtil.h"

#include <cmath>

namespace zelka {

Ref<Rectangle> Rectangle::New(float x, float y, float width, float height)
{
    return std::make_shared<Rectangle>(x, y, width, height);
}

Ref<Rectangle> Rectangle::New2()
{
    return std::make_shared<Rectangle>();
}

bool Rectangle::SolveCollision(const Rectangle& other, Vector* push, Vector* overlap) const
{
    if (push != nullptr) {
        push->Set(0.0f, 0.0f);
    }
    const float ox = halfWidth + other.halfWidth - std::fabs(center.x - other.center.x);
    if (ox <= 0.0f) {
        return false;
    }
    const float oy = halfHeight + other.halfHeight - std::fabs(center.y - other.center.y);
    if (oy <= 0.0f) {
        return false;
    }
    if (overlap != nullptr) {
        overlap->Set(ox, oy);
    }
    if (push == nullptr) {
        return true;
    }
    if (ox < oy) {
        push->x = ox * math::Sgn(center.x - other.center.x);
    } else {
        push->y = oy * math::Sgn(center.y - other.center.y);
    }
    return true;
}

}  // namespace zelka
