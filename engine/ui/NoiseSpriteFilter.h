#pragma once

#include "engine/display/GDO.h"
#include "platform/core/Ref.h"

namespace zelka {

// Scan lines every 2 pixels and a dark band rising 1 pixel per 8 ms over another node (the
// target), following its position and visibility. Filters start at random points of the
// band's cycle so that neighbours do not move in step.
class NoiseSpriteFilter : public GDO {
public:
    explicit NoiseSpriteFilter(Ref<GDO> target) : target_(std::move(target)) {}
    // Draws one value from the shared generator.
    static Ref<NoiseSpriteFilter> New(Ref<GDO> target);

    void Update(int ms) override;
    // Nothing without a target or when the target's scaled height is not above 0.
    void Draw() override;

    int GetTime() const { return time_; }
    const Ref<GDO>& GetTarget() const { return target_; }

private:
    Ref<GDO> target_;
    int time_ = 0;   // ms
};

}  // namespace zelka
