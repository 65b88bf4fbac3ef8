#include "platform/host/LoopScheduler.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <utility>

#include "platform/clock/null/FakeClock.h"

namespace zelka {
namespace {

// A loop target over counters: rendering costs `renderSeconds` of fake time, a blocking
// event step lets `waitSeconds` pass, and the window closes after `openFrames` frames.
class FakeTarget final : public LoopTarget {
public:
    explicit FakeTarget(FakeClock& clock) : clock_(clock) {}

    bool IsOpen() override { return openFrames < 0 || frames < openFrames; }
    void RenderFrame() override { ++frames, clock_.Advance(renderSeconds); }
    void EventStep(bool wait) override { ++(wait ? waits : polls), clock_.Advance(wait ? waitSeconds : 0); }
    bool IsFocused() override { return focused; }
    bool IsSuspended() override { return suspended; }
    void Suspend() override { suspended = true, ++suspends; }
    void Resume() override { suspended = false, ++resumes; }
    void Update() override
    {
        ++updates;
        if (onUpdate) onUpdate();
    }

    double renderSeconds = 0, waitSeconds = 0;
    bool focused = true, suspended = false;
    int openFrames = -1;
    int frames = 0, polls = 0, waits = 0, suspends = 0, resumes = 0, updates = 0;
    std::function<void()> onUpdate;

private:
    FakeClock& clock_;
};

class LoopSchedulerTest : public ::testing::Test {
protected:
    void RunPasses(int count)
    {
        for (int i = 0; i < count; ++i) scheduler.RunPass(target);
    }
    // updates, caught up, dropped
    std::array<long long, 3> Counts() const
    {
        return {scheduler.Counts().updates, scheduler.Counts().caughtUp, scheduler.Counts().dropped};
    }

    FakeClock clock;
    LoopScheduler scheduler{clock};
    FakeTarget target{clock};
};

TEST_F(LoopSchedulerTest, FastFramesSleepUntilEachUpdateIsDue)
{
    scheduler.SetUpdateRate(60);
    RunPasses(60);
    EXPECT_EQ(std::pair(target.updates, target.polls), std::pair(60, 60));
    // The first pass schedules from its own time; each later one sleeps one period.
    EXPECT_EQ(clock.Sleeps(), 59);
    EXPECT_NEAR(clock.Now(), 59.0 / 60.0, 1e-9);
}

TEST_F(LoopSchedulerTest, SlowFramesRunFiveUpdatesPerTwoFrames)
{
    // 100 ms frames at 60 updates a second: one pass schedules from its own time and runs
    // one update, the next is behind, runs four and drops the rest of the backlog.
    scheduler.SetUpdateRate(60);
    target.renderSeconds = 0.1;
    RunPasses(1);
    EXPECT_EQ(target.updates, 1);
    RunPasses(1);
    EXPECT_EQ(target.updates, 5);
    EXPECT_FALSE(scheduler.IsScheduled());

    RunPasses(18);  // two seconds of frames in all
    EXPECT_NEAR(clock.Now(), 2.0, 1e-9);
    EXPECT_EQ(target.updates, 50);  // 25 a second instead of 60
    EXPECT_EQ(clock.Sleeps(), 0);
}

TEST_F(LoopSchedulerTest, SlowPassCountsItsCatchUpAndItsDroppedUpdates)
{
    // Binary-exact times: 64 updates a second, 125 ms frames. The second pass is eight
    // periods behind: it runs four (three of them catching up) and drops the other four.
    scheduler.SetUpdateRate(64);
    target.renderSeconds = 0.125;
    RunPasses(2);
    EXPECT_EQ(Counts(), (std::array<long long, 3>{5, 3, 4}));

    // On time again: one update per pass, nothing more counted as late.
    target.renderSeconds = 0;
    RunPasses(3);
    EXPECT_EQ(Counts(), (std::array<long long, 3>{8, 3, 4}));
}

TEST_F(LoopSchedulerTest, RateChangeInsideAnUpdateEndsTheCatchUp)
{
    scheduler.SetUpdateRate(60);
    target.renderSeconds = 0.1;
    RunPasses(1);
    ASSERT_EQ(target.updates, 1);

    // This pass is behind by five periods; its second update changes the rate.
    target.onUpdate = [this] {
        if (target.updates == 3) scheduler.SetUpdateRate(30);
    };
    RunPasses(1);
    EXPECT_EQ(target.updates, 3);
    EXPECT_FALSE(scheduler.IsScheduled());

    // The next pass schedules from its own current time: one update, no backlog.
    target.onUpdate = nullptr;
    RunPasses(1);
    EXPECT_EQ(target.updates, 4);
    EXPECT_NEAR(scheduler.NextUpdate(), clock.Now() + 1.0 / 30, 1e-9);
}

TEST_F(LoopSchedulerTest, NoUpdatesWhileUnfocusedAndNoBurstOnRefocus)
{
    scheduler.SetUpdateRate(60);
    RunPasses(10);
    ASSERT_EQ(target.updates, 10);

    // Suspends, updates, waits, frames.
    const auto seen = [this] { return std::array{target.suspends, target.updates, target.waits, target.frames}; };
    target.focused = false;
    RunPasses(1);
    EXPECT_EQ(seen(), (std::array{1, 10, 0, 11}));
    EXPECT_FALSE(scheduler.IsScheduled());

    // Suspended: every pass renders one frame and then blocks for an event.
    target.waitSeconds = 1.0;
    RunPasses(5);
    EXPECT_EQ(seen(), (std::array{1, 10, 5, 16}));

    // Refocused after five seconds away: one update, not five seconds' worth.
    target.focused = true;
    RunPasses(1);
    EXPECT_EQ(std::pair(target.resumes, target.updates), std::pair(1, 11));
    RunPasses(1);
    EXPECT_EQ(target.updates, 12);
}

TEST_F(LoopSchedulerTest, RateZeroRunsOneUpdatePerPassAndRunEndsWithTheWindow)
{
    scheduler.SetUpdateRate(0);
    target.renderSeconds = 0.1;
    RunPasses(3);
    EXPECT_EQ(target.updates, 3);
    target.renderSeconds = 0;
    target.openFrames = 6;
    scheduler.Run(target);
    EXPECT_EQ(std::pair(target.frames, target.updates), std::pair(6, 6));
    EXPECT_EQ(clock.Sleeps(), 0);
}

TEST_F(LoopSchedulerTest, ScheduleStartsAtClockZero)
{
    // A reading of exactly 0 is an ordinary time, not "unscheduled".
    scheduler.SetUpdateRate(50);
    RunPasses(2);
    EXPECT_EQ(target.updates, 2);
    EXPECT_NEAR(clock.Now(), 0.02, 1e-9);
}

}  // namespace
}  // namespace zelka
