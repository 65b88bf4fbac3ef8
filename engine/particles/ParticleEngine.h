#pragma once

#include "engine/core/Cog.h"
#include "engine/particles/ParticleEmitter.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <map>

namespace zelka {

// A stage cog that updates its particle emitters, by name in name order, once per update.
class ParticleEngine : public Cog {
public:
    explicit ParticleEngine(String name) : Cog(std::move(name)) {}
    // An enabled engine without emitters.
    static Ref<ParticleEngine> New(const String& name);

    void Update(int ms) override;
    // Releases every emitter and forgets them (the stage's end).
    void Deallocate() override;

    // A second emitter under a known name replaces the first.
    void AddEmitter(const String& name, Ref<ParticleEmitter> emitter);
    // Null when none has that name.
    [[nodiscard]] Ref<ParticleEmitter> GetEmitter(const String& name) const;

private:
    std::map<String, Ref<ParticleEmitter>> emitters_;
};

}  // namespace zelka
