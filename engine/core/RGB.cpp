#include "engine/core/RGB.h"

#include "engine/core/MathUtil.h"

namespace zelka {

Ref<RGB> RGB::New(int r, int g, int b)
{
    return std::make_shared<RGB>(r, g, b);
}

Ref<RGB> RGB::New2()
{
    return std::make_shared<RGB>();
}

bool RGB::TrySetFloatProperty(std::u32string_view name, float value)
{
    int* component = nullptr;
    if (name == U"r") {
        component = &r;
    } else if (name == U"g") {
        component = &g;
    } else if (name == U"b") {
        component = &b;
    } else {
        return false;
    }
    *component = math::TruncToInt(value);
    return true;
}

float RGB::GetFloatProperty(std::u32string_view name) const
{
    if (name == U"r") {
        return static_cast<float>(r);
    }
    if (name == U"g") {
        return static_cast<float>(g);
    }
    if (name == U"b") {
        return static_cast<float>(b);
    }
    return 0.0f;
}

}  // namespace zelka
