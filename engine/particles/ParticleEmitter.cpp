#include "engine/particles/ParticleEmitter.h"

#include "engine/EngineConstants.h"
#include "engine/core/EventManager.h"
#include "engine/particles/ParticleConstants.h"

#include <utility>

namespace zelka {

Ref<ParticleEmitter> ParticleEmitter::New(int count, Ref<GDO> parent)
{
    auto emitter = std::make_shared<ParticleEmitter>();
    for (int i = 0; i < count; ++i) {
        emitter->particles_.push_back(Particle::New(parent));
    }
    return emitter;
}

void ParticleEmitter::Deallocate()
{
    for (const Ref<Particle>& particle : particles_) {
        if (particle) {
            particle->Deallocate();
        }
    }
}

void ParticleEmitter::SetParticleGDO(int index, Ref<GDO> gdo)
{
    if (const Ref<Particle> particle = GetParticle(index)) {
        particle->SetGDO(std::move(gdo));
    }
}

void ParticleEmitter::AddAnimation(const String& property, float from, float to, float fraction,
                                   Ref<EaseFunction> ease)
{
    if (!ease) {
        ease = defaultEase_;
    }
    for (const Ref<Particle>& particle : particles_) {
        if (particle) {
            particle->AddTween_(property, from, to, fraction, ease);
        }
    }
}

Ref<Particle> ParticleEmitter::Emit(int lifeMs, float speedX, float speedY)
{
    for (const Ref<Particle>& particle : particles_) {
        if (!particle || particle->IsEnabled()) {
            continue;
        }
        particle->Revive(lifeMs, speedX, speedY);
        if (particle->GetGDO()) {
            particle->GetGDO()->position->Set(position.x, position.y);
        }
        return particle;
    }
    return nullptr;
}

void ParticleEmitter::UpdateParticles(int ms)
{
    const float gx = gravity.x * static_cast<float>(ms) / static_cast<float>(kMsPerSecond);
    const float gy = static_cast<float>(ms) * gravity.y / static_cast<float>(kMsPerSecond);
    // The count is read again each step: a listener may act on the emitter.
    for (std::size_t i = 0; i < particles_.size(); ++i) {
        const Ref<Particle> particle = particles_[i];
        if (!particle || !particle->IsEnabled()) {
            continue;
        }
        particle->Update(ms);
        particle->speed.x += gx;
        particle->speed.y += gy;
        if (events) {
            EventManager::SendEvent(this, kEventParticleUpdated, particle.get());
        }
        // Dead particles are skipped from now on, so this goes out once per death.
        if (!particle->IsEnabled()) {
            EventManager::SendEvent(this, kEventParticleDied, particle.get());
        }
    }
}

Ref<Particle> ParticleEmitter::GetParticle(int index) const
{
    if (index < 0 || index >= static_cast<int>(particles_.size())) {
        return nullptr;
    }
    return particles_[index];
}

}  // namespace zelka
