#pragma once

#include "engine/collision/Circle.h"
#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "engine/core/Vector.h"
#include "platform/core/Text.h"

#include <array>

namespace zelka {

// A display node without children: position (its centre in the parent's frame, pixels),
// rotation (degrees), scale, visible and enabled flags and a name. Animatable numbers are
// reached by name (float properties; see SetFloatProperty).
class GDOBase : public Object,
                public ObjectWithFloatProperties,
                public ObjectWithSize,
                public Drawable,
                public Updateable {
public:
    GDOBase() : position(std::make_shared<Vector>()), scale(1.0f, 1.0f) {}
    static Ref<GDOBase> New();

    bool IsVisible() const override { return visible; }
    virtual float GetWidth() const { return 0.0f; }
    virtual float GetHeight() const { return 0.0f; }
    void Draw() override {}
    bool IsEnabled() const override { return enabled; }
    void Update(int /*ms*/) override {}

    // Keys: "position.x", "position.y", "rotation", "scale.x", "scale.y", "scale" (set only:
    // both axes), "enabled" and "visible" (true when the value is not 0; get 1 or 0),
    // "width" and "height" (get only). Set returns false for anything else; get gives 0.
    bool TrySetFloatProperty(std::u32string_view name, float value) override;
    virtual float GetFloatProperty(std::u32string_view name) const;

    // Circle at the position, radius half the diagonal of the node's own size.
    Circle GetBounds() const;
    // Device-space bounds under `matrix`: centre at its translation, radius the larger
    // distance of the corners (w/2, h/2) and (w/2, -h/2) from it.
    Circle GetBounds2(const std::array<float, 6>& matrix) const;

    bool visible = true;
    Ref<Vector> position;  // shared: a collision box may be anchored to it
    float rotation = 0.0f;
    Vector scale;
    Circle bounds;         // latest device-space bounds computed by Render
    bool enabled = true;
    String name;
};

}  // namespace zelka
