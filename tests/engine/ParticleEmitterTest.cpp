#include "engine/particles/ParticleEmitter.h"

#include "engine/core/EventManager.h"
#include "engine/particles/ParticleConstants.h"
#include "engine/particles/ParticleEngine.h"
#include "tests/support/UpdateStep.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

namespace zelka {
namespace {

using testing::kStepMs;

// Counts particle events by id and particle.
class EventLog : public EventListener {
public:
    void HandleEvent(Object* source, int id, Object* data) override
    {
        EXPECT_EQ(source, expectedSource);
        byParticle[{id, data}] += 1;
    }
    Object* expectedSource = nullptr;
    std::map<std::pair<int, Object*>, int> byParticle;
};

class ParticleEmitterTest : public ::testing::Test {
protected:
    void SetUp() override { EventManager::RemoveAllListeners(); }
    void TearDown() override { EventManager::RemoveAllListeners(); }
    static void Run(const Ref<ParticleEmitter>& emitter, int updates)
    {
        for (int i = 0; i < updates; ++i) emitter->UpdateParticles(kStepMs);
    }

    // An emitter whose particles all have their own node.
    Ref<ParticleEmitter> WithNodes(int count)
    {
        Ref<ParticleEmitter> emitter = ParticleEmitter::New(count, parent_);
        for (int i = 0; i < count; ++i) emitter->SetParticleGDO(i, GDO::New());
        return emitter;
    }

    Ref<GDO> parent_ = GDO::New();
};

TEST_F(ParticleEmitterTest, FullPoolEmitsNothingMoreAndADeathFreesExactlyOne)
{
    Ref<ParticleEmitter> emitter = WithNodes(20);
    for (int i = 0; i < 20; ++i) ASSERT_EQ(emitter->Emit(400, 0, 0), emitter->GetParticle(i));
    EXPECT_EQ(emitter->Emit(400, 0, 0), nullptr);
    EXPECT_EQ(parent_->ChildCount(), 20);
    emitter->GetParticle(7)->Kill();
    EXPECT_EQ(parent_->ChildCount(), 19);
    EXPECT_EQ(emitter->Emit(400, 0, 0), emitter->GetParticle(7));
    EXPECT_EQ(parent_->GetChild(19), emitter->GetParticle(7)->GetGDO());   // drawn on top
}

TEST_F(ParticleEmitterTest, RevivedNodeStartsAtTheEmitterHiddenAndLeavesAtDeath)
{
    Ref<ParticleEmitter> emitter = WithNodes(1);
    emitter->position.Set(10, 20);
    Ref<Particle> p = emitter->Emit(400, 0, 0);
    const Ref<GDO> node = p->GetGDO();
    EXPECT_EQ((std::array<float, 2>{node->position->x, node->position->y}), (std::array<float, 2>{10, 20}));
    EXPECT_FALSE(node->visible);   // until its first update
    emitter->position.Set(50, 50);   // a copy: the live particle stays put
    emitter->UpdateParticles(kStepMs);
    EXPECT_TRUE(node->visible);
    EXPECT_FLOAT_EQ(node->position->x, 10);
    // A life of 400 ms lasts 25 updates of 16.
    Run(emitter, 23);
    EXPECT_TRUE(p->IsEnabled());
    EXPECT_EQ(parent_->ChildCount(), 1);
    emitter->UpdateParticles(kStepMs);
    EXPECT_FALSE(p->IsEnabled());
    EXPECT_EQ(node->GetParent(), nullptr);
}

TEST_F(ParticleEmitterTest, AnimationRunsOverItsFractionOfLifeThenHolds)
{
    Ref<ParticleEmitter> emitter = WithNodes(1);
    emitter->AddAnimation(U"alpha", 1.0f, 0.0f, 0.5f, nullptr);
    Ref<Particle> p = emitter->Emit(800, 0, 0);
    EXPECT_EQ(p->GetTweens()[0]->tween->GetDuration(), 400);
    emitter->UpdateParticles(200);
    EXPECT_FLOAT_EQ(p->GetGDO()->alpha, 0.5f);
    emitter->UpdateParticles(200);
    EXPECT_FLOAT_EQ(p->GetGDO()->alpha, 0.0f);
    p->GetGDO()->alpha = 0.7f;
    emitter->UpdateParticles(200);   // ended tweens still write their end value
    EXPECT_FLOAT_EQ(p->GetGDO()->alpha, 0.0f);
    EXPECT_TRUE(p->IsEnabled());
    emitter->UpdateParticles(200);
    EXPECT_FALSE(p->IsEnabled());
    // A revival with another life rescales and restarts the animation.
    emitter->Emit(100, 0, 0);
    EXPECT_EQ(p->GetTweens()[0]->tween->GetDuration(), 50);
    EXPECT_FLOAT_EQ(p->GetTweens()[0]->tween->GetValue(), 1.0f);
}

TEST_F(ParticleEmitterTest, SpeedMovesFirstThenGravityAddsPerStep)
{
    Ref<ParticleEmitter> emitter = WithNodes(1);
    Ref<Particle> p = emitter->Emit(1000, 0, -140);
    emitter->UpdateParticles(kStepMs);
    EXPECT_NEAR(p->GetGDO()->position->y, -2.24f, 1e-5f);
    EXPECT_NEAR(p->GetGDO()->position->x, 0.0f, 1e-6f);

    emitter->gravity.Set(0, 500);   // pixels per second per second
    const float before = p->GetGDO()->position->y;
    emitter->UpdateParticles(kStepMs);
    // This step still moves at -140; the speed then gains 500 x 0.016 = 8.
    EXPECT_NEAR(p->GetGDO()->position->y - before, -2.24f, 1e-5f);
    EXPECT_NEAR(p->speed.y, -132.0f, 1e-4f);
}

TEST_F(ParticleEmitterTest, UpdateEventsOnlyWithTheFlagDeathEventsOncePerDeath)
{
    Ref<ParticleEmitter> emitter = WithNodes(3);
    auto log = std::make_shared<EventLog>();
    log->expectedSource = emitter.get();
    EventManager::RegisterListener(log, emitter, kEventAnyId);
    Ref<Particle> a = emitter->Emit(32, 0, 0);
    Ref<Particle> b = emitter->Emit(48, 0, 0);
    Run(emitter, 5);
    using Counts = std::map<std::pair<int, Object*>, int>;
    EXPECT_EQ(log->byParticle, (Counts{{{kEventParticleDied, a.get()}, 1}, {{kEventParticleDied, b.get()}, 1}}));

    emitter->events = true;
    Ref<Particle> c = emitter->Emit(32, 0, 0);
    Run(emitter, 4);
    // c revives a's slot. Two live updates of it, the second of which kills it; dead ones
    // are skipped.
    ASSERT_EQ(c, a);
    EXPECT_EQ(log->byParticle, (Counts{{{kEventParticleDied, a.get()}, 2}, {{kEventParticleDied, b.get()}, 1},
                                       {{kEventParticleUpdated, c.get()}, 2}}));
}

TEST_F(ParticleEmitterTest, ParticlesWithoutNodesStillLive)
{
    Ref<ParticleEmitter> emitter = ParticleEmitter::New(2, parent_);
    emitter->AddAnimation(U"speed.x", 0.0f, 100.0f, 1.0f, nullptr);
    emitter->AddAnimation(U"alpha", 0.0f, 1.0f, 1.0f, nullptr);
    Ref<Particle> p = emitter->Emit(100, 0, 0);
    ASSERT_NE(p, nullptr);
    emitter->UpdateParticles(50);
    EXPECT_FLOAT_EQ(p->speed.x, 50.0f);
    EXPECT_FALSE(p->TrySetFloatProperty(U"alpha", 1.0f));   // refused without a node
    EXPECT_EQ(parent_->ChildCount(), 0);
    emitter->SetParticleGDO(5, GDO::New());   // outside the pool: nothing
    EXPECT_EQ(emitter->GetParticle(5), nullptr);
}

// A death-event handler that released the engine once left the walk on a freed map node (a
// use after free under ASan); the walk now stops cleanly.
TEST(ParticleEngine, UpdatesEmittersByNameAndAListenerMayReleaseItMidPass)
{
    class Releaser : public EventListener {
    public:
        explicit Releaser(ParticleEngine& engine) : engine_(engine) {}
        void HandleEvent(Object*, int, Object*) override
        {
            ++deaths;
            engine_.Deallocate();
        }
        int deaths = 0;

    private:
        ParticleEngine& engine_;
    };

    EventManager::RemoveAllListeners();
    Ref<GDO> parent = GDO::New();
    Ref<ParticleEngine> engine = ParticleEngine::New(U"particles");
    Ref<ParticleEmitter> first = ParticleEmitter::New(1, parent);
    Ref<ParticleEmitter> dust = ParticleEmitter::New(1, parent);
    Ref<ParticleEmitter> fire = ParticleEmitter::New(1, parent);
    engine->AddEmitter(U"dust", first);
    engine->AddEmitter(U"dust", dust);   // replaces
    engine->AddEmitter(U"fire", fire);
    EXPECT_EQ(engine->GetEmitter(U"dust"), dust);
    Ref<Particle> p = dust->Emit(20, 0, 0);
    Ref<Particle> q = first->Emit(20, 0, 0);
    engine->Update(kStepMs);
    EXPECT_EQ(p->GetAge(), kStepMs);
    EXPECT_EQ(q->GetAge(), 0);   // replaced: no longer updated

    Ref<Particle> spark = fire->Emit(kStepMs, 0, 0);
    auto releaser = std::make_shared<Releaser>(*engine);
    EventManager::RegisterListener(releaser, dust, kEventParticleDied);
    dust.reset();
    engine->Update(kStepMs);   // p dies: "dust" comes before "fire"
    EXPECT_EQ(releaser->deaths, 1);
    EXPECT_EQ(engine->GetEmitter(U"dust"), nullptr);
    EXPECT_EQ(spark->GetAge(), 0);   // released before its turn: not updated
    EventManager::RemoveAllListeners();
}

}  // namespace
}  // namespace zelka
