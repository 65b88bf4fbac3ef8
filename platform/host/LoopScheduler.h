#pragma once

#include "platform/clock/Clock.h"

namespace zelka {

// What one pass of the main loop drives. The host implements it over the window and the
// game delegate; tests implement it over counters.
class LoopTarget {
public:
    virtual ~LoopTarget() = default;

    [[nodiscard]] virtual bool IsOpen() = 0;
    // Render one frame and swap buffers.
    virtual void RenderFrame() = 0;
    // Deliver input: block until an event arrives when `wait`, else take what is pending.
    virtual void EventStep(bool wait) = 0;
    [[nodiscard]] virtual bool IsFocused() = 0;
    [[nodiscard]] virtual bool IsSuspended() = 0;
    virtual void Suspend() = 0;
    virtual void Resume() = 0;
    virtual void Update() = 0;
};

// What the fixed-rate loop did since it started: a slow pass runs the updates it fell
// behind by (caught up, beyond the pass's first) and drops the backlog past
// kMaxUpdatesPerPass (dropped: due updates that never ran).
struct LoopCounts {
    long long updates = 0;
    long long caughtUp = 0;
    long long dropped = 0;
};

// The fixed-rate main loop. Each pass renders, sleeps until the next update is due, takes
// the events, follows the focus, then runs the updates that are due: at most
// kMaxUpdatesPerPass, dropping any backlog beyond them, so a slow frame costs game time
// instead of feeding a spiral of catch-up updates.
class LoopScheduler {
public:
    static constexpr int kMaxUpdatesPerPass = 4;

    explicit LoopScheduler(Clock& clock) : clock_(clock) {}

    // Updates per second; 0 runs one update per pass. Reschedules from the next pass's
    // current time, which also ends a catch-up run in progress.
    void SetUpdateRate(int rate);
    [[nodiscard]] int UpdateRate() const { return rate_; }
    // Whether an update time is scheduled (the next pass otherwise starts from its own
    // current time), and that time in clock seconds.
    [[nodiscard]] bool IsScheduled() const { return scheduled_; }
    [[nodiscard]] double NextUpdate() const { return next_; }

    [[nodiscard]] const LoopCounts& Counts() const { return counts_; }

    void RunPass(LoopTarget& target);
    // Passes until the target's window is no longer open.
    void Run(LoopTarget& target);

private:
    void RunDueUpdates(LoopTarget& target);

    Clock& clock_;
    int rate_ = 0;
    double period_ = 0;  // seconds per update
    double next_ = 0;
    bool scheduled_ = false;  // a separate flag: 0 is a valid clock reading
    LoopCounts counts_;
};

}  // namespace zelka
