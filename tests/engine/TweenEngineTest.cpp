#include "engine/tween/TweenEngine.h"

#include "engine/core/EventManager.h"
#include "engine/core/RefusedProperty.h"
#include "engine/display/GDO.h"
#include "engine/core/Vector.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zelka {

namespace {

// Records every write it gets, in order.
class Target : public Object, public ObjectWithFloatProperties {
public:
    bool TrySetFloatProperty(std::u32string_view name, float value) override
    {
        writes.push_back({String(name), value});
        return true;
    }
    std::vector<std::pair<String, float>> writes;
};

class StopLog : public EventListener {
public:
    void HandleEvent(Object*, int id, Object* data) override
    {
        entries.push_back(static_cast<TweenEntry*>(data)->name);
        ids.push_back(id);
        if (action) action();
    }
    std::vector<String> entries;
    std::vector<int> ids;
    std::function<void()> action;
};

class TweenEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
        stops = std::make_shared<StopLog>();
        EventManager::RegisterListener(stops, engine, kEventTweenEngineStopped);
    }
    void TearDown() override
    {
        engine->Deallocate();
        EventManager::RemoveAllListeners();
    }
    Ref<Tween> AddLinear(const String& name, int ms)
    {
        auto tween = Tween::New(LinearEase::New(), 0.0f, 10.0f, ms, false, false);
        engine->AddTween(tween, name);
        tween->Start();
        return tween;
    }
    Ref<TweenEngine> engine = TweenEngine::New(U"tweens");
    Ref<StopLog> stops;
};

}  // namespace

TEST_F(TweenEngineTest, BindingsWriteValueTimesFactorPlusOffsetInNameOrder)
{
    auto first = AddLinear(U"b", 100);
    AddLinear(U"a", 100);
    engine->AddTween(Tween::New(LinearEase::New(), 0.0f, 1.0f, 100, false, false), U"b");
    EXPECT_EQ(engine->GetTween(U"b"), first);   // a duplicate name keeps the first tween
    EXPECT_EQ(engine->EntryCount(), 2u);
    auto log = std::make_shared<Target>();
    engine->AddTweenBinding(U"b", log, U"from-b", 2.0f, 1.0f);
    engine->AddTweenBinding(U"b", log, U"neg-b", -1.0f, 0.0f);
    engine->AddTweenBinding(U"a", log, U"from-a", 1.0f, 0.0f);
    engine->AddTweenBinding(U"a", log, U"from-a", 1.0f, 100.0f);
    engine->AddTweenBinding(U"missing", log, U"c", 1.0f, 0.0f);   // no such entry: nothing
    engine->RemoveTweenBinding(U"a", log.get(), U"from-a");       // the first match only
    engine->Update(50);
    // Value 5: the second "from-a" binding survived.
    EXPECT_EQ(log->writes,
              (std::vector<std::pair<String, float>>{{U"from-a", 105.0f}, {U"from-b", 11.0f}, {U"neg-b", -5.0f}}));
}

TEST_F(TweenEngineTest, StoppingSendsOneEventAndLeavesTheTarget)
{
    AddLinear(U"t", 100);
    auto target = Vector::New();
    engine->AddTweenBinding(U"t", target, U"x", 1.0f, 0.0f);
    engine->Update(60);
    EXPECT_TRUE(stops->ids.empty());
    engine->Update(60);   // ends: the end value is written in this update
    EXPECT_EQ(target->x, 10.0f);
    EXPECT_EQ(stops->ids, (std::vector<int>{kEventTweenEngineStopped}));
    EXPECT_EQ(stops->entries, (std::vector<String>{U"t"}));
    target->x = 3.0f;
    engine->Update(60);   // not playing: skipped, no write, no second event
    EXPECT_EQ(target->x, 3.0f);
    EXPECT_EQ(stops->ids.size(), 1u);
}

// A stop handler may add tweens (or release the engine) while the walk is under way.
TEST_F(TweenEngineTest, StopHandlerMayChangeTheEntries)
{
    AddLinear(U"a", 10);
    AddLinear(U"c", 100);
    auto late = Vector::New();
    stops->action = [&]() {
        auto tween = Tween::New(LinearEase::New(), 0.0f, 10.0f, 100, false, false);
        tween->Start();
        engine->AddTween(tween, U"b");  // between "a" and the saved next, "c": not reached
        engine->AddTweenBinding(U"b", late, U"x", 1.0f, 0.0f);
    };
    auto target = Vector::New();
    engine->AddTweenBinding(U"c", target, U"x", 1.0f, 0.0f);
    engine->Update(20);
    EXPECT_EQ(stops->entries, (std::vector<String>{U"a"}));
    EXPECT_FLOAT_EQ(target->x, 2.0f);
    EXPECT_EQ(late->x, 0.0f);
    stops->action = [&]() { engine->Deallocate(); };
    engine->Update(100);  // "b" and "c" end; the first stop releases everything
    EXPECT_EQ(engine->EntryCount(), 0u);
}

// A key the display tree does not know ("x" for "position.x") is still refused, but loudly:
// one line on standard error per binding, however many updates write it.
TEST_F(TweenEngineTest, UnknownKeyIsRefusedAndReportedOnce)
{
    AddLinear(U"t", 100);
    auto node = GDO::New();
    engine->AddTweenBinding(U"t", node, U"x", 1.0f, 0.0f);
    engine->AddTweenBinding(U"t", node, U"position.y", 1.0f, 0.0f);
    const int before = RefusedPropertyCount();
    ::testing::internal::CaptureStderr();
    engine->Update(50);
    engine->Update(20);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(node->position->x, 0.0f);
    EXPECT_FLOAT_EQ(node->position->y, 7.0f);  // the known key still works
    EXPECT_EQ(err, "refused float property \"x\"\n");
    EXPECT_EQ(RefusedPropertyCount(), before + 1);
}

}  // namespace zelka
