#include "platform/host/LoopScheduler.h"

#include <cmath>

namespace zelka {

void LoopScheduler::SetUpdateRate(int rate)
{
    rate_ = rate;
    if (rate != 0) period_ = 1.0 / rate;
    scheduled_ = false;
}

void LoopScheduler::Run(LoopTarget& target)
{
    while (target.IsOpen()) RunPass(target);
}

void LoopScheduler::RunPass(LoopTarget& target)
{
    target.RenderFrame();

    if (scheduled_) {
        const double wait = next_ - clock_.Now();
        if (wait > 0) clock_.Sleep(wait);
    }

    target.EventStep(target.IsSuspended());

    // Any loss of focus suspends, minimised or not. Both transitions reschedule from the
    // current time, so refocusing brings no burst of updates.
    if (!target.IsFocused()) {
        if (!target.IsSuspended()) {
            target.Suspend();
            scheduled_ = false;
        }
    } else if (target.IsSuspended()) {
        target.Resume();
        scheduled_ = false;
    }
    if (target.IsSuspended()) return;

    if (rate_ == 0) {
        ++counts_.updates;
        target.Update();
        return;
    }
    RunDueUpdates(target);
}

void LoopScheduler::RunDueUpdates(LoopTarget& target)
{
    if (!scheduled_) {
        next_ = clock_.Now();
        scheduled_ = true;
    }
    for (int i = 0; i < kMaxUpdatesPerPass; ++i) {
        ++counts_.updates;
        if (i > 0) ++counts_.caughtUp;
        target.Update();
        if (!scheduled_) return;  // the update changed the rate
        next_ += period_;
        if (next_ > clock_.Now()) return;
    }
    // Every update due by now is dropped: the one at next_ and each period after it.
    counts_.dropped += 1 + static_cast<long long>(std::floor((clock_.Now() - next_) / period_));
    scheduled_ = false;
}

}  // namespace zelka
