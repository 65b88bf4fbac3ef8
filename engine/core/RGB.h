#pragma once

#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "platform/core/Ref.h"

namespace zelka {

// An integer colour, 0..255 by use (not clamped here). Float properties "r", "g", "b"
// are truncated toward zero (NaN gives 0).
class RGB : public Object, public ObjectWithFloatProperties {
public:
    RGB() = default;
    RGB(int r_, int g_, int b_) : r(r_), g(g_), b(b_) {}

    static Ref<RGB> New(int r, int g, int b);
    static Ref<RGB> New2();

    // Sets all three (a member cannot be named after its class).
    void Set(int newR, int newG, int newB)
    {
        r = newR;
        g = newG;
        b = newB;
    }
    void RGB2(const RGB& other) { Set(other.r, other.g, other.b); }

    bool TrySetFloatProperty(std::u32string_view name, float value) override;
    float GetFloatProperty(std::u32string_view name) const;

    int r = 0;
    int g = 0;
    int b = 0;
};

}  // namespace zelka
