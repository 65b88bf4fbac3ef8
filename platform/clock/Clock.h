#pragma once

namespace zelka {

// The host's time source: seconds since the host started, as a double.
class Clock {
public:
    virtual ~Clock() = default;

    [[nodiscard]] virtual double Now() const = 0;
    // Blocks for `seconds` (> 0). The loop sleeps once per pass, until the next update is due.
    virtual void Sleep(double seconds) = 0;
};

}  // namespace zelka
