#include "engine/display/GDOBase.h"

#include <cmath>

namespace zelka {

Ref<GDOBase> GDOBase::New()
{
    return std::make_shared<GDOBase>();
}

bool GDOBase::TrySetFloatProperty(std::u32string_view name, float value)
{
    if (name == U"position.x") {
        position->x = value;
    } else if (name == U"position.y") {
        position->y = value;
    } else if (name == U"rotation") {
        rotation = value;
    } else if (name == U"scale.x") {
        scale.x = value;
    } else if (name == U"scale.y") {
        scale.y = value;
    } else if (name == U"scale") {
        scale.Set(value, value);
    } else if (name == U"enabled") {
        enabled = value != 0.0f;
    } else if (name == U"visible") {
        visible = value != 0.0f;
    } else {
        return false;  // "width" and "height" are read-only here
    }
    return true;
}

float GDOBase::GetFloatProperty(std::u32string_view name) const
{
    if (name == U"position.x") {
        return position->x;
    }
    if (name == U"position.y") {
        return position->y;
    }
    if (name == U"rotation") {
        return rotation;
    }
    if (name == U"scale.x") {
        return scale.x;
    }
    if (name == U"scale.y") {
        return scale.y;
    }
    if (name == U"enabled") {
        return enabled ? 1.0f : 0.0f;
    }
    if (name == U"visible") {
        return visible ? 1.0f : 0.0f;
    }
    if (name == U"width") {
        return GetWidth();
    }
    if (name == U"height") {
        return GetHeight();
    }
    return 0.0f;
}

Circle GDOBase::GetBounds() const
{
    const float hw = GetWidth() * 0.5f;
    const float hh = GetHeight() * 0.5f;
    return Circle(position->x, position->y, std::sqrt(hw * hw + hh * hh));
}

Circle GDOBase::GetBounds2(const std::array<float, 6>& m) const
{
    const float hw = GetWidth() * 0.5f;
    const float hh = GetHeight() * 0.5f;
    // Corners relative to the origin: the translation cancels out of the distances.
    const float ax = m[0] * hw + m[2] * hh;
    const float ay = m[1] * hw + m[3] * hh;
    const float bx = m[0] * hw - m[2] * hh;
    const float by = m[1] * hw - m[3] * hh;
    const float r1 = std::sqrt(ax * ax + ay * ay);
    const float r2 = std::sqrt(bx * bx + by * by);
    return Circle(m[4], m[5], r1 > r2 ? r1 : r2);
}

}  // namespace zelka
