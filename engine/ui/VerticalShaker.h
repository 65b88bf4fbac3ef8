#pragma once

#include "engine/core/Object.h"
#include "engine/core/Vector.h"
#include "platform/core/Ref.h"

namespace zelka {

// Shakes a position vertically by -1, -1, 1, 1, 3, 3 pixels (repeating), one step per
// Process2 call, for a time, then puts it back. The position is shared, not copied.
class VerticalShaker : public Object {
public:
    explicit VerticalShaker(Ref<Vector> target) : target_(std::move(target)) {}
    static Ref<VerticalShaker> New(Ref<Vector> target);

    // Shakes for ms from now. A shake already running keeps its saved resting y.
    void Shake(int ms);
    // One step; called once per update by the owner.
    void Process2(int ms);

    bool IsShaking() const { return remaining_ > 0; }

private:
    Ref<Vector> target_;
    int remaining_ = 0;   // ms
    float savedY_ = 0.0f;
    int counter_ = 0;
};

}  // namespace zelka
