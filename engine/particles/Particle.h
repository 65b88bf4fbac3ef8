#pragma once

#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "engine/core/Vector.h"
#include "engine/display/GDO.h"
#include "engine/tween/Tween.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <vector>

namespace zelka {

// One animated float property of a particle; its tween's duration is `fraction` of the
// particle's life, set anew at every revival.
class ParticleTween : public Object {
public:
    // A new tween with `ease` (not null) from -> to, 1 ms, no loop, no yoyo, no events.
    static Ref<ParticleTween> New(const String& property, float from, float to, float fraction,
                                  Ref<EaseFunction> ease);

    Ref<Tween> tween;
    String property;
    float fraction = 1.0f;
};

// A pooled, short-lived display node that moves at a fixed speed (pixels per second) and
// animates float properties over its life (ms). Dead particles stay in their emitter's
// pool with the node detached.
class Particle : public Object, public Resource, public Updateable, public ObjectWithFloatProperties {
public:
    // Dead, no node, no tweens, at rest, attaching to `parent` when revived.
    static Ref<Particle> New(Ref<GDO> parent);

    void Deallocate() override {}
    bool IsEnabled() const override { return enabled_; }
    // "speed.x" and "speed.y" set the speed; other names go to the node (refused without one).
    bool TrySetFloatProperty(std::u32string_view name, float value) override;
    // Moves the node by the speed, writes every tween's value, shows the node and ages the
    // particle; at the end of its life it dies and its node leaves the parent.
    void Update(int ms) override;

    // Alive again from age 0: the node, hidden until its first update, becomes the parent's
    // last child and every tween restarts over its fraction of `lifeMs`.
    void Revive(int lifeMs, float speedX, float speedY);
    void Kill();
    void AddTween_(const String& property, float from, float to, float fraction,
                   Ref<EaseFunction> ease);

    void SetGDO(Ref<GDO> gdo) { gdo_ = std::move(gdo); }
    const Ref<GDO>& GetGDO() const { return gdo_; }
    const std::vector<Ref<ParticleTween>>& GetTweens() const { return tweens_; }
    int GetLife() const { return life_; }
    int GetAge() const { return age_; }

    Vector speed;   // pixels per second

private:
    Ref<GDO> gdo_;
    Ref<GDO> parent_;
    std::vector<Ref<ParticleTween>> tweens_;
    bool enabled_ = false;
    int life_ = 0;   // ms
    int age_ = 0;    // ms
};

}  // namespace zelka
