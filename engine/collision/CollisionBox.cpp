#include "engine/collision/CollisionBox.h"

namespace zelka {

Ref<CollisionBox> CollisionBox::New(Ref<Vector> anchor, float offsetX, float offsetY, float width,
                                    float height, Ref<Object> object)
{
    return std::make_shared<CollisionBox>(std::move(anchor), offsetX, offsetY, width, height,
                                          std::move(object));
}

Ref<CollisionBox> CollisionBox::New2(float x, float y, float width, float height)
{
    return std::make_shared<CollisionBox>(nullptr, x, y, width, height, nullptr);
}

Ref<CollisionBox> CollisionBox::New3()
{
    return std::make_shared<CollisionBox>();
}

Vector CollisionBox::WorldCenter() const
{
    if (!anchor) {
        return Vector(center.x, center.y);
    }
    return Vector(center.x + anchor->x, center.y + anchor->y);
}

bool CollisionBox::SolveCollision(const Rectangle& other, Vector* push, Vector* overlap) const
{
    if (!anchor) {
        return Rectangle::SolveCollision(other, push, overlap);
    }
    // Tested on a copy rather than by moving and restoring our own centre: no state
    // changes, even if the test were reached re-entrantly.
    Rectangle moved(0.0f, 0.0f, 0.0f, 0.0f);
    moved.halfWidth = halfWidth;
    moved.halfHeight = halfHeight;
    moved.center = WorldCenter();
    return moved.Rectangle::SolveCollision(other, push, overlap);
}

}  // namespace zelka
