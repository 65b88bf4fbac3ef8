#include "engine/stage/Game.h"

#include "engine/core/EventManager.h"
#include "engine/core/Timer.h"
#include "engine/display/DrawingState.h"
#include "engine/display/RectangleGDO.h"
#include "engine/stage/Stage.h"
#include "platform/clock/null/FakeClock.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "tests/engine/MediaTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace zelka {

namespace {

constexpr int kTestStage = 1;
constexpr int kOtherStage = 2;
constexpr int kUnknownStage = 99;
constexpr int kLoadSteps = 3;
constexpr int kStabilityUpdates = 20;

using Log = std::vector<std::string>;

class NoopListener : public EventListener {
public:
    void HandleEvent(Object*, int, Object*) override {}
};

class TestStage : public Stage {
public:
    TestStage(int id, Log& log) : Stage(kLoadSteps), id_(id), log_(log) {}
    void LoadStep(int step) override { log_.push_back("load " + std::to_string(step)); }
    void Update(int ms) override { log_.push_back("update " + std::to_string(id_)); Stage::Update(ms); }
    void Deallocate() override { log_.push_back("deallocate " + std::to_string(id_)); Stage::Deallocate(); }

private:
    int id_;
    Log& log_;
};

// Logs creation (with the listener count at that moment), stability and transitions; the
// transitions last as many frames as the test sets.
class TestGame : public Game {
public:
    explicit TestGame(Log& log) : Game(60, 640, 360), log_(log) {}

    void RenderLoadingScreen(int progress) override { loading.push_back(progress); }
    bool OnTransitionInRender() override { return inFrames-- > 0; }
    bool OnTransitionOutRender() override { return false; }
    Ref<Stage> CreateStage(int id) override
    {
        log_.push_back("create " + std::to_string(id) + " listeners " +
                       std::to_string(EventManager::ListenerCount()));
        if (id == kUnknownStage) return nullptr;
        auto stage = std::make_shared<TestStage>(id, log_);
        // Every registration is auto-managed: the next switch drops it.
        EventManager::RegisterListener(std::make_shared<NoopListener>(), nullptr, kEventAnyId);
        auto world = RectangleGDO::New(20.0f, 10.0f, false);
        world->position->Set(100.0f, 50.0f);
        stage->GetRootGDO()->AddChild(world);
        return stage;
    }
    void GameHasBecomeStable() override { log_.push_back("stable"); }
    void OnStartTransition(int kind, int id) override
    {
        log_.push_back("transition " + std::to_string(kind) + " " + std::to_string(id));
    }

    std::vector<int> loading;
    int inFrames = 0;

private:
    Log& log_;
};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing_media::ForgetRegisteredTextures();   // a frame would draw them
        EventManager::RemoveAllListeners();
        EventManager::mute = false;
        graphics::ResetContext();
        same::ResetDrawingState();
        graphics::SetGraphicsDevice(&device);
        game.SetClock(&clock);
        game.OnCreate();
        game.SetStabilityTestFrames(kStabilityUpdates);
    }
    void TearDown() override
    {
        if (game.GetCurrentStage()) game.GetCurrentStage()->Deallocate();
        EventManager::RemoveAllListeners();
        graphics::ResetContext();
        same::ResetDrawingState();
    }
    void Update(int ms, int times = 1)
    {
        for (int i = 0; i < times; ++i) { clock.Advance(ms / 1000.0); game.OnUpdate(); }
    }
    void Frame()
    {
        device.BeginRender();
        graphics::BeginRender();
        game.OnRender();
        graphics::EndRender();
        device.EndRender();
    }
    // The outgoing transition ends at its first frame; then one switch update and one per
    // load step.
    void SwitchAndLoad(int id)
    {
        game.GoToStage(id);
        Frame();
        Update(16, kLoadSteps + 1);
    }
    // Loaded, stable and transitioned in.
    void Run(int id)
    {
        SwitchAndLoad(id);
        Update(16, kStabilityUpdates);
        Frame();
        log.clear();
    }
    long UpdatesLogged() const
    {
        return std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.rfind("update", 0) == 0; });
    }

    Log log;
    FakeClock clock;
    RecordingGraphicsDevice device{640, 360};
    TestGame game{log};
};

}  // namespace

TEST_F(GameTest, SecondGameIsFatal)
{
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);   // the fatal message goes to standard output
            Log other;
            TestGame second(other);
        },
        ::testing::ExitedWithCode(255), "App has already been created");
}

TEST_F(GameTest, SwitchWaitsForTheTransitionThenReleasesCreatesAndLoadsStepByStep)
{
    game.GoToStage(kTestStage);
    Frame();
    for (int i = 0; i <= kLoadSteps + 1; ++i) { Update(16); Frame(); }   // switch, steps, first stable update
    EXPECT_EQ(game.loading, (std::vector<int>{0, 33, 66, 100, 100}));
    EXPECT_EQ(log, (Log{"transition 2 1", "create 1 listeners 0", "load 0", "load 1", "load 2"}));
    EXPECT_EQ(EventManager::ListenerCount(), 1u);

    log.clear();
    game.GoToStage(kOtherStage);
    EXPECT_EQ(game.GetTransitionState(), kTransitionOut);
    Update(16);   // the outgoing transition has not been drawn out: nothing happens
    EXPECT_EQ(log, (Log{"transition 2 2"}));
    Frame();
    Update(16);   // the stage's listeners are dropped before the next one is made
    EXPECT_EQ(log, (Log{"transition 2 2", "deallocate 1", "create 2 listeners 0"}));
    EXPECT_EQ(game.GetCurrentStageId(), kOtherStage);
    EXPECT_EQ(game.GetNextStageId(), kNoStageId);
    EXPECT_EQ(game.GetLoadingProgress(), 0);
}

TEST_F(GameTest, StepsOf47CountAnd48ResetTheStabilityWait)
{
    SwitchAndLoad(kTestStage);
    Update(47, kStabilityUpdates - 1);
    EXPECT_EQ(game.GetStabilityCountdown(), 1);
    Update(48);   // 3 intervals: too slow, the wait starts again
    EXPECT_EQ(game.GetStabilityCountdown(), kStabilityUpdates);
    Update(47, kStabilityUpdates - 1);
    EXPECT_FALSE(game.IsStable());
    EXPECT_EQ(game.GetTransitionState(), kTransitionNone);
    Update(47);
    EXPECT_TRUE(game.IsStable());
    EXPECT_EQ(game.GetTransitionState(), kTransitionIn);
}

TEST_F(GameTest, NoStageUpdateUntilIncomingTransitionEnds)
{
    SwitchAndLoad(kTestStage);
    game.inFrames = 2;
    log.clear();
    Update(16, kStabilityUpdates);
    EXPECT_EQ(log, (Log{"stable", "transition 1 1"}));   // no update in the last one
    for (int i = 0; i < 2; ++i) { Update(16); Frame(); }   // in-transition frames still running
    Update(16);
    EXPECT_EQ(UpdatesLogged(), 0);
    Frame();   // it ends
    EXPECT_EQ(game.GetTransitionState(), kTransitionNone);
    Update(16);
    EXPECT_EQ(UpdatesLogged(), 1);
}

TEST_F(GameTest, GoToStageDuringLoadingReplacesTheStageAndUnknownLeavesNone)
{
    game.GoToStage(kTestStage);
    Frame();
    Update(16, 2);   // switch, load 0
    game.GoToStage(kOtherStage);
    Update(16);   // outgoing transition not drawn yet: loading stops
    EXPECT_EQ(game.GetLoadingProgress(), 33);
    Frame();
    Update(16);
    EXPECT_EQ(log, (Log{"transition 2 1", "create 1 listeners 0", "load 0", "transition 2 2",
                        "deallocate 1", "create 2 listeners 0"}));
    EXPECT_EQ(game.GetCurrentStageId(), kOtherStage);

    game.GoToStage(kUnknownStage);
    Frame();
    Update(16, 2);
    EXPECT_EQ(game.GetCurrentStage(), nullptr);
    device.ClearCalls();
    Frame();
    EXPECT_TRUE(device.Draws().empty());
}

// The whole path headless: created by identifier, loaded, stabilised, transitioned in, then
// the world drawn through the root window camera into the recording device.
TEST_F(GameTest, StageRendersItsWorldThroughTheRootWindow)
{
    Run(kTestStage);
    game.GetCurrentStage()->GetRootWindow()->SetViewX(10.0f);
    game.GetCurrentStage()->GetRootWindow()->SetViewY(-20.0f);
    device.ClearCalls();
    Frame();
    EXPECT_EQ(device.Count(DeviceOp::Cls), 1);
    const auto draws = device.Draws();
    ASSERT_EQ(draws.size(), 1u);
    // Window centre (320, 180) shows world (10, -20): world (100, 50) lands at (410, 250).
    EXPECT_EQ(draws[0].matrix, (std::array<float, 6>{1, 0, 0, 1, 410.0f, 250.0f}));
    EXPECT_EQ(draws[0].args, (std::vector<float>{-10.0f, -5.0f, 20.0f, 10.0f}));
    EXPECT_EQ(draws[0].scissor, (std::array<int, 4>{0, 0, 640, 360}));
    Update(16);
    EXPECT_EQ(UpdatesLogged(), 1);
}

TEST_F(GameTest, LetterboxScalesAndClips)
{
    device.SetSize(1280, 800);
    Game::SetCenteredScreen(640.0f, 360.0f);
    const auto& [scale, offset] = std::tie(Game::globalScale, Game::globalOffset);
    EXPECT_EQ((std::array<float, 4>{scale.x, scale.y, offset.x, offset.y}), (std::array<float, 4>{2, 2, 0, 40}));
    SwitchAndLoad(kTestStage);
    device.ClearCalls();
    Frame();   // loading screen: ClearScreen under the letterbox scissor
    const auto draws = device.Draws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].scissor, (std::array<int, 4>{0, 40, 1280, 720}));
    EXPECT_EQ(draws[0].args, (std::vector<float>{-2.0f, -2.0f, 644.0f, 364.0f}));
    EXPECT_EQ(device.Scissor(), (std::array<int, 4>{0, 0, 1280, 800}));   // reset after
}

TEST(Timer, FiresOnTheUpdateThatReachesZeroAndDropsTheOvershoot)
{
    auto timer = Timer::New(U"t", 100, true, nullptr);
    const auto state = [&]() {
        return std::array<int, 3>{timer->GetFireCount(), timer->GetRemaining(), timer->IsEnabled()};
    };
    for (int i = 1; i <= 6; ++i) timer->Update(16);
    EXPECT_EQ(state(), (std::array<int, 3>{0, 4, 1}));
    timer->Update(16);   // the seventh: the 12 ms overshoot is dropped
    EXPECT_EQ(state(), (std::array<int, 3>{1, 100, 1}));

    auto exact = Timer::New(U"e", 16, false, nullptr);
    exact->Update(16);   // remaining 0 is not above 0
    EXPECT_EQ(exact->GetFireCount(), 1);
    EXPECT_FALSE(exact->IsEnabled());
    auto immediate = Timer::New2();
    immediate->Update(0);
    EXPECT_EQ(immediate->GetFireCount(), 1);
}

TEST_F(GameTest, OneShotTimerLeavesTheListAndItsNeighbourWaits)
{
    Run(kTestStage);
    const Ref<Stage> stage = game.GetCurrentStage();
    auto oneShot = Timer::New(U"once", 10, false, nullptr);
    auto behind = Timer::New(U"behind", 1000, true, nullptr);
    stage->AddCog(oneShot);
    stage->AddCog(behind);
    Update(16);
    EXPECT_EQ(oneShot->GetFireCount(), 1);
    EXPECT_EQ(stage->CogCount(), 1);
    EXPECT_EQ(behind->GetRemaining(), 1000);   // moved into the emptied slot: skipped
    Update(16);
    EXPECT_EQ(behind->GetRemaining(), 984);
}

}  // namespace zelka
