#include "engine/core/EventManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zelka {

namespace {

class Source : public Object {};

// Logs "tag:id" for what it receives, and runs an optional action inside the handler.
class Recorder : public EventListener {
public:
    Recorder(std::vector<std::string>& log, std::string tag) : log_(log), tag_(std::move(tag)) {}
    void HandleEvent(Object*, int id, Object*) override
    {
        log_.push_back(tag_ + ":" + std::to_string(id));
        if (action) action(id);
    }
    std::function<void(int)> action;

private:
    std::vector<std::string>& log_;
    std::string tag_;
};

class EventManagerTest : public ::testing::Test {
protected:
    void SetUp() override { EventManager::RemoveAllListeners(); }
    void TearDown() override
    {
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
    }
    Ref<Recorder> Listen(const std::string& tag, Ref<Object> source, int id, bool persistent = false)
    {
        auto r = std::make_shared<Recorder>(log, tag);
        EventManager::RegisterListener(r, std::move(source), id, persistent);
        return r;
    }
    // The log since the last call.
    std::vector<std::string> Take() { return std::exchange(log, {}); }
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

}  // namespace

TEST_F(EventManagerTest, SourceAndIdFiltersMatch)
{
    auto a = std::make_shared<Source>();
    auto b = std::make_shared<Source>();
    Listen("any", nullptr, kEventAnyId);
    Listen("a-any", a, kEventAnyId);
    Listen("any-5", nullptr, 5);
    Listen("a-5", a, 5);
    EventManager::SendEvent(a.get(), 5);
    EXPECT_EQ(Take(), (Log{"any:5", "a-any:5", "any-5:5", "a-5:5"}));
    EventManager::SendEvent(b.get(), 5);   // another source: only the null source filters
    EXPECT_EQ(Take(), (Log{"any:5", "any-5:5"}));
    EventManager::SendEvent(a.get(), 6);   // another id: only the any-id filters
    EXPECT_EQ(Take(), (Log{"any:6", "a-any:6"}));
    EventManager::SendEvent(nullptr, 5);   // a null source reaches only null source filters
    EXPECT_EQ(Take(), (Log{"any:5", "any-5:5"}));
}

TEST_F(EventManagerTest, DuplicatesDeliverTwiceInOrderAndMutedEventsAreLost)
{
    auto a = std::make_shared<Source>();
    auto first = Listen("first", a, 1);
    Listen("second", a, 1);
    EventManager::RegisterListener(first, a, 1);
    EventManager::SendEvent(a.get(), 1);
    EXPECT_EQ(Take(), (Log{"first:1", "second:1", "first:1"}));

    EventManager::mute = true;
    EventManager::SendEvent(a.get(), 1);
    EventManager::mute = false;
    EXPECT_TRUE(log.empty());
    EventManager::SendEvent(a.get(), 1);   // the muted one was not queued
    EXPECT_EQ(Take(), (Log{"first:1", "second:1", "first:1"}));
}

TEST_F(EventManagerTest, SendsAreReentrantAndDepthFirst)
{
    // A listener added during a send is called in that send.
    auto first = Listen("first", nullptr, 7);
    first->action = [this](int) {
        if (log.size() == 1) Listen("late", nullptr, 7);
    };
    EventManager::SendEvent(nullptr, 7);
    EXPECT_EQ(Take(), (Log{"first:7", "late:7"}));
    EventManager::RemoveAllListeners();

    // A send from inside a handler finishes before the outer one goes on.
    auto outer = Listen("a", nullptr, kEventAnyId);
    Listen("b", nullptr, kEventAnyId);
    outer->action = [](int id) {
        if (id == 1) EventManager::SendEvent(nullptr, 2);
    };
    EventManager::SendEvent(nullptr, 1);
    EXPECT_EQ(Take(), (Log{"a:1", "a:2", "b:2", "b:1"}));
}

// The entry keeps its source alive: a new object at a reused address can never match, and
// ASan sees no use after free. A stage switch drops it with the other auto-managed entries
// and keeps the persistent ones in order.
TEST_F(EventManagerTest, StageSwitchKeepsPersistentEntriesAndFreesDroppedSources)
{
    auto source = std::make_shared<Source>();
    const Object* address = source.get();
    Listen("auto1", source, 9);
    Listen("keep1", nullptr, 1, true);
    Listen("auto2", nullptr, 1);
    Listen("keep2", nullptr, 1, true);
    std::weak_ptr<Source> weak = source;
    source.reset();
    EXPECT_FALSE(weak.expired());
    for (int i = 0; i < 8; ++i) {
        auto other = std::make_shared<Source>();
        EXPECT_NE(other.get(), address);
        EventManager::SendEvent(other.get(), 9);
    }
    EXPECT_TRUE(log.empty());

    EventManager::RemoveAutoManagedListeners();
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(EventManager::ListenerCount(), 2u);
    EventManager::SendEvent(nullptr, 1);
    EXPECT_EQ(Take(), (Log{"keep1:1", "keep2:1"}));
}

}  // namespace zelka
