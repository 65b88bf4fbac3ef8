#pragma once

#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "engine/core/Vector.h"
#include "engine/display/GDO.h"
#include "engine/particles/Particle.h"
#include "engine/tween/Ease.h"
#include "platform/core/Ref.h"

#include <vector>

namespace zelka {

// A fixed pool of particles that appear under one parent node. The pool never grows: its
// size is the most particles alive at once, and emitting into a full pool does nothing.
class ParticleEmitter : public Object, public Resource {
public:
    // `count` dead particles without nodes, each attaching to `parent` when revived.
    static Ref<ParticleEmitter> New(int count, Ref<GDO> parent);

    // Every particle's Deallocate.
    void Deallocate() override;

    // Gives one particle its node (each needs its own). Outside the pool: nothing.
    void SetParticleGDO(int index, Ref<GDO> gdo);
    // Adds one property animation to every particle; a null ease means linear.
    void AddAnimation(const String& property, float from, float to, float fraction,
                      Ref<EaseFunction> ease);
    // Revives the first dead particle at `position` and returns it; null when all live.
    Ref<Particle> Emit(int lifeMs, float speedX, float speedY);
    // Updates the live particles in pool order, then adds the gravity to their speed.
    void UpdateParticles(int ms);

    int GetParticleCount() const { return static_cast<int>(particles_.size()); }
    Ref<Particle> GetParticle(int index) const;   // null outside the pool

    Vector position;       // where particles appear, in the parent's frame
    Vector gravity;        // pixels per second, added to the speed every second
    bool events = false;   // announce every particle update (kEventParticleUpdated)

private:
    std::vector<Ref<Particle>> particles_;
    Ref<EaseFunction> defaultEase_ = LinearEase::New();
};

}  // namespace zelka
