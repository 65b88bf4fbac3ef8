#pragma once

#include "engine/collision/StaticBox.h"

namespace zelka {

// A box that can move. With an anchor (normally the owner's position, shared) the box's
// `center` is an offset from the anchor; the collision engine moves the anchor.
class CollisionBox : public StaticBox {
public:
    CollisionBox() = default;
    CollisionBox(Ref<Vector> anchor_, float offsetX, float offsetY, float width, float height,
                 Ref<Object> object)
        : StaticBox(offsetX, offsetY, width, height, std::move(object)), anchor(std::move(anchor_))
    {
    }

    // Solid and events flags set.
    static Ref<CollisionBox> New(Ref<Vector> anchor, float offsetX, float offsetY, float width,
                                 float height, Ref<Object> object);
    // No anchor, no object.
    static Ref<CollisionBox> New2(float x, float y, float width, float height);
    static Ref<CollisionBox> New3();

    // The same test with the centre taken as offset + anchor.
    bool SolveCollision(const Rectangle& other, Vector* push, Vector* overlap) const override;

    // Centre in the world: offset + anchor, or the centre itself without an anchor.
    Vector WorldCenter() const;

    Ref<Vector> anchor;
    bool solid = true;
    bool events = true;
    Vector correction;  // total push of the latest resolution
};

}  // namespace zelka
