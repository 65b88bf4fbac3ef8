#pragma once

#include "platform/clock/Clock.h"

namespace zelka {

// The window library's timer (needs the library initialised). Sleeps on the OS.
class GlfwClock final : public Clock {
public:
    // Implements Clock.
    double Now() const override;
    void Sleep(double seconds) override;
};

}  // namespace zelka
