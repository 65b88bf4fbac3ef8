#include "engine/collision/Circle.h"

namespace zelka {

Ref<Circle> Circle::New(float x, float y, float radius)
{
    return std::make_shared<Circle>(x, y, radius);
}

bool Circle::TestCollision(float x, float y, float r) const
{
    const float dx = center.x - x;
    const float dy = center.y - y;
    const float reach = radius + r;
    return reach * reach > dx * dx + dy * dy;
}

bool Circle::TestCollision2(const Circle& other) const
{
    return TestCollision(other.center.x, other.center.y, other.radius);
}

bool Circle::TestCollision3(const Vector& otherCenter, float r) const
{
    return TestCollision(otherCenter.x, otherCenter.y, r);
}

}  // namespace zelka
