// One update of the title screen's fire: 50 live particles, each with 4 property
// animations (every update writes all of them into the particle's node).

#include "engine/particles/ParticleEmitter.h"

#include <benchmark/benchmark.h>

namespace zelka {
namespace {

constexpr int kParticles = 50;
constexpr int kStepMs = 16;

void BM_ParticleUpdate50x4(benchmark::State& state)
{
    Ref<GDO> parent = GDO::New();
    Ref<ParticleEmitter> emitter = ParticleEmitter::New(kParticles, parent);
    for (int i = 0; i < kParticles; ++i) {
        emitter->SetParticleGDO(i, GDO::New());
    }
    emitter->AddAnimation(U"alpha", 1.0f, 0.0f, 1.0f, nullptr);
    emitter->AddAnimation(U"scale.x", 1.0f, 0.2f, 0.5f, nullptr);
    emitter->AddAnimation(U"scale.y", 1.0f, 0.2f, 0.5f, nullptr);
    emitter->AddAnimation(U"tint.g", 255.0f, 64.0f, 0.75f, nullptr);
    emitter->gravity.Set(0.0f, -20.0f);
    for (auto _ : state) {
        // Keep the pool full: revive whatever died (never more than a few per update).
        while (emitter->Emit(400, 30.0f, -140.0f)) {
        }
        emitter->UpdateParticles(kStepMs);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kParticles);
}
BENCHMARK(BM_ParticleUpdate50x4);

}  // namespace
}  // namespace zelka
