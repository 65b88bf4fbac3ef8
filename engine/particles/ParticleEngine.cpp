#include "engine/particles/ParticleEngine.h"

#include <utility>

namespace zelka {

Ref<ParticleEngine> ParticleEngine::New(const String& name)
{
    return std::make_shared<ParticleEngine>(name);
}

void ParticleEngine::Update(int ms)
{
    // The walk finds its place again by name after every emitter instead of keeping an
    // iterator: a listener of the particle events may add or replace emitters or release
    // the engine, which would leave an iterator into the map dangling.
    auto it = emitters_.begin();
    while (it != emitters_.end()) {
        const String name = it->first;
        const Ref<ParticleEmitter> emitter = it->second;
        if (emitter) {
            emitter->UpdateParticles(ms);
        }
        it = emitters_.upper_bound(name);
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
