#include "platform/clock/null/FakeClock.h"

namespace zelka {

void FakeClock::Sleep(double seconds)
{
    ++sleeps_;
    if (seconds <= 0) return;
    now_ += seconds;
    sleptTotal_ += seconds;
}

}  // namespace zelka
