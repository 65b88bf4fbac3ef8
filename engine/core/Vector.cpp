#include "engine/core/Vector.h"

#include <cmath>

namespace zelka {

Ref<Vector> Vector::New()
{
    return std::make_shared<Vector>();
}

Ref<Vector> Vector::New2(float x, float y)
{
    return std::make_shared<Vector>(x, y);
}

float Vector::Length() const
{
    return std::sqrt(x * x + y * y);
}

void Vector::Transform(const float m[6])
{
    const float nx = m[0] * x + m[2] * y + m[4];
    const float ny = m[1] * x + m[3] * y + m[5];
    x = nx;
    y = ny;
}

bool Vector::TrySetFloatProperty(std::u32string_view name, float value)
{
    if (name == U"x") {
        x = value;
        return true;
    }
    if (name == U"y") {
        y = value;
        return true;
    }
    return false;
}

float Vector::GetFloatProperty(std::u32string_view name) const
{
    if (name == U"x") {
        return x;
    }
    if (name == U"y") {
        return y;
    }
    return 0.0f;
}

}  // namespace zelka
