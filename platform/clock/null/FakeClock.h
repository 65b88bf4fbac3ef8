#pragma once

#include "platform/clock/Clock.h"

namespace zelka {

// A clock that tests drive: time moves only by Advance, and Sleep advances it by exactly
// the time asked for (so a sleeping loop wakes precisely when its update is due).
class FakeClock final : public Clock {
public:
    // Implements Clock.
    double Now() const override { return now_; }
    void Sleep(double seconds) override;

    void Advance(double seconds) { now_ += seconds; }
    void Set(double seconds) { now_ = seconds; }
    [[nodiscard]] int Sleeps() const { return sleeps_; }            // Sleep calls so far
    [[nodiscard]] double SleptTotal() const { return sleptTotal_; }  // seconds

private:
    double now_ = 0;
    int sleeps_ = 0;
    double sleptTotal_ = 0;
};

}  // namespace zelka
