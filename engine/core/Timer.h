#pragma once

#include "engine/core/Cog.h"

namespace zelka {

// A countdown cog. When the remaining time reaches 0 or less it sends kEventTimerFired
// (source: the timer, data: null) and stops; a repeating timer then starts a fresh full
// interval (an overshoot is not carried over), a one-shot timer unhooks itself from the
// current stage.
class Timer : public Cog {
public:
    Timer(const String& name, int intervalMs, bool repeat, Ref<Object> data);

    static Ref<Timer> New(const String& name, int intervalMs, bool repeat, Ref<Object> data);
    // Unnamed, interval 0: fires on its first update.
    static Ref<Timer> New2();

    void Update(int ms) override;
    // Disabled, remaining = interval.
    void Stop() override;
    // Disabled, remaining kept.
    void Pause() { enabled_ = false; }
    void Reset() { remaining_ = interval_; }

    int GetInterval() const { return interval_; }
    int GetRemaining() const { return remaining_; }
    int GetFireCount() const { return fires_; }
    bool IsRepeating() const { return repeat_; }
    // Kept for the owner; not sent with the event.
    const Ref<Object>& GetData() const { return data_; }

    void Deallocate() override { data_.reset(); }

private:
    int interval_;
    bool repeat_;
    Ref<Object> data_;
    int remaining_;
    int fires_ = 0;
};

}  // namespace zelka
