#include "engine/core/Timer.h"

#include "engine/EngineConstants.h"
#include "engine/core/EventManager.h"

namespace zelka {

Timer::Timer(const String& name, int intervalMs, bool repeat, Ref<Object> data)
    : Cog(name), interval_(intervalMs), repeat_(repeat), data_(std::move(data)),
      remaining_(intervalMs)
{
}

Ref<Timer> Timer::New(const String& name, int intervalMs, bool repeat, Ref<Object> data)
{
    return std::make_shared<Timer>(name, intervalMs, repeat, std::move(data));
}

Ref<Timer> Timer::New2()
{
    return std::make_shared<Timer>(String(), 0, false, nullptr);
}

void Timer::Update(int ms)
{
    remaining_ -= ms;
    if (remaining_ > 0) {
        return;
    }
    ++fires_;
    remaining_ = 0;
    EventManager::SendEvent(this, kEventTimerFired, nullptr);
    Stop();
    if (repeat_) {
        enabled_ = true;
    } else {
        Unhook();
    }
}

void Timer::Stop()
{
    enabled_ = false;
    remaining_ = interval_;
}

}  // namespace zelka
