#pragma once

namespace zelka {

// Events of a ParticleEmitter (source: the emitter, data: the particle).
inline constexpr int kEventParticleUpdated = 7777;   // a live particle was updated (events flag on)
inline constexpr int kEventParticleDied = 7778;      // a particle's life ran out (always sent)

}  // namespace zelka
