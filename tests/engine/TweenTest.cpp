#include "engine/tween/Tween.h"

#include "engine/core/EventManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace zelka {

namespace {

class IdLog : public EventListener {
public:
    void HandleEvent(Object*, int id, Object*) override { ids.push_back(id); }
    std::vector<int> ids;
};

class TweenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
    }
    void TearDown() override { EventManager::RemoveAllListeners(); }
    Ref<IdLog> Watch(const Ref<Tween>& tween)
    {
        tween->SetEvents(true);
        auto log = std::make_shared<IdLog>();
        EventManager::RegisterListener(log, tween, kEventAnyId);
        return log;
    }
    // Started, with the start events already taken out of its log.
    Ref<IdLog> Started(const Ref<Tween>& tween)
    {
        auto log = Watch(tween);
        tween->Start();
        log->ids.clear();
        return log;
    }
};

// Value and whether the tween still plays.
std::pair<float, bool> State(const Ref<Tween>& tween) { return {tween->GetValue(), tween->IsPlaying()}; }
using Ids = std::vector<int>;

}  // namespace

TEST_F(TweenTest, LinearValuesThenStopEvents)
{
    auto tween = Tween::New(LinearEase::New(), 0.0f, 10.0f, 100, false, false);
    auto log = Watch(tween);
    tween->Start();
    EXPECT_EQ(log->ids, (Ids{kEventTweenStarted}));
    log->ids.clear();
    for (int i = 1; i <= 6; ++i) {
        tween->Update(16);
        EXPECT_FLOAT_EQ(tween->GetValue(), 1.6f * i);
    }
    EXPECT_TRUE(log->ids.empty());
    tween->Update(16);
    EXPECT_EQ(State(tween), std::pair(10.0f, false));
    EXPECT_EQ(log->ids, (Ids{kEventTweenStopped, kEventTweenRunEnded}));
    tween->Update(16);  // stopped: nothing more
    EXPECT_EQ(log->ids.size(), 2u);
}

TEST_F(TweenTest, LoopRestartsFromTheStartSideAndYoyoComesBack)
{
    auto tween = Tween::New(LinearEase::New(), 0.0f, 10.0f, 100, true, false);
    auto log = Started(tween);
    tween->Update(90);
    tween->Update(20);  // past the end: value = to, the overshoot is dropped
    EXPECT_EQ(tween->GetValue(), 10.0f);
    EXPECT_EQ(log->ids, (Ids{kEventTweenLooped, kEventTweenRunEnded}));
    EXPECT_EQ(tween->GetCycles(), 1);
    tween->Update(30);
    EXPECT_EQ(State(tween), std::pair(3.0f, true));

    // A yoyo without loop goes there and back once.
    auto yoyo = Tween::New(LinearEase::New(), 0.0f, 1.0f, 100, false, true);
    auto yoyoLog = Started(yoyo);
    yoyo->Update(101);
    EXPECT_EQ(yoyoLog->ids, (Ids{kEventTweenStarted, kEventTweenYoyo, kEventTweenRunEnded}));
    yoyo->Update(50);
    EXPECT_EQ(State(yoyo), std::pair(0.5f, true));   // running back from 1 to 0
    yoyoLog->ids.clear();
    yoyo->Update(51);
    EXPECT_EQ(yoyoLog->ids, (Ids{kEventTweenStopped, kEventTweenRunEnded}));
    EXPECT_EQ(State(yoyo), std::pair(0.0f, false));
}

TEST_F(TweenTest, EventsFlagOnlyGatesEventsAndEqualValuesNeverStart)
{
    auto tween = Tween::New(LinearEase::New(), 0.0f, 1.0f, 100, false, false);
    auto log = Watch(tween);
    tween->SetEvents(false);
    tween->Start();
    tween->Update(200);
    EXPECT_EQ(State(tween), std::pair(1.0f, false));

    auto flat = Tween::New(LinearEase::New(), 5.0f, 5.0f, 100, false, false);
    auto flatLog = Watch(flat);
    flat->Start();
    EXPECT_FALSE(flat->IsPlaying());
    EXPECT_TRUE(log->ids.empty());
    EXPECT_TRUE(flatLog->ids.empty());
}

// A 0 ms duration used to compute 0/0: the run now ends at once at its end value.
TEST_F(TweenTest, ZeroDurationEndsAtOnceWithoutNaN)
{
    auto tween = Tween::New(CubicEaseInOut::New(), 2.0f, 7.0f, 0, false, false);
    auto log = Watch(tween);
    tween->Start();
    tween->Update(0);  // a catch-up update
    EXPECT_EQ(State(tween), std::pair(7.0f, false));
    EXPECT_EQ(log->ids, (Ids{kEventTweenStarted, kEventTweenStopped, kEventTweenRunEnded}));
    EXPECT_EQ(tween->JumpToTime(0), 7.0f);
    EXPECT_FALSE(std::isnan(tween->GetValue()));
}

TEST_F(TweenTest, DelayCrossingAdvancesTheWholeStep)
{
    auto tween = TweenWithDelay::New(LinearEase::New(), 0.0f, 100.0f, 100, 30, true, false);
    tween->Start();
    tween->Update(20);
    EXPECT_EQ(tween->GetValue(), 0.0f);
    tween->Update(20);  // crosses the delay at 30: the whole 20 ms count
    EXPECT_FLOAT_EQ(tween->GetValue(), 20.0f);
    tween->Update(90);  // loops: no second delay
    tween->Update(10);
    EXPECT_FLOAT_EQ(tween->GetValue(), 10.0f);
    tween->Start();     // a new Start waits again
    tween->Update(20);
    EXPECT_EQ(tween->GetValue(), 0.0f);
}

TEST_F(TweenTest, RewindGoesToEitherEndOfTheCurrentRun)
{
    auto tween = Tween::New(LinearEase::New(), 0.0f, 10.0f, 100, false, true);
    tween->Start();
    tween->Update(150);   // yoyo turned: from 10 to 0
    tween->Rewind(false);
    EXPECT_EQ(tween->GetValue(), 10.0f);
    tween->Rewind(true);
    EXPECT_EQ(tween->GetValue(), 0.0f);
    EXPECT_EQ(tween->GetTo(), 10.0f);
}

TEST(Ease, ElasticEndPointsAreExact)
{
    auto out = ElasticEaseOut::New();
    EXPECT_EQ(out->F(0.0f, 3.0f, 5.0f, 400.0f), 3.0f);
    EXPECT_EQ(out->F(400.0f, 3.0f, 5.0f, 400.0f), 8.0f);
    EXPECT_EQ(out->GetPeriod(), 0.0f);  // the early returns do not fix the period
    out->F(100.0f, 0.0f, 1.0f, 400.0f);
    EXPECT_FLOAT_EQ(out->GetPeriod(), 120.0f);
    out->F(100.0f, 0.0f, 1.0f, 1000.0f);  // kept whatever the later duration
    EXPECT_FLOAT_EQ(out->GetPeriod(), 120.0f);

    auto inOut = ElasticEaseInOut::New();
    EXPECT_EQ(inOut->F(0.0f, -1.0f, 2.0f, 300.0f), -1.0f);
    EXPECT_EQ(inOut->F(300.0f, -1.0f, 2.0f, 300.0f), 1.0f);
    inOut->F(10.0f, 0.0f, 1.0f, 300.0f);
    EXPECT_FLOAT_EQ(inOut->GetPeriod(), 135.0f);
}

TEST(Ease, BounceAndClassicCurvesHitTheirEnds)
{
    EXPECT_NEAR(BounceEaseOut::New()->F(50.0f, 0.0f, 1.0f, 100.0f), 0.765625f, 1e-4f);
    EXPECT_EQ(BounceEaseOut::New()->F(0.0f, 2.0f, 1.0f, 100.0f), 2.0f);
    EXPECT_NEAR(BounceEaseInOut::New()->F(50.0f, 0.0f, 1.0f, 100.0f), 0.5f, 1e-4f);
    for (const Ref<EaseFunction>& ease : std::vector<Ref<EaseFunction>>{
             LinearEase::New(), CubicEaseIn::New(), CubicEaseOut::New(), CubicEaseInOut::New(),
             QuadraticEaseInOut::New(), SineEaseInOut::New(), BounceEaseOut::New(), BounceEaseIn::New()}) {
        EXPECT_NEAR(ease->F(0.0f, 1.0f, 4.0f, 200.0f), 1.0f, 1e-5f);
        EXPECT_NEAR(ease->F(200.0f, 1.0f, 4.0f, 200.0f), 5.0f, 1e-5f);
    }
    EXPECT_NEAR(CubicEaseInOut::New()->F(100.0f, 0.0f, 1.0f, 200.0f), 0.5f, 1e-6f);
    EXPECT_NEAR(SineEaseInOut::New()->F(100.0f, 0.0f, 1.0f, 200.0f), 0.5f, 1e-6f);
    EXPECT_NEAR(QuadraticEaseInOut::New()->F(50.0f, 0.0f, 1.0f, 200.0f), 0.125f, 1e-6f);
}

}  // namespace zelka
