#include "engine/particles/ParticleEngine.h"

#include <utility>

namespace zelka {

Ref<ParticleEngine> ParticleEngine::New(const String& name)
{
    return std::make_shared<ParticleEngine>(name);
}

void ParticleEngine::Update(int ms)
{
    for (const auto& entry : emitters_) {
        // Held here: a listener of the particle events may replace this entry.
        const Ref<ParticleEmitter> emitter = entry.second;
        if (emitter) {
            emitter->UpdateParticles(ms);
        }
    }
}

void ParticleEngine::Deallocate()
{
    for (const auto& [name, emitter] : emitters_) {
        if (emitter) {
            emitter->Deallocate();
        }
    }
    emitters_.clear();
}

void ParticleEngine::AddEmitter(const String& name, Ref<ParticleEmitter> emitter)
{
    emitters_[name] = std::move(emitter);
}

Ref<ParticleEmitter> ParticleEngine::GetEmitter(const String& name) const
{
    const auto it = emitters_.find(name);
    return it != emitters_.end() ? it->second : nullptr;
}

}  // namespace zelka
